#ifndef CVOLUMEWATCHER_H
#define CVOLUMEWATCHER_H

#include <QObject>
#include <QString>
#include <memory>

// Tells when a volume arrives or goes away, without polling. One realisation
// per platform (cmountwatcher_linux.cpp watches the mount table); the main
// window's drive watcher only talks to this interface.
class CVolumeWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~CVolumeWatcher() override = default;

    // The watcher of the platform the application runs on.
    static std::unique_ptr<CVolumeWatcher> create();

signals:
    // The root of a volume that arrived.
    void volumeArrived(const QString &root);
    // The root of a volume that went away.
    void volumeRemoved(const QString &root);
};

#endif // CVOLUMEWATCHER_H
