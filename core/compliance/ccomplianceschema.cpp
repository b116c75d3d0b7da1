#include "core/compliance/ccomplianceschema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

QString errorText(const QSqlError &error)
{
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
}

QStringList sqliteStatements()
{
    QStringList list {
        "create table if not exists t_compliance(name varchar(40) primary key, value varchar(200))",
        "create table if not exists t_user(name varchar(80) primary key, printedName varchar(200), role "
        "varchar(20), passwordHash varchar(200), failures int, locked int, disabled int, created "
        "varchar(30))",
        "create table if not exists t_audit(seq integer primary key, utc varchar(30), zone varchar(80), "
        "userName varchar(80), desk varchar(200), action varchar(40), t_reocrd_id int, details text, "
        "reason text, previousHash varchar(64), hash varchar(64))",
        "create index if not exists t_audit_record on t_audit(t_reocrd_id)",
        "create table if not exists t_signature(id integer primary key autoincrement, t_reocrd_id int, "
        "userName varchar(80), printedName varchar(200), utc varchar(30), zone varchar(80), meaning "
        "varchar(20), comment text, contentHash varchar(64), auditSeq int)",
        "create index if not exists t_signature_record on t_signature(t_reocrd_id)",
    };
    for (const char *table : { "t_audit", "t_signature" }) {
        for (const char *event : { "update", "delete" })
            list << QStringLiteral("create trigger if not exists %1_no_%2 before %2 on %1 begin select "
                                   "raise(abort, '%1 is never changed: its rows are only added'); end")
                        .arg(QLatin1String(table), QLatin1String(event));
    }
    return list;
}

QStringList postgresStatements()
{
    QStringList list {
        "create table if not exists t_compliance(name varchar primary key, value varchar)",
        "create table if not exists t_user(name varchar primary key, printedName varchar, role varchar, "
        "passwordHash varchar, failures integer, locked integer, disabled integer, created varchar)",
        "create table if not exists t_audit(seq bigint primary key, utc varchar, zone varchar, userName "
        "varchar, desk varchar, action varchar, t_reocrd_id integer, details varchar, reason varchar, "
        "previousHash varchar(64), hash varchar(64))",
        "create index if not exists t_audit_record on t_audit(t_reocrd_id)",
        "create table if not exists t_signature(id integer generated always as identity primary key, "
        "t_reocrd_id integer, userName varchar, printedName varchar, utc varchar, zone varchar, meaning "
        "varchar, comment varchar, contentHash varchar(64), auditSeq bigint)",
        "create index if not exists t_signature_record on t_signature(t_reocrd_id)",
        "create or replace function vesmira_append_only() returns trigger language plpgsql as $$ begin "
        "raise exception '% is never changed: its rows are only added', tg_table_name; end $$",
    };
    for (const char *table : { "t_audit", "t_signature" }) {
        list << QStringLiteral("create or replace trigger %1_append_only before update or delete on %1 for "
                               "each row execute function vesmira_append_only()")
                    .arg(QLatin1String(table))
             << QStringLiteral("create or replace trigger %1_no_truncate before truncate on %1 for each "
                               "statement execute function vesmira_append_only()")
                    .arg(QLatin1String(table));
    }
    return list;
}

} // namespace

bool CComplianceSchema::isPostgres(const QSqlDatabase &database)
{
    return database.driverName() == QLatin1String("QPSQL");
}

bool CComplianceSchema::exists(QSqlDatabase &database)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const bool ran = isPostgres(database)
        ? query.exec("select to_regclass('t_compliance') is not null and to_regclass('t_audit') is not null")
        : query.exec("select count(*) = 2 from sqlite_master where type = 'table' and name in "
                     "('t_compliance', 't_audit')");
    return ran && query.next() && query.value(0).toBool();
}

bool CComplianceSchema::create(QSqlDatabase &database, QString *error)
{
    const bool postgres = isPostgres(database);
    if (!database.transaction()) {
        *error = errorText(database.lastError());
        return false;
    }
    QSqlQuery query(database);
    bool ok = true;
    if (postgres) {
        // Two desks switching it on at once.
        query.exec("set local client_min_messages to warning");
        ok = query.exec("select pg_advisory_xact_lock(7302514032)");
    }
    for (const QString &statement : postgres ? postgresStatements() : sqliteStatements()) {
        if (!ok)
            break;
        ok = query.exec(statement);
    }
    if (!ok)
        *error = errorText(query.lastError());
    query.finish();
    if (ok && database.commit())
        return true;
    if (ok)
        *error = errorText(database.lastError());
    database.rollback();
    return false;
}

bool CComplianceSchema::lockTrail(QSqlDatabase &database, QString *error)
{
    if (!isPostgres(database))
        return true;
    QSqlQuery query(database);
    if (query.exec("select pg_advisory_xact_lock(7302514033)"))
        return true;
    *error = errorText(query.lastError());
    return false;
}
