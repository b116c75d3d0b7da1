// vesmira-cli read: the reading flow without widgets. The command runs from a
// private copy of the application directory, so its database and report
// copies land in a temporary folder.
#include "helpers/fakedrives.h"
#include "helpers/faultfs.h"
#include "helpers/historyfaults.h"
#include "history/ctempdbmanager.h"
#include "model/csummeryparam.h"
#include "model/ctempdata.h"

#include <QProcess>
#include <QtTest>

class TestCliRead : public QObject
{
    Q_OBJECT

    QTemporaryDir appDir;
    FakeDrives drives;

    struct Result
    {
        int code;
        QString out;
        QString err;
    };

    // A private copy of the command and the GBK table in dir, as an
    // installed application directory holds them.
    static bool install(const QString &dir)
    {
        if (!QFile::copy(VESMIRA_CLI, dir + "/vesmira-cli"))
            return false;
        QFile::setPermissions(dir + "/vesmira-cli", QFile::ReadOwner | QFile::ExeOwner);
        QDir().mkpath(dir + "/config");
        return QFile::copy(VESMIRA_APP_DIR "/config/gbk_code.txt", dir + "/config/gbk_code.txt");
    }

    Result run(const QStringList &args, const QString &dir = QString())
    {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VESMIRA_MOUNTINFO", drives.mountInfoPath());
        env.insert("VESMIRA_SYSFS", drives.sysfsRoot());
        cli.setProcessEnvironment(env);
        cli.start((dir.isEmpty() ? appDir.path() : dir) + "/vesmira-cli", QStringList{"read"} + args);
        cli.waitForFinished(60000);
        return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
                QString::fromUtf8(cli.readAllStandardError())};
    }

private slots:
    void initTestCase() { QVERIFY(install(appDir.path())); }

    void readsAndStores()
    {
        // No logger plugged in.
        Result r = run({});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());

        // The logger is recognised among the drives.
        const QString stick = drives.addDrive("STICK", "SanDisk");
        FakeDrives::write(stick + "/photo.jpg", "x");
        const QString logger = drives.addDrive("LOGGER", "STM");
        QVERIFY(QFile::copy(VESMIRA_TEST_DATA "/reports/zh-th.csv", logger + "/REPORT.csv"));
        FakeDrives::write(logger + "/setting.ini", QByteArray(102, '\0'));
        drives.plug(stick);
        drives.plug(logger);
        r = run({});
        QCOMPARE(r.code, 0);
        const QStringList fields = r.out.trimmed().split('\t');
        QCOMPARE(fields.size(), 2);
        const int id = fields.at(0).toInt();
        QVERIFY(id > 0);
        QVERIFY(QRegularExpression("^[^_]+_\\d{17}$").match(fields.at(1)).hasMatch());
        QCOMPARE(QDir(appDir.path() + "/data_files").entryList(QDir::Files).size(), 1);

        // The stored record is what the main window stores: dates of a Chinese
        // text report without their date characters, counts without units.
        {
            CTempDbManager db(appDir.path() + "/db/dravik.db");
            const QVector<CHistoryRow> rows = db.LoadAllRecords();
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first().dataName, fields.at(1));
            QVERIFY(db.GetPdfPathById(id).contains("/data_files/REPORT-"));
            double hh = 0, hl = 0, th = 0, tl = 0;
            QString model, number;
            CSummeryParam summary;
            CTempData data;
            db.ReadAllDataByRecordId(hh, hl, th, tl, model, number, &summary, &data, id);
            QCOMPARE(summary.containHumidity, 1);
            QVERIFY(!summary.recordStartAt.contains(QStringLiteral("年")));
            QVERIFY(!summary.recordCount.contains(QStringLiteral("条")));
            QVERIFY(!data.dataList.isEmpty());
            QVERIFY(hh > 0);
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);

        // A drive root given; a drive without a report; an upper-case suffix.
        const QString empty = drives.addDrive("EMPTY", "STM");
        FakeDrives::write(empty + "/setting.ini", QByteArray(102, '\0'));
        r = run({empty});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err.trimmed(), QString("Error occurs when reading device data, please check if device fails."));
        FakeDrives::write(empty + "/DATA.TXT", "x");
        r = run({empty});
        QCOMPARE(r.code, 2);
        QCOMPARE(QDir(appDir.path() + "/data_files").entryList(QDir::Files).size(), 2);
    }

    // The db folder on a 2 MB disk, a report of 200,000 samples: the store
    // fails part-way, the command says so and exits 1, and the history holds
    // exactly what it held before.
    void fullDiskStoresNothing()
    {
        SmallTmpfs disk(2 * 1024 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        QTemporaryDir app;
        QVERIFY(install(app.path()));
        QVERIFY(QFile::link(disk.path(), app.path() + "/db"));
        const QString dbPath = app.path() + "/db/dravik.db";

        QTemporaryDir logger;
        QVERIFY(QFile::copy(VESMIRA_TEST_DATA "/reports/en-th.csv", logger.filePath("REPORT.csv")));
        Result r = run({logger.path()}, app.path());
        QCOMPARE(r.code, 0);
        const QByteArray file = fileContent(dbPath);
        const QStringList before = historyRows(dbPath);
        QCOMPARE(before.value(0), QString("integrity ok"));
        QVERIFY(before.size() > 3);

        QVERIFY(QFile::remove(logger.filePath("REPORT.csv")));
        const QByteArray report = longCsvReport(200000);
        QVERIFY(report.size() > 4 * 1024 * 1024);
        FakeDrives::write(logger.filePath("LONG.csv"), report);
        r = run({logger.path()}, app.path());
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.endsWith("vesmira-cli: the history database refused the record\n"),
                 qPrintable(r.err.right(300)));
        // Restored by the command itself, not left to the next reader.
        QVERIFY(!QFile::exists(dbPath + "-journal"));
        QVERIFY(fileContent(dbPath) == file);
        QCOMPARE(historyRows(dbPath), before);
    }
};

QTEST_GUILESS_MAIN(TestCliRead)
#include "tst_cliread.moc"
