#ifndef FAULTFS_H
#define FAULTFS_H

// Real faults for tests: a tiny tmpfs that fills up, the same mounted read
// only (root writes through mode bits, a read-only mount stops it), and a
// child process whose file size limit is lowered as `ulimit -f` does.
//
// Mounting needs root; without it (or without mount(2) in a container) the
// mount is not made and skipReason() says why, so that a test can QSKIP.
#include <QDir>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// Every entry of a directory, hidden ones included: what a fault left there.
inline QStringList dirEntries(const QString &dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

class SmallTmpfs {
public:
    explicit SmallTmpfs(qint64 bytes)
    {
        if (!m_dir.isValid()) {
            m_skip = QStringLiteral("no temporary directory");
            return;
        }
        if (::geteuid() != 0) {
            m_skip = QStringLiteral("mounting a small tmpfs needs root");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData())
            != 0) {
            m_skip = QStringLiteral("mount tmpfs failed: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs &) = delete;
    SmallTmpfs &operator=(const SmallTmpfs &) = delete;

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skip; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Remounts read-only (true) or read-write (false); the content stays.
    // Fails (EBUSY) while a file on it is open for writing.
    bool setReadOnly(bool readOnly)
    {
        if (!m_mounted)
            return false;
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", flags, nullptr) == 0;
    }

    // Fills the file system to the last byte with a file named name.
    bool fill(const QString &name = QStringLiteral("filler"))
    {
        QFile filler(filePath(name));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) { }
        while (filler.write("x", 1) == 1) { }
        filler.close();
        return true;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skip;
};

// A process started with a file size limit (bytes, as `ulimit -f` in blocks
// of 512 would give) and SIGXFSZ ignored, so that a write beyond the limit
// fails with EFBIG instead of killing the process.
class FileSizeLimitedProcess : public QProcess {
public:
    explicit FileSizeLimitedProcess(qint64 limitBytes)
        : m_limit(limitBytes)
    {
    }

protected:
    void setupChildProcess() override
    {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit;
        limit.rlim_cur = rlim_t(m_limit);
        limit.rlim_max = rlim_t(m_limit);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }

private:
    qint64 m_limit;
};

#endif // FAULTFS_H
