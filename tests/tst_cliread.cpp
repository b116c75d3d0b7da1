// vesmira-cli read: the reading flow without widgets. The command runs from a
// private copy of the application directory, so its database and report
// copies land in a temporary folder.
#include "core/history/ctempdbmanager.h"
#include "helpers/cliprocess.h"
#include "helpers/fakedrives.h"
#include "helpers/faultfs.h"
#include "helpers/historyfaults.h"
#include "helpers/testfiles.h"

#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

class TestCliRead : public QObject {
    Q_OBJECT

    QTemporaryDir appDir;
    FakeDrives drives;

    using Result = CliResult;

    // vesmira-cli read from the private copy in dir (appDir when empty).
    Result run(const QStringList &args, const QString &dir = QString())
    {
        return runProgram((dir.isEmpty() ? appDir.path() : dir) + "/vesmira-cli",
            QStringList { "read" } + args,
            { "VESMIRA_MOUNTINFO=" + drives.mountInfoPath(), "VESMIRA_SYSFS=" + drives.sysfsRoot() });
    }

    // The records of the history database: id and report copy.
    QMap<int, QString> records()
    {
        QMap<int, QString> out;
        {
            CTempDbManager db(appDir.path() + "/db/dravik.db");
            for (const CHistoryRow &row : db.LoadAllRecords())
                out.insert(row.id, db.GetPdfPathById(row.id));
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        return out;
    }

    static QByteArray fixture(const char *name)
    {
        return readAll(VESMIRA_TEST_DATA "/reports/" + QString(name));
    }

    // A logger drive of its own: setting.ini and the files given.
    static void fillDrive(const QTemporaryDir &drive, const QMap<QString, QByteArray> &files)
    {
        FakeDrives::write(drive.filePath("setting.ini"), QByteArray(102, '\0'));
        for (auto it = files.begin(); it != files.end(); ++it)
            FakeDrives::write(drive.filePath(it.key()), it.value());
    }

private slots:
    void initTestCase() { QVERIFY(installCli(appDir.path())); }

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
        // "id<TAB>name" of the stored record; its report copied.
        QVERIFY2(QRegularExpression("^\\d+\t[^_]+_\\d{17}\n$").match(r.out).hasMatch(), qPrintable(r.out));
        QVERIFY(
            QFileInfo(records().value(r.out.section('\t', 0, 0).toInt())).fileName().startsWith("REPORT-"));

        // A drive root given; a drive without a report; an upper-case suffix.
        const QString empty = drives.addDrive("EMPTY", "STM");
        FakeDrives::write(empty + "/setting.ini", QByteArray(102, '\0'));
        r = run({ empty });
        QCOMPARE(r.code, 1);
        QCOMPARE(
            r.err.trimmed(), QString("Error occurs when reading device data, please check if device fails."));
        FakeDrives::write(empty + "/DATA.TXT", "x");
        r = run({ empty });
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
        QVERIFY(installCli(app.path()));
        QVERIFY(QFile::link(disk.path(), app.path() + "/db"));
        const QString dbPath = app.path() + "/db/dravik.db";

        QTemporaryDir logger;
        QVERIFY(QFile::copy(VESMIRA_TEST_DATA "/reports/en-th.csv", logger.filePath("REPORT.csv")));
        Result r = run({ logger.path() }, app.path());
        QCOMPARE(r.code, 0);
        const QByteArray file = fileContent(dbPath);

        QVERIFY(QFile::remove(logger.filePath("REPORT.csv")));
        const QByteArray report = longCsvReport(200000);
        QVERIFY(report.size() > 4 * 1024 * 1024);
        FakeDrives::write(logger.filePath("LONG.csv"), report);
        r = run({ logger.path() }, app.path());
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(
            r.err.contains("vesmira-cli: the history database refused the record: database or disk is full"),
            qPrintable(r.err.right(300)));
        // Restored by the command itself, not left to the next reader (the
        // rows, read through SQLite: TestStoreFaults::readWithFailingStore).
        QVERIFY(!QFile::exists(dbPath + "-journal"));
        QVERIFY(fileContent(dbPath) == file);
    }

    // The part that failed and the system's reason: a report copy that does
    // not fit into data_files (nothing is stored, no file is left there), a
    // drive root that cannot be read.
    void failedPartIsNamed()
    {
        SmallTmpfs disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        QTemporaryDir app;
        QVERIFY(installCli(app.path()));
        QVERIFY(QFile::link(disk.path(), app.path() + "/data_files"));
        QVERIFY(disk.fill());
        QTemporaryDir drive;
        fillDrive(drive, { { "REPORT.csv", fixture("en-th.csv") } });
        Result r = run({ drive.path() }, app.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("the local copy " + app.path() + "/data_files/REPORT-")
                && r.err.contains("No space left on device"),
            qPrintable(r.err));
        QVERIFY2(!r.err.contains("check if device fails"), qPrintable(r.err));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "filler" });
        QVERIFY(!QFile::exists(app.path() + "/db/dravik.db"));

        r = run({ drive.filePath("gone") }, app.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(
            r.err.contains("the logger drive: " + drive.filePath("gone") + ": No such file or directory"),
            qPrintable(r.err));
    }

    // A Chinese logger names its report in GBK: read like any other, the
    // copy named in readable characters.
    void reportNamedInGbk()
    {
        QTemporaryDir drive;
        fillDrive(drive, {});
        const QByteArray name = drive.path().toUtf8() + "/\xb1\xa8\xb8\xe6.csv"; // "报告" in GBK
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        const QByteArray bytes = fixture("zh-th.csv") + "\r\n"; // a report not read before
        QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
        ::close(fd);
        const Result r = run({ drive.path() });
        QCOMPARE(r.code, 0);
        const QString copy = records().value(r.out.section('\t', 0, 0).toInt());
        QVERIFY2(QFileInfo(copy).fileName().startsWith(QStringLiteral("报告-")), qPrintable(copy));
        QCOMPARE(readAll(copy), bytes);
    }

    // A stick used on a Mac holds dot-files smaller than the report.
    void macLitterIsNoReport()
    {
        QTemporaryDir drive;
        fillDrive(drive,
            { { "REPORT.csv", fixture("zh-th.csv") },
                { ".DS_Store", QByteArray("\0\0\0\1Bud1", 8) + QByteArray(1012, '\0') },
                { "._REPORT.pdf", QByteArray("\0\x05\x16\x07\0\x02\0\0", 8) + QByteArray(504, '\0') },
                { ".hidden.txt", QByteArray() } });
        QVERIFY(QDir(drive.path()).mkdir("x.csv"));
        // A link is never followed off the drive, however small its target.
        QTemporaryDir outside;
        FakeDrives::write(outside.filePath("small.csv"), fixture("en-temp.csv").left(2000));
        QVERIFY(QFile::link(outside.filePath("small.csv"), drive.filePath("A.csv")));
        const Result r = run({ drive.path() });
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("\tEH21050012_"));
        QVERIFY(
            QFileInfo(records().value(r.out.section('\t', 0, 0).toInt())).fileName().startsWith("REPORT-"));
    }

    // The read takes the smallest file named *.pdf, *.csv or *.txt and
    // stores exactly that one.
    void smallestReportIsRead_data()
    {
        QTest::addColumn<QString>("files"); // name=test report ...
        QTest::addColumn<QString>("chosen");
        QTest::newRow("CSV and an older, larger TXT") << "REPORT.csv=en-th.csv REPORT.txt=en-th.txt"
                                                      << "REPORT.csv";
        QTest::newRow("TXT smaller than CSV") << "OLD.csv=zh-th.csv NEW.txt=en-temp.txt"
                                              << "NEW.txt";
        QTest::newRow("two PDFs") << "A.pdf=zh-th.pdf B.pdf=en-temp.pdf"
                                  << "B.pdf";
    }
    void smallestReportIsRead()
    {
        QFETCH(QString, files);
        QFETCH(QString, chosen);
        QTemporaryDir drive;
        QMap<QString, QByteArray> content;
        for (const QString &file : files.split(' '))
            content.insert(file.section('=', 0, 0), fixture(qPrintable(file.section('=', 1))));
        fillDrive(drive, content);
        const QMap<int, QString> before = records();
        const Result r = run({ drive.path() });
        QCOMPARE(r.code, 0);
        const QMap<int, QString> after = records();
        QCOMPARE(after.size(), before.size() + 1);
        const QString copy = after.value(r.out.section('\t', 0, 0).toInt());
        QVERIFY2(QFileInfo(copy).fileName().startsWith(QFileInfo(chosen).completeBaseName() + "-"),
            qPrintable(copy));
        QCOMPARE(readAll(copy), content.value(chosen));
    }

    void noRecordIsStored_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("stored");
        // The refusal rule on the two edges; what the parser makes of garbage
        // and cut-off PDFs: TestReportParse::badInput.
        const QByteArray csv = fixture("en-th.csv");
        QTest::newRow("empty") << "REPORT.csv" << QByteArray() << false;
        QTest::newRow("CSV cut off before its summary")
            << "REPORT.csv" << csv.left(csv.indexOf("Serial Number")) << false;
        // A summary without samples is a record.
        QTest::newRow("summary only") << "REPORT.csv" << csv.left(csv.indexOf("No.,")) << true;
    }

    // A report without a device number and without a single sample is not
    // kept: exit 1, nothing enters the history.
    void noRecordIsStored()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, stored);
        QTemporaryDir drive;
        fillDrive(drive, { { name, bytes } });
        const int before = records().size();
        const Result r = run({ drive.path() });
        QCOMPARE(r.code, stored ? 0 : 1);
        QCOMPARE(records().size(), before + (stored ? 1 : 0));
        if (!stored)
            QVERIFY2(
                r.err.contains("neither a device number nor a sample") && r.out.isEmpty(), qPrintable(r.err));
    }

    // An empty DRIVE_ROOT is no drive (it would read the current directory).
    void emptyDriveRoot()
    {
        const Result r = run({ "" });
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("usage:"));
    }
};

QTEST_GUILESS_MAIN(TestCliRead)
#include "tst_cliread.moc"
