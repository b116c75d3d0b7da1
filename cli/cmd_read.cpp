// vesmira-cli read [DRIVE_ROOT]: reads a logger as the main window does, without
// widgets: recognise it (or take DRIVE_ROOT), then the one read step (copy
// the report into data_files, parse it, store it in the history: the shared
// one when configured, kept in the embedded one while it cannot be reached).
// A report already in the history (the same bytes) is not stored again: the
// stored record's id and name are printed as for a new one.
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/device/cdriveprobe.h"
#include "core/device/cloggerfinder.h"
#include "core/device/cloggerreader.h"
#include "core/history/chistorystore.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"

#include <QDir>
#include <QFileInfo>

int runRead(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() > 1) {
        err << "usage: vesmira-cli read [DRIVE_ROOT]\n";
        return 2;
    }
    QString root;
    if (args.isEmpty()) {
        std::unique_ptr<CDriveProbe> probe = CDriveProbe::create();
        root = CLoggerFinder(*probe).findLogger();
        if (root.isEmpty()) {
            err << "vesmira-cli: no logger is plugged in\n";
            return 1;
        }
    } else {
        root = args.first();
        // An empty path would read the current directory as a drive.
        if (root.isEmpty()) {
            err << "vesmira-cli: DRIVE_ROOT is empty\nusage: vesmira-cli read [DRIVE_ROOT]\n";
            return 2;
        }
    }

    // The history is opened when the first record is stored: a read that
    // fails before leaves the database alone.
    CHistoryStore db(applicationDir, CHistoryLocation::configured());
    // In compliance mode the record is stored under the user signed in here.
    CComplianceGate gate;
    const bool present = db.isShared() || QFileInfo::exists(applicationDir + "/db/dravik.db");
    if (const int code = gate.enterIfPresent(present ? db.history() : nullptr, CDuty::ReadLogger, err))
        return code;
    CRecord record;
    const CReadOutcome outcome = readLogger(root, applicationDir, db, record);
    switch (outcome.status) {
    case CReadOutcome::Stored:
        if (db.lastPlace() == CHistoryStore::KeptLocally)
            err << "vesmira-cli: the shared history cannot be reached (" << db.lastError()
                << "); the record is kept in the embedded history and will be copied there when it can be "
                   "reached\n";
        else if (db.lastPlace() == CHistoryStore::KeptLocallyUrlRefused)
            err << "vesmira-cli: " << db.lastError()
                << "; the record is kept in the embedded history until the URL is corrected\n";
        out << record.id << '\t' << record.name << '\n';
        return 0;
    case CReadOutcome::AlreadyStored:
        // The same bytes were read before: the record they made is the answer.
        err << "vesmira-cli: already in the history as " << record.name << '\n';
        if (gate.active()) {
            if (const CComplianceResult noted = gate.compliance().noteDuplicateRead(gate.session(), record);
                !noted) {
                err << "vesmira-cli: " << noted.error << '\n';
                return 1;
            }
        }
        out << record.id << '\t' << record.name << '\n';
        return 0;
    case CReadOutcome::NoReport:
        if (outcome.refused.problem != ReportFileProblem::None)
            err << "vesmira-cli: " << QDir::toNativeSeparators(outcome.refused.path) << ": "
                << outcome.refused.why << "; not copied\n";
        if (outcome.failure.part == CLoggerReader::Failure::LocalCopy) {
            err << "vesmira-cli: the local copy " << outcome.failure.path
                << " cannot be written: " << outcome.failure.why << "; nothing read\n";
            return 1;
        }
        if (outcome.failure.part == CLoggerReader::Failure::LoggerDrive)
            err << "vesmira-cli: the logger drive: " << outcome.failure.path << ": " << outcome.failure.why
                << '\n';
        err << "Error occurs when reading device data, please check if device fails.\n";
        return 1;
    case CReadOutcome::NotParsed:
        // As in the main window: a report of another kind is copied, not read.
        err << "vesmira-cli: " << QDir::toNativeSeparators(record.reportPath)
            << " is not a PDF, CSV or TXT report (the suffix decides, in lower case); nothing stored\n";
        return 2;
    case CReadOutcome::NoRecord:
        err << "vesmira-cli: " << QDir::toNativeSeparators(record.reportPath)
            << ": neither a device number nor a sample: not a logger report; nothing stored\n";
        return 1;
    case CReadOutcome::StoreFailed:
    case CReadOutcome::Cancelled:
        break;
    }
    err << "vesmira-cli: the history database refused the record";
    if (!outcome.failure.why.isEmpty())
        err << ": " << outcome.failure.why;
    err << '\n';
    return 1;
}
