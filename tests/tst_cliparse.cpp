// vesmira-cli parse as a real process: the record of every fixture on stdout
// (UTF-8, the exact text of the reference), and its exit codes.
#include "helpers/cliprocess.h"
#include "helpers/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCliParse : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    // The output must not depend on the caller's locale; VESMIRA_DEBUG only when given.
    static CliResult run(const QStringList &args, const QString &debug = QString())
    {
        return runProgram(VESMIRA_APP_DIR "/vesmira-cli", args,
            { "LC_ALL=C", "LANG=C", debug.isNull() ? "VESMIRA_DEBUG" : "VESMIRA_DEBUG=" + debug });
    }

private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    void fixtures_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name :
            QDir(VESMIRA_TEST_DATA "/reports").entryList({ "*.csv", "*.txt", "*.pdf" }))
            QTest::newRow(qPrintable(name)) << name;
    }

    void fixtures()
    {
        QFETCH(QString, name);
        const QString path = QStringLiteral(VESMIRA_TEST_DATA "/reports/") + name;
        const CliResult result = run({ "parse", path });
        QCOMPARE(result.code, 0);
        // Not even the parsers' debug lines.
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, QString::fromUtf8(readAll(path + ".json")));
    }

    // The debug lines on request only: -v before the command, or VESMIRA_DEBUG=1.
    void debugLines()
    {
        const QString report = QStringLiteral(VESMIRA_TEST_DATA "/reports/en-th.csv");
        const QString line = " csv  parse";
        QVERIFY(run({ "-v", "parse", report }).err.contains(line));
        QVERIFY(run({ "parse", report }, "1").err.contains(line));
        QCOMPARE(run({ "parse", report }, "0").err, QString());
        QCOMPARE(run({ "-v", "parse", report }).out, run({ "parse", report }).out);
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("missing report") << QStringList { "parse", tmp.filePath("missing.csv") } << 1;
        QTest::newRow("directory") << QStringList { "parse", tmp.path() } << 1;
        const QString upper = tmp.filePath("REPORT.PDF");
        const QString none = tmp.filePath("report");
        const QString empty = tmp.filePath("empty.txt");
        QVERIFY(writeFile(upper, "(Device Code:) Tj\n(TL-30) Tj\n") && writeFile(none, {})
            && writeFile(empty, {}));
        QTest::newRow("upper-case suffix") << QStringList { "parse", upper } << 2;
        QTest::newRow("no suffix") << QStringList { "parse", none } << 2;
        QTest::newRow("no report named") << QStringList { "parse" } << 2;
        QTest::newRow("two reports named") << QStringList { "parse", none, none } << 2;
        QTest::newRow("empty report") << QStringList { "parse", empty } << 0;
    }

    // Errors: a message on stderr and nothing on stdout.
    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const CliResult result = run(args);
        QCOMPARE(result.code, exitCode);
        if (exitCode == 0) {
            QVERIFY(result.out.startsWith("{\n  \"summary\": {"));
            QVERIFY(result.out.contains("\"fileType\": \"txt\""));
            QVERIFY(result.out.endsWith("\"samples\": []\n}\n"));
        } else {
            QCOMPARE(result.out, QString());
            QVERIFY(!result.err.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliParse)
#include "tst_cliparse.moc"
