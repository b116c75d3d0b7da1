// vesmira-cli parse as a real process: the record of every fixture on stdout
// (UTF-8, the exact text of the reference), and its exit codes.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliParse : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    struct Result {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    static Result run(const QStringList &args, const QByteArray &debug = QByteArray())
    {
        QProcess cli;
        // The output must not depend on the caller's locale.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "C");
        env.insert("LANG", "C");
        env.remove("VESMIRA_DEBUG");
        if (!debug.isNull())
            env.insert("VESMIRA_DEBUG", debug);
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(VESMIRA_APP_DIR "/vesmira-cli"), args);
        Result result;
        if (!cli.waitForFinished(-1) || cli.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = cli.exitCode();
        result.out = cli.readAllStandardOutput();
        result.err = cli.readAllStandardError();
        return result;
    }

private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    void fixtures_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
            { "zh-temp.csv", "zh-th.csv", "en-temp.csv", "en-th.csv", "zh-temp.txt", "zh-th.txt",
                "en-temp.txt", "en-th.txt", "zh-temp.pdf", "zh-th.pdf", "en-temp.pdf", "en-th.pdf" })
            QTest::newRow(name) << QString(name);
    }

    void fixtures()
    {
        QFETCH(QString, name);
        const QString path = QStringLiteral(VESMIRA_TEST_DATA "/reports/") + name;
        QFile reference(path + ".json");
        QVERIFY(reference.open(QIODevice::ReadOnly));
        const Result result = run({ "parse", path });
        QCOMPARE(result.exitCode, 0);
        // Not even the parsers' debug lines.
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.out, reference.readAll());
    }

    // The debug lines on request only: -v before the command, or VESMIRA_DEBUG=1.
    void debugLines()
    {
        const QString report = QStringLiteral(VESMIRA_TEST_DATA "/reports/en-th.csv");
        const QByteArray line = " csv  parse";
        QVERIFY(run({ "-v", "parse", report }).err.contains(line));
        QVERIFY(run({ "parse", report }, "1").err.contains(line));
        QCOMPARE(run({ "parse", report }, "0").err, QByteArray());
        QCOMPARE(run({ "-v", "parse", report }).out, run({ "parse", report }).out);
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("missing report") << QStringList { "parse", tmp.filePath("missing.csv") } << 1;
        QTest::newRow("directory") << QStringList { "parse", tmp.path() } << 1;
        QFile upper(tmp.filePath("REPORT.PDF"));
        upper.open(QIODevice::WriteOnly);
        upper.write("(Device Code:) Tj\n(TL-30) Tj\n");
        upper.close();
        QTest::newRow("upper-case suffix") << QStringList { "parse", upper.fileName() } << 2;
        QFile none(tmp.filePath("report"));
        none.open(QIODevice::WriteOnly);
        none.close();
        QTest::newRow("no suffix") << QStringList { "parse", none.fileName() } << 2;
        QTest::newRow("no report named") << QStringList { "parse" } << 2;
        QTest::newRow("two reports named") << QStringList { "parse", none.fileName(), none.fileName() } << 2;
        QFile empty(tmp.filePath("empty.txt"));
        empty.open(QIODevice::WriteOnly);
        empty.close();
        QTest::newRow("empty report") << QStringList { "parse", empty.fileName() } << 0;
    }

    // Errors: a message on stderr and nothing on stdout.
    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const Result result = run(args);
        QCOMPARE(result.exitCode, exitCode);
        if (exitCode == 0) {
            QVERIFY(result.out.startsWith("{\n  \"summary\": {"));
            QVERIFY(result.out.contains("\"fileType\": \"txt\""));
            QVERIFY(result.out.endsWith("\"samples\": []\n}\n"));
        } else {
            QCOMPARE(result.out, QByteArray());
            QVERIFY(!result.err.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliParse)
#include "tst_cliparse.moc"
