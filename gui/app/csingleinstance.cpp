#include "gui/app/csingleinstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {
CSingleInstance *s_current = nullptr;
}

CSingleInstance::CSingleInstance(const QString &key)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_path = dir + '/' + key + ".lock";
    m_lock = new QLockFile(m_path);
    // Never treat a living holder's lock as stale because of its age: only a
    // dead process leaves a stale lock.
    m_lock->setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance()
{
    if (s_current == this)
        s_current = nullptr;
    release();
    delete m_lock;
}

bool CSingleInstance::tryAcquire()
{
    if (!m_held)
        m_held = m_lock->tryLock(0);
    return m_held;
}

void CSingleInstance::release()
{
    if (m_held) {
        m_lock->unlock();
        m_held = false;
    }
}

bool CSingleInstance::isHeld() const
{
    return m_held;
}

QString CSingleInstance::lockFilePath() const
{
    return m_path;
}

CSingleInstance *CSingleInstance::current()
{
    return s_current;
}

void CSingleInstance::setCurrent(CSingleInstance *guard)
{
    s_current = guard;
}
