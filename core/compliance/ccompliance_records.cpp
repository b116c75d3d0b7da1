// CCompliance: records under a session, signatures, the audit trail and its
// verification.
#include "core/compliance/cauditanchors.h"
#include "core/compliance/ccompliance.h"
#include "core/compliance/ccomplianceschema.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// The content digest a sign entry's details carry.
const QRegularExpression &contentPattern()
{
    static const QRegularExpression pattern(QStringLiteral("content SHA-256 ([0-9a-f]{64})"));
    return pattern;
}

} // namespace

void CCompliance::attach(const CSession *session)
{
    m_journal.setSession(session);
}

CComplianceResult CCompliance::renameRecord(
    const CSession &session, int id, const QString &name, const QString &reason)
{
    if (const CComplianceResult allowed = check(session, CDuty::RenameRecord); !allowed)
        return allowed;
    if (reason.trimmed().isEmpty())
        return CComplianceResult::failed(tr("A record is renamed only with a reason."));
    if (isSigned(id))
        return CComplianceResult::failed(
            tr("Record %1 is signed: a signed record cannot be renamed.").arg(id));
    // The journal writes the entry inside the rename's transaction.
    const CSession *before = m_journal.session();
    m_journal.setSession(&session);
    m_journal.setReason(reason);
    const bool renamed = m_history.UpdateRecordName(name, id);
    m_journal.setReason(QString());
    m_journal.setSession(before);
    return renamed ? CComplianceResult() : CComplianceResult::failed(m_history.lastError());
}

CComplianceResult CCompliance::deleteRecord(const CSession &session, int id, const QString &reason)
{
    if (const CComplianceResult allowed = check(session, CDuty::DeleteRecord); !allowed)
        return allowed;
    if (reason.trimmed().isEmpty())
        return CComplianceResult::failed(tr("A record is deleted only with a reason."));
    const CSession *before = m_journal.session();
    m_journal.setSession(&session);
    m_journal.setReason(reason);
    const bool deleted = m_history.DeleteRecordById(id);
    m_journal.setReason(QString());
    m_journal.setSession(before);
    return deleted ? CComplianceResult() : CComplianceResult::failed(m_history.lastError());
}

CComplianceResult CCompliance::noteDuplicateRead(const CSession &session, const CRecord &record)
{
    if (const CComplianceResult allowed = check(session, CDuty::ReadLogger); !allowed)
        return allowed;
    return append(session.user(), QStringLiteral("read"), record.id,
        QStringLiteral("record %1 \"%2\" already in the history, report SHA-256 %3")
            .arg(record.id)
            .arg(record.name, record.reportDigest));
}

CComplianceResult CCompliance::noteReopen(const CSession &session, int id)
{
    if (const CComplianceResult allowed = check(session, CDuty::ViewRecords); !allowed)
        return allowed;
    return append(session.user(), QStringLiteral("reopen"), id,
        QStringLiteral("record %1 \"%2\"").arg(id).arg(m_history.recordName(id)));
}

CComplianceResult CCompliance::noteExport(
    const CSession &session, int id, const QString &source, const QString &target, CAuditEntry *head)
{
    if (const CComplianceResult allowed = check(session, CDuty::Export); !allowed)
        return allowed;
    const QString what = id != 0 ? QStringLiteral("record %1 \"%2\"").arg(id).arg(m_history.recordName(id))
                                 : QStringLiteral("report %1 (SHA-256 %2)")
                                       .arg(QDir::toNativeSeparators(QFileInfo(source).absoluteFilePath()),
                                           CRecord::fileDigest(source));
    const CComplianceResult result = append(session.user(), QStringLiteral("export"), id,
        QStringLiteral("%1 -> %2, SHA-256 %3")
            .arg(what, QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()),
                CRecord::fileDigest(target)),
        QString(), head);
    if (result)
        anchor();
    return result;
}

CComplianceResult CCompliance::noteConfiguration(
    const CSession &session, const QString &driveRoot, const QByteArray &frame)
{
    if (const CComplianceResult allowed = check(session, CDuty::ConfigureLogger); !allowed)
        return allowed;
    return append(session.user(), QStringLiteral("configure"), 0,
        QStringLiteral("setting.ini on %1: %2")
            .arg(QDir::toNativeSeparators(driveRoot), QString::fromLatin1(frame.toHex())));
}

CComplianceResult CCompliance::sign(
    const CSession &session, int id, const QString &password, CMeaning meaning, const QString &comment)
{
    if (const CComplianceResult allowed = check(session, CDuty::SignRecord); !allowed)
        return allowed;
    bool found = false;
    const QString content = m_signatures.contentDigest(id, &found);
    if (!found)
        return CComplianceResult::failed(content.isEmpty() && !m_signatures.error().isEmpty()
                ? m_signatures.error()
                : tr("There is no record %1 in the history.").arg(id));
    if (!m_signatures.reportBytesMatch(id))
        return CComplianceResult::failed(
            tr("The report of record %1 has changed since it was read: it cannot be signed.").arg(id));
    // Content changed since an earlier signature is not signed over.
    for (const CSignatureInfo &earlier : m_signatures.signatures(id)) {
        if (earlier.contentHash != content)
            return CComplianceResult::failed(
                tr("Record %1 has changed since it was signed: it cannot be signed again.").arg(id));
    }
    // The signature is the signer's act: the password once more.
    CUserAccount account;
    if (const CComplianceResult known = checkPassword(session.user(), password, &account); !known)
        return known;
    const QString meaningName = CSignatureBook::meaningName(meaning);
    const CComplianceResult result = transaction([&](QString *fail) {
        CAuditEntry entry;
        entry.user = session.user();
        entry.action = QStringLiteral("sign");
        entry.recordId = id;
        entry.details = QStringLiteral("%1 by \"%2\", content SHA-256 %3%4")
                            .arg(meaningName, session.printedName(), content,
                                comment.isEmpty() ? QString() : QStringLiteral(", comment: ") + comment);
        if (!m_trail.appendInTransaction(entry)) {
            *fail = m_trail.error();
            return false;
        }
        CSignatureInfo signature;
        signature.recordId = id;
        signature.user = session.user();
        signature.printedName = session.printedName();
        signature.utc = entry.utc;
        signature.zone = entry.zone;
        signature.meaning = meaningName;
        signature.comment = comment;
        signature.contentHash = content;
        signature.auditSeq = entry.seq;
        if (!m_signatures.insert(signature)) {
            *fail = m_signatures.error();
            return false;
        }
        return true;
    });
    if (result)
        anchor();
    return result;
}

QVector<CSignatureInfo> CCompliance::signatures(int id)
{
    if (!CComplianceSchema::exists(m_database))
        return {};
    return m_signatures.signatures(id);
}

bool CCompliance::isSigned(int id)
{
    return CComplianceSchema::exists(m_database) && m_signatures.isSigned(id);
}

QVector<CAuditEntry> CCompliance::auditEntries(const CAuditFilter &filter)
{
    if (!CComplianceSchema::exists(m_database))
        return {};
    return m_trail.entries(filter);
}

CAuditEntry CCompliance::auditHead()
{
    if (!CComplianceSchema::exists(m_database))
        return {};
    return m_trail.head();
}

QString CCompliance::Verification::summary() const
{
    return tr("%1 entries, chain intact, %2 signed records unchanged").arg(entries).arg(signedRecords);
}

CCompliance::Verification CCompliance::verify(const QString &anchorPath)
{
    Verification result;
    if (!CComplianceSchema::exists(m_database)) {
        result.intact = true;
        return result;
    }
    const QString id = historyId();
    // What the walk keeps of the trail: the mode's last switch, the first
    // entry, and the signatures of every record not deleted since.
    struct Signing {
        qint64 seq;
        QString user;
        QString content;
    };
    QHash<int, QVector<Signing>> signings;
    QVector<int> order;
    bool enabledByTrail = false;
    QString firstDetails;
    const CAuditTrail::Check chain = m_trail.check(
        CAuditAnchors::read(anchorPath.isEmpty() ? m_anchorPath : anchorPath, id), [&](const CAuditEntry &e) {
            if (e.seq == 1)
                firstDetails = e.details;
            if (e.action == QLatin1String("compliance-on")) {
                enabledByTrail = true;
            } else if (e.action == QLatin1String("compliance-off")) {
                enabledByTrail = false;
            } else if (e.action == QLatin1String("sign")) {
                if (!signings.contains(e.recordId))
                    order.append(e.recordId);
                signings[e.recordId].append({ e.seq, e.user, contentPattern().match(e.details).captured(1) });
            } else if (e.action == QLatin1String("delete") && signings.remove(e.recordId) > 0) {
                order.removeAll(e.recordId);
            }
        });
    result.entries = chain.entries;
    if (!chain.intact) {
        result.brokenSeq = chain.brokenSeq;
        result.problem = chain.problem;
        return result;
    }
    // The trail began with this history's id, and its last word on the mode
    // is what the settings say.
    if (result.entries > 0 && !firstDetails.startsWith(QStringLiteral("history %1;").arg(id))) {
        result.brokenSeq = 1;
        result.problem = tr("the history's id is not the one its audit trail began with");
        return result;
    }
    if (enabledByTrail != isEnabled()) {
        result.problem = enabledByTrail
            ? tr("compliance mode was switched off outside the program: the audit trail says it is on")
            : tr("compliance mode was switched on outside the program: the audit trail says it is off");
        return result;
    }

    for (const int record : qAsConst(order)) {
        bool found = false;
        const QString content = m_signatures.contentDigest(record, &found);
        const QVector<Signing> &list = signings[record];
        result.brokenRecord = record;
        if (!found) {
            result.problem = content.isEmpty() && !m_signatures.error().isEmpty()
                ? tr("record %1 cannot be read: %2").arg(record).arg(m_signatures.error())
                : tr("record %1 was signed (audit entry %2) and is gone without an audited deletion")
                      .arg(record)
                      .arg(list.first().seq);
            return result;
        }
        const QVector<CSignatureInfo> rows = m_signatures.signatures(record);
        for (const Signing &signing : list) {
            if (signing.content != content) {
                result.problem = tr("record %1 no longer matches its signature (audit entry %2 by %3): its "
                                    "content was changed")
                                     .arg(record)
                                     .arg(signing.seq)
                                     .arg(signing.user);
                return result;
            }
            const bool kept = std::any_of(rows.cbegin(), rows.cend(), [&](const CSignatureInfo &s) {
                return s.auditSeq == signing.seq && s.contentHash == signing.content;
            });
            if (!kept) {
                result.problem = tr("the signature of record %1 by %2 (audit entry %3) is missing or changed")
                                     .arg(record)
                                     .arg(signing.user)
                                     .arg(signing.seq);
                return result;
            }
        }
        if (!m_signatures.reportBytesMatch(record)) {
            result.problem
                = tr("the report of record %1 no longer matches its signature: its file was changed")
                      .arg(record);
            return result;
        }
        ++result.signedRecords;
    }
    result.brokenRecord = 0;
    result.intact = true;
    return result;
}
