#ifndef HISTORYENGINES_H
#define HISTORYENGINES_H

// The two engines of the history for data-driven tests: "sqlite" (the
// embedded file) and "postgres" (the throwaway server of
// scripts/with-postgres.sh, named by VESMIRA_TEST_PG, or the one the CTest
// fixture started and described in VESMIRA_PG_ENV; emptied before each
// use). Without either the postgres rows skip.
#include "core/history/chistorylocation.h"
#include "core/history/ctempdbmanager.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QtTest>
#include <memory>

// The fixture's server: its variables into this process's environment
// (where the children, psql and pg_ctl, find them too).
inline bool loadPostgresEnvironment()
{
#ifdef VESMIRA_PG_ENV
    if (!qEnvironmentVariableIsSet("VESMIRA_TEST_PG")) {
        QFile file(QStringLiteral(VESMIRA_PG_ENV));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : file.readAll().split('\n')) {
                const int equals = line.indexOf('=');
                if (equals > 0)
                    qputenv(line.left(equals).constData(), line.mid(equals + 1));
            }
        }
    }
#endif
    return true;
}
inline const bool postgresEnvironmentLoaded = loadPostgresEnvironment();

inline QString postgresUrl()
{
    return qEnvironmentVariable("VESMIRA_TEST_PG");
}

#define SKIP_WITHOUT_POSTGRES(engine)                                                                        \
    if ((engine) == QLatin1String("postgres") && postgresUrl().isEmpty())                                    \
    QSKIP("needs PostgreSQL: its server was not started (see the test postgres_start)")

inline void addEngineRows()
{
    QTest::addColumn<QString>("engine");
    QTest::newRow("sqlite") << QStringLiteral("sqlite");
    QTest::newRow("postgres") << QStringLiteral("postgres");
}

// psql as the superuser on the test database; its output, "a|b" per row.
inline QString postgresSql(const QString &sql)
{
    QProcess psql;
    psql.start("sh", { "-c", qEnvironmentVariable("VESMIRA_TEST_PG_ADMIN") + " -At -c \"$1\"", "sh", sql });
    psql.waitForFinished(30000);
    return QString::fromUtf8(psql.readAllStandardOutput()).trimmed();
}

// The result of sql in the same "a|b" form from the embedded history.
inline QString sqliteSql(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database());
    if (!query.exec(sql))
        return "error: " + query.lastError().text();
    QStringList rows;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i).toString();
        rows << row.join('|');
    }
    return rows.join('\n');
}

inline QString engineSql(const QString &engine, const QString &sql)
{
    return engine == QLatin1String("postgres") ? postgresSql(sql) : sqliteSql(sql);
}

// A fresh, empty history of the engine (for sqlite: dir/db/dravik.db on the
// default connection, which the caller removes when done).
inline std::unique_ptr<CTempDbManager> openEngine(const QString &engine, const QString &dir)
{
    if (engine == QLatin1String("postgres")) {
        // Compliance mode's tables too: a suite that switched it on leaves no
        // sign-in behind for the next one.
        postgresSql("drop table if exists t_record, t_record_data, t_record_summery, t_record_report, "
                    "t_compliance, t_user, t_audit, t_signature");
        return std::make_unique<CTempDbManager>(CHistoryLocation::parse(postgresUrl()));
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    QFile::remove(dir + "/db/dravik.db");
    return std::make_unique<CTempDbManager>(CTempDbManager::databasePath(dir));
}

#endif // HISTORYENGINES_H
