#ifndef CSINGLEINSTANCE_H
#define CSINGLEINSTANCE_H

#include <QString>

class QLockFile;

// Guard against a second instance for the same user.
//
// A lock file named after the key in the user's runtime directory: unlike a
// shared-memory segment it cannot outlive a crashed process (the lock of a
// dead process is stale and taken over), and it is private to the user, so
// every logged-on user may run one instance.
class CSingleInstance {
public:
    explicit CSingleInstance(const QString &key);
    ~CSingleInstance();

    CSingleInstance(const CSingleInstance &) = delete;
    CSingleInstance &operator=(const CSingleInstance &) = delete;

    // True when this process now holds the guard (also when it held it already).
    bool tryAcquire();
    // Lets a process that restarts the application hand the guard on.
    void release();
    bool isHeld() const;

    QString lockFilePath() const;

    // The single guard of the running application (null when none).
    static CSingleInstance *current();
    static void setCurrent(CSingleInstance *guard);

private:
    QString m_path;
    QLockFile *m_lock = nullptr;
    bool m_held = false;
};

#endif // CSINGLEINSTANCE_H
