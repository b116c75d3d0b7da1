#include "core/export/pdftext.h"

#include "core/report/gbkcodeutils.h"

namespace {

// Advance widths of font 1 in thousandths of the size, by WinAnsi code: those
// of Helvetica-Bold, which Arial Bold shares. Codes without a glyph count as
// a full em, so that a text never ends later than measured.
// clang-format off
const short latinWidths[256] = {
    1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000,
    1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000,
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584, 1000,
    556, 1000, 278, 556, 500, 1000, 556, 556, 333, 1000, 667, 333, 1000, 1000, 611, 1000,
    1000, 278, 278, 500, 500, 350, 556, 1000, 333, 1000, 556, 333, 944, 1000, 500, 667,
    278, 333, 556, 556, 556, 556, 280, 556, 333, 737, 370, 556, 584, 333, 737, 333,
    400, 584, 333, 333, 333, 611, 556, 278, 333, 333, 365, 556, 834, 834, 834, 611,
    722, 722, 722, 722, 722, 722, 1000, 722, 667, 667, 667, 667, 278, 278, 278, 278,
    722, 722, 778, 778, 778, 778, 778, 584, 778, 722, 722, 722, 722, 667, 667, 611,
    556, 556, 556, 556, 556, 556, 889, 556, 556, 556, 556, 556, 278, 278, 278, 278,
    611, 611, 611, 611, 611, 611, 611, 584, 611, 611, 611, 611, 611, 556, 611, 556,
};
// clang-format on

} // namespace

namespace PdfText {

double textWidth(int font, const QByteArray &bytes, double size)
{
    long units = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes.at(i));
        if (font == 1) {
            units += latinWidths[c];
        } else if (c >= 0xA1 && i + 1 < bytes.size() && uchar(bytes.at(i + 1)) >= 0xA1) {
            units += 1000;
            ++i;
        } else {
            units += c >= 0x20 && c <= 0x62 ? 500 : 1000;
        }
    }
    return units * size / 1000.0;
}

bool needsChineseFont(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return true;
    }
    return false;
}

int fontFor(const QString &text)
{
    return needsChineseFont(text) ? 2 : 1;
}

QByteArray encode(int font, const QString &text)
{
    // WinAnsi agrees with Latin-1 on what font 1 is given.
    return font == 2 ? GbkCodeUtils::toGbk(text) : text.toLatin1();
}

} // namespace PdfText
