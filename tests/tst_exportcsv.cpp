// The CSV export: every test report through vesmira-cli export, whole and
// cut to a range, read back and compared with the record the report gives;
// the layouts for other spreadsheets read back by Python's csv module; cells
// a spreadsheet would run as formulas; a target that cannot be written.
#include "core/export/cexportcsv.h"
#include "core/export/cexportrange.h"
#include "core/record/crecord.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/reportparse.h"
#include "helpers/cliprocess.h"
#include "helpers/faultfs.h"
#include "helpers/testfiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

class TestExportCsv : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    static CliResult cli(const QStringList &args) { return runCli(QStringList { "export" } + args); }

    // The lines of a CSV file the export wrote, checked against the samples
    // it should hold.
    static void compare(const QByteArray &bytes, const CRecord &record, const CSampleSelection &samples)
    {
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QList<QByteArray> lines = bytes.mid(3).split('\n');
        QCOMPARE(lines.takeLast(), QByteArray()); // the last line ends too
        QCOMPARE(lines.size(), samples.size() + 1);
        const bool humidity = record.hasHumidity();
        const QString header = QString::fromUtf8(lines.first().chopped(1));
        // The interface language: vesmira-cli speaks English.
        QCOMPARE(header.split(',').size(), humidity ? 4 : 3);
        QVERIFY2(header.startsWith(QStringLiteral("No.,Time,Temperature(°")), qPrintable(header));
        for (int i = 0; i < samples.size(); ++i) {
            QVERIFY(lines.at(i + 1).endsWith('\r'));
            const QStringList fields = QString::fromUtf8(lines.at(i + 1).chopped(1)).split(',');
            const TempDataItem item = samples.at(i);
            QCOMPARE(fields.size(), humidity ? 4 : 3);
            QCOMPARE(fields.at(0), QString::number(i + 1));
            QCOMPARE(fields.at(1), item.time.toDateTime().toString("yyyy-MM-dd HH:mm:ss"));
            QCOMPARE(fields.at(2), item.temp);
            if (humidity)
                QCOMPARE(fields.at(3), item.shidu);
        }
    }

private slots:
    void initTestCase()
    {
        // Chinese PDF reports decode through the GBK table, as in the CLI.
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
    }

    void everyReport_data()
    {
        QTest::addColumn<QString>("report");
        for (const QString &name :
            QDir(VESMIRA_TEST_DATA "/reports").entryList({ "*.csv", "*.txt", "*.pdf" }))
            QTest::newRow(qPrintable(name)) << QString(VESMIRA_TEST_DATA "/reports/" + name);
    }

    // Whole and cut to a range: the lines are the record's samples, their
    // values as the report printed them.
    void everyReport()
    {
        QFETCH(QString, report);
        CRecord record;
        QVERIFY(readReport(report, record) != ReportKind::None);
        QVERIFY(record.data.size() > 10);

        const QString whole = tmp.filePath(QFileInfo(report).fileName() + ".csv");
        CliResult r = cli({ report, whole });
        QVERIFY2(r.code == 0, qPrintable(r.err));
        CSampleSelection all(record.data);
        compare(readAll(whole), record, all);

        // The middle third, by the same --from/--to as the PDF.
        const int n = record.data.size();
        const TempDataItem from = record.data.at(n / 3);
        const TempDataItem to = record.data.at(2 * n / 3);
        const QString part
            = tmp.filePath(QFileInfo(report).fileName() + ".part.CSV"); // the suffix in any case
        r = cli({ report, part, "--from", from.time.toText(), "--to", to.time.toText() });
        QVERIFY2(r.code == 0, qPrintable(r.err));
        CSampleSelection middle;
        CSummeryParam cut;
        CExportRange::cutToRange(record.summary, record.data, from.secs, to.secs, cut, middle);
        QVERIFY(middle.size() < n);
        compare(readAll(part), record, middle);
    }

    // A read-only folder: a clear error, and what was at the target stays (a
    // missing folder: TestExportRange::cliExport).
    void unwritableTarget()
    {
        const QString report = VESMIRA_TEST_DATA "/reports/en-th.csv";
        SmallTmpfs disk(1024 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QString target = disk.filePath("out.csv");
        QVERIFY(cli({ report, target }).code == 0);
        const QByteArray before = readAll(target);
        QVERIFY(disk.setReadOnly(true));
        const CliResult r
            = cli({ report, target, "--from", "2021/05/31 23:00:00", "--to", "2021/06/01 01:00:00" });
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("cannot write") && r.err.contains(target), qPrintable(r.err));
        QCOMPARE(readAll(target), before);
        QVERIFY(disk.setReadOnly(false));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "out.csv" });
    }

    // Fields the spreadsheet would split are quoted.
    void quoting()
    {
        CRecord record;
        record.summary.language = "EN";
        record.data.append(TempDataItem { "1,5", "say \"hi\"", "2021/05/06 08:00:00" });
        record.summary.containHumidity = 1;
        const CSampleSelection all(record.data);
        const QByteArray bytes = CExportCsv::content(record.summary, record.settings, all);
        QVERIFY2(bytes.endsWith("1,2021-05-06 08:00:00,\"1,5\",\"say \"\"hi\"\"\"\r\n"), bytes.constData());
        // A carriage return first: defused, and quoted for the line break.
        QCOMPARE(CExportCsv::field("\r=1"), QByteArray("\"'\r=1\""));
    }

    // A report's texts that a spreadsheet would run (samples and trip
    // details) are written as text; numbers stay numbers.
    void formulaCells()
    {
        QList<QByteArray> lines = readAll(VESMIRA_TEST_DATA "/reports/en-th.csv").split('\n');
        int row = 0;
        while (!lines.at(row).startsWith("No.,"))
            ++row;
        const QList<QByteArray> values { "=HYPERLINK(\"http://x\")", "@SUM(A1)", "+1+1", "-2.5", "\t=1", "-",
            "+5", "1e3" };
        for (int i = 0; i < values.size(); ++i) {
            QList<QByteArray> cells = lines.at(row + 1 + i).split(',');
            cells[4] = values.at(i);
            lines[row + 1 + i] = cells.join(',');
        }
        for (QByteArray &line : lines) {
            if (line.startsWith("Trip Description,"))
                line = "Trip Description,,,=cmd|' /C calc'!A0\r";
        }
        const QString report = tmp.filePath("formulas.csv");
        QVERIFY(writeFile(report, lines.join('\n')));
        const QString out = tmp.filePath("formulas.out.csv");
        CliResult r = cli({ report, out });
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QList<QByteArray> expected { "\"'=HYPERLINK(\"\"http://x\"\")\"", "'@SUM(A1)", "'+1+1", "-2.5",
            "'\t=1", "'-", "+5", "1e3" };
        const QList<QByteArray> samples = readAll(out).split('\n').mid(1);
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(samples.at(i).contains("," + expected.at(i) + ","), samples.at(i).constData());
        r = cli({ report, out, "--trip-details" });
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QByteArray bytes = readAll(out);
        QVERIFY2(bytes.contains("\r\nTrip description,'=cmd|' /C calc'!A0\r\n"), bytes.constData());
    }

    // Comma and point, semicolon and decimal comma, with and without the trip
    // details: Python's csv module reads each back to the record's values.
    void layoutsReadByPython_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<bool>("details");
        QTest::newRow("comma, point") << "en-th.csv" << QStringList() << ","
                                      << "." << false;
        QTest::newRow("semicolon, comma, details")
            << "zh-th.pdf" << QStringList { "--separator", "semicolon", "--trip-details" } << ";"
            << "," << true;
        QTest::newRow("comma, comma, details")
            << "en-temp.txt" << QStringList { "--decimal", "comma", "--trip-details" } << ","
            << "," << true;
        QTest::newRow("semicolon, point")
            << "zh-temp.csv" << QStringList { "--separator", ";", "--decimal", "." } << ";"
            << "." << false;
    }
    void layoutsReadByPython()
    {
        QFETCH(QString, report);
        QFETCH(QStringList, options);
        QFETCH(QString, separator);
        QFETCH(QString, decimal);
        QFETCH(bool, details);
        const QString path = VESMIRA_TEST_DATA "/reports/" + report;
        CRecord record;
        QVERIFY(readReport(path, record) != ReportKind::None);
        const QString out = tmp.filePath(report + "." + QTest::currentDataTag() + ".csv");
        const CliResult r = cli(QStringList { path, out } + options);
        QVERIFY2(r.code == 0, qPrintable(r.err));

        // The rows as Python reads them: a JSON array of arrays of strings.
        const CliResult python = runProgram("python3",
            { "-c",
                "import csv, json, sys\n"
                "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2]))))\n",
                out, separator });
        if (python.code != 0)
            QSKIP(qPrintable("python3 cannot run: " + python.err));
        const QJsonArray rows = QJsonDocument::fromJson(python.out.toUtf8()).array();
        const auto cell
            = [&rows](int row, int column) { return rows.at(row).toArray().at(column).toString(); };
        // A value of the record as the file holds it: numbers with the decimal mark.
        const QRegularExpression plainNumber("^-?[0-9]+(\\.[0-9]+)?$");
        const auto written = [&](const QString &value) {
            return plainNumber.match(value).hasMatch() ? QString(value).replace(".", decimal) : value;
        };

        const bool humidity = record.hasHumidity();
        int row = 0;
        if (details) {
            const CSummeryParam &s = record.summary;
            QStringList expected { s.deviceModel, s.deviceNo, s.wayId, s.wayDesc, record.settings.tempHigh,
                record.settings.tempLow };
            if (humidity)
                expected << record.settings.humidityHigh << record.settings.humidityLow;
            expected << s.deviceZone;
            for (const QString &value : expected) {
                QCOMPARE(rows.at(row).toArray().size(), 2);
                QCOMPARE(cell(row, 1), written(value));
                ++row;
            }
            QCOMPARE(rows.at(row++).toArray().size(), 0); // the empty line
        }
        QCOMPARE(cell(row, 0), QString("No."));
        QCOMPARE(rows.at(row).toArray().size(), humidity ? 4 : 3);
        ++row;
        QCOMPARE(rows.size() - row, record.data.size());
        for (int i = 0; i < record.data.size(); ++i, ++row) {
            const TempDataItem item = record.data.at(i);
            QCOMPARE(cell(row, 0), QString::number(i + 1));
            QCOMPARE(cell(row, 1), item.time.toDateTime().toString("yyyy-MM-dd HH:mm:ss"));
            QCOMPARE(cell(row, 2), written(item.temp));
            if (humidity)
                QCOMPARE(cell(row, 3), written(item.shidu));
        }
    }
};

QTEST_GUILESS_MAIN(TestExportCsv)
#include "tst_exportcsv.moc"
