// GBK table load at start-up and decodeHexText throughput.
#include "core/report/gbkcodeutils.h"

#include <QtTest>

class BenchGbk : public QObject {
    Q_OBJECT
private slots:
    void loadTable()
    {
        QBENCHMARK
        {
            GbkCodeUtils::instance()->load(QStringLiteral(VESMIRA_APP_DIR "/config/gbk_code.txt"));
        }
        QVERIFY(GbkCodeUtils::instance()->entryCount() > 21000);
    }

    void decodeHexText10000Characters()
    {
        GbkCodeUtils *gbk = GbkCodeUtils::instance();
        gbk->load(QStringLiteral(VESMIRA_APP_DIR "/config/gbk_code.txt"));
        // 5,000 Chinese characters and 5,000 ASCII characters, interleaved.
        QString line = "<";
        for (int i = 0; i < 5000; ++i)
            line += QString::asprintf("%02X%02X%02X", 0xB0 + i % 0x30, 0xA1 + i % 0x5E, 0x30 + i % 10);
        line += "> Tj";
        QString result;
        QBENCHMARK
        {
            result = gbk->decodeHexText(line);
        }
        QCOMPARE(result.size(), 10000);
    }
};

QTEST_GUILESS_MAIN(BenchGbk)
#include "bench_gbk.moc"
