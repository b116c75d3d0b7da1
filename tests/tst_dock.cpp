// The receiving dock on the fake drive landscape: loggers plugged in are read,
// stored, filed and re-armed (CDock in the test's event loop), and
// `vesmira-cli watch` runs it as a service: --once exit codes, a full export
// folder, SIGTERM in the middle of a read. The same report is stored once on
// both history engines.
#include "core/device/cloggerreader.h"
#include "core/dock/cdock.h"
#include "core/dock/cdockfiles.h"
#include "core/history/chistorystore.h"
#include "core/record/crecord.h"
#include "core/report/gbkcodeutils.h"
#include "helpers/cliprocess.h"
#include "helpers/fakedrives.h"
#include "helpers/faultfs.h"
#include "helpers/historyengines.h"
#include "helpers/historyfaults.h"
#include "helpers/testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QtTest>
#include <csignal>

class TestDock : public QObject {
    Q_OBJECT

    FakeDrives drives;
    QTemporaryDir work;
    QString templatePath;
    int loggers = 0;

    // A logger drive with an empty configuration file and the report given.
    QString logger(const QByteArray &report, const QString &name = QStringLiteral("REPORT.csv"))
    {
        const QString root = drives.addDrive(QString("LOGGER%1").arg(++loggers), "STM");
        FakeDrives::write(root + "/setting.ini", QByteArray(102, '\0'));
        if (!report.isNull())
            FakeDrives::write(root + "/" + name, report);
        return root;
    }

    static QByteArray fixture(const char *name)
    {
        return readAll(VESMIRA_TEST_DATA "/reports/" + QString(name));
    }

    // The trip ID of the frame on the drive (8 ASCII bytes at offset 87).
    static QByteArray tripIdOnDrive(const QString &root) { return readAll(root + "/setting.ini").mid(87, 8); }

    // The mount table changes are seen one by one.
    static void settle() { QTest::qWait(300); }

    // vesmira-cli watch from a private application directory (a copy of the build's).
    QProcess *startCli(const QString &appDir, const QStringList &args)
    {
        installCli(appDir);
        auto *cli = new QProcess(this);
        cli->setReadChannel(QProcess::StandardError);
        cli->start(appDir + "/vesmira-cli", QStringList { "watch" } + args);
        return cli;
    }
    CliResult watch(const QString &appDir, const QStringList &args)
    {
        installCli(appDir);
        return runProgram(appDir + "/vesmira-cli", QStringList { "watch" } + args);
    }

    // The records of the embedded history, as vesmira-cli lists them.
    static int recordCount(const QString &appDir)
    {
        return runProgram(appDir + "/vesmira-cli", { "history", "list" }, { "VESMIRA_HISTORY" })
            .out.count('\n');
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
        drives.exportEnvironment();
        templatePath = work.filePath("T.ini");
        QByteArray ini = readAll(VESMIRA_TEST_DATA "/templates/page-defaults.ini");
        ini.replace("runwayIdTxt=XC000000", "runwayIdTxt=DOCK0001");
        QVERIFY(writeFile(templatePath, ini));
    }
    void cleanup() { QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection); }

    // Plugged in before the start and again: stored once, filed and re-armed
    // each time; a report that grew is a new record; a logger without a
    // report is not re-armed.
    void plugStoreExportRearm()
    {
        QTemporaryDir app;
        const QString out = app.filePath("out");
        CHistoryStore store(app.path(), CHistoryLocation());
        CDock dock(app.path(), store, { out, true, QString(), templatePath });
        QVector<CDockResult> results;
        connect(&dock, &CDock::handled, [&](const CDockResult &r) { results << r; });

        const QString root = logger(fixture("en-th.csv"));
        drives.plug(root);
        dock.start(false);
        QTRY_COMPARE(results.size(), 1);
        CDockResult r = results.at(0);
        QCOMPARE(r.read, CDockResult::Stored);
        QCOMPARE(r.serial + " " + r.tripId + " " + QString::number(r.samples),
            QString("EH21050014 TR2105310001 30"));
        const QString base = out + "/EH21050014_TR2105310001_20210531";
        QCOMPARE(r.exported, (QStringList { base + ".pdf", base + ".csv" }));
        QVERIFY(
            readAll(base + ".pdf").startsWith("%PDF") && readAll(base + ".csv").contains("2021-06-01 05:15"));
        QCOMPARE(tripIdOnDrive(root), QByteArray("DOCK0001"));

        // Pulled out and plugged in again: the same report is not stored
        // twice, but filed (never over the first files) and re-armed again.
        FakeDrives::write(root + "/setting.ini", QByteArray(102, '\0'));
        drives.unplug(root, false);
        settle();
        drives.plug(root);
        QTRY_COMPARE(results.size(), 2);
        r = results.at(1);
        QCOMPARE(r.read, CDockResult::AlreadyStored);
        QVERIFY(r.ok());
        QCOMPARE(r.recordId, results.at(0).recordId);
        QCOMPARE(r.exported, (QStringList { base + "-2.pdf", base + "-2.csv" }));
        QCOMPARE(tripIdOnDrive(root), QByteArray("DOCK0001"));
        QCOMPARE(store.history()->LoadAllRecords().size(), 1);

        // The logger kept recording: its report grew and is a new record.
        drives.unplug(root, false);
        settle();
        FakeDrives::write(
            root + "/REPORT.csv", fixture("en-th.csv") + "31,6/1/2021 5:30:00,,,20.8,,51.0,\r\n");
        drives.plug(root);
        QTRY_COMPARE(results.size(), 3);
        QCOMPARE(results.at(2).read, CDockResult::Stored);
        QCOMPARE(results.at(2).samples, 31);
        QCOMPARE(store.history()->LoadAllRecords().size(), 2);

        // No report: a failed read, nothing filed, the logger not re-armed.
        const QString empty = logger(QByteArray());
        drives.plug(empty);
        QTRY_COMPARE(results.size(), 4);
        r = results.at(3);
        QCOMPARE(r.read, CDockResult::NoReport);
        QVERIFY(!r.ok() && r.rearmStep == CDockResult::NotAsked && r.exportStep == CDockResult::NotAsked);
        QCOMPARE(readAll(empty + "/setting.ini"), QByteArray(102, '\0'));
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 6);
        drives.unplug(root);
        drives.unplug(empty);
    }

    // Pulled out in the middle of the read: what was copied is read and
    // stored, the re-arm fails (the next plug re-arms it as
    // plugStoreExportRearm's second plug does).
    void unplugMidRead()
    {
        QTemporaryDir app;
        CHistoryStore store(app.path(), CHistoryLocation());
        CDock dock(app.path(), store, { QString(), false, QString(), templatePath });
        QVector<CDockResult> results;
        connect(&dock, &CDock::handled, [&](const CDockResult &r) { results << r; });
        const QString root = logger(fixture("zh-th.pdf"), "REPORT.pdf");
        bool pulled = false;
        connect(&dock, &CDock::reading, [&](const QString &at, int step) {
            if (step == 1 && !pulled) {
                pulled = true;
                drives.unplug(at);
            }
        });
        dock.start(false);
        drives.plug(root);
        QTRY_COMPARE(results.size(), 1);
        const CDockResult r = results.at(0);
        QVERIFY2(r.read == CDockResult::Stored, qPrintable(r.error));
        QCOMPARE(r.rearmStep, CDockResult::Failed);
        QVERIFY2(r.error.contains("pulled out"), qPrintable(r.error));
        QCOMPARE(store.history()->LoadAllRecords().size(), 1);
    }

    // Plugged in together: each is handled, once.
    void twoLoggersAtOnce()
    {
        QTemporaryDir app;
        CHistoryStore store(app.path(), CHistoryLocation());
        CDock dock(app.path(), store, { app.filePath("out"), false, "{serial}", QString() });
        QStringList serials;
        connect(&dock, &CDock::handled,
            [&](const CDockResult &r) { serials << r.serial + ":" + r.exported.value(0).section('/', -1); });
        dock.start(false);
        const QString a = logger(fixture("en-th.csv"));
        const QString b = logger(fixture("zh-temp.txt"), "REPORT.txt");
        drives.plug({ a, b });
        QTRY_COMPARE(serials.size(), 2);
        settle();
        serials.sort();
        QCOMPARE(serials, (QStringList { "EH21050014:EH21050014.pdf", "EH21050021:EH21050021.pdf" }));
        QCOMPARE(store.history()->LoadAllRecords().size(), 2);
        drives.unplug(a);
        drives.unplug(b);
    }

    // The read step on each engine: the second read of the same bytes is
    // the first record.
    void duplicateOnBothEngines_data() { addEngineRows(); }
    void duplicateOnBothEngines()
    {
        QFETCH(QString, engine);
        SKIP_WITHOUT_POSTGRES(engine);
        QTemporaryDir app;
        // The shared history's tables come fresh.
        openEngine(engine, app.path()).reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        CHistoryStore store(app.path(),
            engine == QLatin1String("postgres") ? CHistoryLocation::parse(postgresUrl())
                                                : CHistoryLocation());
        QTemporaryDir drive;
        FakeDrives::write(drive.filePath("REPORT.csv"), fixture("en-temp.csv"));
        CRecord first;
        QCOMPARE(readLogger(drive.path(), app.path(), store, first).status, CReadOutcome::Stored);
        QCOMPARE(store.lastPlace(), CHistoryStore::InHistory);
        CRecord again;
        QCOMPARE(readLogger(drive.path(), app.path(), store, again).status, CReadOutcome::AlreadyStored);
        QCOMPARE(again.id, first.id);
        QCOMPARE(store.history()->LoadAllRecords().size(), 1);
        QString name;
        QCOMPARE(store.history()->findReport(first.reportDigest.toUpper(), &name), first.id);
        QCOMPARE(name, first.name);
        QCOMPARE(store.history()->findReport(CRecord::digest("other"), &name), 0);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        const QString rows[][3] = {
            { "default", CDockFiles::defaultPattern(), "EH21050014_TR2105310001_20210531" },
            { "start format", "{start:yyyy-MM-dd_HHmm}-{tripId}", "2021-05-31_2200-TR2105310001" },
            { "start alone, record", "{start} {record}", "20210531 EH21050014_1" },
            { "no folders, no hidden file", "../{serial}/x", "_._EH21050014_x" },
            { "nothing left", "{tripId}", "report" },
        };
        for (const auto &row : rows)
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
    }
    // The names of the files filed: the pattern's fields, never a folder,
    // and never over an existing file.
    void fileNames()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        CRecord record;
        QVERIFY(readReport(VESMIRA_TEST_DATA "/reports/en-th.csv", record) != ReportKind::None);
        record.name = "EH21050014_1";
        if (QByteArray(QTest::currentDataTag()) == "nothing left")
            record.summary.wayId.clear();
        QVERIFY(CDockFiles::checkPattern(pattern).isEmpty());
        QCOMPARE(CDockFiles::expandName(pattern, record), name);

        QTemporaryDir dir;
        FakeDrives::write(dir.filePath("a.csv"), "keep");
        QString why;
        QCOMPARE(CDockFiles::reserve(dir.path(), "a", { "pdf", "csv" }, &why),
            (QStringList { dir.filePath("a-2.pdf"), dir.filePath("a-2.csv") }));
        QCOMPARE(readAll(dir.filePath("a.csv")), QByteArray("keep"));
        QVERIFY(!CDockFiles::checkPattern("{serial}{date}").isEmpty());
    }

    // --once on a full export folder: the record is stored, the failure
    // told, nothing half written, exit 1; a second run files nothing new in
    // the history. JSON lines name what happened.
    void onceAndFullExportFolder()
    {
        SmallTmpfs disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        QVERIFY(disk.fill());
        QTemporaryDir app;
        const QString root = logger(fixture("en-temp.pdf"), "REPORT.pdf");
        drives.plug(root);
        CliResult r = watch(
            app.path(), { "--once", "--export-dir", disk.path(), "--csv", "--template", templatePath });
        QCOMPARE(r.code, 1);
        const QStringList fields = r.out.trimmed().split('\t');
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields.mid(1, 4),
            (QStringList { "EH21050033", "TR2105060009", "30", "stored,export-failed,re-armed" }));
        QVERIFY2(
            r.err.contains("export failed") && r.err.contains("No space left on device"), qPrintable(r.err));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList { "filler" });
        QCOMPARE(recordCount(app.path()), 1);
        QCOMPARE(tripIdOnDrive(root), QByteArray("DOCK0001"));

        // Room again: the same logger is filed; its record is the one stored.
        QFile::remove(disk.filePath("filler"));
        r = watch(app.path(), { "--once", "--json", "--export-dir", disk.path(), "--name", "{record}" });
        QCOMPARE(r.code, 0);
        const QJsonObject line = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(line.value("result").toString(), QString("duplicate,exported"));
        QVERIFY(r.err.contains("already in the history as " + line.value("recordName").toString()));
        QCOMPARE(line.value("exported").toArray().at(0).toString(),
            disk.path() + "/" + line.value("recordName").toString() + ".pdf");
        QCOMPARE(recordCount(app.path()), 1);
        drives.unplug(root);

        // Nothing plugged in: nothing to do.
        r = watch(app.path(), { "--once" });
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.isEmpty());
    }

    // SIGTERM while a long report is read: that logger is finished (stored
    // and filed) and the program exits 0; SIGINT while idle exits 0 at once.
    void sigtermFinishesTheLoggerInHand()
    {
        QTemporaryDir app;
        const QString out = app.filePath("out");
        QProcess *cli = startCli(app.path(), { "--export-dir", out });
        QVERIFY(cli->waitForReadyRead(30000)); // "watching for loggers"
        const QString root = logger(longCsvReport(300000));
        drives.plug(root);
        // The copy in data_files is the first step of the read.
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(app.filePath("data_files")).isEmpty(), 20000);
        ::kill(pid_t(cli->processId()), SIGTERM);
        QVERIFY(cli->waitForFinished(120000));
        QCOMPARE(cli->exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli->exitCode(), 0);
        const QStringList lines
            = QString::fromUtf8(cli->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().section('\t', 3, 4), QString("300000\tstored,exported"));
        QCOMPARE(recordCount(app.path()), 1);
        delete cli;
        drives.unplug(root);

        cli = startCli(app.path(), {});
        QVERIFY(cli->waitForReadyRead(30000)); // "watching for loggers"
        ::kill(pid_t(cli->processId()), SIGINT);
        QVERIFY(cli->waitForFinished(30000));
        QCOMPARE(cli->exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli->exitCode(), 0);
        delete cli;
    }
};

QTEST_GUILESS_MAIN(TestDock)
#include "tst_dock.moc"
