#ifndef CAUDITJOURNAL_H
#define CAUDITJOURNAL_H

#include "core/history/chistoryjournal.h"

#include <QCoreApplication>
#include <QString>

class CAuditTrail;
class CSession;
class CSignatureBook;

// The audit trail's hold on the history's changes (CCompliance installs it
// while compliance mode is on): every store, copy, rename and deletion of a
// record writes its audit entry inside the change's own transaction, under
// the signed-in session, and the rules of compliance mode refuse what the
// session may not do. Without a session every change is refused, so that no
// caller changes the records unseen.
class CAuditJournal : public CHistoryJournal {
    Q_DECLARE_TR_FUNCTIONS(CAuditJournal)
public:
    CAuditJournal(CAuditTrail &trail, CSignatureBook &signatures);

    // The session whose changes these are (not owned; nullptr: none).
    void setSession(const CSession *session) { m_session = session; }
    const CSession *session() const { return m_session; }
    // What the user typed for the next rename or deletion (CCompliance sets
    // it around the call).
    void setReason(const QString &reason) { m_reason = reason; }

    bool journal(QSqlDatabase &database, const CHistoryChange &change) override;
    QString refusal() const override { return m_refusal; }

private:
    bool refuse(const QString &why);

    CAuditTrail &m_trail;
    CSignatureBook &m_signatures;
    const CSession *m_session = nullptr;
    QString m_reason;
    QString m_refusal;
};

#endif // CAUDITJOURNAL_H
