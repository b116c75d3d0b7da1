#include "core/compliance/cauditjournal.h"

#include "core/compliance/caudittrail.h"
#include "core/compliance/csession.h"
#include "core/compliance/csignaturebook.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// The name and report digest of a stored record; false when it is not there.
bool recordFacts(QSqlDatabase &database, int id, QString *name, QString *digest)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select r.data_name, coalesce(p.sha256, '') from t_record r left join t_record_report p on "
                  "p.t_reocrd_id = r.id where r.id = :id");
    query.bindValue(":id", id);
    if (!query.exec() || !query.next())
        return false;
    *name = query.value(0).toString();
    *digest = query.value(1).toString();
    return true;
}

} // namespace

CAuditJournal::CAuditJournal(CAuditTrail &trail, CSignatureBook &signatures)
    : m_trail(trail)
    , m_signatures(signatures)
{
}

bool CAuditJournal::refuse(const QString &why)
{
    m_refusal = why;
    return false;
}

bool CAuditJournal::journal(QSqlDatabase &database, const CHistoryChange &change)
{
    m_refusal.clear();
    if (!m_session || !m_session->isSignedIn())
        return refuse(tr("Compliance mode is on: sign in first."));
    CDuty duty = CDuty::ReadLogger;
    CAuditEntry entry;
    entry.user = m_session->user();
    entry.recordId = change.recordId;
    QString name;
    QString digest;
    const bool exists = recordFacts(database, change.recordId, &name, &digest);
    switch (change.kind) {
    case CHistoryChange::Stored:
    case CHistoryChange::Copied:
        entry.action
            = change.kind == CHistoryChange::Stored ? QStringLiteral("read") : QStringLiteral("copy");
        entry.details
            = QStringLiteral("record %1 \"%2\", report SHA-256 %3").arg(change.recordId).arg(name, digest);
        break;
    case CHistoryChange::Renamed:
    case CHistoryChange::Deleted: {
        const bool renamed = change.kind == CHistoryChange::Renamed;
        duty = renamed ? CDuty::RenameRecord : CDuty::DeleteRecord;
        // A record that is not there does not change.
        if (!exists)
            return true;
        if (m_reason.trimmed().isEmpty())
            return refuse(renamed ? tr("A record is renamed only with a reason.")
                                  : tr("A record is deleted only with a reason."));
        bool ok = false;
        const bool isSigned = m_signatures.isSigned(change.recordId, &ok);
        if (!ok)
            return refuse(m_signatures.error());
        if (renamed && isSigned)
            return refuse(tr("Record %1 is signed: a signed record cannot be renamed.").arg(change.recordId));
        entry.action = renamed ? QStringLiteral("rename") : QStringLiteral("delete");
        entry.reason = m_reason;
        entry.details = renamed
            ? QStringLiteral("record %1: \"%2\" -> \"%3\"").arg(change.recordId).arg(name, change.name)
            : QStringLiteral("record %1 \"%2\", report SHA-256 %3%4")
                  .arg(change.recordId)
                  .arg(name, digest, isSigned ? QStringLiteral(", signed") : QString());
        break;
    }
    }
    if (!m_session->may(duty))
        return refuse(
            tr("%1 (%2) may not %3.")
                .arg(m_session->user(), CSession::roleTitle(m_session->role()), CSession::dutyText(duty)));
    if (!m_trail.appendInTransaction(entry))
        return refuse(tr("The audit trail cannot be written: %1").arg(m_trail.error()));
    return true;
}
