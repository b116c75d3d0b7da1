#ifndef CMOUNTTABLE_LINUX_H
#define CMOUNTTABLE_LINUX_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// One line of /proc/<pid>/mountinfo.
struct CMountEntry {
    QString mountId; // field 1, unique while the mount exists
    QString device; // field 3, "MAJ:MIN" of the mounted device
    QString mountPoint; // field 5, unescaped
    QString fsType; // first field after the "-" separator
    QString source; // second field after the separator, unescaped
};

// The kernel's mount table in mountinfo form: where mounted file systems sit
// (the drive roots on Linux) and what is mounted there.
class CMountTable {
public:
    // The mount table of this process, unless VESMIRA_MOUNTINFO names another
    // file (demonstrations and end-to-end tests).
    static QString resolvePath(const QString &given = QStringLiteral("/proc/self/mountinfo"));

    // Parses the table; malformed lines are skipped.
    static QVector<CMountEntry> parse(const QByteArray &text);
    // Reads and parses a mountinfo file; empty (and ok false) when it cannot
    // be read.
    static QVector<CMountEntry> read(const QString &path, bool *ok = nullptr);

    // Undoes the kernel's octal escapes ("\040" for a blank, "\011" tab,
    // "\012" newline, "\134" backslash) and decodes the file name bytes.
    static QString unescape(const QByteArray &field);

    // The mount points that are in after but not in before (in the order of
    // after) and those that are gone (in the order of before). A mount is the
    // same while its id and mount point stay; changed options are no change.
    static void compare(const QVector<CMountEntry> &before, const QVector<CMountEntry> &after,
        QStringList &arrived, QStringList &removed);
};

#endif // CMOUNTTABLE_LINUX_H
