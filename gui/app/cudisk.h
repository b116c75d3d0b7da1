#ifndef CUDISK_H
#define CUDISK_H

#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <memory>

class CDriveProbe;
class CVolumeWatcher;

// The drive watcher of the main window (never shown). It tells when a
// volume arrives or goes (CVolumeWatcher of the platform); the main window then looks
// for a logger. Installed as the application's native event filter, it lets
// every native event pass.
class CUdisk : public QWidget, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // The probe and the watcher of the platform unless given (tests).
    explicit CUdisk(QWidget *parent = nullptr, std::unique_ptr<CDriveProbe> probe = nullptr,
        std::unique_ptr<CVolumeWatcher> watcher = nullptr);
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
    std::unique_ptr<CVolumeWatcher> m_watcher;
    std::unique_ptr<CDriveProbe> m_probe;
};

#endif // CUDISK_H
