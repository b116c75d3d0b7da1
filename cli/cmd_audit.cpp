// vesmira-cli sign | audit: signatures and the audit trail of compliance mode.
//
//   sign ID --user NAME --meaning reviewed|approved|rejected [--comment TEXT]
//           a reviewer or administrator signs record ID; the password on
//           standard input signs in and signs
//   audit verify [--anchor FILE]
//           no sign-in: the chain from its first entry (against the anchor
//           file, default db/audit-anchors.txt) and every signed record
//           against its signature. Exit 0 with "N entries, chain intact,
//           M signed records unchanged", 1 naming the first broken entry or
//           the record that no longer matches
//   audit list [--record ID] [--json] --user NAME
//           the trail, oldest first: seq, UTC time, zone, user, desk, action,
//           record, details, reason (tab-separated), or a JSON array
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/history/ctempdbmanager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int signUsage(QTextStream &err)
{
    err << "usage: vesmira-cli sign ID --user NAME --meaning reviewed|approved|rejected [--comment TEXT]\n";
    return 2;
}

int auditUsage(QTextStream &err)
{
    err << "usage: vesmira-cli audit verify [--anchor FILE]\n"
           "       vesmira-cli audit list [--record ID] [--json] --user NAME\n";
    return 2;
}

// A field of the tab-separated list on one line.
QString flat(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

int verify(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString anchor;
    if (args.size() == 2 && args.first() == QLatin1String("--anchor"))
        anchor = args.at(1);
    else if (!args.isEmpty())
        return auditUsage(err);
    const std::unique_ptr<CTempDbManager> db = openExistingHistory();
    if (db && !db->isOpen()) {
        err << "vesmira-cli: " << db->lastError() << '\n';
        return 1;
    }
    CCompliance::Verification result;
    result.intact = true;
    if (db) {
        CCompliance compliance(*db);
        result = compliance.verify(anchor);
    }
    if (!result.intact) {
        err << "vesmira-cli: audit verify: " << result.problem << '\n';
        return 1;
    }
    out << result.summary() << '\n';
    return 0;
}

int list(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CAuditFilter filter;
    bool json = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--json")) {
            json = true;
        } else if (args.at(i) == QLatin1String("--record") && i + 1 < args.size()) {
            bool ok = false;
            filter.recordId = args.at(++i).toInt(&ok);
            if (!ok || filter.recordId <= 0)
                return auditUsage(err);
        } else {
            return auditUsage(err);
        }
    }
    auto db = openHistory(err);
    if (!db)
        return 1;
    CComplianceGate gate;
    if (const int code = gate.enter(*db, CDuty::ViewRecords, err))
        return code;
    // Compliance mode off: the trail of when it was on, if ever.
    std::unique_ptr<CCompliance> off = gate.active() ? nullptr : std::make_unique<CCompliance>(*db);
    CCompliance &compliance = gate.active() ? gate.compliance() : *off;
    const QVector<CAuditEntry> entries = compliance.auditEntries(filter);
    if (json) {
        QJsonArray array;
        for (const CAuditEntry &e : entries)
            array.append(QJsonObject { { "seq", e.seq }, { "utc", e.utc }, { "zone", e.zone },
                { "user", e.user }, { "desk", e.desk }, { "action", e.action }, { "recordId", e.recordId },
                { "details", e.details }, { "reason", e.reason }, { "previousHash", e.previousHash },
                { "hash", e.hash } });
        out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
        return 0;
    }
    for (const CAuditEntry &e : entries)
        out << e.seq << '\t' << e.utc << '\t' << e.zone << '\t' << flat(e.user) << '\t' << e.desk << '\t'
            << e.action << '\t' << e.recordId << '\t' << flat(e.details) << '\t' << flat(e.reason) << '\n';
    return 0;
}

} // namespace

int runSign(const QStringList &args, QTextStream &out, QTextStream &err)
{
    int id = 0;
    QString meaningName;
    QString comment;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--meaning") && hasValue)
            meaningName = args.at(++i);
        else if (arg == QLatin1String("--comment") && hasValue)
            comment = args.at(++i);
        else if (!arg.startsWith(QLatin1String("--")) && id == 0)
            id = arg.toInt();
        else
            return signUsage(err);
    }
    CMeaning meaning = CMeaning::Reviewed;
    if (id <= 0 || !CSignatureBook::meaningFromName(meaningName, &meaning))
        return signUsage(err);
    auto db = openHistory(err);
    if (!db)
        return 1;
    if (!CCompliance::isEnabledIn(*db)) {
        err << "vesmira-cli: compliance mode is off for this history: records are signed in compliance "
               "mode\n";
        return 1;
    }
    CComplianceGate gate;
    if (const int code = gate.enter(*db, CDuty::SignRecord, err))
        return code;
    const CComplianceResult signedIt
        = gate.compliance().sign(gate.session(), id, gate.password(), meaning, comment);
    if (!signedIt) {
        err << "vesmira-cli: " << signedIt.error << '\n';
        return 1;
    }
    const QVector<CSignatureInfo> all = gate.compliance().signatures(id);
    const CSignatureInfo &last = all.last();
    out << "record " << id << ' ' << last.meaning << " by " << last.printedName << " at "
        << last.signedAtText() << ", content SHA-256 " << last.contentHash << '\n';
    return 0;
}

int runAudit(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return auditUsage(err);
    if (args.first() == QLatin1String("verify")) {
        if (!cliIdentity().user.isEmpty()) {
            err << "vesmira-cli: audit verify needs no sign-in: leave out --user\n";
            return 2;
        }
        return verify(args.mid(1), out, err);
    }
    if (args.first() == QLatin1String("list"))
        return list(args.mid(1), out, err);
    return auditUsage(err);
}
