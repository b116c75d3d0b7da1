#include "core/device/cdriveprobe_linux.h"

#include "core/device/chiddenfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

bool isRemoteFileSystem(const QString &type)
{
    static const QSet<QString> remote { "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "coda",
        "ceph", "glusterfs", "lustre", "davfs", "sshfs", "fuse.sshfs", "fuse.glusterfs", "fuse.cephfs",
        "fuse.davfs2", "fuse.s3fs", "fuse.rclone" };
    return remote.contains(type);
}

QByteArray readSysfsFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

const char *consoleLabel(CDriveProbe::DriveType type)
{
    switch (type) {
    case CDriveProbe::Removable:
        return "DRIVE_REMOVABLE = ";
    case CDriveProbe::Remote:
        return "DRIVE_REMOTE = ";
    case CDriveProbe::CdRom:
        return "DRIVE_CDROM = ";
    }
    return "";
}

} // namespace

std::unique_ptr<CDriveProbe> CDriveProbe::create()
{
    return std::make_unique<CDriveProbeLinux>();
}

CDriveProbeLinux::CDriveProbeLinux(const QString &mountInfoPath, const QString &sysfsRoot)
    : m_mountInfoPath(CMountTable::resolvePath(mountInfoPath))
{
    const QString env = qEnvironmentVariable("VESMIRA_SYSFS");
    m_sysfsRoot = env.isEmpty() ? sysfsRoot : env;
}

int CDriveProbeLinux::enumerateDrives(
    QStringList &driveList, QStringList &vendorList, QVector<DriveType> &typeList)
{
    driveList.clear();
    vendorList.clear();
    typeList.clear();
    m_mounts = CMountTable::read(m_mountInfoPath);
    for (const CMountEntry &mount : qAsConst(m_mounts)) {
        DriveType type;
        if (!classify(mount, type))
            continue;
        driveList.append(mount.mountPoint);
        typeList.append(type);
        // Diagnostics only: stdout belongs to the command-line tool's output.
        qDebug().noquote().nospace() << consoleLabel(type) << mount.mountPoint;
        const QString vendor = vendorOf(mount);
        if (!vendor.isNull())
            qDebug().noquote().nospace() << " vID" << vendor;
        vendorList.append(vendor);
    }
    return driveList.size();
}

void CDriveProbeLinux::queryVendorId(const QString &root, QStringList &vendorList)
{
    if (m_mounts.isEmpty())
        m_mounts = CMountTable::read(m_mountInfoPath);
    // The last entry for a mount point is the one on top, the one the root shows.
    for (auto it = m_mounts.crbegin(); it != m_mounts.crend(); ++it) {
        if (it->mountPoint == root) {
            const QString vendor = vendorOf(*it);
            if (!vendor.isNull())
                qDebug().noquote().nospace() << " vID" << vendor;
            vendorList.append(vendor);
            return;
        }
    }
    vendorList.append(QString());
}

bool CDriveProbeLinux::isDrivePresent(const QString &root)
{
    if (root.isEmpty())
        return false;
    for (const CMountEntry &mount : CMountTable::read(m_mountInfoPath)) {
        if (mount.mountPoint == root)
            return QFileInfo(root).isDir();
    }
    return false;
}

bool CDriveProbeLinux::hideFile(const QString &path)
{
    // The FAT attribute, where the file system has one.
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && CHiddenFile::hide(file);
}

bool CDriveProbeLinux::classify(const CMountEntry &mount, DriveType &type) const
{
    if (isRemoteFileSystem(mount.fsType)) {
        type = Remote;
        return true;
    }
    const QString disk = diskDirectory(mount.device);
    if (mount.fsType == QLatin1String("iso9660") || mount.fsType == QLatin1String("udf")
        || (!disk.isEmpty() && QFileInfo(disk).fileName().startsWith(QLatin1String("sr")))) {
        type = CdRom;
        return true;
    }
    if (disk.isEmpty())
        return false;
    if (readSysfsFile(disk + "/removable").trimmed() == "1" || sitsOnUsb(disk)) {
        type = Removable;
        return true;
    }
    return false;
}

// The sysfs directory of the whole disk that holds the device MAJ:MIN;
// empty when it is no block device (tmpfs, proc, network file systems).
QString CDriveProbeLinux::diskDirectory(const QString &device) const
{
    static const QRegularExpression number(QStringLiteral("^\\d+:\\d+$"));
    if (!number.match(device).hasMatch())
        return QString();
    const QString dir = QFileInfo(m_sysfsRoot + "/dev/block/" + device).canonicalFilePath();
    if (dir.isEmpty())
        return QString();
    // A partition sits in the directory of its disk.
    if (QFileInfo::exists(dir + "/partition"))
        return QFileInfo(dir).path();
    return dir;
}

bool CDriveProbeLinux::sitsOnUsb(const QString &diskDir) const
{
    const QString top = QFileInfo(m_sysfsRoot).canonicalFilePath();
    QDir dir(diskDir);
    while (dir.cdUp() && dir.absolutePath().size() > top.size()) {
        const QFileInfo subsystem(dir.absolutePath() + "/subsystem");
        if (subsystem.isSymLink() && QFileInfo(subsystem.symLinkTarget()).fileName() == QLatin1String("usb"))
            return true;
    }
    return false;
}

QString CDriveProbeLinux::vendorOf(const CMountEntry &mount) const
{
    const QString disk = diskDirectory(mount.device);
    if (disk.isEmpty())
        return QString();
    const QFileInfo subsystem(disk + "/device/subsystem");
    if (QFileInfo(subsystem.symLinkTarget()).fileName() != QLatin1String("scsi"))
        return QString();
    QFile file(disk + "/device/vendor");
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray vendor = file.readAll();
    // The 8-character INQUIRY field and a newline: the blanks are part of it.
    if (vendor.endsWith('\n'))
        vendor.chop(1);
    return QString::fromLatin1(vendor.constData(), vendor.size());
}
