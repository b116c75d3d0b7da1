// The single-instance guard between real processes, each with the user's
// runtime directory pointed at a private temporary folder.
#include "gui/app/csingleinstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir runtimeDir;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

    static void killHard(QProcess &process)
    {
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(runtimeDir.isValid());
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }

    void guardBetweenProcesses()
    {
        QProcess holder;
        holder.setProcessEnvironment(environment());
        holder.start(GUARDHOLDER, { "RI-viriru" });
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

        CSingleInstance guard("RI-viriru");
        QVERIFY(guard.lockFilePath().startsWith(runtimeDir.path()));
        QVERIFY(!guard.tryAcquire());
        // Another key is another guard.
        CSingleInstance other("RI-other");
        QVERIFY(other.tryAcquire());

        // A holder killed without clean-up leaves a stale lock that is taken over.
        killHard(holder);
        QVERIFY(guard.tryAcquire());
        QVERIFY(guard.isHeld());

        QProcess second;
        second.setProcessEnvironment(environment());
        second.start(GUARDHOLDER, { "RI-viriru" });
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);

        // Released, it can be taken by the next process (restart after a
        // language change).
        guard.release();
        QProcess third;
        third.setProcessEnvironment(environment());
        third.start(GUARDHOLDER, { "RI-viriru" });
        QVERIFY(third.waitForReadyRead(10000));
        QCOMPARE(third.readLine().trimmed(), QByteArray("held"));
        killHard(third);
    }

    // The application itself: a second start shows its message box and exits
    // with code 1; after a SIGKILL of the first, a new start succeeds.
    void applicationRefusesSecondInstance()
    {
        QProcessEnvironment env = environment();
        env.insert("VESMIRA_AUTOCLOSE_MS", "300");
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(VESMIRA_EXE, QStringList());
        QVERIFY(first.waitForStarted(10000));
        QTest::qWait(1500);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(VESMIRA_EXE, QStringList());
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(first.state(), QProcess::Running);

        killHard(first);
        QProcess third;
        third.setProcessEnvironment(env);
        third.start(VESMIRA_EXE, QStringList());
        QVERIFY(third.waitForStarted(10000));
        QVERIFY(!third.waitForFinished(2500)); // still running: it got the guard
        killHard(third);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
