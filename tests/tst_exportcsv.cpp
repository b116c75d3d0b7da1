// The CSV export: every test report through vesmira-cli export, whole and
// cut to a range, read back and compared with the record the report gives;
// a target that cannot be written.
#include "core/export/cexportcsv.h"
#include "core/export/cexportrange.h"
#include "core/record/crecord.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/reportparse.h"
#include "helpers/faultfs.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestExportCsv : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    struct Result {
        int code;
        QString err;
    };

    static Result cli(const QStringList &args)
    {
        QProcess p;
        p.start(VESMIRA_CLI, QStringList { "export" } + args);
        p.waitForFinished(60000);
        return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError()) };
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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
        const bool chinese = record.summary.language.contains(QStringLiteral("中"));
        QCOMPARE(header.split(',').size(), humidity ? 4 : 3);
        QVERIFY2(header.startsWith(
                     chinese ? QStringLiteral("序号,时间,温度(°") : QStringLiteral("No.,Time,Temperature(°")),
            qPrintable(header));
        for (int i = 0; i < samples.size(); ++i) {
            QVERIFY(lines.at(i + 1).endsWith('\r'));
            const QStringList fields = QString::fromUtf8(lines.at(i + 1).chopped(1)).split(',');
            const TempDataItem &item = *samples.at(i);
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
        QVERIFY(record.data.dataList.size() > 10);

        const QString whole = tmp.filePath(QFileInfo(report).fileName() + ".csv");
        Result r = cli({ report, whole });
        QVERIFY2(r.code == 0, qPrintable(r.err));
        CSampleSelection all(record.data.dataList.cbegin(), record.data.dataList.cend());
        compare(read(whole), record, all);

        // The middle third, by the same --from/--to as the PDF.
        const int n = record.data.dataList.size();
        const TempDataItem *from = record.data.dataList.at(n / 3);
        const TempDataItem *to = record.data.dataList.at(2 * n / 3);
        const QString part
            = tmp.filePath(QFileInfo(report).fileName() + ".part.CSV"); // the suffix in any case
        r = cli({ report, part, "--from", from->time.toText(), "--to", to->time.toText() });
        QVERIFY2(r.code == 0, qPrintable(r.err));
        CSampleSelection middle;
        CSummeryParam cut;
        CExportRange::cutToRange(record.summary, record.data, from->secs, to->secs, cut, middle);
        QVERIFY(middle.size() < n);
        compare(read(part), record, middle);
    }

    // A folder that is missing or read-only: a clear error, and what was at
    // the target stays.
    void unwritableTarget()
    {
        const QString report = VESMIRA_TEST_DATA "/reports/en-th.csv";
        Result r = cli({ report, tmp.filePath("missing/out.csv") });
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("cannot write") && r.err.contains("missing/out.csv"), qPrintable(r.err));

        SmallTmpfs disk(1024 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QString target = disk.filePath("out.csv");
        QVERIFY(cli({ report, target }).code == 0);
        const QByteArray before = read(target);
        QVERIFY(disk.setReadOnly(true));
        r = cli({ report, target, "--from", "2021/05/31 23:00:00", "--to", "2021/06/01 01:00:00" });
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("cannot write") && r.err.contains(target), qPrintable(r.err));
        QCOMPARE(read(target), before);
        QVERIFY(disk.setReadOnly(false));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "out.csv" });
    }

    // Fields the spreadsheet would split are quoted.
    void quoting()
    {
        CRecord record;
        record.summary.language = "EN";
        record.data.dataList.append(new TempDataItem { "1,5", "say \"hi\"", "2021/05/06 08:00:00" });
        record.summary.containHumidity = 1;
        const CSampleSelection all(record.data.dataList.cbegin(), record.data.dataList.cend());
        const QByteArray bytes = CExportCsv::content(record.summary, all);
        QVERIFY2(bytes.endsWith("1,2021-05-06 08:00:00,\"1,5\",\"say \"\"hi\"\"\"\r\n"), bytes.constData());
    }
};

QTEST_GUILESS_MAIN(TestExportCsv)
#include "tst_exportcsv.moc"
