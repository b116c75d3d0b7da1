#ifndef VESMIRA_CLI_COMPLIANCEGATE_H
#define VESMIRA_CLI_COMPLIANCEGATE_H

#include "core/compliance/ccompliance.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

class CTempDbManager;
struct CReportSignoff;

// Who runs a command of vesmira-cli in compliance mode: --user NAME and
// --reason TEXT, taken out of the arguments of the commands that know them
// before their own arguments are read (see main.cpp).
struct CCliIdentity {
    QString user;
    QString reason;
    bool reasonGiven = false;
};
CCliIdentity &cliIdentity();
// Takes "--user NAME" and "--reason TEXT" out of args; false (message on
// err) when one lacks its value.
bool takeIdentity(QStringList &args, QTextStream &err);

// One line of standard input: a password. On a terminal the prompt goes to
// stderr and the typed characters are not shown. Null at the end of input.
QString readSecret(const QString &prompt);

// The sign-in of a command that reads or changes records. With compliance
// mode off for the history it lets everything through unchanged (and
// refuses a --user); with it on it needs --user and the password on
// standard input, and the role must allow duty. The session is attached to
// the history: the records the command stores, renames or deletes are
// audited under it.
class CComplianceGate {
public:
    CComplianceGate() = default;
    ~CComplianceGate();

    // 0 when the command may go on; else its exit code (message on err):
    // 2 without --user, 1 for a failed sign-in or a refusal. user stands
    // for --user when given (`user add ... --by ADMIN`).
    int enter(CTempDbManager &history, CDuty duty, QTextStream &err, const QString &user = QString());
    // The same for a command that may run where no history exists yet (the
    // embedded file is not made for it): compliance mode is off there.
    int enterIfPresent(CTempDbManager *history, CDuty duty, QTextStream &err);

    bool active() const { return m_compliance != nullptr; }
    // The password the user signed in with (a signature asks for it once
    // more); emptied by the destructor.
    QString password() const { return m_password; }
    CCompliance &compliance() { return *m_compliance; }
    CSession &session() { return m_session; }

    // What an export of record id shows of its sign-off: its signatures
    // (when the history has any) and, in compliance mode, the audit trail's
    // head now.
    CReportSignoff signoff(CTempDbManager &history, int id);
    // After an export written to target: the audit entry, the anchor, and
    // the head printed on out. 0, or 1 with the message on err.
    int exported(int id, const QString &source, const QString &target, QTextStream &out, QTextStream &err);

private:
    std::unique_ptr<CCompliance> m_compliance;
    CSession m_session;
    QString m_password;
};

// The configured history when it exists (a shared one, or the embedded
// file when it is there); null otherwise. Never creates a file.
std::unique_ptr<CTempDbManager> openExistingHistory();

#endif // VESMIRA_CLI_COMPLIANCEGATE_H
