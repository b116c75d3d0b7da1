// Drive discovery on Linux against fake mount tables and a fake sysfs tree
// (tests/data/drives), logger recognition, `vesmira-cli drives`, and the
// mount watcher on a file and on the real mount table.
#include "core/device/cdriveprobe_linux.h"
#include "core/device/cloggerfinder.h"
#include "core/device/cmounttable_linux.h"
#include "core/device/cmountwatcher_linux.h"
#include "helpers/cliprocess.h"
#include "helpers/testfiles.h"

#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <sched.h>
#include <sys/mount.h>

namespace {

const QString kData = QStringLiteral(VESMIRA_TEST_DATA "/drives");
const QString kSysfs = kData + "/sysfs";

bool writeAtomically(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

QByteArray mountLine(int id, const QString &mountPoint, const char *device = "8:32",
    const char *options = "rw,nosuid,nodev,relatime")
{
    return QByteArray::number(id) + " 25 " + device + " / " + mountPoint.toUtf8().replace(' ', "\\040") + ' '
        + options + " shared:" + QByteArray::number(id) + " - vfat /dev/sdc rw\n";
}

// The paths a watcher's signals carried, taken from the spy.
QStringList take(QSignalSpy &spy)
{
    QStringList paths;
    while (!spy.isEmpty())
        paths << spy.takeFirst().at(0).toString();
    return paths;
}

} // namespace

class TestDrives : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;

    // A mount table of tests/data/drives with its mount points under m_root.
    QString materialise(const QString &name)
    {
        const QString path = m_root.filePath(name + ".mountinfo");
        writeAtomically(
            path, readAll(kData + '/' + name + ".mountinfo").replace("@ROOT@", m_root.path().toUtf8()));
        return path;
    }

    QString expected(const QString &name)
    {
        return QString::fromUtf8(readAll(kData + '/' + name + ".expected")).replace("@ROOT@", m_root.path());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        qunsetenv("VESMIRA_MOUNTINFO");
        qunsetenv("VESMIRA_SYSFS");
        // Every mount point exists except the card reader's empty slot.
        for (const char *dir : { "media/user/STICK", "media/user/LOGGER", "media/user/NO NAME", "mnt/nfs",
                 "mnt/share", "mnt/ssh", "media/user/DVD", "media/user/IMAGE", "media/user/LOWER",
                 "media/user/NOVENDOR", "srv/data", "mnt/vdb" })
            QVERIFY(QDir(m_root.path()).mkpath(dir));
    }

    void mountTableParsing()
    {
        const QVector<CMountEntry> entries
            = CMountTable::parse("36 35 98:0 /mnt1 /mnt/a\\040b\\011c\\134d rw,noatime master:1 shared:7 - "
                                 "ext3 /dev/r\\040oot rw\n"
                                 "\n"
                                 "garbage line without separator\n"
                                 "37 35 8:1 / /x\\04y rw - vfat /dev/sda1 rw\n"
                                 "38 35 0:3 / /mnt/\xe5\x8d\xa1 rw - tmpfs none rw");
        QStringList parsed;
        for (const CMountEntry &e : entries)
            parsed << QStringList({ e.mountId, e.device, e.mountPoint, e.fsType, e.source }).join('|');
        // \04y is no escape: kept.
        QCOMPARE(parsed,
            QStringList({ "36|98:0|/mnt/a b\tc\\d|ext3|/dev/r oot", "37|8:1|/x\\04y|vfat|/dev/sda1",
                QString::fromUtf8("38|0:3|/mnt/卡|tmpfs|none") }));

        // The same mount with other options is no change; a new id at the same place is.
        QStringList arrived;
        QStringList removed;
        const QVector<CMountEntry> before = CMountTable::parse(mountLine(1, "/a") + mountLine(2, "/b"));
        CMountTable::compare(before,
            CMountTable::parse(mountLine(2, "/b", "8:32", "ro") + mountLine(1, "/a")), arrived, removed);
        QVERIFY(arrived.isEmpty() && removed.isEmpty());
        CMountTable::compare(before,
            CMountTable::parse(mountLine(3, "/a") + mountLine(4, "/c") + mountLine(2, "/b")), arrived,
            removed);
        QCOMPARE(arrived, QStringList({ "/a", "/c" }));
        QCOMPARE(removed, QStringList({ "/a" }));
    }

    // The drive list of each fake system, as the probe lists it and as the
    // command-line tool prints it.
    void drives_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("logger");
        QTest::newRow("stick listed before the logger") << QString("stick-logger") << "media/user/LOGGER";
        QTest::newRow("logger listed before the stick") << QString("logger-stick") << "media/user/LOGGER";
        QTest::newRow("two loggers, octal-escaped name") << QString("two-loggers") << "media/user/NO NAME";
        QTest::newRow("network, optical, lower case, no card, fixed, virtio") << QString("mixed") << "";
    }

    void drives()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, logger);
        const QString mountInfo = materialise(scenario);
        const QString loggerRoot = logger.isEmpty() ? QString() : m_root.filePath(logger);

        CDriveProbeLinux probe(mountInfo, kSysfs);
        QStringList drives;
        QStringList vendors { "left over" };
        QVector<CDriveProbe::DriveType> types;
        const int count = probe.enumerateDrives(drives, vendors, types);
        QCOMPARE(QVector<int>({ drives.size(), vendors.size(), types.size() }), QVector<int>(3, count));
        const int index = CLoggerFinder::recognise(drives, vendors);
        QString listed;
        for (int i = 0; i < count; ++i) {
            listed += drives.at(i) + '\t' + CDriveProbe::typeName(types.at(i)) + "\t\"" + vendors.at(i) + '"'
                + (i == index ? "\tlogger\n" : "\n");
        }
        QCOMPARE(listed, expected(scenario));
        QCOMPARE(CLoggerFinder(probe).findLogger(), loggerRoot);

        // The same through vesmira-cli, configured by the environment alone.
        const CliResult cli
            = runCli({ "drives" }, { "VESMIRA_MOUNTINFO=" + mountInfo, "VESMIRA_SYSFS=" + kSysfs });
        QCOMPARE(cli.out, expected(scenario));
        QCOMPARE(cli.code, logger.isEmpty() ? 1 : 0);
    }

    void vendorQuery()
    {
        CDriveProbeLinux probe(materialise("mixed"), kSysfs);
        QStringList vendors;
        // The root file system sits on a virtio disk (its vendor file holds a
        // PCI id, no SCSI vendor), /home on a SATA disk partition, srv/data on
        // a fixed disk that still has a vendor; mnt/nfs has no device.
        for (const QString &path :
            { QString("/"), QString("/home"), m_root.filePath("srv/data"), m_root.filePath("mnt/nfs"),
                m_root.filePath("media/user/NOVENDOR"), QString("/not/mounted") })
            probe.queryVendorId(path, vendors);
        QCOMPARE(
            vendors, QStringList({ QString(), "ATA     ", "STMFIXED", QString(), QString(), QString() }));
        QVERIFY(vendors.at(0).isNull());

        // A partition: the vendor of its disk, trailing blanks kept.
        CDriveProbeLinux partitioned(materialise("two-loggers"), kSysfs);
        vendors.clear();
        partitioned.queryVendorId(m_root.filePath("media/user/NO NAME"), vendors);
        QCOMPARE(vendors, QStringList({ "STM     " }));

        // Recognition: "STM" anywhere, case-sensitive; the root must exist;
        // the first match wins; a drive without vendor is never a logger.
        const QString here = m_root.path();
        const QString gone = m_root.filePath("gone");
        QCOMPARE(CLoggerFinder::recognise({ here, here }, { "xxSTMyy ", "STM" }), 0);
        QCOMPARE(CLoggerFinder::recognise({ here, here }, { "StM", "stm" }), -1);
        QCOMPARE(CLoggerFinder::recognise({ gone, here }, { "STM", "STM" }), 1);
        QCOMPARE(CLoggerFinder::recognise({ here, here }, { QString(), "ST M" }), -1);
        QCOMPARE(CLoggerFinder::recognise({ here }, {}), -1);
    }

    void environmentAndHiding()
    {
        const QString mountInfo = materialise("stick-logger");
        qputenv("VESMIRA_MOUNTINFO", mountInfo.toUtf8());
        qputenv("VESMIRA_SYSFS", kSysfs.toUtf8());
        CDriveProbeLinux probe("/nonexistent/mountinfo", "/nonexistent/sys");
        QCOMPARE(probe.mountInfoPath() + ' ' + probe.sysfsRoot(), mountInfo + ' ' + kSysfs);
        QCOMPARE(CLoggerFinder(probe).findLogger(), m_root.filePath("media/user/LOGGER"));
        const auto platform = CDriveProbe::create();
        QCOMPARE(CLoggerFinder(*platform).findLogger(), m_root.filePath("media/user/LOGGER"));
        qunsetenv("VESMIRA_MOUNTINFO");
        qunsetenv("VESMIRA_SYSFS");
        QCOMPARE(CDriveProbeLinux().mountInfoPath() + ' ' + CDriveProbeLinux().sysfsRoot(),
            QString("/proc/self/mountinfo /sys"));

        // Only a FAT file system has a hidden attribute: elsewhere hiding
        // fails and changes nothing.
        const QString file = m_root.filePath("setting.ini");
        QVERIFY(writeAtomically(file, QByteArray(102, '\x5a')));
        QVERIFY(!probe.hideFile(file));
        QVERIFY(!probe.hideFile(m_root.filePath("missing.ini")));
        QCOMPARE(QFileInfo(file).size(), 102);
    }

    // A mount table given as a regular file: changes written in place or
    // by atomic replacement, or by deleting and writing it again.
    void watcherOnFile()
    {
        const QString path = m_root.filePath("watched.mountinfo");
        const QByteArray base = mountLine(21, "/", "254:1") + mountLine(26, "/home", "8:1");
        QVERIFY(writeAtomically(path, base));
        CMountWatcher watcher(path);
        QVERIFY(watcher.isWatching());
        QSignalSpy arrived(&watcher, &CMountWatcher::volumeArrived);
        QSignalSpy removed(&watcher, &CMountWatcher::volumeRemoved);

        const QString logger = m_root.filePath("media/user/NO NAME");
        QVERIFY(writeAtomically(path, base + mountLine(310, logger)));
        QVERIFY(arrived.wait(5000));
        QCOMPARE(take(arrived), QStringList { logger });

        // Replaced again: the watch survived the first replacement.
        const QString stick = m_root.filePath("media/user/STICK");
        const QString dvd = m_root.filePath("media/user/DVD");
        QVERIFY(writeAtomically(
            path, base + mountLine(310, logger) + mountLine(311, stick) + mountLine(312, dvd)));
        QVERIFY(arrived.wait(5000));
        QTRY_COMPARE(arrived.size(), 2);
        QCOMPARE(take(arrived), QStringList({ stick, dvd }));
        QVERIFY(removed.isEmpty());
        // Whatever the replacement still has queued is delivered now, so that
        // only the file's own watch can report the next change.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        // Written in place: one removed, one remounted read-only (no change).
        QVERIFY(writeFile(path, base + mountLine(310, logger, "8:32", "ro") + mountLine(312, dvd)));
        QVERIFY(removed.wait(5000));
        QCOMPARE(take(removed), QStringList { stick });

        // Deleted and written anew: still watched through its directory; the
        // moment without a file is no change.
        QVERIFY(QFile::remove(path));
        QVERIFY(writeAtomically(path, base + mountLine(400, logger)));
        QVERIFY(arrived.wait(5000));
        QCOMPARE(take(arrived), QStringList { logger });
        QCOMPARE(take(removed), QStringList({ logger, dvd }));
    }

    // The real mount table: a mount in a private mount namespace wakes the
    // watcher, without any timer. Needs the right to create the namespace.
    // Last, because the process stays in that namespace.
    void watcherOnProcMountTable()
    {
        if (::unshare(CLONE_NEWNS) != 0)
            QSKIP("cannot create a mount namespace here");
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            QSKIP("cannot make the mounts private");
        QTemporaryDir dir;
        const QString point = QFileInfo(dir.path()).canonicalFilePath();
        CMountWatcher watcher;
        QVERIFY(watcher.isWatching());
        QSignalSpy arrived(&watcher, &CMountWatcher::volumeArrived);
        QSignalSpy removed(&watcher, &CMountWatcher::volumeRemoved);
        QCoreApplication::processEvents();
        QVERIFY(arrived.isEmpty() && removed.isEmpty());

        QCOMPARE(::mount("vesmira", QFile::encodeName(point).constData(), "tmpfs", 0, "size=64k"), 0);
        QVERIFY(arrived.wait(5000));
        QCOMPARE(take(arrived), QStringList { point });
        QVERIFY(removed.isEmpty());
        QCOMPARE(::umount(QFile::encodeName(point).constData()), 0);
        QVERIFY(removed.wait(5000));
        QCOMPARE(take(removed), QStringList { point });
    }
};

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
