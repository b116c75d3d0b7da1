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
#include <fstream>

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

    // A logger drive of its own: setting.ini and the files given as name,
    // bytes, name, bytes ... (a name in raw bytes; "name/" a folder, "name@" a
    // link to the bytes off the drive).
    void fillDrive(const QTemporaryDir &drive, const QByteArrayList &files)
    {
        FakeDrives::write(drive.filePath("setting.ini"), QByteArray(102, '\0'));
        for (int i = 0; i < files.size(); i += 2) {
            const QByteArray path = QFile::encodeName(drive.path()) + '/' + files[i];
            if (path.endsWith('/')) {
                QVERIFY(QDir().mkdir(QFile::decodeName(path)));
            } else if (path.endsWith('@')) {
                FakeDrives::write(appDir.filePath("outside.csv"), files[i + 1]);
                QVERIFY(QFile::link(appDir.filePath("outside.csv"), QFile::decodeName(path.chopped(1))));
            } else {
                std::ofstream(path.constData(), std::ios::binary) << files[i + 1].toStdString();
            }
        }
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
    // fails part-way and the command says so (the history is unchanged:
    // TestStoreFaults::readWithFailingStore).
    void fullDiskStoresNothing()
    {
        SmallTmpfs disk(2 * 1024 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        QTemporaryDir app;
        QVERIFY(installCli(app.path()));
        QVERIFY(QFile::link(disk.path(), app.path() + "/db"));
        QTemporaryDir logger;
        fillDrive(logger, { "LONG.csv", longCsvReport(200000) });
        const Result r = run({ logger.path() }, app.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(
            r.err.contains("vesmira-cli: the history database refused the record: database or disk is full"),
            qPrintable(r.err.right(300)));
    }

    // The part that failed and the system's reason: a report copy that does
    // not fit into data_files (nothing left there:
    // TestStoreFaults::readWithFullDataFiles), a drive root that cannot be read.
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
        fillDrive(drive, { "REPORT.csv", fixture("en-th.csv") });
        Result r = run({ drive.path() }, app.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("the local copy " + app.path() + "/data_files/REPORT-")
                && r.err.contains("No space left on device") && !r.err.contains("check if device fails"),
            qPrintable(r.err));

        r = run({ drive.filePath("gone") }, app.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(
            r.err.contains("the logger drive: " + drive.filePath("gone") + ": No such file or directory"),
            qPrintable(r.err));
    }

    // The read takes the smallest file named *.pdf, *.csv or *.txt (the
    // first one of each row) and stores exactly that one: not a Mac's
    // dot-files, a folder or a link off the drive; a Chinese logger's name in
    // GBK is copied in readable characters.
    void smallestReportIsRead_data()
    {
        QTest::addColumn<QByteArrayList>("files"); // as fillDrive takes them
        QTest::addColumn<QString>("copy");
        QTest::newRow("CSV and an older, larger TXT") << QByteArrayList { "REPORT.csv", fixture("en-th.csv"),
            "REPORT.txt", fixture("en-th.txt") } << "REPORT-";
        QTest::newRow("TXT smaller than CSV") << QByteArrayList { "NEW.txt", fixture("en-temp.txt"),
            "OLD.csv", fixture("zh-th.csv") } << "NEW-";
        QTest::newRow("two PDFs") << QByteArrayList { "B.pdf", fixture("en-temp.pdf"), "A.pdf",
            fixture("zh-th.pdf") } << "B-";
        QTest::newRow("Mac litter") << QByteArrayList { "REPORT.csv", fixture("zh-temp.csv"), ".DS_Store",
            QByteArray("\0\0\0\1Bud1", 8) + QByteArray(1012, '\0'), "._REPORT.pdf",
            QByteArray("\0\x05\x16\x07\0\x02\0\0", 8) + QByteArray(504, '\0'), ".hidden.txt", "", "x.csv/",
            "", "A.csv@", fixture("en-temp.csv").left(2000) }
                                    << "REPORT-";
        QTest::newRow("GBK name") << QByteArrayList { "\xb1\xa8\xb8\xe6.txt", fixture("zh-th.txt") }
                                  << QStringLiteral("报告-");
    }
    void smallestReportIsRead()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(QString, copy);
        QTemporaryDir drive;
        fillDrive(drive, files);
        const int before = records().size();
        const Result r = run({ drive.path() });
        QCOMPARE(r.code, 0);
        const QMap<int, QString> after = records();
        QCOMPARE(after.size(), before + 1);
        const QString stored = after.value(r.out.section('\t', 0, 0).toInt());
        QVERIFY2(QFileInfo(stored).fileName().startsWith(copy), qPrintable(stored));
        QCOMPARE(readAll(stored), files[1]);
    }

    void noRecordIsStored_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("stored");
        // The refusal rule on the two edges; what the parser makes of garbage
        // and cut-off PDFs: TestReportParse::badInput.
        const QByteArray csv = fixture("en-th.csv");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("CSV cut off before its summary") << csv.left(csv.indexOf("Serial Number")) << false;
        // A summary without samples is a record.
        QTest::newRow("summary only") << csv.left(csv.indexOf("No.,")) << true;
    }

    // A report without a device number and without a single sample is not
    // kept: exit 1, nothing enters the history.
    void noRecordIsStored()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, stored);
        QTemporaryDir drive;
        fillDrive(drive, { "REPORT.csv", bytes });
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
