#ifndef CDRIVEPROBE_LINUX_H
#define CDRIVEPROBE_LINUX_H

#include "core/device/cdriveprobe.h"
#include "core/device/cmounttable_linux.h"

// Drives on Linux: a drive root is a mount point of the mount table.
//
// - Remote: network file systems (nfs, cifs, smb3, sshfs, ...).
// - CD-ROM: sr devices, or iso9660 / udf file systems.
// - Removable: the block device (for a partition its whole disk) has sysfs
//   removable = 1 or sits on a USB bus.
// - Everything else (fixed disks, tmpfs, proc, loop devices, ...) is no drive.
//
// The vendor string is the SCSI INQUIRY vendor that sysfs shows in
// <disk>/device/vendor, trusted only when <disk>/device/subsystem is the scsi
// bus (a virtio disk's vendor file holds a PCI id). The disk is found through
// /sys/dev/block/MAJ:MIN with the device number of the mount table, so
// neither listing nor vendor query ever touches the mounted file system.
//
// The mount table and sysfs root are parameters so that tests can hand in
// fake ones; VESMIRA_MOUNTINFO and VESMIRA_SYSFS override them.
class CDriveProbeLinux : public CDriveProbe {
public:
    explicit CDriveProbeLinux(const QString &mountInfoPath = QStringLiteral("/proc/self/mountinfo"),
        const QString &sysfsRoot = QStringLiteral("/sys"));

    int enumerateDrives(
        QStringList &driveList, QStringList &vendorList, QVector<DriveType> &typeList) override;
    void queryVendorId(const QString &root, QStringList &vendorList) override;
    bool isDrivePresent(const QString &root) override;
    // The FAT hidden attribute (see CHiddenFile); false on other file systems.
    bool hideFile(const QString &path) override;

    QString mountInfoPath() const { return m_mountInfoPath; }
    QString sysfsRoot() const { return m_sysfsRoot; }

private:
    bool classify(const CMountEntry &mount, DriveType &type) const;
    QString diskDirectory(const QString &device) const;
    bool sitsOnUsb(const QString &diskDir) const;
    QString vendorOf(const CMountEntry &mount) const;

    QString m_mountInfoPath;
    QString m_sysfsRoot;
    // The table of the last listing; a vendor query looks the root up here.
    QVector<CMountEntry> m_mounts;
};

#endif // CDRIVEPROBE_LINUX_H
