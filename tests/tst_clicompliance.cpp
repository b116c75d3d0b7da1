// vesmira-cli in compliance mode, as a real process on a private copy of the
// application directory: what each role may do per command (a table), the
// sign-in every such command asks for, the whole road of a record (read by
// an operator, signed by a reviewer, exported with its signature, a sample
// edited with sqlite3 and caught), the dock signed in once, compliance mode
// off leaving everything as it was, and the self-test.
#include "helpers/cliprocess.h"
#include "helpers/fakedrives.h"
#include "helpers/pdfreader.h"
#include "helpers/testfiles.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestCliCompliance : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_app;

    static QString password(const QString &user) { return user + QStringLiteral("-secret"); }

    static bool install(const QString &dir) { return installCli(dir) && QDir().mkpath(dir + "/drive"); }

    // The drive holds this report alone.
    void plug(const QString &report)
    {
        QDir drive(m_app + "/drive");
        for (const QString &name : drive.entryList(QDir::Files))
            drive.remove(name);
        QFile::copy(QStringLiteral(VESMIRA_TEST_DATA "/reports/") + report,
            drive.filePath("r." + report.section('.', -1)));
    }

    CliResult cli(const QStringList &args, const QStringList &input = {})
    {
        return runProgram(
            m_app + "/vesmira-cli", args, { "VESMIRA_HISTORY" }, (input.join('\n') + '\n').toUtf8());
    }
    // args signed in as user (the password on standard input).
    CliResult as(const QString &user, QStringList args, const QStringList &more = {})
    {
        return cli(args << "--user" << user, QStringList { password(user) } + more);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_app = m_root.filePath("app");
        QVERIFY(install(m_app));
        plug("en-th.csv");
        QCOMPARE(cli({ "read", m_app + "/drive" }).code, 0); // record 1, before compliance mode
        QCOMPARE(
            cli({ "compliance", "enable", "--admin", "root", "--name", "Rita Root" }, { password("root") })
                .code,
            0);
        for (const char *user : { "op", "rev" })
            QCOMPARE(
                as("root",
                    { "user", "add", user, "--role", user == QByteArray("op") ? "operator" : "reviewer" },
                    { password(user) })
                    .code,
                0);
        for (const char *report : { "zh-temp.csv", "zh-th.csv" }) { // records 2 and 3
            plug(report);
            QCOMPARE(as("op", { "read", m_app + "/drive" }).code, 0);
        }
    }

    // Exit codes for operator, reviewer and administrator, and without --user.
    void roles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("input"); // after the signer's password
        QTest::addColumn<QVector<int>>("codes"); // op, rev, root
        const QString drive = m_app + "/drive";
        const QString out = m_root.filePath("out");
        const QVector<int> all { 0, 0, 0 }, reviewers { 1, 0, 0 }, admins { 1, 1, 0 };
        QTest::newRow("read") << QStringList { "read", drive } << QStringList() << all;
        QTest::newRow("history list") << QStringList { "history", "list" } << QStringList() << all;
        QTest::newRow("history show") << QStringList { "history", "show", "1" } << QStringList() << all;
        QTest::newRow("history export")
            << QStringList { "history", "export", "1", out + ".pdf" } << QStringList() << all;
        QTest::newRow("export") << QStringList { "export", drive + "/r.csv", out + ".csv" } << QStringList()
                                << all;
        QTest::newRow("configure") << QStringList { "configure", drive, "--trip-id", "ABCD1234" }
                                   << QStringList() << all;
        QTest::newRow("history rename") << QStringList { "history", "rename", "1", "cold room", "--reason",
            "typo" } << QStringList() << all;
        QTest::newRow("sign") << QStringList { "sign", "2", "--meaning", "reviewed" } << QStringList()
                              << reviewers;
        QTest::newRow("history delete")
            << QStringList { "history", "delete", "3", "--reason", "read twice" } << QStringList() << admins;
        QTest::newRow("user add") << QStringList { "user", "add", "new", "--role", "operator" }
                                  << QStringList { "new-secret" } << admins;
        QTest::newRow("user unlock") << QStringList { "user", "unlock", "op" } << QStringList() << admins;
        QTest::newRow("user list") << QStringList { "user", "list" } << QStringList() << all;
        QTest::newRow("compliance idle")
            << QStringList { "compliance", "idle", "20" } << QStringList() << admins;
        QTest::newRow("audit list") << QStringList { "audit", "list", "--record", "1" } << QStringList()
                                    << all;
    }
    void roles()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, input);
        QFETCH(QVector<int>, codes);
        const CliResult anonymous = cli(args);
        QCOMPARE(anonymous.code, 2);
        QVERIFY2(anonymous.err.contains("compliance mode: sign in with --user"), qPrintable(anonymous.err));
        const QStringList users { "op", "rev", "root" };
        for (int i = 0; i < users.size(); ++i) {
            const CliResult result = as(users.at(i), args, input);
            QVERIFY2(result.code == codes.at(i), qPrintable(users.at(i) + ": " + result.err));
            if (codes.at(i) == 1)
                QVERIFY2(
                    result.err.contains(QRegularExpression(" may not [a-z ]+\\.")), qPrintable(result.err));
        }
        // A wrong password: no further.
        QCOMPARE(cli(args + QStringList { "--user", "root" }, { "not-the-password" }).err,
            QString("vesmira-cli: Unknown user or wrong password.\n"));
    }

    // The road of a record in compliance mode, and an edit behind the
    // program's back that the verification names.
    void signedRecord()
    {
        const CliResult read = as("op", { "history", "list" });
        QVERIFY(read.out.startsWith("2\t")); // 3 was deleted by root
        QCOMPARE(as("rev", { "sign", "2", "--meaning", "approved", "--comment", "checked" }).code, 0);
        // A signed record keeps its name.
        const CliResult rename = as("root", { "history", "rename", "2", "x", "--reason", "y" });
        QCOMPARE(rename.code, 1);
        QVERIFY(rename.err.contains("a signed record cannot be renamed"));

        const QString pdf = m_root.filePath("signed.pdf");
        const CliResult exported = as("op", { "history", "export", "2", pdf });
        QCOMPARE(exported.code, 0);
        QVERIFY(exported.out.contains(
            QRegularExpression("^audit trail head: entry \\d+, SHA-256 [0-9a-f]{64}\\n$")));
        PdfReader reader;
        QVERIFY2(reader.load(pdf), qPrintable(reader.error));
        const QString firstPage = reader.dump().section("page 2", 0, 0);
        // A Chinese report: the meanings in Chinese, root and rev by their printed names.
        QVERIFY(firstPage.contains(QString::fromUtf8("已审核")));
        QVERIFY(firstPage.contains(QString::fromUtf8("已批准")));
        QVERIFY(firstPage.contains("rev, "));
        QVERIFY(firstPage.contains("Rita Root, "));
        QVERIFY(firstPage.contains("entry "));
        const QString csv = m_root.filePath("signed.csv");
        QCOMPARE(as("op", { "history", "export", "2", csv }).code, 0);
        const QStringList lines = QString::fromUtf8(readAll(csv)).split("\r\n");
        QCOMPARE(lines.at(0), QString::fromUtf8("\xEF\xBB\xBFSignatures"));
        QVERIFY(lines.at(1).startsWith("Reviewed,rev,"));
        QVERIFY(lines.at(2).startsWith("Reviewed,Rita Root,"));
        QVERIFY(lines.at(3).startsWith("Approved,rev,"));
        QVERIFY(lines.at(3).endsWith(",checked"));
        QVERIFY(lines.at(4).startsWith("Audit trail,\"entry "));
        QCOMPARE(lines.at(5), QString());

        QCOMPARE(cli({ "audit", "verify" }).code, 0);
        // TestCompliance::verifyCatches' "sample" row, through the command.
        const QString sqlite3 = QStandardPaths::findExecutable("sqlite3");
        if (sqlite3.isEmpty())
            QSKIP("needs sqlite3");
        const QString edit = "update t_record_data set temp = '4.0' where t_reocrd_id = 2";
        QCOMPARE(QProcess::execute(sqlite3, { m_app + "/db/dravik.db", edit }), 0);
        const CliResult broken = cli({ "audit", "verify" });
        QCOMPARE(broken.code, 1);
        QVERIFY2(broken.err.contains("record 2 no longer matches its signature"), qPrintable(broken.err));
    }

    // The dock signs in once; what it reads, files and writes back is
    // audited under its account.
    void dock()
    {
        FakeDrives drives;
        drives.exportEnvironment();
        const QString root = drives.addDrive("LOGGER1", "STM");
        FakeDrives::write(root + "/setting.ini", QByteArray(102, '\0'));
        FakeDrives::write(root + "/REPORT.csv", readAll(VESMIRA_TEST_DATA "/reports/en-temp.csv"));
        drives.plug(root);
        const QStringList args { "watch", "--once", "--export-dir", m_root.filePath("dock"), "--template",
            VESMIRA_TEST_DATA "/templates/page-defaults.ini" };
        QCOMPARE(cli(args).code, 2);
        const CliResult watched = as("op", args);
        QVERIFY2(watched.code == 0, qPrintable(watched.err));
        QVERIFY(watched.out.contains("stored,exported,re-armed"));
        QVERIFY(watched.err.contains("audit trail head: entry "));
        const QJsonArray trail
            = QJsonDocument::fromJson(as("root", { "audit", "list", "--json" }).out.toUtf8()).array();
        QStringList last;
        for (int i = trail.size() - 5; i < trail.size() - 1; ++i)
            last << trail.at(i).toObject().value("user").toString() + " "
                    + trail.at(i).toObject().value("action").toString();
        QCOMPARE(last, QStringList({ "op sign-in", "op read", "op export", "op configure" }));
        const QString frame
            = trail.at(trail.size() - 2).toObject().value("details").toString().section(": ", 1);
        QCOMPARE(frame, QString::fromLatin1(readAll(root + "/setting.ini").toHex()));
    }

    // Off, the default: no sign-in, no new table, the commands as they were.
    void offUnchanged()
    {
        m_app = m_root.filePath("off");
        QVERIFY(install(m_app));
        plug("en-temp.pdf");
        QCOMPARE(cli({ "read", m_app + "/drive" }).code, 0);
        QCOMPARE(cli({ "history", "list" }).code, 0);
        const CliResult user = cli({ "history", "list", "--user", "root" }, { "x" });
        QCOMPARE(user.code, 2);
        QVERIFY(user.err.contains("compliance mode is off"));
        QCOMPARE(cli({ "compliance", "status" }).out, QString("compliance mode: off\n"));
        QCOMPARE(
            cli({ "audit", "verify" }).out, QString("0 entries, chain intact, 0 signed records unchanged\n"));
        QCOMPARE(cli({ "sign", "1", "--meaning", "approved", "--user", "root" }, { "x" }).code, 1);
        // No audit table: its name is nowhere in the file (sqlite_master keeps it as text).
        QVERIFY(!readAll(m_app + "/db/dravik.db").contains("t_audit"));
        QVERIFY(!QFile::exists(m_app + "/db/audit-anchors.txt"));
    }

    void selftest()
    {
        const QString dir = m_root.filePath("selftest");
        const CliResult result = cli({ "selftest", "--out", dir });
        QVERIFY2(result.code == 0, qPrintable(result.out + result.err));
        const QStringList files = QDir(dir).entryList({ "selftest-*.txt" });
        QCOMPARE(files.size(), 1);
        const QString report = QString::fromUtf8(readAll(dir + "/" + files.first()));
        QVERIFY(report.contains("result: PASS (48 of 48 checks passed)"));
        QVERIFY(report.contains(QRegularExpression("\\nversion: \\d+\\.\\d+\\.\\d+ ")));
        const QByteArray exe
            = QCryptographicHash::hash(readAll(m_app + "/vesmira-cli"), QCryptographicHash::Sha256);
        QVERIFY(report.contains("SHA-256 of the program: " + exe.toHex()));
    }
};

QTEST_GUILESS_MAIN(TestCliCompliance)
#include "tst_clicompliance.moc"
