// PDF reports: text items, the summary labels and their value items, and
// the sample pages.
#include "core/report/pdftext.h"
#include "helpers/reportrecord.h"
#include "helpers/testfiles.h"

#include <QBuffer>

class TestPdfParse : public QObject {
    Q_OBJECT

    ReportFiles files;

private slots:
    void initTestCase() { QVERIFY(files.init()); }

    // ---------------------------------------------------------------- PDF

    void pdfTextItem_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("item");
        const char *const rows[][3] = {
            { "hex", "<3235B043> Tj", "25°C" },
            { "hex after operators", "BT 40 800 Td <41> Tj ET", "A" },
            { "literal", "(Hello) Tj", "Hello" },
            { "nested parentheses", "((UTC+08:00) Beijing) Tj", "(UTC+08:00) Beijing" },
            { "escaped parentheses", "(Temperature\\(internal\\)) Tj", "Temperature(internal)" },
            { "escaped backslash", "(a\\\\b) Tj", "a\\b" },
            { "octal escape", "(23.5\\260C) Tj", "23.5°C" },
            { "line escapes", "(a\\tb\\nc) Tj", "a\tb\nc" },
            { "unknown escape", "(\\q) Tj", "q" },
            { "unterminated literal", "(open Tj", "open " },
            { "literal wins over brackets", "(a<42>b) Tj", "a<42>b" },
            { "cut before the first Tj", "(Tj inside) Tj", "" },
            { "no operand", "Tj", "" },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString::fromUtf8(row[2]);
    }

    void pdfTextItem()
    {
        QFETCH(QString, line);
        QFETCH(QString, item);
        QCOMPARE(PdfTextItem(line), item);
    }

    // Hex operands decode as GbkCodeUtils::decodeHexText decodes them, on
    // every text line of the fixtures and on the odd cases.
    void hexOperandsAsDecodeHexText()
    {
        QStringList lines { "<3235B043> Tj", "<41B046> Tj", "<B0> Tj", "<41B0> Tj", "<b043> Tj", "<B041> Tj",
            "<B0A1B043> Tj", "<80> Tj", "<81> Tj", "<zz41> Tj", "<41424> Tj", "<B04> Tj", "<> Tj", "<4142 Tj",
            "<41> <42> Tj", "x <4142> y Tj <43>", "<00> Tj" };
        for (const char *name : { "zh-temp.pdf", "zh-th.pdf", "en-temp.pdf", "en-th.pdf" }) {
            for (const QByteArray &bytes :
                readAll(VESMIRA_TEST_DATA "/reports/" + QString(name)).split('\n')) {
                const QString line = QString::fromUtf8(bytes).trimmed();
                if (line.startsWith('<') && line.endsWith(" Tj"))
                    lines << line;
            }
        }
        QVERIFY(lines.size() > 300);
        for (const QString &line : lines) {
            const QString rest = line.left(line.indexOf("Tj"));
            QCOMPARE(PdfTextItem(line), GbkCodeUtils::instance()->decodeHexText(rest));
        }
    }

    void pdfHelpers()
    {
        QCOMPARE(ExtractPdfParenText("no parenthesis"), QString(""));
        QCOMPARE(ExtractPdfParenText("x (a(b)c) (d)"), QString("a(b)c"));
        QByteArray bytes("0 -16 Td\n(first) Tj\n(second) Tj\n");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QTextStream in(&buffer);
        QCOMPARE(ReadNextPdfText(in), QString("first"));
        QCOMPARE(ReadNextPdfText(in), QString("second"));
        QCOMPARE(ReadNextPdfText(in), QString(""));
    }

    void pdfSummary_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("checks");
        const auto row = [](const char *name, const QStringList &items, const QStringList &checks) {
            QTest::newRow(name) << items << checks;
        };
        row("label then value", { "(Device Code:) Tj", "0 -16 Td", "(TL-30-83WQ) Tj" },
            { "summary.deviceModel=TL-30-83WQ", "summary.containHumidity=1", "settings.fileType=pdf" });
        row("Chinese labels as hex", { "产品型号：", "TL-30", "语    言：", "中文" },
            { "summary.deviceModel=TL-30", "summary.language=中文", "settings.language=中文" });
        row("the value item is consumed", { "(Trip ID:) Tj", "(Serial Number) Tj", "(x) Tj" },
            { "summary.wayId=Serial Number", "settings.wayId=Serial Number", "summary.deviceNo=" });
        row("trip ID is no serial number", { "行程序列号：", "TR1", "序列号：", "EH1" },
            { "summary.wayId=TR1", "summary.deviceNo=EH1" });
        row("value never comes", { "(Trip ID:) Tj", "(TR1) Tj", "(Trip ID:) Tj" }, { "summary.wayId=" });
        row("English probe type closed", { "(Probe Type:) Tj", "(Temperature\\(internal) Tj" },
            { "summary.deviceSensor=Temperature(internal)" });
        row("balanced probe type kept", { "(Probe Type:) Tj", "Temperature(internal)" },
            { "summary.deviceSensor=Temperature(internal)" });
        row("Chinese probe type as read", { "探头类型：", "(内置(温度)" },
            { "summary.deviceSensor=(内置(温度)" });
        row("time zone in parentheses", { "(Time Zone:) Tj", "((UTC+08:00) Beijing) Tj" },
            { "summary.deviceZone=(UTC+08:00) Beijing" });
        row("battery", { "(Battery:) Tj", "(85%) Tj" }, { "summary.battery=85" });
        row("start delay fourth word", { "(Start Delay:) Tj", "(Manual + Delay 30 min) Tj" },
            { "summary.delayStart=Manual + Delay 30 min", "settings.delayStart=30" });
        row("start delay whole", { "(Start Delay:) Tj", "(Manual+Delay 30 min) Tj" },
            { "settings.delayStart=Manual+Delay 30 min" });
        row("timed times copied",
            { "(ON TIME:) Tj", "(05/06/2021 22:00) Tj", "(OFF TIME:) Tj", "(-----) Tj" },
            { "settings.startAt=05/06/2021 22:00", "settings.stopAt=-----" });
        row("interval with blanks", { "正常记录间隔：", "1 小时 30 分 15 秒" },
            { "settings.normalRecordSpace=5415" });
        row("interval without blanks", { "正常记录间隔：", "1小时30分15秒" },
            { "settings.normalRecordSpace=5415" });
        row("one-hour interval", { "报警记录间隔：", "1 小时 0 分 0 秒" }, { "settings.alarmSpace=3600" });
        row("English intervals",
            { "(Log Interval:) Tj", "(1h 30min 15sec) Tj", "(Alarm Interval:) Tj", "(1 h 5 min 0 sec) Tj" },
            { "settings.normalRecordSpace=5415", "settings.alarmSpace=3900" });
        row("interval without number", { "(Log Interval:) Tj", "(-----) Tj" },
            { "settings.normalRecordSpace=0" });
        row("alarm delay first word", { "报警延时：", "10 分钟" },
            { "summary.alarmDelay=10 分钟", "settings.alarmDelay=10" });
        row("temperature limits", { "温度上限：", " 8.0°C ", "(Lower Limit:) Tj", "<33352E36B046> Tj" },
            { "settings.tempHigh=8.0", "settings.tempLow=35.6", "summary.tempHigh= 8.0°C " });
        row("humidity limits",
            { "(Device Code:) Tj", "(X-83WQ) Tj", "温湿度上限：", "30.0°C,80.0%", "(Lower Limit:) Tj",
                "2.0°C 20.0%" },
            { "settings.tempHigh=30.0", "settings.humidityHigh=80.0", "settings.tempLow=2.0",
                "settings.humidityLow=20.0" });
        row("humidity label of a temperature logger", { "温湿度上限：", "30.0°C,80.0%" },
            { "summary.tempHigh=", "settings.tempHigh=0" });
        row("statistics and MKT", { "温湿度最大值：", "24.0°C,71.5%", "(MKT:) Tj", "24.8°C" },
            { "summary.tempMax=24.0°C,71.5%", "summary.mkt=24.8°C", "settings.mkt=24.8°C" });
    }

    void pdfSummary()
    {
        QFETCH(QStringList, items);
        QFETCH(QStringList, checks);
        files.check("pdf", pdfReport(items), checks);
    }

    void pdfSamples_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("humidity");
        QTest::addColumn<QStringList>("samples");
        const QString th = "(Device Code:) Tj\n(TL-30-83WQ) Tj"; // makes the report a humidity one
        QTest::newRow("date then sample") << QStringList { "(2021/05/06) Tj", "08:00:00 23.5°C" } << false
                                          << QStringList { "23.5|0|2021/05/06 08:00:00" };
        QTest::newRow("day change") << QStringList {
            "2021/05/06", "23:45:00 5.0°C", "2021/05/07", "00:00:00 4.8°C"
        } << false << QStringList { "5.0|0|2021/05/06 23:45:00", "4.8|0|2021/05/07 00:00:00" };
        QTest::newRow("Fahrenheit") << QStringList { "2021/05/06", "08:00:00 74.3°F" } << false
                                    << QStringList { "74.3|0|2021/05/06 08:00:00" };
        QTest::newRow("summary before samples") << QStringList { "(Device Information) Tj", "2021/05/06",
            "08:00:00 23.5°C" } << false << QStringList {};
        QTest::newRow("Chinese summary heading ends the samples")
            << QStringList { "2021/05/06", "08:00:00 23.5°C", "设 备 信 息", "08:15:00 23.6°C" } << false
            << QStringList { "23.5|0|2021/05/06 08:00:00" };
        QTest::newRow("humidity item holds its own date") << QStringList { th, "2021/05/05",
            "2021/05/06 08:00:00 23.5°C 45.0%" } << true << QStringList { "23.5|45.0|2021/05/05 08:00:00" };
        QTest::newRow("temperature parser takes it as a date")
            << QStringList { "2021/05/05", "2021/05/06 08:00:00 23.5°C 45.0%", "08:15:00 23.6°C" } << false
            << QStringList { "23.6|0|2021/05/06 08:00:00 23.5°C 45.0% 08:15:00" };
        QTest::newRow("English trip line brings the date")
            << QStringList { "(File Created At: 05/08/2021 09:30:12) Tj", "(Trip ID: TR1) Tj",
                   "(5/6/2021) Tj", "(Time) Tj", "8:05:09 23.5°C" }
            << false << QStringList { "23.5|0|2021/05/06 08:05:09" };
        QTest::newRow("English time of two parts kept") << QStringList { "(File Created At: x) Tj",
            "(05/06/2021) Tj", "08:00 23.5°C" } << false << QStringList { "23.5|0|05/06/2021 08:00" };
        QTest::newRow("no sample without two parts or a unit") << QStringList { "2021/05/06", "23.5°C",
            "08:00:00 45.0%", "(Page 1 of 2) Tj" } << false << QStringList {};
        QTest::newRow("time part defaults to the first part")
            << QStringList { "2021/05/06", "x 23.5°C" } << false << QStringList { "23.5|0|2021/05/06 x" };
        QTest::newRow("humidity part defaults to the first part") << QStringList { th, "2021/05/06",
            "08:00:00 23.5°C" } << true << QStringList { "23.5|08:00:00|2021/05/06 08:00:00" };
        QTest::newRow("trip line at the end") << QStringList { "(Trip) Tj" } << false << QStringList {};
    }

    void pdfSamples()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, humidity);
        QFETCH(QStringList, samples);
        QStringList lines;
        for (const QString &item : items)
            lines += item.split('\n');
        Record record;
        QCOMPARE(record.parse(files.write("samples.pdf", pdfReport(lines))), ReportKind::Pdf);
        QCOMPARE(record.summary.containHumidity, humidity ? 1 : 0);
        QCOMPARE(record.samples(), samples);
    }
};

QTEST_GUILESS_MAIN(TestPdfParse)
#include "tst_pdfparse.moc"
