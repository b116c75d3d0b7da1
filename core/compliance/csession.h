#ifndef CSESSION_H
#define CSESSION_H

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <functional>

// The roles of compliance mode: each may do what the one before may, and more.
enum class CRole {
    Operator, // reads loggers, opens and exports records, configures loggers
    Reviewer, // also signs records
    Admin, // also manages users and settings, deletes records (with a reason)
};

// What a signed-in user may be asked to do.
enum class CDuty {
    ReadLogger,
    ViewRecords, // list, open (reopen) and compare stored records
    Export,
    ConfigureLogger,
    RenameRecord, // an unsigned one, with a reason
    SignRecord,
    DeleteRecord, // with a reason
    ManageUsers,
    ChangeSettings, // idle time, compliance mode off
};

// The compliance layer's clock: the desk's local time now, with its zone.
using CComplianceClock = std::function<QDateTime()>;

// Who is signed in: the account, the printed name signatures carry, the
// role and what it allows, and when the user last did something. The
// session locks when it was idle for idleMinutes (the GUI then asks for the
// password again: CCompliance::resume). The clock is the compliance layer's,
// injectable for tests.
class CSession {
    Q_DECLARE_TR_FUNCTIONS(CSession)
public:
    CSession() = default;

    bool isSignedIn() const { return !m_user.isEmpty(); }
    QString user() const { return m_user; }
    QString printedName() const { return m_printedName; }
    CRole role() const { return m_role; }
    // "operator", "reviewer", "admin"; the role of a text (false when it is none).
    static QString roleName(CRole role);
    static bool roleFromName(const QString &name, CRole *role);
    // The role's name in the interface language.
    static QString roleTitle(CRole role);

    // Whether the role allows duty (false when nobody is signed in).
    bool may(CDuty duty) const { return isSignedIn() && roleMay(m_role, duty); }
    static bool roleMay(CRole role, CDuty duty);
    // "sign records", in the interface language: what a refusal names.
    static QString dutyText(CDuty duty);

    // Idle lock: a session untouched for idleMinutes (0: never) is idle.
    int idleMinutes() const { return m_idleMinutes; }
    bool isIdle() const;
    // Milliseconds until the session turns idle (0 when it is).
    qint64 idleRemainingMs() const;
    // The user did something: the idle time starts again.
    void touch();
    // When the user signed in and last did something (the clock's time).
    QDateTime signedInAt() const { return m_signedInAt; }
    QDateTime lastActivity() const { return m_lastActivity; }

private:
    friend class CCompliance;
    QString m_user;
    QString m_printedName;
    CRole m_role = CRole::Operator;
    int m_idleMinutes = 0;
    QDateTime m_signedInAt;
    QDateTime m_lastActivity;
    CComplianceClock m_clock;
};

#endif // CSESSION_H
