// How fast a mount change is noticed (budget: 100 ms), from the moment the
// mount table changes to the mountArrived / mountRemoved signal. Measured on
// a mount table file replaced atomically and, where the process may create a
// private mount namespace, on real tmpfs mounts seen in /proc/self/mountinfo.
#include "core/device/cmountwatcher_linux.h"

#include <QElapsedTimer>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <sched.h>
#include <sys/mount.h>

namespace {

const int kRounds = 50;

void report(const char *what, QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    qInfo("%s: median %.2f ms, max %.2f ms over %d changes (budget 100 ms)", what, ms.at(ms.size() / 2),
        ms.last(), int(ms.size()));
}

bool writeAtomically(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

class BenchMountWatch : public QObject {
    Q_OBJECT
private slots:
    void replacedFile()
    {
        qunsetenv("VESMIRA_MOUNTINFO");
        QTemporaryDir dir;
        const QString path = dir.filePath("mountinfo");
        const QByteArray base = "21 1 254:1 / / rw - ext4 /dev/vda1 rw\n";
        QVERIFY(writeAtomically(path, base));
        CMountWatcher watcher(path);
        QSignalSpy arrived(&watcher, &CMountWatcher::volumeArrived);
        QSignalSpy removed(&watcher, &CMountWatcher::volumeRemoved);
        QVector<double> ms;
        QElapsedTimer timer;
        for (int i = 0; i < kRounds; ++i) {
            const QByteArray line = QByteArray::number(100 + i) + " 21 8:32 / /media/L"
                + QByteArray::number(i) + " rw - vfat /dev/sdc rw\n";
            timer.start();
            QVERIFY(writeAtomically(path, base + line));
            QVERIFY(arrived.wait(5000));
            ms << timer.nsecsElapsed() / 1e6;
            timer.start();
            QVERIFY(writeAtomically(path, base));
            QVERIFY(removed.wait(5000));
            ms << timer.nsecsElapsed() / 1e6;
        }
        report("mount table file replaced", ms);
    }

    void procMountTable()
    {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            QSKIP("cannot create a private mount namespace here");
        QTemporaryDir dir;
        const QByteArray point = QFile::encodeName(QFileInfo(dir.path()).canonicalFilePath());
        CMountWatcher watcher;
        QSignalSpy arrived(&watcher, &CMountWatcher::volumeArrived);
        QSignalSpy removed(&watcher, &CMountWatcher::volumeRemoved);
        QVector<double> ms;
        QElapsedTimer timer;
        for (int i = 0; i < kRounds; ++i) {
            timer.start();
            QCOMPARE(::mount("vesmira", point.constData(), "tmpfs", 0, "size=64k"), 0);
            QVERIFY(arrived.wait(5000));
            ms << timer.nsecsElapsed() / 1e6;
            timer.start();
            QCOMPARE(::umount(point.constData()), 0);
            QVERIFY(removed.wait(5000));
            ms << timer.nsecsElapsed() / 1e6;
        }
        report("/proc/self/mountinfo, tmpfs mounted and unmounted", ms);
    }
};

QTEST_GUILESS_MAIN(BenchMountWatch)
#include "bench_mountwatch.moc"
