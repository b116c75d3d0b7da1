#ifndef CDOCKFILES_H
#define CDOCKFILES_H

#include <QString>
#include <QStringList>

class CRecord;

// The names of the files the dock writes for a record.
namespace CDockFiles {

// "{serial}_{tripId}_{start:yyyyMMdd}".
QString defaultPattern();

// A file name (without suffix) from a pattern and a record. Fields:
//   {serial}        the device number
//   {tripId}        the trip ID
//   {record}        the record's name in the history
//   {start:FORMAT}  the trip's start in a QDateTime format ("yyyyMMdd",
//                   "yyyy-MM-dd_hhmm"), always with ASCII digits; {start}
//                   alone is yyyyMMdd
// A field with no value gives an empty text. What a file name cannot hold
// ("/", control characters) becomes "_", as does a leading "."; an empty
// result is "report".
QString expandName(const QString &pattern, const CRecord &record);
// Empty when pattern names only the fields above, else why not (plain English).
QString checkPattern(const QString &pattern);

// Takes dir/name.SUFFIX for every suffix, never over an existing file: the
// first of name, name-2, name-3, ... for which no file of any suffix exists,
// each created empty and exclusively (so that two docks writing into one
// folder never share a name) for the export to replace. The paths in suffix
// order; empty, with why in *why, when the folder refused.
QStringList reserve(const QString &dir, const QString &name, const QStringList &suffixes, QString *why);

} // namespace CDockFiles

#endif // CDOCKFILES_H
