#ifndef CDRIVEPROBE_H
#define CDRIVEPROBE_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

// The operating-system services that logger recognition rests on: the list
// of candidate drives with their types, the vendor identification string of
// a drive's storage device, and hiding a file. One realisation per platform
// (cdriveprobe_linux.cpp); the recognition itself (CLoggerFinder) only talks
// to this interface.
class CDriveProbe {
public:
    // The drive types that can be a logger; every other kind of drive is
    // never listed.
    enum DriveType { Removable, Remote, CdRom };

    virtual ~CDriveProbe() = default;

    // Lists the candidate drives in the order the system lists them: their
    // roots into driveList, their types into typeList and, through
    // queryVendorId, their vendor strings into vendorList, all three at the
    // same positions. The lists are emptied first. Returns the drive count.
    virtual int enumerateDrives(QStringList &driveList, QStringList &vendorList, QVector<DriveType> &typeList)
        = 0;

    // Appends the vendor identification string of the storage device behind
    // the drive root, as the device reports it (8-bit text, trailing blanks
    // kept). A drive without one gets a null string, so that the vendor list
    // stays parallel to the drive list. Never touches the root itself: a dead
    // network mount must not block the caller.
    virtual void queryVendorId(const QString &root, QStringList &vendorList) = 0;

    // Whether a drive root is still there: on Linux, still a mount point. An
    // unmounted mount point may stay behind as an empty directory, and its
    // directory may go only after the table changed, so the directory is no
    // test.
    virtual bool isDrivePresent(const QString &root) = 0;

    // Marks a file on a drive as hidden; true on success.
    virtual bool hideFile(const QString &path) = 0;

    // "removable", "remote" or "cdrom".
    static QString typeName(DriveType type);

    // The probe of the platform the application runs on.
    static std::unique_ptr<CDriveProbe> create();
};

#endif // CDRIVEPROBE_H
