#ifndef VESMIRA_CLI_COMMANDS_H
#define VESMIRA_CLI_COMMANDS_H

#include <QStringList>
#include <QTextStream>

// One function per vesmira-cli command: arguments after the command name,
// the UTF-8 streams for output and errors; returns the exit code.
int runParse(const QStringList &args, QTextStream &out, QTextStream &err);
int runRead(const QStringList &args, QTextStream &out, QTextStream &err);
int runDrives(const QStringList &args, QTextStream &out, QTextStream &err);
int runExport(const QStringList &args, QTextStream &out, QTextStream &err);
int runConfigure(const QStringList &args, QTextStream &out, QTextStream &err);
int runHistory(const QStringList &args, QTextStream &out, QTextStream &err);
int runWatch(const QStringList &args, QTextStream &out, QTextStream &err);

class CRecord;
class CRecordTime;
// The PDF data report (or, for a target ending in ".csv", the CSV file) of a
// record read from its report, as `export` writes
// it: the range from..to (an invalid bound: the first or last sample).
// Returns the exit code, the message on err.
int writeRecordFile(const CRecord &record, const QString &target, const CRecordTime &from,
    const CRecordTime &to, QTextStream &err);

#endif // VESMIRA_CLI_COMMANDS_H
