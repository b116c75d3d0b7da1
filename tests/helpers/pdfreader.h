#ifndef TESTS_PDFREADER_H
#define TESTS_PDFREADER_H

// A small reader for the PDF files the application writes, used by the
// export tests to check a written file from the outside: the cross-reference
// offsets, the stream lengths, the page tree and the text and path operators
// of each page's content stream.

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

struct PdfTextRun {
    int font = 0;
    double size = 0;
    double x = 0;
    double y = 0;
    QByteArray bytes; // the string operand, escapes and hex decoded
    bool hex = false; // written as a hexadecimal string
    QString fill; // fill colour operands, e.g. "0 1 0" or "0.4 0.4 0.6"
};

struct PdfOp {
    QString op;
    QStringList operands;
};

struct PdfPageContent {
    QByteArray stream;
    QVector<PdfTextRun> texts;
    QVector<PdfOp> ops;

    QVector<PdfTextRun> textsAt(double x, double y) const
    {
        QVector<PdfTextRun> out;
        for (const PdfTextRun &t : texts)
            if (qAbs(t.x - x) < 0.01 && qAbs(t.y - y) < 0.01)
                out << t;
        return out;
    }
    // The first run whose bytes equal text, or a run with font 0.
    PdfTextRun find(const QByteArray &text) const
    {
        for (const PdfTextRun &t : texts)
            if (t.bytes == text)
                return t;
        return PdfTextRun();
    }
    int count(const QString &op) const
    {
        int n = 0;
        for (const PdfOp &o : ops)
            n += o.op == op;
        return n;
    }
};

class PdfReader {
public:
    QByteArray bytes;
    QString error;
    int size = 0; // trailer /Size
    QVector<qint64> offsets; // by object number; [0] unused
    QMap<int, QByteArray> bodies; // object number -> text between "obj\n" and "endobj"
    QVector<int> kids; // page object numbers in page-tree order
    int count = -1;
    QVector<PdfPageContent> pages; // in page-tree order

    bool load(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail("cannot open " + path);
        bytes = file.readAll();
        return parse();
    }

private:
    bool fail(const QString &why)
    {
        error = why;
        return false;
    }

    bool parse()
    {
        if (!bytes.startsWith("%PDF-1.4\n"))
            return fail("header");
        if (!bytes.endsWith("%%EOF"))
            return fail("no %%EOF at the end");
        const int sx = bytes.lastIndexOf("startxref\n");
        if (sx < 0)
            return fail("no startxref");
        const int nl = bytes.indexOf('\n', sx + 10);
        const qint64 xref = bytes.mid(sx + 10, nl - sx - 10).toLongLong();
        if (bytes.mid(int(xref), 5) != "xref\n")
            return fail("startxref does not point at xref");
        int pos = int(xref) + 5;
        const int lineEnd = bytes.indexOf('\n', pos);
        const QList<QByteArray> head = bytes.mid(pos, lineEnd - pos).split(' ');
        if (head.size() != 2 || head[0] != "0")
            return fail("xref subsection");
        const int n = head[1].toInt();
        pos = lineEnd + 1;
        if (bytes.mid(pos, 20) != "0000000000 65535 f\r\n")
            return fail("free entry");
        offsets.fill(-1, n);
        for (int i = 1; i < n; ++i) {
            const QByteArray entry = bytes.mid(pos + 20 * i, 20);
            if (entry.size() != 20 || !entry.endsWith(" 00000 n\r\n"))
                return fail(QString("xref entry %1").arg(i));
            offsets[i] = entry.left(10).toLongLong();
        }
        pos += 20 * n;
        const QByteArray trailer = bytes.mid(pos, sx - pos);
        const QRegularExpression trailerRe("^trailer\n<<\n/Size (\\d+)\n/Root 1 0 R\n>>\n$");
        const auto tm = trailerRe.match(QString::fromLatin1(trailer));
        if (!tm.hasMatch())
            return fail("trailer: " + QString::fromLatin1(trailer));
        size = tm.captured(1).toInt();
        if (size != n)
            return fail("trailer size differs from xref count");

        for (int i = 1; i < n; ++i) {
            const QByteArray header = QByteArray::number(i) + " 0 obj\n";
            if (bytes.mid(int(offsets[i]), header.size()) != header)
                return fail(QString("offset of object %1 does not point at its header").arg(i));
            if (offsets[i] > 0 && bytes.at(int(offsets[i]) - 1) != '\n')
                return fail(QString("object %1 does not start a line").arg(i));
            const int start = int(offsets[i]) + header.size();
            int end;
            if (bytes.mid(start, 9) == "<</Length") {
                // A stream: its length object tells where it ends.
                const QRegularExpression re("^<</Length (\\d+) 0 R>>\nstream\n");
                const auto m = re.match(QString::fromLatin1(bytes.mid(start, 40)));
                if (!m.hasMatch())
                    return fail(QString("stream header of %1").arg(i));
                const int lengthObject = m.captured(1).toInt();
                const int dataStart = start + m.capturedLength(0);
                const int endStream = bytes.indexOf("endstream\nendobj\n", dataStart);
                if (endStream < 0)
                    return fail("no endstream");
                bodies[i] = bytes.mid(start, endStream - start);
                streamData[i] = bytes.mid(dataStart, endStream - dataStart);
                streamLengthObject[i] = lengthObject;
                end = endStream;
            } else {
                end = bytes.indexOf("endobj\n", start);
                if (end < 0)
                    return fail("no endobj");
                bodies[i] = bytes.mid(start, end - start);
            }
        }
        for (auto it = streamData.cbegin(); it != streamData.cend(); ++it) {
            const QByteArray length = bodies.value(streamLengthObject[it.key()]).trimmed();
            if (length.toLongLong() != it.value().size())
                return fail(QString("stream %1: length object says %2, stream has %3 bytes")
                                .arg(it.key())
                                .arg(QString::fromLatin1(length))
                                .arg(it.value().size()));
        }

        const QRegularExpression pagesRe("/Pages (\\d+) 0 R");
        const auto pm = pagesRe.match(QString::fromLatin1(bodies.value(1)));
        if (!pm.hasMatch())
            return fail("catalog");
        const QString tree = QString::fromLatin1(bodies.value(pm.captured(1).toInt()));
        const QRegularExpression kidsRe("/Kids \\[ ([^\\]]*)\\]\n/Count (\\d+)");
        const auto km = kidsRe.match(tree);
        if (!km.hasMatch())
            return fail("page tree: " + tree);
        count = km.captured(2).toInt();
        const QRegularExpression refRe("(\\d+) 0 R");
        auto refs = refRe.globalMatch(km.captured(1));
        while (refs.hasNext())
            kids << refs.next().captured(1).toInt();
        for (int kid : kids) {
            const QString page = QString::fromLatin1(bodies.value(kid));
            const QRegularExpression contentsRe("/Contents (\\d+) 0 R");
            const auto cm = contentsRe.match(page);
            if (!page.contains("/Type /Page\n") || !cm.hasMatch())
                return fail(QString("page object %1").arg(kid));
            pages << content(streamData.value(cm.captured(1).toInt()));
        }
        return true;
    }

    static PdfPageContent content(const QByteArray &s)
    {
        PdfPageContent page;
        page.stream = s;
        QStringList operands;
        QByteArray str;
        bool strIsHex = false;
        bool haveStr = false;
        int font = 0;
        double size = 0;
        double lineX = 0, lineY = 0;
        QString fill = "0 0 0";
        int i = 0;
        const int n = s.size();
        auto isDelim = [](char c) { return QByteArray(" \n\r\t()<>[]/").contains(c); };
        while (i < n) {
            const char c = s[i];
            if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
                ++i;
            } else if (c == '(') {
                str.clear();
                int depth = 1;
                ++i;
                while (i < n && depth > 0) {
                    char d = s[i++];
                    if (d == '\\' && i < n) {
                        const char e = s[i++];
                        if (e >= '0' && e <= '7') {
                            int v = e - '0';
                            for (int k = 0; k < 2 && i < n && s[i] >= '0' && s[i] <= '7'; ++k)
                                v = v * 8 + (s[i++] - '0');
                            str += char(v);
                        } else {
                            str += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
                        }
                        continue;
                    }
                    if (d == '(')
                        ++depth;
                    if (d == ')' && --depth == 0)
                        break;
                    str += d;
                }
                haveStr = true;
                strIsHex = false;
            } else if (c == '<') {
                const int close = s.indexOf('>', i);
                str = QByteArray::fromHex(s.mid(i + 1, close - i - 1));
                haveStr = true;
                strIsHex = true;
                i = close + 1;
            } else if (c == '[' || c == ']') {
                operands << QString(QChar(c));
                ++i;
            } else {
                int j = i + 1;
                while (j < n && !isDelim(s[j]))
                    ++j;
                const QString token = QString::fromLatin1(s.mid(i, j - i));
                i = j;
                const bool operand = token.startsWith('/') || token.at(0).isDigit() || token.startsWith('-')
                    || token.startsWith('.');
                if (operand) {
                    operands << token;
                    continue;
                }
                // An operator.
                if (token == "BT") {
                    lineX = lineY = 0;
                } else if (token == "Tf" && operands.size() >= 2) {
                    font = operands.at(operands.size() - 2).mid(2).toInt();
                    size = operands.last().toDouble();
                } else if (token == "Td" && operands.size() >= 2) {
                    lineX += operands.at(operands.size() - 2).toDouble();
                    lineY += operands.last().toDouble();
                } else if (token == "rg" && operands.size() >= 3) {
                    fill = operands.mid(operands.size() - 3).join(' ');
                } else if (token == "Tj" && haveStr) {
                    PdfTextRun run;
                    run.font = font;
                    run.size = size;
                    run.x = lineX;
                    run.y = lineY;
                    run.bytes = str;
                    run.hex = strIsHex;
                    run.fill = fill;
                    page.texts << run;
                }
                page.ops << PdfOp { token, operands };
                operands.clear();
                haveStr = false;
            }
        }
        return page;
    }

    QMap<int, QByteArray> streamData;
    QMap<int, int> streamLengthObject;
};

#endif // TESTS_PDFREADER_H
