#ifndef PDFTEXT_H
#define PDFTEXT_H

#include <QByteArray>
#include <QString>

// Text for the two fonts of PdfWriter: font 1 (WinAnsi, Latin-1 text) and
// font 2 (GBK bytes through GB-EUC-H), and how wide a text is drawn.
namespace PdfText {

// Width in points of bytes drawn in a font at a size. Font 2 reads them
// through GB-EUC-H: a code of two bytes from 0xA1 is one full-width glyph; a
// single byte is a half-width form, 500 wide up to "b" (0x62) and a full em
// beyond, as the font's width array says; any other byte counts a full em.
double textWidth(int font, const QByteArray &bytes, double size);

// Whether text holds a character beyond Latin-1 (then it goes out in font 2).
bool needsChineseFont(const QString &text);
// The font text goes out in, and its bytes for that font.
int fontFor(const QString &text);
QByteArray encode(int font, const QString &text);

} // namespace PdfText

#endif // PDFTEXT_H
