#include "core/compliance/cuserdirectory.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char SelectUsers[]
    = "select name, printedName, role, passwordHash, failures, locked, disabled, created from t_user";

CUserAccount accountOf(const QSqlQuery &query)
{
    CUserAccount a;
    a.name = query.value(0).toString();
    a.printedName = query.value(1).toString();
    CSession::roleFromName(query.value(2).toString(), &a.role);
    a.passwordHash = query.value(3).toString();
    a.failures = query.value(4).toInt();
    a.locked = query.value(5).toInt() != 0;
    a.disabled = query.value(6).toInt() != 0;
    a.created = query.value(7).toString();
    return a;
}

QString errorText(const QSqlError &error)
{
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
}

} // namespace

CUserDirectory::CUserDirectory(const QSqlDatabase &database)
    : m_database(database)
{
}

bool CUserDirectory::find(const QString &name, CUserAccount *account, bool *ok)
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare(QLatin1String(SelectUsers) + " where name = :name");
    query.bindValue(":name", name);
    const bool ran = query.exec();
    if (!ran)
        m_error = errorText(query.lastError());
    if (ok)
        *ok = ran;
    if (!ran || !query.next())
        return false;
    *account = accountOf(query);
    return true;
}

QVector<CUserAccount> CUserDirectory::all(bool *ok)
{
    QVector<CUserAccount> list;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    const bool ran = query.exec(QLatin1String(SelectUsers) + " order by name");
    if (!ran)
        m_error = errorText(query.lastError());
    while (ran && query.next())
        list.append(accountOf(query));
    if (ok)
        *ok = ran;
    return list;
}

bool CUserDirectory::insert(const CUserAccount &a)
{
    QSqlQuery query(m_database);
    query.prepare(
        "insert into t_user(name, printedName, role, passwordHash, failures, locked, disabled, created) "
        "values(:name, :printedName, :role, :hash, 0, 0, 0, :created)");
    query.bindValue(":name", a.name);
    query.bindValue(":printedName", a.printedName);
    query.bindValue(":role", CSession::roleName(a.role));
    query.bindValue(":hash", a.passwordHash);
    query.bindValue(":created", a.created);
    if (query.exec())
        return true;
    m_error = errorText(query.lastError());
    return false;
}

bool CUserDirectory::update(const CUserAccount &a)
{
    QSqlQuery query(m_database);
    query.prepare(
        "update t_user set printedName = :printedName, role = :role, passwordHash = :hash, failures = "
        ":failures, locked = :locked, disabled = :disabled where name = :name");
    query.bindValue(":printedName", a.printedName);
    query.bindValue(":role", CSession::roleName(a.role));
    query.bindValue(":hash", a.passwordHash);
    query.bindValue(":failures", a.failures);
    query.bindValue(":locked", a.locked ? 1 : 0);
    query.bindValue(":disabled", a.disabled ? 1 : 0);
    query.bindValue(":name", a.name);
    if (query.exec())
        return true;
    m_error = errorText(query.lastError());
    return false;
}

int CUserDirectory::countFailure(const QString &name)
{
    // Counted by the database: two desks failing at once both count.
    QSqlQuery query(m_database);
    query.prepare("update t_user set failures = failures + 1 where name = :name");
    query.bindValue(":name", name);
    if (!query.exec()) {
        m_error = errorText(query.lastError());
        return -1;
    }
    CUserAccount account;
    return find(name, &account) ? account.failures : -1;
}
