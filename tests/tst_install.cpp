// `cmake --install` into a temporary prefix: every file an installed
// Vesmira needs is there, and the programs started from it find their data
// folder and write into the user's XDG folders only, never into the prefix.
#include "helpers/cliprocess.h"
#include "helpers/fakedrives.h"
#include "helpers/testfiles.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QtTest>

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix;
    QTemporaryDir home;
    QTemporaryDir runtime;
    FakeDrives drives;

    // Every file below dir with its size and time of change.
    static QStringList tree(const QString &dir)
    {
        QStringList files;
        QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            files << QStringLiteral("%1 %2 %3")
                         .arg(info.filePath())
                         .arg(info.isDir() ? 0 : info.size())
                         .arg(info.lastModified().toMSecsSinceEpoch());
        }
        files.sort();
        return files;
    }

    // A user without any Vesmira files, in a home of its own.
    QStringList userEnvironment() const
    {
        return { "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "VESMIRA_HISTORY",
            "HOME=" + home.path(), "XDG_RUNTIME_DIR=" + runtime.path(),
            "VESMIRA_MOUNTINFO=" + drives.mountInfoPath(), "VESMIRA_SYSFS=" + drives.sysfsRoot() };
    }

    CliResult cli(const QStringList &args)
    {
        return runProgram(prefix.filePath("bin/vesmira-cli"), args, userEnvironment());
    }

private slots:
    void initTestCase()
    {
        const CliResult install
            = runProgram(CMAKE_COMMAND, { "--install", VESMIRA_BUILD_DIR, "--prefix", prefix.path() });
        QVERIFY2(install.code == 0, qPrintable(install.err));
        QVERIFY(
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void everyFileIsInstalled()
    {
        const QString id = VESMIRA_APP_ID;
        for (const QString &file :
            { QString("bin/vesmira"), QString("bin/vesmira-cli"), QString("share/vesmira/gbk_code.txt"),
                QString("share/vesmira/translations/dravik_en.qm"),
                QString("share/vesmira/translations/dravik_zh.qm"), "share/applications/" + id + ".desktop",
                "share/metainfo/" + id + ".metainfo.xml", QString("share/man/man1/vesmira-cli.1.gz"),
                QString("share/bash-completion/completions/vesmira-cli"),
                QString("lib/systemd/user/vesmira-watch.service"),
                QString("lib/systemd/system/vesmira-watch.service"), QString("lib/sysusers.d/vesmira.conf") })
            QVERIFY2(QFileInfo(prefix.filePath(file)).size() > 0, qPrintable(file));
        // Every size of the window's icon, each as large as its folder says.
        for (int size : { 16, 32, 48, 64, 128, 256 }) {
            const QString path
                = prefix.filePath(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id));
            QCOMPARE(QImage(path).size(), QSize(size, size));
        }
        QVERIFY(readAll(prefix.filePath("share/applications/" + id + ".desktop"))
                    .contains("Icon=" + id.toUtf8()));
    }

    // The command line and the window started from the prefix: the GBK
    // table from share/vesmira, the configuration from ~/.config/vesmira,
    // everything written below ~/.local/share/vesmira.
    void writesIntoXdgFoldersOnly()
    {
        const QStringList installed = tree(prefix.path());
        const QString data = home.filePath(".local/share/vesmira");
        const QString logger = drives.addDrive("LOGGER", "STM");
        QVERIFY(QFile::copy(VESMIRA_TEST_DATA "/reports/zh-th.pdf", logger + "/REPORT.pdf"));
        FakeDrives::write(logger + "/setting.ini", QByteArray(102, '\0'));
        drives.plug(logger);

        // A Chinese PDF report is read only with the GBK table.
        CliResult r = cli({ "read" });
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("\tEH21050032_"), qPrintable(r.out + r.err));
        QCOMPARE(QDir(data + "/data_files").entryList(QDir::Files).size(), 1);
        QVERIFY(QFileInfo(data + "/db/dravik.db").size() > 0);
        r = cli({ "watch", "--once", "--export-dir", home.filePath("out") });
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("\tduplicate,exported\t"), qPrintable(r.out));

        // The configuration is the one in ~/.config/vesmira.
        QVERIFY(QDir().mkpath(home.filePath(".config/vesmira")));
        QVERIFY(writeFile(home.filePath(".config/vesmira/record-config.ini"), "[history]\nurl=nosuch://x\n"));
        r = cli({ "history", "list" });
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("nosuch://x"), qPrintable(r.err));
        QVERIFY(QFile::remove(home.filePath(".config/vesmira/record-config.ini")));

        // The window: its history opens at the start and the logger plugged
        // in is read a second later (its report is in the history already).
        QProcess window;
        window.setProcessEnvironment(environmentWith(
            userEnvironment() + QStringList { "QT_QPA_PLATFORM=offscreen", "VESMIRA_AUTOCLOSE_MS=100" }));
        window.start(prefix.filePath("bin/vesmira"), QStringList());
        QVERIFY(window.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(QDir(data + "/data_files").entryList(QDir::Files).size(), 3, 20000);
        window.kill();
        window.waitForFinished();

        QCOMPARE(tree(prefix.path()), installed);
        QStringList homeEntries
            = QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        homeEntries.sort();
        QCOMPARE(homeEntries, (QStringList { ".config", ".local", "out" }));
        drives.unplug(logger);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
