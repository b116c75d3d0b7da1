// CUdisk, the main window's drive watcher: its signals when the mount table
// changes, its probe, and a native event filter that never consumes.
#include "core/device/cdriveprobe.h"
#include "core/device/cdriveprobe_linux.h"
#include "core/device/cmountwatcher_linux.h"
#include "gui/app/cudisk.h"

#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kData = QStringLiteral(VESMIRA_TEST_DATA "/drives");

bool writeAtomically(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

class TestUdisk : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qunsetenv("VESMIRA_MOUNTINFO");
        qunsetenv("VESMIRA_SYSFS");
    }

    void arrivalAndRemoval()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath("media/user/LOGGER"));
        QFile data(kData + "/logger-stick.mountinfo");
        QVERIFY(data.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = data.readAll().replace("@ROOT@", root.path().toUtf8()).split('\n');
        // The fixed part of the table, then the logger, then the USB stick.
        const QByteArray base = lines.mid(0, 6).join('\n') + '\n';
        const QByteArray withLogger = base + lines.at(6) + '\n';
        const QByteArray withBoth = withLogger + lines.at(7) + '\n';

        const QString mountInfo = root.filePath("mountinfo");
        QVERIFY(writeAtomically(mountInfo, base));
        CUdisk udisk(nullptr, std::make_unique<CDriveProbeLinux>(mountInfo, kData + "/sysfs"),
            std::make_unique<CMountWatcher>(mountInfo));
        QVERIFY(!udisk.isVisible());
        QSignalSpy come(&udisk, SIGNAL(sigUDiskCome(QString)));
        QSignalSpy gone(&udisk, SIGNAL(sigUDiskRemove()));
        QCOMPARE(CUdisk::findLogger(udisk.probe()), QString());

        QVERIFY(writeAtomically(mountInfo, withLogger));
        QVERIFY(come.wait(5000));
        QCOMPARE(come.size(), 1);
        QCOMPARE(come.at(0).at(0).toString(), root.filePath("media/user/LOGGER"));
        QCOMPARE(CUdisk::findLogger(udisk.probe()), root.filePath("media/user/LOGGER"));

        QVERIFY(writeAtomically(mountInfo, withBoth));
        QVERIFY(come.wait(5000));
        QCOMPARE(come.at(1).at(0).toString(), root.filePath("media/user/STICK"));

        // Both unplugged at once: one removal signal for each.
        QVERIFY(writeAtomically(mountInfo, base));
        QVERIFY(gone.wait(5000));
        QTRY_COMPARE(gone.size(), 2);
        QCOMPARE(come.size(), 2);
        QCOMPARE(CUdisk::findLogger(udisk.probe()), QString());
    }

    void filterLetsEverythingPass()
    {
        CUdisk udisk;
        long result = 7;
        QByteArray message("any");
        QVERIFY(!udisk.nativeEventFilter("xcb_generic_event_t", message.data(), &result));
        QCOMPARE(result, 7L);
    }
};

QTEST_MAIN(TestUdisk)
#include "tst_udisk.moc"
