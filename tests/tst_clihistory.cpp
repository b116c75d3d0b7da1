// vesmira-cli history on both engines, from a private copy of the
// application directory: list, search, show (with the report's digest),
// export (a report read at another desk comes from the shared history; a
// changed one is refused), rename, delete, copy, and exit codes.
#include "helpers/historyengines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

class TestCliHistory : public QObject {
    Q_OBJECT

    struct Result {
        int code;
        QString out;
        QString err;
    };

    QTemporaryDir m_root;
    QString m_app;
    QString m_url; // VESMIRA_HISTORY of the run

    bool install(const QString &dir)
    {
        QDir().mkpath(dir + "/config");
        return QFile::copy(VESMIRA_CLI, dir + "/vesmira-cli")
            && QFile::copy(VESMIRA_APP_DIR "/config/gbk_code.txt", dir + "/config/gbk_code.txt");
    }

    Result cli(const QStringList &args, const QString &url)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VESMIRA_HISTORY", url);
        process.setProcessEnvironment(env);
        process.start(m_app + "/vesmira-cli", args);
        process.waitForFinished(60000);
        return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) };
    }
    Result cli(const QStringList &args) { return cli(args, m_url); }

private slots:
    void history_data() { addEngineRows(); }
    void history()
    {
        QFETCH(QString, engine);
        SKIP_WITHOUT_POSTGRES(engine);
        m_app = m_root.filePath(engine);
        QVERIFY(install(m_app));
        m_url = engine == "postgres" ? postgresUrl() : QString();
        if (engine == "postgres")
            openEngine(engine, m_app).reset();
        const QString drive = m_root.filePath("drive-" + engine);
        QDir().mkpath(drive);
        for (const char *report : { "en-th.csv", "zh-temp.txt" }) {
            QFile::remove(drive + "/r.csv");
            QFile::remove(drive + "/r.txt");
            QVERIFY(QFile::copy(QString(VESMIRA_TEST_DATA "/reports/") + report,
                drive + (QByteArray(report).endsWith("csv") ? "/r.csv" : "/r.txt")));
            QCOMPARE(cli({ "read", drive }).code, 0);
        }

        Result list = cli({ "history", "list", "--json" });
        QCOMPARE(list.code, 0);
        const QJsonArray rows = QJsonDocument::fromJson(list.out.toUtf8()).array();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).toObject().value("id").toInt(), 2); // newest first
        QCOMPARE(cli({ "history", "list", "--search", "server ROOM" }).out.count('\n'), 1);
        QCOMPARE(cli({ "history", "list", "--search", "no such trip" }).out, QString());

        Result show = cli({ "history", "show", "1", "--json" });
        QCOMPARE(show.code, 0);
        const QJsonObject record = QJsonDocument::fromJson(show.out.toUtf8()).object();
        QCOMPARE(record.value("id").toInt(), 1);
        QVERIFY(record.value("name").toString().startsWith(
            record.value("summary").toObject().value("deviceNo").toString() + "_"));
        const QString digest = record.value("digest").toString();
        QCOMPARE(digest.size(), 64);
        QCOMPARE(record.value("samples").toArray().size(), 30);
        QVERIFY(
            cli({ "history", "show", "1" }).out.contains("sha256: " + digest + "\nreport check: unchanged"));

        const QString pdf = m_root.filePath(engine + ".pdf");
        QCOMPARE(cli({ "history", "export", "1", pdf }).code, 0);
        QVERIFY(QFileInfo(pdf).size() > 1000);
        // The suffix chooses the spreadsheet form, as in `export`.
        const QString csv = m_root.filePath(engine + ".csv");
        QCOMPARE(cli({ "history", "export", "1", csv }).code, 0);
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QByteArray csvBytes = csvFile.readAll();
        QVERIFY(csvBytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(csvBytes.count("\r\n"), 31); // the header and 30 samples
        // The report changed after reading: caught, nothing exported.
        const QString copy = record.value("report").toString();
        QFile file(copy);
        QVERIFY(file.open(QIODevice::Append));
        file.write("\n");
        file.close();
        QVERIFY(cli({ "history", "show", "1" }).out.contains("CHANGED"));
        Result changed = cli({ "history", "export", "1", pdf + "2" });
        QCOMPARE(changed.code, 1);
        QVERIFY(changed.err.contains("changed since it was read"));
        QVERIFY(!QFile::exists(pdf + "2"));
        // Gone from this desk: the shared history still has the bytes.
        QVERIFY(QFile::remove(copy));
        Result fetched = cli({ "history", "export", "1", pdf + "3" });
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
    }

    // The migration a site runs once: the embedded history into the shared
    // one, a line per record; a second run copies nothing.
    void copyToShared()
    {
        SKIP_WITHOUT_POSTGRES(QString("postgres"));
        m_app = m_root.filePath("copy");
        QVERIFY(install(m_app));
        openEngine("postgres", m_app).reset();
        const QString drive = m_root.filePath("drive-copy");
        // Three reports: the same one read again would be no new record.
        for (const QString name : { "en-temp.csv", "en-th.csv", "zh-temp.txt" }) {
            QDir(drive).removeRecursively();
            QDir().mkpath(drive);
            QVERIFY(QFile::copy(VESMIRA_TEST_DATA "/reports/" + name, drive + "/" + name));
            QCOMPARE(cli({ "read", drive }, QString()).code, 0);
        }
        Result first = cli({ "history", "copy", "--to", postgresUrl() }, QString());
        QCOMPARE(first.code, 0);
        QCOMPARE(first.out.count(": copied as "), 3);
        QVERIFY(first.out.endsWith("copied 3, already there 0, failed 0\n"));
        Result second = cli({ "history", "copy", "--to", postgresUrl() }, QString());
        QCOMPARE(second.code, 0);
        QVERIFY(second.out.endsWith("copied 0, already there 3, failed 0\n"));
        QCOMPARE(postgresSql("select count(*) from t_record"), QString("3"));
    }

    // A URL that cannot work or a server that refuses: a message, exit 1,
    // and no embedded history made.
    void unusableHistory()
    {
        m_app = m_root.filePath("bad");
        QVERIFY(install(m_app));
        QStringList urls { "postgresql://u:pw@h/db", "postgresql://127.0.0.1:1/db", "http://h/db" };
        if (!postgresUrl().isEmpty())
            urls << qEnvironmentVariable("VESMIRA_TEST_PG_TCP"); // no password given
        for (const QString &url : urls) {
            Result list = cli({ "history", "list" }, url);
            QCOMPARE(list.code, 1);
            QVERIFY2(list.err.startsWith("vesmira-cli: "), qPrintable(list.err));
            Result copy = cli({ "history", "copy", "--to", url }, QString());
            QCOMPARE(copy.code, copy.out.contains("nothing to copy") ? 0 : 1);
        }
        QVERIFY(!QFileInfo::exists(m_app + "/db"));
    }
};

QTEST_GUILESS_MAIN(TestCliHistory)
#include "tst_clihistory.moc"
