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

#endif // VESMIRA_CLI_COMMANDS_H
