// CCompliance: switching it on and off, settings, sign-in and accounts.
// Records, signatures and the audit's verification: ccompliance_records.cpp.
#include "core/compliance/ccompliance.h"

#include "core/compliance/cauditanchors.h"
#include "core/compliance/ccomplianceschema.h"
#include "core/history/ctempdbmanager.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <QVariant>

namespace {

QString errorText(const QSqlError &error)
{
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
}

} // namespace

CCompliance::CCompliance(CTempDbManager &history, const Options &options)
    : m_history(history)
    , m_database(history.connection())
    , m_clock(options.clock ? options.clock : CComplianceClock([] { return QDateTime::currentDateTime(); }))
    , m_iterations(options.passwordIterations)
    , m_anchorPath(options.anchorPath.isEmpty() ? CAuditAnchors::defaultPath() : options.anchorPath)
    , m_trail(m_database, m_clock)
    , m_users(m_database)
    , m_signatures(m_database)
    , m_journal(m_trail, m_signatures)
{
    if (isEnabled()) {
        m_history.setJournal(&m_journal);
        m_journalInstalled = true;
    }
}

CCompliance::~CCompliance()
{
    if (m_journalInstalled)
        m_history.setJournal(nullptr);
}

QDateTime CCompliance::now() const
{
    return m_clock();
}

bool CCompliance::isEnabledIn(CTempDbManager &history)
{
    if (!history.isOpen())
        return false;
    QSqlDatabase database = history.connection();
    if (!CComplianceSchema::exists(database))
        return false;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    return query.exec("select value from t_compliance where name = 'enabled'") && query.next()
        && query.value(0).toString() == QLatin1String("1");
}

bool CCompliance::isEnabled()
{
    return isEnabledIn(m_history);
}

QString CCompliance::setting(const QString &name, bool *ok)
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare("select value from t_compliance where name = :name");
    query.bindValue(":name", name);
    const bool ran = query.exec();
    if (ok)
        *ok = ran;
    return ran && query.next() ? query.value(0).toString() : QString();
}

bool CCompliance::setSetting(const QString &name, const QString &value)
{
    // Both engines know this upsert (SQLite since 3.24).
    QSqlQuery query(m_database);
    query.prepare(
        "insert into t_compliance(name, value) values(:name, :value) on conflict(name) do update set "
        "value = excluded.value");
    query.bindValue(":name", name);
    query.bindValue(":value", value);
    return query.exec();
}

int CCompliance::idleMinutes()
{
    bool ok = false;
    const int minutes = setting(QStringLiteral("idleMinutes")).toInt(&ok);
    return ok && minutes >= 0 ? minutes : DefaultIdleMinutes;
}

QString CCompliance::historyId()
{
    return setting(QStringLiteral("historyId"));
}

CComplianceResult CCompliance::transaction(const std::function<bool(QString *why)> &body)
{
    // Another process's append at the same moment (SQLite: busy; the
    // trail's next number taken) is no reason to give up at once.
    QString why;
    for (int attempt = 1; attempt <= 5; ++attempt) {
        if (attempt > 1)
            QThread::msleep(20 * attempt);
        if (!m_database.transaction()) {
            why = errorText(m_database.lastError());
            continue;
        }
        if (body(&why)) {
            if (m_database.commit())
                return {};
            why = errorText(m_database.lastError());
        }
        m_database.rollback();
    }
    return CComplianceResult::failed(tr("The history refused the change: %1").arg(why));
}

bool CCompliance::changeAccount(const CUserAccount &account, bool added, CAuditEntry &entry, QString *why)
{
    if (!(added ? m_users.insert(account) : m_users.update(account))) {
        *why = m_users.error();
        return false;
    }
    if (!m_trail.appendInTransaction(entry)) {
        *why = m_trail.error();
        return false;
    }
    return true;
}

CComplianceResult CCompliance::append(const QString &user, const QString &action, int recordId,
    const QString &details, const QString &reason, CAuditEntry *written)
{
    CAuditEntry entry;
    entry.user = user;
    entry.action = action;
    entry.recordId = recordId;
    entry.details = details;
    entry.reason = reason;
    if (!m_trail.append(entry))
        return CComplianceResult::failed(tr("The audit trail cannot be written: %1").arg(m_trail.error()));
    if (written)
        *written = entry;
    return {};
}

void CCompliance::anchor()
{
    const CAuditEntry head = m_trail.head();
    QString why;
    if (head.seq > 0 && !CAuditAnchors::append(m_anchorPath, historyId(), head, &why))
        qWarning().noquote() << "audit anchor:" << why;
}

QString CCompliance::badName(const QString &name)
{
    if (name.isEmpty() || name.size() > 80)
        return tr("An account name has 1 to 80 characters.");
    for (const QChar c : name) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return tr("An account name holds no blank and no control character.");
    }
    return QString();
}

QString CCompliance::badPassword(const QString &password) const
{
    if (password.size() < MinPasswordLength)
        return tr("A password has at least %1 characters.").arg(MinPasswordLength);
    return QString();
}

void CCompliance::fillSession(CSession &session, const CUserAccount &account)
{
    session = CSession();
    session.m_user = account.name;
    session.m_printedName = account.printedName.isEmpty() ? account.name : account.printedName;
    session.m_role = account.role;
    session.m_idleMinutes = idleMinutes();
    session.m_clock = m_clock;
    session.m_signedInAt = session.m_lastActivity = now();
}

CComplianceResult CCompliance::check(const CSession &session, CDuty duty)
{
    if (!session.isSignedIn())
        return CComplianceResult::failed(tr("Compliance mode is on: sign in first."));
    if (!session.may(duty))
        return CComplianceResult::failed(
            tr("%1 (%2) may not %3.")
                .arg(session.user(), CSession::roleTitle(session.role()), CSession::dutyText(duty)));
    return {};
}

// ------------------------------------------------------------- on and off

CComplianceResult CCompliance::enable(
    const QString &admin, const QString &printedName, const QString &password)
{
    if (!m_history.isOpen())
        return CComplianceResult::failed(m_history.lastError());
    if (isEnabled())
        return CComplianceResult::failed(tr("Compliance mode is on already."));
    const QString nameProblem = badName(admin);
    if (!nameProblem.isEmpty())
        return CComplianceResult::failed(nameProblem);
    QString why;
    if (!CComplianceSchema::create(m_database, &why))
        return CComplianceResult::failed(tr("The compliance tables cannot be made: %1").arg(why));
    CUserAccount account;
    bool ok = false;
    const bool exists = m_users.find(admin, &account, &ok);
    if (!ok)
        return CComplianceResult::failed(m_users.error());
    if (exists) {
        // Switched on again: by an administrator of before, who proves it.
        if (account.role != CRole::Admin || account.disabled)
            return CComplianceResult::failed(tr("%1 is no administrator.").arg(admin));
        if (const CComplianceResult known = checkPassword(admin, password, &account); !known)
            return known;
    } else {
        const QString passwordProblem = badPassword(password);
        if (!passwordProblem.isEmpty())
            return CComplianceResult::failed(passwordProblem);
        account.name = admin;
        account.printedName = printedName.isEmpty() ? admin : printedName;
        account.role = CRole::Admin;
        account.passwordHash = CPasswordHash::hash(password, m_iterations);
        account.created = now().toUTC().toString(Qt::ISODate);
        if (account.passwordHash.isEmpty())
            return CComplianceResult::failed(tr("The system's random source failed."));
    }
    const CComplianceResult result = transaction([&](QString *fail) {
        QString id = historyId();
        if (id.isEmpty())
            id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        if (!exists && !m_users.insert(account)) {
            *fail = m_users.error();
            return false;
        }
        if (!setSetting(QStringLiteral("historyId"), id)
            || !setSetting(QStringLiteral("enabled"), QStringLiteral("1"))
            || (setting(QStringLiteral("idleMinutes")).isEmpty()
                && !setSetting(QStringLiteral("idleMinutes"), QString::number(DefaultIdleMinutes)))) {
            *fail = errorText(m_database.lastError());
            return false;
        }
        CAuditEntry entry;
        entry.user = admin;
        entry.action = QStringLiteral("compliance-on");
        entry.details = QStringLiteral("history %1; administrator %2%3")
                            .arg(id, admin, exists ? QString() : QStringLiteral(" (new account)"));
        if (!m_trail.appendInTransaction(entry)) {
            *fail = m_trail.error();
            return false;
        }
        return true;
    });
    if (result) {
        anchor();
        m_history.setJournal(&m_journal);
        m_journalInstalled = true;
    }
    return result;
}

CComplianceResult CCompliance::disable(const CSession &session, const QString &reason)
{
    if (const CComplianceResult allowed = check(session, CDuty::ChangeSettings); !allowed)
        return allowed;
    if (reason.trimmed().isEmpty())
        return CComplianceResult::failed(tr("Compliance mode is switched off only with a reason."));
    const CComplianceResult result = transaction([&](QString *fail) {
        CAuditEntry entry;
        entry.user = session.user();
        entry.action = QStringLiteral("compliance-off");
        entry.details = QStringLiteral("history %1").arg(historyId());
        entry.reason = reason;
        if (!setSetting(QStringLiteral("enabled"), QStringLiteral("0"))
            || !m_trail.appendInTransaction(entry)) {
            *fail = m_trail.error();
            return false;
        }
        return true;
    });
    if (result) {
        anchor();
        m_history.setJournal(nullptr);
        m_journalInstalled = false;
    }
    return result;
}

CComplianceResult CCompliance::setIdleMinutes(const CSession &session, int minutes)
{
    if (const CComplianceResult allowed = check(session, CDuty::ChangeSettings); !allowed)
        return allowed;
    if (minutes < 0 || minutes > 24 * 60)
        return CComplianceResult::failed(tr("The idle time is 0 (never) to 1440 minutes."));
    const int before = idleMinutes();
    return transaction([&](QString *fail) {
        CAuditEntry entry;
        entry.user = session.user();
        entry.action = QStringLiteral("setting");
        entry.details = QStringLiteral("idle time %1 -> %2 minutes").arg(before).arg(minutes);
        if (!setSetting(QStringLiteral("idleMinutes"), QString::number(minutes))
            || !m_trail.appendInTransaction(entry)) {
            *fail = m_trail.error();
            return false;
        }
        return true;
    });
}

// ------------------------------------------------------------- sign-in

CComplianceResult CCompliance::checkPassword(
    const QString &name, const QString &password, CUserAccount *account)
{
    const QString wrong = tr("Unknown user or wrong password.");
    bool ok = false;
    const bool found = m_users.find(name, account, &ok);
    if (!ok)
        return CComplianceResult::failed(m_users.error());
    const auto failure = [&](const QString &details, const QString &message) {
        const CComplianceResult audited = append(name, QStringLiteral("sign-in-failed"), 0, details);
        return CComplianceResult::failed(audited ? message : audited.error);
    };
    if (!found)
        return failure(QStringLiteral("no such account"), wrong);
    if (account->disabled)
        return failure(QStringLiteral("account disabled"), tr("The account %1 is disabled.").arg(name));
    const QString locked
        = tr("The account %1 is locked after %2 wrong passwords; an administrator must unlock it.")
              .arg(name)
              .arg(MaxFailures);
    if (account->locked)
        return failure(QStringLiteral("account locked"), locked);
    if (CPasswordHash::verify(password, account->passwordHash)) {
        if (account->failures != 0) {
            account->failures = 0;
            m_users.update(*account);
        }
        return {};
    }
    int failures = 0;
    bool lockNow = false;
    const CComplianceResult counted = transaction([&](QString *fail) {
        failures = m_users.countFailure(name);
        CAuditEntry entry;
        entry.user = name;
        entry.action = QStringLiteral("sign-in-failed");
        entry.details = QStringLiteral("wrong password (%1 of %2)").arg(failures).arg(MaxFailures);
        if (failures < 0 || !m_trail.appendInTransaction(entry)) {
            *fail = (failures < 0 ? m_users.error() : m_trail.error());
            return false;
        }
        lockNow = failures >= MaxFailures;
        if (!lockNow)
            return true;
        CUserAccount current;
        m_users.find(name, &current);
        current.locked = true;
        CAuditEntry lock;
        lock.user = name;
        lock.action = QStringLiteral("account-locked");
        lock.details = QStringLiteral("%1 wrong passwords in a row").arg(failures);
        if (!m_users.update(current) || !m_trail.appendInTransaction(lock)) {
            *fail = m_trail.error();
            return false;
        }
        return true;
    });
    if (!counted)
        return counted;
    return CComplianceResult::failed(lockNow ? locked : wrong);
}

CComplianceResult CCompliance::signIn(const QString &name, const QString &password, CSession &session)
{
    session = CSession();
    if (!isEnabled())
        return CComplianceResult::failed(tr("Compliance mode is off for this history."));
    CUserAccount account;
    if (const CComplianceResult known = checkPassword(name, password, &account); !known)
        return known;
    if (const CComplianceResult audited = append(name, QStringLiteral("sign-in"), 0,
            QStringLiteral("role %1").arg(CSession::roleName(account.role)));
        !audited)
        return audited;
    fillSession(session, account);
    return {};
}

CComplianceResult CCompliance::resume(CSession &session, const QString &password)
{
    if (!session.isSignedIn())
        return CComplianceResult::failed(tr("Compliance mode is on: sign in first."));
    CUserAccount account;
    if (const CComplianceResult known = checkPassword(session.user(), password, &account); !known)
        return known;
    if (const CComplianceResult audited
        = append(session.user(), QStringLiteral("sign-in"), 0, QStringLiteral("after the idle lock"));
        !audited)
        return audited;
    fillSession(session, account);
    return {};
}

void CCompliance::signOut(CSession &session)
{
    if (session.isSignedIn())
        append(session.user(), QStringLiteral("sign-out"), 0, QString());
    if (m_journal.session() == &session)
        attach(nullptr);
    session = CSession();
}

// ------------------------------------------------------------- accounts

CComplianceResult CCompliance::addUser(
    const CSession &by, const QString &name, const QString &printedName, CRole role, const QString &password)
{
    if (const CComplianceResult allowed = check(by, CDuty::ManageUsers); !allowed)
        return allowed;
    QString problem = badName(name);
    if (problem.isEmpty())
        problem = badPassword(password);
    if (!problem.isEmpty())
        return CComplianceResult::failed(problem);
    CUserAccount account;
    bool ok = false;
    if (m_users.find(name, &account, &ok))
        return CComplianceResult::failed(tr("There is an account %1 already.").arg(name));
    if (!ok)
        return CComplianceResult::failed(m_users.error());
    account.name = name;
    account.printedName = printedName.isEmpty() ? name : printedName;
    account.role = role;
    account.passwordHash = CPasswordHash::hash(password, m_iterations);
    account.created = now().toUTC().toString(Qt::ISODate);
    return transaction([&](QString *fail) {
        CAuditEntry entry;
        entry.user = by.user();
        entry.action = QStringLiteral("user-add");
        entry.details = QStringLiteral("%1 (%2), printed name \"%3\"")
                            .arg(name, CSession::roleName(role), account.printedName);
        return changeAccount(account, true, entry, fail);
    });
}

CComplianceResult CCompliance::disableUser(const CSession &by, const QString &name, const QString &reason)
{
    if (const CComplianceResult allowed = check(by, CDuty::ManageUsers); !allowed)
        return allowed;
    CUserAccount account;
    if (!m_users.find(name, &account))
        return CComplianceResult::failed(tr("There is no account %1.").arg(name));
    if (account.role == CRole::Admin) {
        int admins = 0;
        for (const CUserAccount &other : m_users.all()) {
            if (other.role == CRole::Admin && !other.disabled)
                ++admins;
        }
        if (admins <= 1)
            return CComplianceResult::failed(tr("%1 is the last administrator and stays enabled.").arg(name));
    }
    account.disabled = true;
    return transaction([&](QString *fail) {
        CAuditEntry entry;
        entry.user = by.user();
        entry.action = QStringLiteral("user-disable");
        entry.details = name;
        entry.reason = reason;
        return changeAccount(account, false, entry, fail);
    });
}

CComplianceResult CCompliance::unlockUser(const CSession &by, const QString &name)
{
    if (const CComplianceResult allowed = check(by, CDuty::ManageUsers); !allowed)
        return allowed;
    CUserAccount account;
    if (!m_users.find(name, &account))
        return CComplianceResult::failed(tr("There is no account %1.").arg(name));
    account.locked = false;
    account.failures = 0;
    return transaction([&](QString *fail) {
        CAuditEntry entry;
        entry.user = by.user();
        entry.action = QStringLiteral("user-unlock");
        entry.details = name;
        return changeAccount(account, false, entry, fail);
    });
}

CComplianceResult CCompliance::changePassword(
    const CSession &by, const QString &name, const QString &newPassword)
{
    if (!by.isSignedIn())
        return CComplianceResult::failed(tr("Compliance mode is on: sign in first."));
    if (by.user() != name) {
        if (const CComplianceResult allowed = check(by, CDuty::ManageUsers); !allowed)
            return allowed;
    }
    const QString problem = badPassword(newPassword);
    if (!problem.isEmpty())
        return CComplianceResult::failed(problem);
    CUserAccount account;
    if (!m_users.find(name, &account))
        return CComplianceResult::failed(tr("There is no account %1.").arg(name));
    account.passwordHash = CPasswordHash::hash(newPassword, m_iterations);
    return transaction([&](QString *fail) {
        CAuditEntry entry;
        entry.user = by.user();
        entry.action = QStringLiteral("user-password");
        entry.details = QStringLiteral("password of %1 changed").arg(name);
        return changeAccount(account, false, entry, fail);
    });
}

QVector<CUserAccount> CCompliance::users()
{
    QVector<CUserAccount> list = m_users.all();
    for (CUserAccount &account : list)
        account.passwordHash.clear();
    return list;
}
