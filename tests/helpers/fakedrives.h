#ifndef FAKEDRIVES_H
#define FAKEDRIVES_H

// A fake mount table and sysfs tree with USB drives that can be plugged in and
// out: the drive probe and watcher read them through VESMIRA_MOUNTINFO and
// VESMIRA_SYSFS.

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

class FakeDrives {
public:
    FakeDrives()
    {
        QDir(m_dir.path()).mkpath("sys/dev/block");
        QDir(m_dir.path()).mkpath("sys/bus/scsi");
        QDir(m_dir.path()).mkpath("media");
        writeMountInfo();
    }

    QString mountInfoPath() const { return m_dir.path() + "/mountinfo"; }
    QString sysfsRoot() const { return m_dir.path() + "/sys"; }

    void exportEnvironment() const
    {
        qputenv("VESMIRA_MOUNTINFO", mountInfoPath().toLocal8Bit());
        qputenv("VESMIRA_SYSFS", sysfsRoot().toLocal8Bit());
    }

    // Creates a USB disk with the vendor (the 8-character INQUIRY field) and
    // its mounted root (not yet plugged in); returns the root.
    QString addDrive(const QString &name, const QByteArray &vendor)
    {
        const int minor = 16 * (m_drives.size() + 1);
        const QString disk = QString("sd%1").arg(QChar('b' + m_drives.size()));
        const QString sys = sysfsRoot();
        QDir(sys).mkpath("block/" + disk + "/device");
        write(sys + "/block/" + disk + "/removable", "1\n");
        write(sys + "/block/" + disk + "/device/vendor", vendor.leftJustified(8, ' ') + "\n");
        QFile::link(sys + "/bus/scsi", sys + "/block/" + disk + "/device/subsystem");
        QFile::link(sys + "/block/" + disk, sys + QString("/dev/block/8:%1").arg(minor));
        const QString root = m_dir.path() + "/media/" + name;
        QDir().mkpath(root);
        m_drives.append({ root, QString("8:%1").arg(minor), disk });
        return root;
    }

    void plug(const QString &root)
    {
        if (!m_plugged.contains(root))
            m_plugged.append(root);
        writeMountInfo();
    }
    // Several at once: one change of the mount table.
    void plug(const QStringList &roots)
    {
        for (const QString &root : roots) {
            if (!m_plugged.contains(root))
                m_plugged.append(root);
        }
        writeMountInfo();
    }
    // As on a real system the mount point may stay behind as an empty
    // directory (removeRoot false): only the mount table tells.
    void unplug(const QString &root, bool removeRoot = true)
    {
        m_plugged.removeAll(root);
        writeMountInfo();
        if (removeRoot)
            QDir(root).removeRecursively();
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

private:
    struct Drive {
        QString root;
        QString device;
        QString disk;
    };

    void writeMountInfo()
    {
        QByteArray table = "22 1 0:21 / /proc rw,nosuid - proc proc rw\n"
                           "25 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n";
        int id = 40;
        for (const QString &root : qAsConst(m_plugged)) {
            for (const Drive &drive : qAsConst(m_drives)) {
                if (drive.root == root)
                    table += QString("%1 25 %2 / %3 rw,relatime shared:%1 - vfat /dev/%4 rw\n")
                                 .arg(id++)
                                 .arg(drive.device, QString(root).replace(" ", "\\040"), drive.disk)
                                 .toLocal8Bit();
            }
        }
        QSaveFile file(mountInfoPath());
        file.open(QIODevice::WriteOnly);
        file.write(table);
        file.commit();
    }

    QTemporaryDir m_dir;
    QVector<Drive> m_drives;
    QStringList m_plugged;
};

#endif // FAKEDRIVES_H
