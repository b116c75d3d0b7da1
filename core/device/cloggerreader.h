#ifndef CLOGGERREADER_H
#define CLOGGERREADER_H

#include "core/report/reportparse.h"

#include <QDateTime>
#include <QString>
#include <functional>

class CRecord;
class CRecordStore;
class CTaskProgress;

// The parts of reading a logger: choosing and copying the report off the
// drive, and the names made from the time of the copy and of storing.
class CLoggerReader {
public:
    // A report candidate that copyReportFile passed over because it cannot be
    // read as a report (checkReportFile).
    struct Refusal {
        QString path;
        ReportFileProblem problem = ReportFileProblem::None;
        QString why; // plain English
    };

    // What kept a read from its record when the machine, not the report, was
    // at fault: the part that failed, the file or folder concerned and the
    // system's reason ("No space left on device").
    struct Failure {
        enum Part {
            NoPart,
            LoggerDrive, // the drive's root or the report on it could not be read
            LocalCopy, // the copy in data_files could not be written
            History, // the history refused the record
        };
        Part part = NoPart;
        QString path;
        QString why;
    };

    // Copies the report off the drive: the smallest file in the drive's root
    // whose suffix is "pdf", "csv" or "txt" in any case, whatever bytes its
    // name holds (a Chinese logger may name it in GBK: the copy's name is
    // then decoded from GBK). Dot-files (macOS
    // leaves .DS_Store and AppleDouble "._" files on every stick it sees) and
    // other suffixes (the logger's setting.ini) are no candidates. The copy
    // in dataDir is named "<base>-<yyyyMMddhhmmsszzz>.<suffix>" after the
    // local time now, the base shortened as far as the file system's name
    // limit needs. Candidates that checkReportFile refuses (FIFOs, devices,
    // files too large for a report) and symbolic links
    // (never followed off the drive) are not copied; the first one is told in
    // refused. Entries that cannot be read are passed over (the first such
    // failure is told in failed); a copy that cannot be written stops the
    // search (failed says why) and leaves no file behind. Returns the local
    // path, or an empty string when nothing was copied.
    static QString copyReportFile(const QString &driveRoot, const QString &dataDir, const QDateTime &now,
        Refusal *refused = nullptr, Failure *failed = nullptr);

    // Copies one report the user chose (File > Open report, a file dropped on
    // the window, `vesmira REPORT`: a report mailed by a carrier, a file on a
    // share) into dataDir as copyReportFile copies a logger's, under
    // localCopyName. The same checks apply (checkReportFile; refused says
    // why); a link is followed, since the user picked it. A file whose
    // suffix names no report kind is refused as no report. Returns the local
    // path, or an empty string when nothing was copied; a copy that cannot be
    // written is told in failed.
    static QString copyChosenReport(const QString &file, const QString &dataDir, const QDateTime &now,
        Refusal *refused = nullptr, Failure *failed = nullptr);

    // The name of the local copy of fileName made at now:
    // "<base>-<yyyyMMddhhmmsszzz>.<suffix>", base the name up to its first
    // dot and suffix the part after its last dot. The base loses characters
    // from its end until the encoded name fits in 255 bytes.
    static QString localCopyName(const QString &fileName, const QDateTime &now);

    // "<deviceNo>_<yyyyMMddhhmmsszzz>".
    static QString recordName(const QString &deviceNo, const QDateTime &now);
};

// The one read step of a logger, the same for the main window and
// `vesmira-cli read`, which differ only in how they show progress and
// errors: copy the report off the drive (source the drive's root) or the
// report file itself (source a file, copyChosenReport) into
// appDir/data_files (its SHA-256
// becomes record.reportDigest), parse it and
// apply the conversions the record is kept with (readReport), derive the
// alarm limits, and store it under "<deviceNo>_<time of storing>".
//
// progress, when given, is called with 1 after the copy, 2 before parsing,
// 3 when the record is parsed (its summary can be shown) and 6 before
// storing; returning false at 1 or 2 cancels the rest of the step (once
// parsed, the record is kept).
//
// task, when given, hears how far the whole step is (the copy, the parse,
// the store) and can cancel it up to the store's commit, from any thread:
// the step then ends with Cancelled and leaves nothing behind, neither a
// record in the history nor the local copy. It is installed for the
// step's thread (CTaskProgress::Scope), so that the parsers' and the
// history's loops see it. The step may run on any thread, with a store
// opened on that thread.
//
// A report whose bytes are in the history already (the same SHA-256) is
// stored only once: the step ends with AlreadyStored, the record parsed as
// read but carrying the stored record's id and name. A report that grew
// since (the logger kept recording) has other bytes and is a new record.
struct CReadOutcome {
    enum Status {
        Stored, // the record is in the history (record.id set)
        NoReport, // nothing on the drive (or the file chosen) could be copied (refused or failure says
                  // why, if anything)
        NotParsed, // copied, but its suffix names no report kind (an upper-case "PDF"): nothing stored
        NoRecord, // neither a device number nor a sample: not a logger report, nothing stored
        StoreFailed, // the history refused the record (failure says why): nothing stored
        AlreadyStored, // the same report is in the history (record.id and name are that record's)
        Cancelled, // nothing stored, no local copy left
    };
    Status status = NoReport;
    CLoggerReader::Refusal refused;
    CLoggerReader::Failure failure;
};
CReadOutcome readLogger(const QString &source, const QString &appDir, CRecordStore &store, CRecord &record,
    const std::function<bool(int step, const CRecord &record)> &progress = {}, CTaskProgress *task = nullptr);

#endif // CLOGGERREADER_H
