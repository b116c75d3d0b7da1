#ifndef TESTS_PDFREADER_H
#define TESTS_PDFREADER_H

// A small reader for the PDF files the application writes, used by the
// export tests to check a written file from the outside: the cross-reference
// offsets, the stream lengths and the page tree are verified on load; the
// content streams of the pages are kept, and dump() gives them as text to
// compare with a reference.

#include "core/report/gbkcodeutils.h"
#include "testfiles.h"

#include <QByteArray>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

class PdfReader {
public:
    QByteArray bytes;
    QString error;
    int size = 0; // trailer /Size
    QVector<qint64> offsets; // by object number; [0] unused
    QMap<int, QByteArray> bodies; // object number -> text between "obj\n" and "endobj"
    QVector<int> kids; // page object numbers in page-tree order
    int count = -1;
    QVector<QByteArray> pages; // content streams in page-tree order

    bool load(const QString &path)
    {
        *this = PdfReader();
        bytes = readAll(path);
        return bytes.isEmpty() ? fail("cannot read " + path) : parse();
    }

    // The content streams as text, "page N" before each. The writer puts one
    // operator on a line; here the operators that set up a text (BT, Tf, Td)
    // share the line of the text they place, ET ends that line, and a
    // hexadecimal string is shown decoded as <"text"> (font 1: Latin-1, so
    // the degree byte reads as °; font 2: GBK).
    QString dump() const
    {
        QString out;
        for (int p = 0; p < pages.size(); ++p) {
            out += QString("page %1").arg(p + 1);
            int font = 0;
            QByteArray previous = "S";
            for (const QByteArray &line : pages.at(p).split('\n')) {
                if (line.isEmpty())
                    continue;
                const QByteArray op = line.mid(line.lastIndexOf(' ') + 1);
                if (op == "Tf")
                    font = line.mid(2, line.indexOf(' ') - 2).toInt();
                QString text = QString::fromLatin1(line);
                if (line.startsWith('<') && op == "Tj") {
                    const QByteArray raw = QByteArray::fromHex(line.mid(1, line.indexOf('>') - 1));
                    const QString decoded = font == 2 ? GbkCodeUtils::fromGbk(raw) : QString::fromLatin1(raw);
                    if (font != 2 || GbkCodeUtils::toGbk(decoded) == raw)
                        text = "<\"" + decoded + "\"> Tj";
                }
                const bool join = op == "ET" || previous == "BT" || previous == "Tf" || previous == "Td";
                out += (join ? " " : "\n") + text;
                previous = op;
            }
            out += '\n';
        }
        return out;
    }

private:
    bool fail(const QString &why)
    {
        error = why;
        return false;
    }

    bool parse()
    {
        if (!bytes.startsWith("%PDF-1.4\n") || !bytes.endsWith("%%EOF"))
            return fail("header or %%EOF");
        const int sx = bytes.lastIndexOf("startxref\n");
        const qint64 xref = bytes.mid(sx + 10, bytes.indexOf('\n', sx + 10) - sx - 10).toLongLong();
        if (sx < 0 || bytes.mid(int(xref), 7) != "xref\n0 ")
            return fail("startxref does not point at xref");
        int pos = int(xref) + 7;
        const int lineEnd = bytes.indexOf('\n', pos);
        const int n = bytes.mid(pos, lineEnd - pos).toInt();
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
        const auto tm = QRegularExpression("^trailer\n<<\n/Size (\\d+)\n/Root 1 0 R\n>>\n$")
                            .match(QString::fromLatin1(bytes.mid(pos, sx - pos)));
        size = tm.captured(1).toInt();
        if (!tm.hasMatch() || size != n)
            return fail("trailer");

        QMap<int, QByteArray> streams;
        QMap<int, int> lengthObject;
        for (int i = 1; i < n; ++i) {
            const QByteArray header = QByteArray::number(i) + " 0 obj\n";
            if (offsets[i] < 1 || bytes.mid(int(offsets[i]), header.size()) != header
                || bytes.at(int(offsets[i]) - 1) != '\n')
                return fail(QString("offset of object %1 does not point at the start of its header").arg(i));
            const int start = int(offsets[i]) + header.size();
            const auto m = QRegularExpression("^<</Length (\\d+) 0 R>>\nstream\n")
                               .match(QString::fromLatin1(bytes.mid(start, 40)));
            const int end = bytes.indexOf(m.hasMatch() ? "endstream\nendobj\n" : "endobj\n", start);
            if (end < 0)
                return fail(QString("object %1 has no end").arg(i));
            bodies[i] = bytes.mid(start, end - start);
            if (m.hasMatch()) {
                streams[i] = bytes.mid(start + m.capturedLength(0), end - start - m.capturedLength(0));
                lengthObject[i] = m.captured(1).toInt();
            }
        }
        for (auto it = streams.cbegin(); it != streams.cend(); ++it) {
            if (bodies.value(lengthObject[it.key()]).trimmed().toLongLong() != it.value().size())
                return fail(QString("stream %1: the length object differs from its size").arg(it.key()));
        }

        const auto pm = QRegularExpression("/Pages (\\d+) 0 R").match(QString::fromLatin1(bodies.value(1)));
        const auto km = QRegularExpression("/Kids \\[ ([^\\]]*)\\]\n/Count (\\d+)")
                            .match(QString::fromLatin1(bodies.value(pm.captured(1).toInt())));
        if (!pm.hasMatch() || !km.hasMatch())
            return fail("catalog or page tree");
        count = km.captured(2).toInt();
        for (auto refs = QRegularExpression("(\\d+) 0 R").globalMatch(km.captured(1)); refs.hasNext();)
            kids << refs.next().captured(1).toInt();
        for (int kid : kids) {
            const QString page = QString::fromLatin1(bodies.value(kid));
            const auto cm = QRegularExpression("/Contents (\\d+) 0 R").match(page);
            if (!page.contains("/Type /Page\n") || !cm.hasMatch())
                return fail(QString("page object %1").arg(kid));
            pages << streams.value(cm.captured(1).toInt());
        }
        return true;
    }
};

#endif // TESTS_PDFREADER_H
