// vesmira-cli history: the history the application shows (config/
// record-config.ini [history] url, or VESMIRA_HISTORY; the embedded
// db/dravik.db when neither names a shared one).
//
//   list [--json] [--search TEXT]     id, name, trip description; newest first
//                                     (tab-separated; a backslash and control
//                                     characters as escapes: \\ \t \n \r \x1b)
//   show ID [--json]                  the record (JSON: the shape of `parse`,
//                                     plus id, name and digest), its report's
//                                     SHA-256 and whether the report is unchanged
//   export ID OUT.pdf|OUT.csv [--from T] [--to T] [CSV options of export]
//                                     the PDF data report (the samples as CSV
//                                     for OUT.csv), read from the
//                                     record's report (fetched from a shared
//                                     history when read at another desk)
//   rename ID NAME | delete ID        (in compliance mode with --reason TEXT)
//   copy --to URL                     every record of the embedded history into
//                                     the shared history at URL, a line per
//                                     record ("N of M: ..."); a record already
//                                     there (same name, same report digest) is
//                                     not copied again, so an interrupted copy
//                                     goes on where it stopped
//   pending                           the records of the embedded history not
//                                     yet in the configured shared history:
//                                     id, name, the URL tried and why it failed
//
// In compliance mode each takes --user NAME (the password on standard
// input): show is audited as a reopen, export with the written file's
// digest (the signatures of the record on the report, the audit trail's
// head printed), rename and delete with the reason.
//
// Exit 0 done; 1 failure, with a message on stderr; 2 usage. A history that
// cannot be opened touches nothing (no embedded file is made for it); a
// damaged one is an error, never an empty history.
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/history/chistorylocation.h"
#include "core/history/chistorystore.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "core/record/recordjson.h"
#include "core/report/reportparse.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli history list [--json] [--search TEXT]\n"
           "       vesmira-cli history show ID [--json]\n"
           "       vesmira-cli history export ID OUT.pdf|OUT.csv [--from \"yyyy/MM/dd hh:mm:ss\"] "
           "[--to \"yyyy/MM/dd hh:mm:ss\"]\n"
           "               [--separator comma|semicolon] [--decimal point|comma] [--trip-details]\n"
           "       vesmira-cli history rename ID NAME [--reason TEXT]\n"
           "       vesmira-cli history delete ID [--reason TEXT]\n"
           "       vesmira-cli history copy --to URL\n"
           "       vesmira-cli history pending\n";
    return 2;
}

// A record id: a positive decimal number; 0 otherwise.
int recordId(const QString &text)
{
    bool ok = false;
    const int id = text.toInt(&ok, 10);
    return ok && id > 0 ? id : 0;
}

QString jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray { text }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// A history found damaged while a command read it: said, and exit 1.
bool damaged(const CTempDbManager &db, QTextStream &err)
{
    if (!db.isDamaged())
        return false;
    err << "vesmira-cli: " << db.lastError() << "; it is left as it is\n";
    return true;
}

// A field of the tab-separated list: a backslash, tabs, line breaks and the
// other control characters (C0, DEL, C1: a terminal would act on ESC and CSI)
// as escapes, so that every record is one line of three fields.
QString listField(const QString &text)
{
    QString field;
    field.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\')
            field += QLatin1String("\\\\");
        else if (u == '\t')
            field += QLatin1String("\\t");
        else if (u == '\n')
            field += QLatin1String("\\n");
        else if (u == '\r')
            field += QLatin1String("\\r");
        else if (u < 0x20 || u == 0x7f)
            field += QString::asprintf("\\x%02x", u);
        else if (u >= 0x80 && u < 0xa0)
            field += QString::asprintf("\\u%04x", u);
        else
            field += c;
    }
    return field;
}

// A record name holds no control character (a line break would split the
// list's line, ESC would act on the terminal).
bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// What the report of a record says against its digest, in a word.
QString checkWord(CReportCheck check)
{
    switch (check) {
    case CReportCheck::Unchanged:
        return QStringLiteral("unchanged");
    case CReportCheck::Changed:
        return QStringLiteral("changed");
    case CReportCheck::Missing:
        return QStringLiteral("missing");
    case CReportCheck::NoDigest:
        break;
    }
    return QStringLiteral("no digest");
}

// The report's state where this desk can see it: the stored path, or the
// file of its name in data_files.
CReportCheck checkStoredReport(CTempDbManager &db, const CRecord &record)
{
    CReportCheck check = CRecord::checkReport(record.reportPath, record.reportDigest);
    CReportFile file;
    if (check == CReportCheck::Missing && db.reportFile(record.id, file, false)) {
        const QString name = QFileInfo(file.fileName).fileName();
        if (!name.isEmpty())
            check = CRecord::checkReport(applicationDir + "/data_files/" + name, record.reportDigest);
    }
    return check;
}

int list(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool json = false;
    CHistoryFilter filter;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--json"))
            json = true;
        else if (args.at(i) == QLatin1String("--search") && i + 1 < args.size())
            filter.text = args.at(++i);
        else
            return usage(err);
    }
    auto db = openHistory(err);
    if (!db)
        return 1;
    CComplianceGate gate;
    if (const int code = gate.enter(*db, CDuty::ViewRecords, err))
        return code;
    const QVector<CHistoryRow> rows = db->findRecords(filter);
    if (damaged(*db, err))
        return 1;
    if (json) {
        QJsonArray array;
        for (const CHistoryRow &row : rows)
            array.append(
                QJsonObject { { "id", row.id }, { "name", row.dataName }, { "wayDesc", row.wayDesc } });
        out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    } else {
        for (const CHistoryRow &row : rows)
            out << row.id << '\t' << listField(row.dataName) << '\t' << listField(row.wayDesc) << '\n';
    }
    return 0;
}

int show(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const bool json = args.size() == 2 && args.at(1) == QLatin1String("--json");
    if (args.isEmpty() || (args.size() == 2 && !json) || args.size() > 2 || !recordId(args.first()))
        return usage(err);
    const int id = recordId(args.first());
    auto db = openHistory(err);
    if (!db)
        return 1;
    CComplianceGate gate;
    if (const int code = gate.enter(*db, CDuty::ViewRecords, err))
        return code;
    CRecord record;
    // The JSON writes the samples as they are read, without keeping them.
    if (!db->readRecord(id, record, !json)) {
        if (!damaged(*db, err))
            err << "vesmira-cli: no record " << id << " in the history\n";
        return 1;
    }
    if (gate.active()) {
        if (const CComplianceResult noted = gate.compliance().noteReopen(gate.session(), id); !noted) {
            err << "vesmira-cli: " << noted.error << '\n';
            return 1;
        }
    }
    const CReportCheck check = checkStoredReport(*db, record);
    if (json) {
        out << "{\n  \"id\": " << id << ",\n  \"name\": " << jsonString(record.name)
            << ",\n  \"digest\": " << jsonString(record.reportDigest)
            << ",\n  \"report\": " << jsonString(record.reportPath)
            << ",\n  \"reportCheck\": " << jsonString(checkWord(check)) << ",\n";
        writeStoredRecordHead(out, record);
        CSampleJsonWriter samples(out);
        const bool read
            = db->readSamples(id, [&samples](QStringView temp, QStringView shidu, QStringView recordTime) {
                  samples.add(temp, shidu, recordTime);
              });
        if (!read) {
            out.flush();
            if (!damaged(*db, err))
                err << "vesmira-cli: the samples of record " << id << " could not be read ("
                    << db->lastError() << "); the output is incomplete\n";
            return 1;
        }
        samples.finish();
        return 0;
    }
    const CSummeryParam &s = record.summary;
    out << "id: " << id << '\n'
        << "name: " << record.name << '\n'
        << "device: " << s.deviceModel << ' ' << s.deviceNo << '\n'
        << "trip: " << s.wayId << ' ' << s.wayDesc << '\n'
        << "start: " << s.recordStartAt << '\n'
        << "stop: " << s.recordStopAt << '\n'
        << "samples: " << record.data.size() << '\n'
        << "report: " << record.reportPath << '\n'
        << "sha256: " << record.reportDigest << '\n';
    switch (check) {
    case CReportCheck::Unchanged:
        out << "report check: unchanged since it was read\n";
        break;
    case CReportCheck::Changed:
        out << "report check: CHANGED since it was read (its SHA-256 differs)\n";
        break;
    case CReportCheck::Missing:
        out << "report check: the report file is not on this computer\n";
        break;
    case CReportCheck::NoDigest:
        out << "report check: no digest kept with the record\n";
        break;
    }
    return 0;
}

int exportRecord(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CExportOptions options;
    if (const int code = parseExportOptions(args, options, err))
        return code;
    const QStringList &positional = options.positional;
    if (positional.size() != 2 || !recordId(positional.first()))
        return usage(err);
    const int id = recordId(positional.first());
    auto db = openHistory(err);
    if (!db)
        return 1;
    CComplianceGate gate;
    if (const int code = gate.enter(*db, CDuty::Export, err))
        return code;
    CRecord stored;
    if (!db->readRecord(id, stored)) {
        if (!damaged(*db, err))
            err << "vesmira-cli: no record " << id << " in the history\n";
        return 1;
    }
    // As the history page exports: the report read again. Read at another
    // desk, its bytes come from the shared history.
    const QString report = db->localReport(stored, applicationDir + "/data_files");
    const CReportCheck check = CRecord::checkReport(report, stored.reportDigest);
    if (report.isEmpty() || check == CReportCheck::Missing) {
        err << "vesmira-cli: the report of record " << id
            << " is not on this computer and the history keeps no copy of it\n";
        return 1;
    }
    if (check == CReportCheck::Changed) {
        err << "vesmira-cli: " << report << ": the report has changed since it was read (its SHA-256 is not "
            << stored.reportDigest << "); nothing exported\n";
        return 1;
    }
    QString why;
    if (checkReportFile(report, &why) != ReportFileProblem::None) {
        err << "vesmira-cli: " << report << ": cannot read the file: " << why << "\n";
        return 1;
    }
    CRecord record;
    record.reportPath = report;
    if (readReport(report, record) == ReportKind::None) {
        err << "vesmira-cli: " << report << ": not a logger report\n";
        return 1;
    }
    options.signoff = gate.signoff(*db, id);
    if (const int code = writeRecordFile(record, positional.at(1), options, err))
        return code;
    return gate.exported(id, QString(), positional.at(1), out, err);
}

// A change of one record: args are the ID and words - 1 more; the history
// opened, the record found, change applied. done ("renamed", "deleted")
// names the change in the failure message.
// In compliance mode the change goes through it (rules, reason, audit
// entry), and a refusal is told.
int changeRecord(const QStringList &args, int words, const char *done, CDuty duty, QTextStream &err,
    const std::function<CComplianceResult(CTempDbManager &db, CComplianceGate &gate, int id)> &change)
{
    if (args.size() != words || !recordId(args.first()))
        return usage(err);
    const int id = recordId(args.first());
    auto db = openHistory(err);
    if (!db)
        return 1;
    CComplianceGate gate;
    if (const int code = gate.enter(*db, duty, err))
        return code;
    if (gate.active() && cliIdentity().reason.trimmed().isEmpty()) {
        err << "vesmira-cli: compliance mode: a record is " << done << " only with --reason TEXT\n";
        return 2;
    }
    if (!db->containsRecord(id)) {
        if (!damaged(*db, err))
            err << "vesmira-cli: no record " << id << " in the history\n";
        return 1;
    }
    const CComplianceResult result = change(*db, gate, id);
    if (!result) {
        err << "vesmira-cli: record " << id << " could not be " << done;
        if (!result.error.isEmpty())
            err << ": " << (result.error.endsWith(QLatin1Char('.')) ? result.error.chopped(1) : result.error);
        err << "; the history is unchanged\n";
        return 1;
    }
    return 0;
}

int rename(const QStringList &args, QTextStream &err)
{
    if (args.size() == 2 && hasControlCharacter(args.at(1))) {
        err << "vesmira-cli: a record name holds no control character (tab, line break, escape); nothing "
               "renamed\n";
        return 2;
    }
    return changeRecord(
        args, 2, "renamed", CDuty::RenameRecord, err, [&](CTempDbManager &db, CComplianceGate &gate, int id) {
            if (gate.active())
                return gate.compliance().renameRecord(gate.session(), id, args.at(1), cliIdentity().reason);
            return db.UpdateRecordName(args.at(1), id) ? CComplianceResult() : CComplianceResult::failed({});
        });
}

int remove(const QStringList &args, QTextStream &err)
{
    return changeRecord(
        args, 1, "deleted", CDuty::DeleteRecord, err, [](CTempDbManager &db, CComplianceGate &gate, int id) {
            if (gate.active())
                return gate.compliance().deleteRecord(gate.session(), id, cliIdentity().reason);
            return db.DeleteRecordById(id) ? CComplianceResult() : CComplianceResult::failed({});
        });
}

int copy(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2 || args.first() != QLatin1String("--to") || args.at(1).isEmpty())
        return usage(err);
    const CHistoryLocation location = CHistoryLocation::parse(args.at(1));
    if (!location.isShared()) {
        err << "vesmira-cli: \"" << CHistoryLocation::withoutPassword(args.at(1))
            << "\" is no shared history: "
            << (location.error().isEmpty() ? QStringLiteral("copy --to needs a postgresql:// URL")
                                           : location.error())
            << '\n';
        return 1;
    }
    const QString path = applicationDir + "/db/dravik.db";
    if (!QFileInfo(path).isFile()) {
        out << "no embedded history at " << path << ": nothing to copy\n";
        return 0;
    }
    CTempDbManager target(location);
    if (!target.isOpen()) {
        err << "vesmira-cli: " << target.lastError() << '\n';
        return 1;
    }
    // Copied records are stored in the target: its sign-in, when it is in
    // compliance mode.
    CComplianceGate gate;
    if (const int code = gate.enter(target, CDuty::ReadLogger, err))
        return code;
    CTempDbManager source(path);
    if (!source.isOpen()) {
        err << "vesmira-cli: "
            << (source.isDamaged() ? source.lastError() : "cannot open the history " + path) << '\n';
        return 1;
    }
    // Into the configured shared history, a copied record waits no more.
    const CHistoryLocation configured = CHistoryLocation::configured();
    const bool isConfigured = configured.isShared() && configured.url() == location.url();
    const CHistoryStore::SyncResult result = CHistoryStore::copyAll(
        source, target,
        [&out](const QString &line) {
            out << line << '\n';
            out.flush();
        },
        isConfigured ? CHistoryStore::EveryRecord : CHistoryStore::EveryRecordElsewhere);
    out << "copied " << result.copied << ", already there " << result.alreadyThere << ", failed "
        << result.failed << '\n';
    if (!result.reachable)
        err << "vesmira-cli: " << target.lastError() << '\n';
    return result.failed == 0 && result.reachable ? 0 : 1;
}

int pending(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty())
        return usage(err);
    const QString path = applicationDir + "/db/dravik.db";
    if (!QFileInfo(path).isFile())
        return 0;
    CTempDbManager local(path);
    if (!local.isOpen()) {
        err << "vesmira-cli: " << (local.isDamaged() ? local.lastError() : "cannot open the history " + path)
            << '\n';
        return 1;
    }
    CComplianceGate gate;
    if (const int code = gate.enter(local, CDuty::ViewRecords, err))
        return code;
    const QVector<CPendingRecord> list = local.pendingList();
    if (damaged(local, err))
        return 1;
    for (const CPendingRecord &record : list)
        out << record.id << '\t' << record.name << '\t' << record.url << '\t' << record.lastError << '\n';
    return 0;
}

} // namespace

std::unique_ptr<CTempDbManager> openHistory(QTextStream &err)
{
    const CHistoryLocation location = CHistoryLocation::configured();
    if (location.kind() == CHistoryLocation::Invalid) {
        err << "vesmira-cli: the history URL \"" << location.url()
            << "\" cannot be used: " << location.error() << '\n';
        return nullptr;
    }
    std::unique_ptr<CTempDbManager> db = location.isShared()
        ? std::make_unique<CTempDbManager>(location)
        : std::make_unique<CTempDbManager>(CTempDbManager::databasePath(applicationDir));
    if (!db->isOpen()) {
        err << "vesmira-cli: "
            << (location.isShared() || db->isDamaged()
                       ? db->lastError()
                       : "cannot open the history " + CTempDbManager::databasePath(applicationDir))
            << '\n';
        return nullptr;
    }
    return db;
}

int runHistory(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return usage(err);
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("list"))
        return list(rest, out, err);
    if (command == QLatin1String("show"))
        return show(rest, out, err);
    if (command == QLatin1String("export"))
        return exportRecord(rest, out, err);
    if (command == QLatin1String("rename"))
        return rename(rest, err);
    if (command == QLatin1String("delete"))
        return remove(rest, err);
    if (command == QLatin1String("copy"))
        return copy(rest, out, err);
    if (command == QLatin1String("pending"))
        return pending(rest, out, err);
    return usage(err);
}
