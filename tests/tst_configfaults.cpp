// Writing setting.ini when the drive fails: real faults (a full or read-only
// tmpfs, a file size limit, links planted on the drive) under `vesmira-cli
// configure`. Whatever fails, the drive keeps the setting.ini it had, byte for
// byte, or none when it had none, and no temporary file is left behind.
#include "helpers/cliprocess.h"
#include "helpers/faultfs.h"
#include "helpers/testfiles.h"

#include <QtTest>
#include <optional>

namespace {

const QByteArray oldFrame = QByteArray("an earlier configuration frame").leftJustified(102, '.');

// vesmira-cli configure on drive, in the C locale (system error texts in
// English), with a file size limit when limit >= 0.
CliResult configure(const QString &drive, qint64 limit = -1)
{
    FileSizeLimitedProcess limited(limit);
    QProcess plain;
    QProcess &cli = limit >= 0 ? static_cast<QProcess &>(limited) : plain;
    cli.setProcessEnvironment(environmentWith({ "LC_ALL=C" }));
    cli.start(VESMIRA_CLI, { "configure", drive, "--no-humidity", "--now", "2026-03-07 14:05:09" });
    cli.waitForFinished(60000);
    return { cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
        QString::fromUtf8(cli.readAllStandardOutput()), QString::fromUtf8(cli.readAllStandardError()) };
}

} // namespace

class TestConfigFaults : public QObject {
    Q_OBJECT
private slots:
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("hadFile");
        for (const char *fault : { "ulimit -f 0", "full drive" }) {
            QTest::addRow("%s, old setting.ini", fault) << fault << true;
            QTest::addRow("%s, no setting.ini", fault) << fault << false;
        }
    }

    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, fault);
        QFETCH(bool, hadFile);
        const bool full = fault == "full drive";
        std::optional<SmallTmpfs> tmpfs;
        QTemporaryDir plain;
        if (full) {
            tmpfs.emplace(64 * 1024);
            if (!tmpfs->isMounted())
                QSKIP(qPrintable(tmpfs->skipReason()));
        }
        const QString drive = full ? tmpfs->path() : plain.path();
        const QString setting = drive + "/setting.ini";
        if (hadFile)
            QVERIFY(writeFile(setting, oldFrame));
        if (full)
            QVERIFY(tmpfs->fill());
        const CliResult r = full ? configure(drive) : configure(drive, 0);
        QStringList expected = full ? QStringList { "filler" } : QStringList();
        if (hadFile) {
            QCOMPARE(readAll(setting), oldFrame);
            expected.append("setting.ini");
        }
        QCOMPARE(dirEntries(drive), expected);
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        // The message, then the file and the reason (after the debug output).
        QVERIFY2(
            r.err.contains("Writing the configuration to the logger failed. Please check that the logger "
                           "is still connected and has free space.\nvesmira-cli: "
                + setting + ": "),
            qPrintable(r.err));
    }

    void readOnlyDriveIsReported()
    {
        SmallTmpfs drive(64 * 1024);
        if (!drive.isMounted())
            QSKIP(qPrintable(drive.skipReason()));
        QVERIFY(writeFile(drive.filePath("setting.ini"), oldFrame));
        QVERIFY(drive.setReadOnly(true));
        const CliResult r = configure(drive.path());
        QCOMPARE(r.code, 1);
        QVERIFY2(
            r.err.endsWith(QString("Can't open file for writing\nvesmira-cli: %1: Read-only file system\n")
                               .arg(drive.filePath("setting.ini"))),
            qPrintable(r.err));
        QCOMPARE(readAll(drive.filePath("setting.ini")), oldFrame);
        QCOMPARE(dirEntries(drive.path()), QStringList { "setting.ini" });
    }

    void linksAreNeverWrittenThrough_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("dangling link") << "elsewhere/ghost.ini" << false;
        QTest::newRow("link to a file outside the drive") << "elsewhere/victim.ini" << true;
        QTest::newRow("link to a directory outside the drive") << "elsewhere" << true;
    }

    void linksAreNeverWrittenThrough()
    {
        QFETCH(QString, target);
        QFETCH(bool, targetExists);
        QTemporaryDir work;
        const QString drive = work.filePath("drive");
        const QString elsewhere = work.filePath("elsewhere");
        QVERIFY(QDir().mkpath(drive) && QDir().mkpath(elsewhere));
        QVERIFY(writeFile(elsewhere + "/victim.ini", oldFrame));
        QVERIFY(QFile::link(work.filePath(target), drive + "/setting.ini"));

        const CliResult r = configure(drive);
        // The target is untouched and nothing appears beside it; the link
        // itself is replaced by the frame.
        QCOMPARE(dirEntries(elsewhere), QStringList { "victim.ini" });
        QCOMPARE(readAll(elsewhere + "/victim.ini"), oldFrame);
        QCOMPARE(QFileInfo::exists(work.filePath(target)), targetExists);
        QCOMPARE(r.code, 0);
        const QFileInfo written(drive + "/setting.ini");
        QVERIFY(!written.isSymLink());
        QCOMPARE(readAll(written.filePath()).size(), 102);
        QCOMPARE(dirEntries(drive), QStringList { "setting.ini" });
    }
};

QTEST_GUILESS_MAIN(TestConfigFaults)
#include "tst_configfaults.moc"
