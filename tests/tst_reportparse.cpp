// The parse entry: every fixture of tests/data/reports end to end, the
// record's reset, the dispatch by suffix, the progress callback, bad input.
#include "helpers/reportrecord.h"
#include "helpers/testfiles.h"

class TestReportParse : public QObject {
    Q_OBJECT

    ReportFiles files;

private slots:
    void initTestCase() { QVERIFY(files.init()); }

    // ---------------------------------------------------------------- fixtures

    void fixtures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        const QPair<const char *, ReportKind> kinds[]
            = { { "csv", ReportKind::Csv }, { "txt", ReportKind::Txt }, { "pdf", ReportKind::Pdf } };
        for (const char *lang : { "zh", "en" }) {
            for (const char *content : { "temp", "th" }) {
                for (const auto &kind : kinds) {
                    const QString name = QString("%1-%2.%3").arg(lang, content, kind.first);
                    QTest::newRow(qPrintable(name)) << name << int(kind.second);
                }
            }
        }
    }

    // Every report form through the parse entry, compared line by line with
    // the record expected for it (one value a line: the line names the field).
    void fixtures()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        const QString path = QStringLiteral(VESMIRA_TEST_DATA "/reports/") + name;
        Record record;
        QCOMPARE(int(record.parse(path)), kind);
        const QList<QByteArray> want = readAll(path + ".json").split('\n');
        const QList<QByteArray> got = record.json().split('\n');
        QVERIFY(want.size() > 10);
        for (int i = 0; i < qMax(want.size(), got.size()); ++i)
            QCOMPARE(got.value(i), want.value(i));
    }

    // ---------------------------------------------------------------- parse entry

    void parseEntry()
    {
        const QByteArray csv
            = gbkReport("Device Code,,,TL-30-83WQ\nNo.,T,,,T,,H,ALARM\n1,5/6/2021 8:00:00,,,1.0,,50.0,\n");
        const QByteArray txt = gbkReport(
            "Device Code: TL-30\nNo.\tDATE\tTIME\t\tTEMPERATURE\tALARM\n1\t5/6/2021\t8:00:00\t\t2.0\t\n");

        // The reset: limits and calibrations "0", summary emptied; data is
        // left to the sample parser.
        Record record;
        record.info.tempHigh = "9";
        record.info.humidityAdj = "9";
        record.info.wayId = "kept";
        record.summary.mkt = "old";
        QCOMPARE(record.parse(files.write("a.csv", csv)), ReportKind::Csv);
        QCOMPARE(record.info.tempHigh, QString("0"));
        QCOMPARE(record.info.humidityAdj, QString("0"));
        QCOMPARE(record.info.wayId, QString("kept"));
        QCOMPARE(record.summary.mkt, QString(""));
        QCOMPARE(record.info.containHumidity, 1);
        QCOMPARE(record.samples(), QStringList { "1.0|50.0|2021/05/06 08:00:00" });

        // The next report replaces the samples and the flags.
        QCOMPARE(record.parse(files.write("b.txt", txt)), ReportKind::Txt);
        QCOMPARE(record.info.containHumidity, 0);
        QCOMPARE(record.info.fileType, QString("txt"));
        QCOMPARE(record.samples(), QStringList { "2.0||2021/05/06 08:00:00" });

        // Suffixes are tested case-sensitively; nothing is parsed without one.
        record.summary.deviceModel = "old";
        QCOMPARE(record.parse(files.write("c.CSV", csv)), ReportKind::None);
        QCOMPARE(record.summary.deviceModel, QString(""));
        QCOMPARE(record.samples().size(), 1);
        QCOMPARE(record.parse(files.write("c.csv.bak", csv)), ReportKind::None);
        QCOMPARE(record.parse(files.write("c.tar.csv", csv)), ReportKind::Csv);

        // Each test stands on its own: a suffix with two kinds runs both.
        QCOMPARE(record.parse(files.write("d.csvtxt", txt)), ReportKind::Txt);
        QCOMPARE(record.summary.deviceModel, QString("TL-30"));

        // English times in an odd shape (a sign, blanks, a long run of zeros)
        // are still month/day/year, a day above 12 and one below alike.
        const QStringList oddTimes { "1.0||2021/05/16 08:00:00", "1.0||2021/05/06 08:00:00" };
        QCOMPARE(record.parse(files.write("g.csv",
                     gbkReport("No.,T,,,T,ALARM\n1,+5/16/2021  8:00:00,,,1.0,\n"
                               "2,\t05/+6/2021 0000000008:00:00 ,,,1.0,\n"))),
            ReportKind::Csv);
        QCOMPARE(record.samples(), oddTimes);
        QCOMPARE(record.parse(files.write("g.txt",
                     gbkReport("No.\tDATE\tTIME\t\tTEMPERATURE\tALARM\n1\t+5/16/2021\t8:00:00\t\t1.0\t\n"
                               "2\t5/06/+2021\t8:00:+0\t\t1.0\t\n"))),
            ReportKind::Txt);
        QCOMPARE(record.samples(), oddTimes);
        for (const TempDataItem &item : record.data)
            QCOMPARE(item.time.toText(), item.recordTime);

        // A file that cannot be opened leaves the file type and the flags.
        Record missing;
        QCOMPARE(missing.parse(files.path("missing.csv")), ReportKind::Csv);
        QCOMPARE(missing.info.fileType, QString("csv"));
        QCOMPARE(missing.info.containTemp, 1);
        QVERIFY(missing.data.isEmpty());
        QCOMPARE(missing.parse(files.path("missing.pdf")), ReportKind::Pdf);
        QCOMPARE(missing.info.fileType, QString("pdf"));

        // Progress: 2 before each kind; false skips it.
        QList<int> steps;
        Record cancelled;
        QCOMPARE(
            parseReportFile(files.write("e.csvtxt", txt), cancelled.summary, cancelled.info, cancelled.data,
                [&steps](int step) {
                    steps << step;
                    return steps.size() > 1;
                }),
            ReportKind::Txt);
        QCOMPARE(steps, (QList<int> { 2, 2 }));
        QCOMPARE(cancelled.info.fileType, QString("txt"));
        QCOMPARE(parseReportFile(files.write("f.pdf", csv), cancelled.summary, cancelled.info, cancelled.data,
                     [](int) { return false; }),
            ReportKind::None);
        QCOMPARE(cancelled.info.fileType, QString("txt"));
    }

    // ---------------------------------------------------------------- bad input

    void badInput_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("samples"); // -1: any number
        QByteArray garbage(64 * 1024, '\0');
        quint32 x = 12345;
        for (char &c : garbage) {
            x = x * 1103515245u + 12345u;
            c = char(x >> 24);
        }
        QByteArray longLine(10 * 1024 * 1024, 'a');
        for (int i = 0; i < longLine.size(); i += 97)
            longLine[i] = i % 2 ? ',' : '\t';
        QByteArray hexLine = "<" + QByteArray(10 * 1024 * 1024, '4') + "> Tj";
        const QByteArray whole = readAll(VESMIRA_TEST_DATA "/reports/zh-th.pdf");
        for (const char *suffix : { "csv", "txt", "pdf" }) {
            const QString s = suffix;
            QTest::newRow(qPrintable(s + " empty")) << s << QByteArray() << 0;
            QTest::newRow(qPrintable(s + " garbage")) << s << garbage << -1;
            QTest::newRow(qPrintable(s + " 10 MB line")) << s << longLine << 0;
            QTest::newRow(qPrintable(s + " 10 MB hex operand")) << s << hexLine << 0;
            QTest::newRow(qPrintable(s + " truncated PDF")) << s << whole.left(whole.size() / 2) << -1;
        }
        // Invalid GBK bytes inside the values: the rows are still samples.
        QTest::newRow("invalid GBK") << "csv"
                                     << QByteArray(
                                            "No.,T,,,T,ALARM\r\n1,\x81\xff 05/06/2021 08:00:00,,,\xfe,\r\n"
                                            "2,05/06/2021 08:00:00,,,1.0\x80,\r\n")
                                     << 2;
        QTest::newRow("missing value fields")
            << "csv" << gbkReport("产品型号\nMKT\nNo.,T,,,T,ALARM\n1\n1,2\n") << 0;
        QTest::newRow("missing TXT values") << "txt" << gbkReport("Device Code:\nMKT:\nUoM:\n") << 0;
        QTest::newRow("PDF labels at the end") << "pdf" << QByteArray("(Device Code:) Tj\n(MKT) Tj") << 0;
        QTest::newRow("PDF unbalanced literal") << "pdf" << QByteArray("((((((((a Tj\n(\\") << 0;
        QTest::newRow("absurd interval")
            << "pdf" << QByteArray("(Log Interval:) Tj\n(99999999999 h 2147483647 h) Tj\n") << 0;
    }

    // Only regular files are opened, and no pass holds a line beyond the
    // limit: a link to /dev/zero gives the reset record at once, and a line
    // too long for a report is passed over while the rows after it count.
    void boundedReading()
    {
        Record zero;
        QVERIFY(QFile::link("/dev/zero", files.path("zero.csv")));
        QCOMPARE(zero.parse(files.path("zero.csv")), ReportKind::Csv);
        QCOMPARE(zero.info.fileType, QString("csv"));
        QVERIFY(zero.data.isEmpty());

        const QByteArray longRow = "1,05/06/2021 08:00:00,,," + QByteArray(MaxReportLine, '9') + ",\r\n";
        Record record;
        record.parse(files.write("long.csv",
            gbkReport("No.,T,,,T,ALARM\n") + longRow + gbkReport("2,05/06/2021 08:15:00,,,1.5,\n")));
        QCOMPARE(record.samples(), QStringList { "1.5||2021/05/06 08:15:00" });
    }

    // No crash, no hang: a record comes back, with no more samples than rows.
    void badInput()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, bytes);
        QFETCH(int, samples);
        Record record;
        QCOMPARE(record.parse(files.write("bad." + suffix, bytes)),
            suffix == "csv"       ? ReportKind::Csv
                : suffix == "txt" ? ReportKind::Txt
                                  : ReportKind::Pdf);
        QCOMPARE(record.info.fileType, suffix);
        if (samples >= 0)
            QCOMPARE(record.data.size(), samples);
        QVERIFY(record.data.size() <= bytes.count('\n') + 1);
        QVERIFY(!record.object().isEmpty()); // the record still makes valid JSON
    }
};

QTEST_GUILESS_MAIN(TestReportParse)
#include "tst_reportparse.moc"
