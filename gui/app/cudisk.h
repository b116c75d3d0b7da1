#ifndef CUDISK_H
#define CUDISK_H

#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <memory>

class CDriveProbe;
class CMountWatcher;

// The drive watcher of the main window (never shown). It watches the mount
// table and tells when a volume arrives or goes; the main window then looks
// for a logger. Installed as the application's native event filter, it lets
// every native event pass.
class CUdisk : public QWidget, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // mountInfoPath: the mount table to watch and list the drives from;
    // sysfsRoot: where the probe finds block devices. VESMIRA_MOUNTINFO and
    // VESMIRA_SYSFS override them.
    explicit CUdisk(QWidget *parent = nullptr,
        const QString &mountInfoPath = QStringLiteral("/proc/self/mountinfo"),
        const QString &sysfsRoot = QStringLiteral("/sys"));
    ~CUdisk() override;

    // Consumes nothing: always false.
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

    // The drive probe of the platform, for the logger search.
    CDriveProbe &probe() const { return *m_probe; }

    // Lists the drives anew and returns the root of the first logger, empty
    // when none is plugged in.
    static QString findLogger(CDriveProbe &probe);

signals:
    // A volume arrived; uDiskName is its root (the mount point).
    void sigUDiskCome(QString uDiskName);
    // A volume went away (which one is not said).
    void sigUDiskRemove();

private:
    CMountWatcher *m_watcher;
    std::unique_ptr<CDriveProbe> m_probe;
};

#endif // CUDISK_H
