// libFuzzer: GbkCodeUtils::decodeHexText and the PDF text items built on it
// (literal strings with nesting and escapes) on arbitrary lines; the
// parser's fast decoding of sample operands is checked against decodeHexText.
#include "core/report/pdftext.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    loadGbkTable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Every byte as one character, as a hex operand reaches the decoder, and
    // the same bytes as UTF-8, as the PDF passes read a line.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    for (const QString &line : { QString::fromLatin1(bytes), QString::fromUtf8(bytes) }) {
        const QString decoded = GbkCodeUtils::instance()->decodeHexText(line);
        ExtractPdfParenText(line);
        const QString item = PdfTextItem(line);
        // The parser's own decoding of hex operands must agree with decodeHexText.
        if (!line.contains(QLatin1String("Tj")) && !line.contains(QLatin1Char('(')) && item != decoded)
            __builtin_trap();
    }
    return 0;
}
