#ifndef CREPORTREOPEN_H
#define CREPORTREOPEN_H

#include "core/record/crecord.h"
#include "core/report/reportparse.h"

#include <QString>

class CTaskProgress;
class CTempDbManager;

// What reopening a stored record's report came to.
struct CReopenOutcome {
    enum Status {
        Reopened, // the report is here, unchanged (and, for a whole record, read)
        NoRecord, // no record of that id in the history
        NoReport, // the record keeps no report at all (nothing to save or read)
        Missing, // its report is not on this computer and the history keeps no copy of it
        Unreadable, // a file that cannot be read as a report (problem, why)
        Changed, // the file's SHA-256 is not the one kept with the record
        NotReport, // read, but no logger report: neither a device number nor a sample
        Cancelled,
    };
    Status status = NoRecord;
    // The local report: its path, and what it is against the digest kept
    // with the record (Unchanged, or NoDigest for a record stored before
    // digests were kept).
    QString path;
    CReportCheck check = CReportCheck::Missing;
    ReportFileProblem problem = ReportFileProblem::None;
    QString why; // plain English, for Unreadable
};

// Reopening a stored record's report for an export or a save-as: the one
// step of the history page, the main window and vesmira-cli, as readLogger()
// is the one read. In this order:
//   1. the report: the record's own copy, the file of its name in dataDir,
//      or the bytes the shared history keeps, written there
//      (CTempDbManager::localReport);
//   2. the file: one that can be read as a report (checkReportFile);
//   3. the digest: the bytes are those read from the logger;
//   and for a whole record (an export):
//   4. the parse: readReport() into record, its alarm limits derived;
//   5. the result: a logger report (holdsRecord).
// record gets the stored id and name and the report's path and digest in
// any case. task, when given, hears how far the step is and may cancel it
// (it is installed for the calling thread, as readLogger() does); the
// history must have been opened on the calling thread.
class CReportReopen {
public:
    enum Need { ReportFile, WholeRecord };
    // The record of that id in history.
    static CReopenOutcome reopen(CTempDbManager &history, int id, const QString &dataDir, Need need,
        CRecord &record, CTaskProgress *task = nullptr);
    // A record as a page shows it (id, name, report path and digest, as the
    // history gave them): its report is looked for in history (null: only
    // at its own path).
    static CReopenOutcome reopen(CTempDbManager *history, const CRecord &stored, const QString &dataDir,
        Need need, CRecord &record, CTaskProgress *task = nullptr);
};

#endif // CREPORTREOPEN_H
