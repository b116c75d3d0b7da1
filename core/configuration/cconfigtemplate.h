#ifndef CCONFIGTEMPLATE_H
#define CCONFIGTEMPLATE_H

#include <QDateTime>
#include <QString>
#include <QStringList>

struct CConfigValues;

// Configuration templates: the advanced page saved as an INI file named
// after the template in the template directory (applicationDir +
// "/setting_file_dir"). Keys are the object names of the controls, grouped
// as "base", "alarm", "export" and "option"; temperatures are stored in the
// unit they were entered in, next to "base/temp-unit".
namespace CConfigTemplate {

enum class Result {
    Done,
    InvalidName, // empty, or holding "/"
    Exists, // a template is never overwritten
    Failed, // the file system refused
};

// applicationDir + "/setting_file_dir".
QString directory();
// dir + "/" + name + ".ini".
QString pathFor(const QString &dir, const QString &name);
// A name the user may give: not empty and without "/".
bool validName(const QString &name);

// Writes every key of the advanced page in values into path. False when the
// file could not be written.
bool save(const QString &path, const CConfigValues &values);
// Saves under a new name in dir; never overwrites.
Result saveNamed(const QString &dir, const QString &name, const CConfigValues &values);

// Loads a template into the advanced page in values, as the controls take
// the values (ranges, one decimal, the trip ID's 8 characters, the
// description limit). A missing key gives 0, an empty text or, for a time,
// leaves it as it was. A start delay only counts for a key start after a
// delay, a start time only for a timed start and a stop time only for a
// timed stop: the others become 0 and now.
// NotANumber when a limit or calibration of the file is NaN or infinite
// ("nan", "inf"): no control can hold it (a spin box would show its
// maximum), so callers refuse such a template rather than write a value it
// never held. Damaged (values untouched) when the file holds what would make
// QSettings decode binary data of any type (see safeIniText), an
// "@Variant(...)" that is not a date-time, or is larger than any template.
enum class LoadResult { Loaded, NotANumber, Damaged };
LoadResult load(const QString &path, CConfigValues &values, const QDateTime &now);

// QSettings decodes a value that reads "@Variant(...)" or "@DateTime(...)"
// (after its escapes) as a binary QVariant of whatever type the bytes name,
// trusting every count in them: a damaged file can exhaust the memory or
// abort. Templates keep their two times as "@DateTime(...)", or as
// "@Variant(...)" when Qt before 5.6 saved them; in text such a value at the
// start of a line's value is read as plain bytes instead ("@DateTime(" turned
// into "@ByteArray(", "@Variant(" kept behind "@ByteArray(" so that load
// knows the form) and decoded by dateTimeFromBytes. False when anything else
// could still read as "@Variant(" or "@DateTime(": an "@" (other than "@@") at
// the start of a line, after "=", "," or a quote, or an escape that makes an
// "@".
bool safeIniText(QByteArray &text);
// The two forms of a QDateTime in a template: "@DateTime(...)", a QVariant in
// QDataStream 5.6 form (type, null flag, Julian day, milliseconds, zone kind,
// offset), and "@Variant(...)" of Qt before 5.6, a QVariant in QDataStream
// 4.0 form (type, Julian day in 32 bits, milliseconds, zone kind).
enum class TimeForm { Qt56, Qt40 };
// The date-time the bytes of one form hold. Invalid for anything else: any
// other type, a named time zone, bytes left over.
QDateTime dateTimeFromBytes(const QByteArray &bytes, TimeForm form = TimeForm::Qt56);

// The templates the configuration page offers: regular files (no links) of
// dir sorted by name whose complete suffix is exactly "ini".
QStringList pageList(const QString &dir);
// The templates the preferences dialog manages: the entries of dir (hidden
// ones too, no links) smallest first whose suffix is "ini" in any case.
QStringList managerList(const QString &dir);

// Renames dir/fileName to dir/newName + ".ini".
Result rename(const QString &dir, const QString &fileName, const QString &newName);
bool remove(const QString &dir, const QString &fileName);

} // namespace CConfigTemplate

#endif // CCONFIGTEMPLATE_H
