#include "core/report/gbkcodeutils.h"
#include "helpers/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <iconv.h>

class TestGbkCodeUtils : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    QString writeTable(const QByteArray &body)
    {
        static int n = 0;
        const QString path = tmp.filePath(QString("table%1.txt").arg(++n));
        return writeFile(path, body) ? path : QString();
    }

private slots:
    void loadAndLookup()
    {
        GbkCodeUtils *gbk = GbkCodeUtils::instance();
        gbk->load(writeTable("B0A1,\xe5\x95\x8a\n" // one entry
                             "B0A2,x,y\n" // two commas: skipped
                             "nocomma\n" // no comma: skipped
                             "B0A1,second\n" // same code again: first wins
                             " B0A3,\xe5\x9f\x83 \n" // nothing is trimmed
                             "\n"));
        QCOMPARE(gbk->entryCount(), 3);
        QCOMPARE(QStringList({ gbk->lookup("B0A1"), gbk->lookup("b0a1"), gbk->lookup("B0A2"),
                     gbk->lookup("B0A3"), gbk->lookup(" B0A3") }),
            QStringList(
                { QString::fromUtf8("\xe5\x95\x8a"), "", "", "", QString::fromUtf8("\xe5\x9f\x83 ") }));

        // A file that cannot be opened leaves the table as it was.
        gbk->load(tmp.filePath("missing.txt"));
        QCOMPARE(gbk->entryCount(), 3);
        // An empty file empties it; a last line without line end still counts.
        gbk->load(writeTable(""));
        QCOMPARE(gbk->entryCount(), 0);
        gbk->load(writeTable("B0A1,a\nB0A2,b"));
        QCOMPARE(gbk->lookup("B0A2"), QString("b"));
    }

    void decodeHexText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *line, const QString &expected) {
            QTest::newRow(name) << QString(line) << expected;
        };
        row("celsius", "<B043> Tj", QString::fromUtf8("°C"));
        row("ascii then fahrenheit", "<41B046> Tj", QString::fromUtf8("A°F"));
        row("value with unit", "<3235B043> Tj", QString::fromUtf8("25°C"));
        row("chinese", "<B0A141> Tj", QString::fromUtf8("\xe5\x95\x8a") + "A");
        row("code missing from table", "<41C0A142> Tj", "AB");
        row("byte 80 is one character", "<80>", QString(QChar(0x80)));
        row("no angle bracket", "(AB) Tj", "");
        row("lead byte at end", "<41B0>", "A");
    }
    void decodeHexText()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        GbkCodeUtils::instance()->load(writeTable("B0A1,\xe5\x95\x8a\n"));
        QCOMPARE(GbkCodeUtils::instance()->decodeHexText(line), expected);
    }

    // The shipped table agrees with an independent GBK decoder (glibc iconv)
    // on every code that decoder accepts.
    void generatedTableMatchesIconv()
    {
        GbkCodeUtils *gbk = GbkCodeUtils::instance();
        gbk->load(QStringLiteral(VESMIRA_APP_DIR "/config/gbk_code.txt"));

        iconv_t cd = iconv_open("UTF-8", "GBK");
        QVERIFY(cd != iconv_t(-1));
        int compared = 0;
        QStringList mismatches;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                char in[2] = { char(lead), char(trail) };
                char out[16];
                char *inp = in;
                char *outp = out;
                size_t inLeft = 2;
                size_t outLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1) || inLeft != 0)
                    continue;
                ++compared;
                const QString code = QString::asprintf("%02X%02X", lead, trail);
                const QString expected = QString::fromUtf8(out, int(sizeof out - outLeft));
                if (gbk->lookup(code) != expected)
                    mismatches << code;
            }
        }
        iconv_close(cd);
        QVERIFY2(compared > 21000, qPrintable(QString::number(compared)));
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 20).join(' ')));
    }

    void writingDirection()
    {
        QCOMPARE(GbkCodeUtils::toGbk(QString::fromUtf8("按键开启 25 (1)")),
            QByteArray("\xB0\xB4\xBC\xFC\xBF\xAA\xC6\xF4 25 (1)"));
        QCOMPARE(GbkCodeUtils::fromGbk(QByteArray("\xB0\xA1x")), QString::fromUtf8("\xe5\x95\x8ax"));
    }
};

QTEST_GUILESS_MAIN(TestGbkCodeUtils)
#include "tst_gbkcodeutils.moc"
