// vesmira-cli history on both engines, from a private copy of the
// application directory: list, search, show (with the report's digest),
// export (a report read at another desk comes from the shared history; a
// changed one is refused), rename, delete, copy, and exit codes.
#include "helpers/cliprocess.h"
#include "helpers/historyengines.h"
#include "helpers/testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestCliHistory : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_app;
    QString m_url; // VESMIRA_HISTORY of the run

    CliResult cli(const QStringList &args, const QString &url)
    {
        return runProgram(m_app + "/vesmira-cli", args, { "VESMIRA_HISTORY=" + url });
    }
    CliResult cli(const QStringList &args) { return cli(args, m_url); }

    // vesmira-cli read of a drive that holds the test report alone.
    CliResult read(const QString &report, const QString &url)
    {
        const QString drive = m_app + "/drive";
        QDir(drive).removeRecursively();
        QDir().mkpath(drive);
        QFile::copy(VESMIRA_TEST_DATA "/reports/" + report, drive + "/" + report);
        return cli({ "read", drive }, url);
    }

private slots:
    void history_data() { addEngineRows(); }
    void history()
    {
        QFETCH(QString, engine);
        SKIP_WITHOUT_POSTGRES(engine);
        m_app = m_root.filePath(engine);
        QVERIFY(installCli(m_app));
        m_url = engine == "postgres" ? postgresUrl() : QString();
        if (engine == "postgres")
            openEngine(engine, m_app).reset();
        for (const char *report : { "en-th.csv", "zh-temp.txt" })
            QCOMPARE(read(report, m_url).code, 0);

        CliResult list = cli({ "history", "list", "--json" });
        QCOMPARE(list.code, 0);
        const QJsonArray rows = QJsonDocument::fromJson(list.out.toUtf8()).array();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).toObject().value("id").toInt(), 2); // newest first
        QCOMPARE(cli({ "history", "list", "--search", "server ROOM" }).out.count('\n'), 1);
        QCOMPARE(cli({ "history", "list", "--search", "no such trip" }).out, QString());

        CliResult show = cli({ "history", "show", "1", "--json" });
        QCOMPARE(show.code, 0);
        const QJsonObject record = QJsonDocument::fromJson(show.out.toUtf8()).object();
        QVERIFY(record.value("name").toString().startsWith(
            record.value("summary").toObject().value("deviceNo").toString() + "_"));
        const QString digest = record.value("digest").toString();
        QCOMPARE(record.value("samples").toArray().size(), 30);
        // The limits the history page shows it with; no settings (the history
        // keeps none); a logger without humidity has no humidity limits.
        QVERIFY(!record.contains("settings"));
        QCOMPARE(record.value("limits").toObject(),
            (QJsonObject { { "tempHigh", 30.0 }, { "tempLow", 2.0 }, { "humidityHigh", 80.0 },
                { "humidityLow", 20.0 } }));
        QCOMPARE(QJsonDocument::fromJson(cli({ "history", "show", "2", "--json" }).out.toUtf8())
                     .object()
                     .value("limits")
                     .toObject()
                     .keys(),
            QStringList({ "tempHigh", "tempLow" }));
        QVERIFY(
            cli({ "history", "show", "1" }).out.contains("sha256: " + digest + "\nreport check: unchanged"));

        const QString pdf = m_root.filePath(engine + ".pdf");
        QCOMPARE(cli({ "history", "export", "1", pdf }).code, 0);
        QVERIFY(QFileInfo(pdf).size() > 1000);
        // The suffix chooses the spreadsheet form, as in `export` (its bytes: tst_exportcsv).
        const QString csv = m_root.filePath(engine + ".csv");
        QCOMPARE(cli({ "history", "export", "1", csv }).code, 0);
        QVERIFY(readAll(csv).startsWith("\xEF\xBB\xBF"));
        // The report changed after reading: caught, nothing exported.
        const QString copy = record.value("report").toString();
        QVERIFY(writeFile(copy, readAll(copy) + "\n"));
        QVERIFY(cli({ "history", "show", "1" }).out.contains("CHANGED"));
        CliResult changed = cli({ "history", "export", "1", pdf + "2" });
        QCOMPARE(changed.code, 1);
        QVERIFY(changed.err.contains("changed since it was read"));
        QVERIFY(!QFile::exists(pdf + "2"));
        // Gone from this desk: the shared history still has the bytes.
        QVERIFY(QFile::remove(copy));
        CliResult fetched = cli({ "history", "export", "1", pdf + "3" });
        QCOMPARE(fetched.code, engine == "postgres" ? 0 : 1);
        QCOMPARE(QFile::exists(pdf + "3"), engine == "postgres");

        QCOMPARE(cli({ "history", "rename", "2", QString::fromUtf8("冷库 2") }).code, 0);
        QVERIFY(cli({ "history", "list" }).out.startsWith(QString::fromUtf8("2\t冷库 2\t")));
        QCOMPARE(cli({ "history", "delete", "2" }).code, 0);
        QCOMPARE(cli({ "history", "delete", "2" }).code, 1);
        QCOMPARE(cli({ "history", "show", "2" }).code, 1);
        QCOMPARE(cli({ "history", "show", "x" }).code, 2);
        QCOMPARE(cli({ "history", "rename", "1" }).code, 2);
        QCOMPARE(cli({ "history", "copy" }).code, 2);
        QCOMPARE(cli({ "history", "frobnicate" }).code, 2);

        // A name with a tab, a line break or ESC is refused; one stored
        // otherwise (by another program) is listed with escapes.
        for (const QString &name : { QString("a\tb"), QString("a\nb"), QString("a\x1b[2Jb") }) {
            const CliResult r = cli({ "history", "rename", "1", name });
            QCOMPARE(r.code, 2);
            QVERIFY2(r.err.contains("control character"), qPrintable(r.err));
        }
        if (engine == "postgres")
            return;
        {
            CTempDbManager db(CTempDbManager::databasePath(m_app));
            QVERIFY(db.UpdateRecordName("tab\there\nESC\x1b[31m back\\slash", 1));
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        QCOMPARE(cli({ "history", "list" }).out,
            QString("1\ttab\\there\\nESC\\x1b[31m back\\\\slash\tServer room rack 4\n"));
    }

    // The migration a site runs once: the embedded history into the shared
    // one, a line per record; a second run copies nothing.
    void copyToShared()
    {
        SKIP_WITHOUT_POSTGRES(QString("postgres"));
        m_app = m_root.filePath("copy");
        QVERIFY(installCli(m_app));
        openEngine("postgres", m_app).reset();
        // Three reports: the same one read again would be no new record.
        for (const char *report : { "en-temp.csv", "en-th.csv", "zh-temp.txt" })
            QCOMPARE(read(report, QString()).code, 0);
        // The second record is refused once: said with the server's reason;
        // the next run copies what is missing and nothing twice.
        postgresSql(
            "drop sequence if exists refusals; create sequence refusals; create or replace function "
            "refuse() returns trigger language plpgsql as $$ begin if nextval('refusals') = 2 then "
            "raise exception 'refused here'; end if; return new; end $$; create trigger refuse before "
            "insert on t_record for each row execute function refuse()");
        CliResult first = cli({ "history", "copy", "--to", postgresUrl() }, QString());
        QCOMPARE(first.code, 1);
        QVERIFY2(first.out.startsWith("1 of 3: record 1 "), qPrintable(first.out));
        QCOMPARE(first.out.count(": copied as "), 2);
        QVERIFY2(
            first.out.contains(QRegularExpression("\n2 of 3: record 2 \\S+: not copied: [^\n]*refused here")),
            qPrintable(first.out));
        QVERIFY(first.out.endsWith("copied 2, already there 0, failed 1\n"));
        postgresSql("drop trigger refuse on t_record");
        CliResult second = cli({ "history", "copy", "--to", postgresUrl() }, QString());
        QCOMPARE(second.code, 0);
        QVERIFY(second.out.endsWith("copied 1, already there 2, failed 0\n"));
        QCOMPARE(postgresSql("select count(*) from t_record"), QString("3"));
    }

    // A history file damaged on disk is an error, never an empty history,
    // and the file stays as it was: its header (no database at all) or a
    // page of the records.
    void damagedHistory_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("header") << "header";
        QTest::newRow("records page") << "page";
    }
    void damagedHistory()
    {
        QFETCH(QString, damage);
        m_app = m_root.filePath("damaged-" + damage);
        QVERIFY(installCli(m_app));
        QCOMPARE(read("en-temp.csv", QString()).code, 0);
        const QString path = m_app + "/db/dravik.db";
        QCOMPARE(cli({ "history", "list" }, QString()).code, 0);
        QByteArray before = readAll(path);
        // The first page of t_record, the table created first, is page 2.
        if (damage == "header")
            before.replace(0, 16, "not a database!!");
        else
            before.replace(4096, 4096, QByteArray(4096, '\x5a'));
        QVERIFY(writeFile(path, before));
        for (const QStringList &args :
            { QStringList { "history", "list" }, QStringList { "history", "show", "1" },
                QStringList { "history", "delete", "1" }, QStringList { "read", m_app + "/drive" } }) {
            CliResult result = cli(args, QString());
            QCOMPARE(result.code, 1);
            QVERIFY2(result.err.contains("the history " + path + " is damaged") || args.first() == "read",
                qPrintable(result.err));
        }
        QVERIFY(readAll(path) == before);
    }

    // A record kept for a shared history that is away or whose URL cannot
    // work: said so (a wrong URL is not waited for), and listed with why.
    void pendingListed()
    {
        m_app = m_root.filePath("pending");
        QVERIFY(installCli(m_app));
        CliResult away = read("en-temp.csv", "postgresql://127.0.0.1:1/site");
        QCOMPARE(away.code, 0);
        QVERIFY(away.err.contains("will be copied there when it can be reached"));
        // Another report: the same one again would be no new record.
        CliResult refused = read("en-th.csv", "postgresql://desk:pw@dbhost");
        QCOMPARE(refused.code, 0);
        QVERIFY2(refused.err.contains("cannot be used") && refused.err.contains("until the URL is corrected")
                && !refused.err.contains("pw@"),
            qPrintable(refused.err));
        const QStringList lines
            = cli({ "history", "pending" }, QString()).out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(QRegularExpression("^1\t\\S+\tpostgresql://127.0.0.1:1/site\tcannot open the shared history")
                     .match(lines.at(0))
                     .hasMatch(),
            qPrintable(lines.at(0)));
        QVERIFY2(
            lines.at(1).contains("\tpostgresql://desk@dbhost\tthe history URL"), qPrintable(lines.at(1)));
    }

    // A URL that cannot work or a server that refuses: a message, exit 1,
    // and no embedded history made.
    void unusableHistory()
    {
        m_app = m_root.filePath("bad");
        QVERIFY(installCli(m_app));
        QStringList urls { "postgresql://u:pw@h/db", "postgresql://127.0.0.1:1/db", "http://h/db" };
        if (!postgresUrl().isEmpty())
            urls << qEnvironmentVariable("VESMIRA_TEST_PG_TCP"); // no password given
        for (const QString &url : urls) {
            CliResult list = cli({ "history", "list" }, url);
            QCOMPARE(list.code, 1);
            QVERIFY2(list.err.startsWith("vesmira-cli: "), qPrintable(list.err));
            CliResult copy = cli({ "history", "copy", "--to", url }, QString());
            QCOMPARE(copy.code, copy.out.contains("nothing to copy") ? 0 : 1);
        }
        QVERIFY(!QFileInfo::exists(m_app + "/db"));
    }
};

QTEST_GUILESS_MAIN(TestCliHistory)
#include "tst_clihistory.moc"
