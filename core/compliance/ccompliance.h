#ifndef CCOMPLIANCE_H
#define CCOMPLIANCE_H

#include "core/compliance/cauditjournal.h"
#include "core/compliance/caudittrail.h"
#include "core/compliance/cpasswordhash.h"
#include "core/compliance/csession.h"
#include "core/compliance/csignaturebook.h"
#include "core/compliance/cuserdirectory.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

class CRecord;
class CTempDbManager;

// The outcome of a compliance operation: ok, or why not (a sentence in the
// interface language, for a message box or stderr).
struct CComplianceResult {
    bool ok = true;
    QString error;
    static CComplianceResult failed(const QString &why) { return { false, why }; }
    explicit operator bool() const { return ok; }
};

// What a CCompliance is made with besides its history.
struct CComplianceOptions {
    // The desk's local time now (default: the system clock).
    CComplianceClock clock;
    // PBKDF2 iterations of new password hashes.
    int passwordIterations = CPasswordHash::defaultIterations;
    // The anchor file (default: CAuditAnchors::defaultPath()).
    QString anchorPath;
};

// Compliance mode of one history: who may do what, who did what, who
// approved it, and proof that nothing changed since. Off unless switched
// on (enable); its setting, accounts, audit trail and signatures live in
// the history itself, so that a shared history holds them for every desk.
//
// While it is on, this object keeps the history's journal (CAuditJournal):
// records are stored, copied, renamed and deleted only under a signed-in
// session attached with attach(), each change with its audit entry in the
// same transaction. What changes no record (a sign-in, a record opened or
// exported, a configuration written to a logger) is told with the note...
// functions, after the core function did it. Every operation that changes
// something writes exactly one chained audit entry (a fifth wrong password
// writes two: the failure and the lock).
//
// The actions of the trail: compliance-on, compliance-off, setting,
// sign-in, sign-in-failed, account-locked, sign-out, user-add,
// user-disable, user-unlock, user-password, read, copy, reopen, export,
// rename, delete, configure, sign.
class CCompliance {
    Q_DECLARE_TR_FUNCTIONS(CCompliance)
public:
    static constexpr int MaxFailures = 5;
    static constexpr int DefaultIdleMinutes = 15;
    static constexpr int MinPasswordLength = 8;

    using Options = CComplianceOptions;

    // history must outlive this object.
    explicit CCompliance(CTempDbManager &history, const Options &options = Options());
    ~CCompliance();
    CCompliance(const CCompliance &) = delete;
    CCompliance &operator=(const CCompliance &) = delete;

    // Whether compliance mode is on for history: reads only, and a history
    // that never had it stays exactly as it is.
    static bool isEnabledIn(CTempDbManager &history);
    bool isEnabled();
    // The minutes of idle time after which a session locks (0: never).
    int idleMinutes();
    // The random id the history got when compliance mode was first switched
    // on (the anchor file's key).
    QString historyId();

    // ---------------------------------------------------------- on and off
    // Switches it on, with admin as its first administrator: made with
    // password when there is no such account, otherwise the existing
    // administrator's password must match.
    CComplianceResult enable(const QString &admin, const QString &printedName, const QString &password);
    // Switches it off; an administrator with a reason. The tables stay.
    CComplianceResult disable(const CSession &session, const QString &reason);
    CComplianceResult setIdleMinutes(const CSession &session, int minutes);

    // ---------------------------------------------------------- sign-in
    // Fills session on success. A wrong password counts; the fifth in a row
    // locks the account until an administrator unlocks it.
    CComplianceResult signIn(const QString &name, const QString &password, CSession &session);
    // The same user again after an idle lock: the session goes on.
    CComplianceResult resume(CSession &session, const QString &password);
    void signOut(CSession &session);
    // ok when the session may do duty; otherwise the refusal
    // ("anna (Operator) may not sign records.").
    CComplianceResult check(const CSession &session, CDuty duty);

    // ---------------------------------------------------------- accounts
    CComplianceResult addUser(const CSession &by, const QString &name, const QString &printedName, CRole role,
        const QString &password);
    CComplianceResult disableUser(const CSession &by, const QString &name, const QString &reason);
    CComplianceResult unlockUser(const CSession &by, const QString &name);
    // One's own password, or anyone's by an administrator.
    CComplianceResult changePassword(const CSession &by, const QString &name, const QString &newPassword);
    // Every account (without password hashes), by name.
    QVector<CUserAccount> users();

    // ---------------------------------------------------------- records
    // The session under which the history's records are stored and copied
    // (the read step stores through the history): nullptr ends it. Not owned.
    void attach(const CSession *session);
    CComplianceResult renameRecord(
        const CSession &session, int id, const QString &name, const QString &reason);
    CComplianceResult deleteRecord(const CSession &session, int id, const QString &reason);
    // A logger read whose report was in the history already (nothing stored).
    CComplianceResult noteDuplicateRead(const CSession &session, const CRecord &record);
    // A stored record opened (reopened from the history, shown, compared).
    CComplianceResult noteReopen(const CSession &session, int id);
    // An export written to target: the record's id (0 for a report file
    // exported without the history, source naming it), the target and the
    // digest of the written file. The new head of the trail is appended to
    // the anchor file and returned in *head.
    CComplianceResult noteExport(const CSession &session, int id, const QString &source,
        const QString &target, CAuditEntry *head = nullptr);
    // A configuration frame written to the logger at driveRoot.
    CComplianceResult noteConfiguration(
        const CSession &session, const QString &driveRoot, const QByteArray &frame);
    // Signs record id: the session's own password again, a meaning and an
    // optional comment. The record's content digest goes into the signature.
    CComplianceResult sign(
        const CSession &session, int id, const QString &password, CMeaning meaning, const QString &comment);
    QVector<CSignatureInfo> signatures(int id);
    bool isSigned(int id);

    // ---------------------------------------------------------- audit
    QVector<CAuditEntry> auditEntries(const CAuditFilter &filter = CAuditFilter());
    CAuditEntry auditHead();
    // The chain from its first entry (against the anchors of anchorPath,
    // default the anchor file), then every record that was signed and not
    // deleted by an audited deletion: its content against the digest it was
    // signed with, its report's bytes against the record's digest, and its
    // signature rows.
    struct Verification {
        bool intact = false;
        qint64 entries = 0;
        int signedRecords = 0;
        qint64 brokenSeq = 0; // the first entry at fault
        int brokenRecord = 0; // the record at fault
        QString problem;
        // "N entries, chain intact, M signed records unchanged"
        QString summary() const;
    };
    Verification verify(const QString &anchorPath = QString());

    QString anchorPath() const { return m_anchorPath; }

private:
    QDateTime now() const;
    QString setting(const QString &name, bool *ok = nullptr);
    bool setSetting(const QString &name, const QString &value);
    // body inside one transaction; rolled back when it returns false.
    CComplianceResult transaction(const std::function<bool(QString *why)> &body);
    // An account inserted (added) or updated, with its audit entry, in the
    // open transaction.
    bool changeAccount(const CUserAccount &account, bool added, CAuditEntry &entry, QString *why);
    CComplianceResult append(const QString &user, const QString &action, int recordId, const QString &details,
        const QString &reason = QString(), CAuditEntry *written = nullptr);
    // The password of name: a failure is counted and audited (and locks
    // the account at MaxFailures); success audits nothing.
    CComplianceResult checkPassword(const QString &name, const QString &password, CUserAccount *account);
    void anchor();
    static QString badName(const QString &name);
    QString badPassword(const QString &password) const;
    void fillSession(CSession &session, const CUserAccount &account);

    CTempDbManager &m_history;
    QSqlDatabase m_database;
    CComplianceClock m_clock;
    int m_iterations;
    QString m_anchorPath;
    CAuditTrail m_trail;
    CUserDirectory m_users;
    CSignatureBook m_signatures;
    CAuditJournal m_journal;
    bool m_journalInstalled = false;
};

#endif // CCOMPLIANCE_H
