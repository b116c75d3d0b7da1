#ifndef VESMIRA_CLI_COMMANDS_H
#define VESMIRA_CLI_COMMANDS_H

#include "core/export/cexportcsv.h"
#include "core/record/crecordtime.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

// One function per vesmira-cli command: arguments after the command name,
// the UTF-8 streams for output and errors; returns the exit code.
int runParse(const QStringList &args, QTextStream &out, QTextStream &err);
int runRead(const QStringList &args, QTextStream &out, QTextStream &err);
int runDrives(const QStringList &args, QTextStream &out, QTextStream &err);
int runExport(const QStringList &args, QTextStream &out, QTextStream &err);
int runConfigure(const QStringList &args, QTextStream &out, QTextStream &err);
int runHistory(const QStringList &args, QTextStream &out, QTextStream &err);
int runWatch(const QStringList &args, QTextStream &out, QTextStream &err);
int runCompliance(const QStringList &args, QTextStream &out, QTextStream &err);
int runUser(const QStringList &args, QTextStream &out, QTextStream &err);
int runSign(const QStringList &args, QTextStream &out, QTextStream &err);
int runAudit(const QStringList &args, QTextStream &out, QTextStream &err);
int runSelftest(const QStringList &args, QTextStream &out, QTextStream &err);

class CRecord;
class CTempDbManager;

// The configured history (a shared one, or the embedded file, made when
// missing), or null with the reason on err.
std::unique_ptr<CTempDbManager> openHistory(QTextStream &err);

// The arguments of `export` and `history export`: the positional ones, the
// range from..to (an invalid bound: the first or last sample) and the CSV
// layout.
struct CExportOptions {
    QStringList positional;
    CRecordTime from;
    CRecordTime to;
    CExportCsv::Format csv;
    // Signatures and audit head of a record in compliance mode; none otherwise.
    CReportSignoff signoff;
};
// Reads the arguments; 0, or the exit code of a usage error (the message on err).
int parseExportOptions(const QStringList &args, CExportOptions &options, QTextStream &err);

// The PDF data report (or, for a target ending in ".csv", the CSV file) of a
// record read from its report, as `export` writes it. Returns the exit code,
// the message on err.
int writeRecordFile(
    const CRecord &record, const QString &target, const CExportOptions &options, QTextStream &err);

#endif // VESMIRA_CLI_COMMANDS_H
