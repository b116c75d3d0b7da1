#ifndef CMOUNTWATCHER_LINUX_H
#define CMOUNTWATCHER_LINUX_H

#include "core/device/cmounttable_linux.h"
#include "core/device/cvolumewatcher.h"

class QFileSystemWatcher;
class QSocketNotifier;

// Notices mounts coming and going without polling. The kernel marks an open
// /proc/<pid>/mountinfo with POLLPRI | POLLERR after every change of the
// mount namespace, so an exception notifier on it wakes us exactly then (a
// read notifier would fire all the time: the file is always readable). A
// regular file given instead (VESMIRA_MOUNTINFO, tests) is watched through
// inotify, together with its directory, because a file replaced atomically
// drops out of the watch and has to be added again.
//
// Each change is compared with the table seen before: volumeArrived for
// every new mount point, volumeRemoved for every one gone. The table at construction
// is the starting point and raises no signal; a moment without a readable
// file (deleted and written anew) is no change.
class CMountWatcher : public CVolumeWatcher {
    Q_OBJECT
public:
    explicit CMountWatcher(
        const QString &mountInfoPath = QStringLiteral("/proc/self/mountinfo"), QObject *parent = nullptr);
    ~CMountWatcher() override;

    QString mountInfoPath() const { return m_path; }
    // False when the table could not be opened or watched.
    bool isWatching() const;

private slots:
    void onMountTableChanged();

private:
    bool readTable(QVector<CMountEntry> &table) const;

    QString m_path;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;
    QVector<CMountEntry> m_table;
};

#endif // CMOUNTWATCHER_LINUX_H
