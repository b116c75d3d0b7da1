#ifndef PDFTEXT_H
#define PDFTEXT_H

#include <QString>

class QTextStream;

// The text of a logger's PDF report, read without a PDF library: the
// logger's page content is uncompressed and every piece of text stands on a
// line of its own as one text-showing operation "... Tj", its operand either
// a hexadecimal string <...> (ASCII bytes and two-byte GBK codes) or a
// literal string (...).

// The text item of one line that holds "Tj": the line is cut before the
// first "Tj"; a hexadecimal operand is decoded by GbkCodeUtils::decodeHexText,
// and a literal operand, when the rest holds "(", replaces that result.
// Without either the item is empty.
QString PdfTextItem(const QString &line);

// The literal string that starts at the first "(" of line, read as PDF reads
// it: nested parentheses stay as long as they balance, and backslash escapes
// (\n \r \t \b \f \( \) \\ and octal \ddd) are resolved. Without a closing
// parenthesis the text runs to the end of the line; without "(" it is empty.
QString ExtractPdfParenText(const QString &line);

// Reads further lines until one holds "Tj" and returns its text item, or an
// empty text when the stream ends first.
QString ReadNextPdfText(QTextStream &in);

#endif // PDFTEXT_H
