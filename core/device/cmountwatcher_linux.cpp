#include "core/device/cmountwatcher_linux.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

bool isProcFile(const QString &path)
{
    struct statfs fs;
    return ::statfs(QFile::encodeName(path).constData(), &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
}

} // namespace

std::unique_ptr<CVolumeWatcher> CVolumeWatcher::create()
{
    return std::make_unique<CMountWatcher>();
}

CMountWatcher::CMountWatcher(const QString &mountInfoPath, QObject *parent)
    : CVolumeWatcher(parent)
    , m_path(CMountTable::resolvePath(mountInfoPath))
{
    if (isProcFile(m_path)) {
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd >= 0) {
            m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
            connect(m_notifier, &QSocketNotifier::activated, this, &CMountWatcher::onMountTableChanged);
        }
    } else {
        m_watcher = new QFileSystemWatcher(this);
        m_watcher->addPath(QFileInfo(m_path).absolutePath());
        m_watcher->addPath(m_path);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &CMountWatcher::onMountTableChanged);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &CMountWatcher::onMountTableChanged);
    }
    readTable(m_table);
}

CMountWatcher::~CMountWatcher()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CMountWatcher::isWatching() const
{
    return m_notifier != nullptr || (m_watcher != nullptr && !m_watcher->files().isEmpty());
}

bool CMountWatcher::readTable(QVector<CMountEntry> &table) const
{
    if (m_fd < 0) {
        bool ok = false;
        QVector<CMountEntry> entries = CMountTable::read(m_path, &ok);
        if (ok)
            table = entries;
        return ok;
    }
    // Read the open file from the start: it is the one the kernel marks.
    if (::lseek(m_fd, 0, SEEK_SET) != 0)
        return false;
    QByteArray text;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        text.append(buffer, int(n));
    }
    table = CMountTable::parse(text);
    return true;
}

void CMountWatcher::onMountTableChanged()
{
    // An atomic replace (rename over the file) ends the file's watch; a
    // delete-and-write brings the file back later, seen through the directory.
    if (m_watcher && !m_watcher->files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher->addPath(m_path);

    QVector<CMountEntry> table;
    if (!readTable(table))
        return;
    QStringList arrived;
    QStringList removed;
    CMountTable::compare(m_table, table, arrived, removed);
    // The new table is kept before anyone hears of it: a receiver may run the
    // event loop and come back here.
    m_table = table;
    for (const QString &mountPoint : qAsConst(removed))
        emit volumeRemoved(mountPoint);
    for (const QString &mountPoint : qAsConst(arrived))
        emit volumeArrived(mountPoint);
}
