#ifndef GBKCODEUTILS_H
#define GBKCODEUTILS_H

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QVector>

class QTextCodec;

// GBK text in both directions.
//
// Reading: a logger's PDF report writes Chinese text as hexadecimal GBK codes;
// the code table config/gbk_code.txt ("CODE,TEXT" lines, UTF-8) turns them
// back into characters. Writing: the application's own PDF report and the
// configuration frame need GBK bytes, which come from the GBK codec itself
// (never from the platform's local 8-bit encoding, which is UTF-8 here).
class GbkCodeUtils : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString code; // four hex digits as they stand in the PDF, e.g. "B0A1"
        QString text;
    };

    static GbkCodeUtils *instance();

    // Replaces the table with the file's entries. A file that cannot be opened
    // leaves the table unchanged. Lines that do not split at "," into exactly
    // two parts are skipped; nothing is trimmed.
    void load(const QString &path);

    // The text of the first entry whose code equals code exactly
    // (case-sensitive), or an empty string.
    QString lookup(const QString &code) const;

    // Decodes the hexadecimal operand of one PDF text line: the digits between
    // the first "<" and the first ">" after it.
    QString decodeHexText(const QString &line) const;

    // The decoding of decodeHexText for hex digits (the text between "<" and
    // ">") that hold only one-byte characters and the two degree-sign codes,
    // as the operands of sample lines do: decodes them into out, reusing its
    // buffer, and returns true. Anything else (a GBK code, a pair that is not
    // hexadecimal, a lead byte at the end) returns false and leaves out
    // holding any text; decodeHexText decodes it.
    static bool decodeOneByteHex(QStringView digits, QString &out);

    // Unicode to GBK bytes. Characters GBK lacks become "?".
    static QByteArray toGbk(const QString &text);
    // GBK bytes to Unicode (invalid sequences become U+FFFD).
    static QString fromGbk(const QByteArray &bytes);
    static QTextCodec *codec();

    int entryCount() const { return codeList.size(); }
    const QVector<Entry> &entries() const { return codeList; }

private:
    explicit GbkCodeUtils(QObject *parent = nullptr);

    QVector<Entry> codeList;
    // code -> index of its first entry: the look-up is a hash probe, and the
    // first line of a code still wins.
    QHash<QString, int> firstIndex;
};

#endif // GBKCODEUTILS_H
