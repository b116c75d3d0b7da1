#include "core/device/cloggerreader.h"

#include "core/record/crecord.h"
#include "core/record/crecordstore.h"
#include "core/record/ctaskprogress.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QTextCodec>
#include <QVector>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// ASCII digits whatever the user's locale (Qt would write an Arabic user's
// with the digits of the locale).
QString stamp(const QDateTime &now)
{
    return QLocale::c().toString(now, QStringLiteral("yyyyMMddhhmmsszzz"));
}

// The longest file name, in bytes of its encoded form, that the file systems
// of data_files take (ext4, XFS, Btrfs, tmpfs; NTFS and FAT count 255 UTF-16
// units, which is never fewer).
const int MaxNameBytes = 255;

// A logger writes its report under a name with one of these suffixes; the
// case varies with the logger's firmware.
bool isReportCandidate(const QString &name)
{
    if (name.startsWith(QLatin1Char('.')))
        return false; // .DS_Store, ._REPORT.pdf, .Trashes, ...
    const QString suffix = QFileInfo(name).suffix();
    return suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

// A file name as the user reads it: the locale's encoding (UTF-8) where the
// name is valid in it, else GBK (the code page of a Chinese logger), else
// Latin-1 (every byte a character).
QString readableName(const QByteArray &bytes)
{
    const QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) == bytes)
        return name;
    if (QTextCodec *gbk = QTextCodec::codecForName("GBK")) {
        QTextCodec::ConverterState state;
        const QString decoded = gbk->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars == 0 && state.remainingChars == 0)
            return decoded;
    }
    return QString::fromLatin1(bytes);
}

// An entry of the drive's root: the path by its bytes, the name to show
// and the kind and size of the entry itself (a link not followed).
struct RootEntry {
    QByteArray path;
    QString name;
    mode_t mode = 0;
    qint64 size = 0;
};

QVector<RootEntry> rootEntries(const QString &root, QString *why)
{
    QVector<RootEntry> entries;
    const QByteArray rootBytes = QFile::encodeName(root);
    DIR *dir = ::opendir(rootBytes.constData());
    if (!dir) {
        *why = qt_error_string(errno);
        return entries;
    }
    while (const dirent *e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat st;
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone meanwhile
        entries.append({ rootBytes + '/' + name, readableName(name), st.st_mode, qint64(st.st_size) });
    }
    ::closedir(dir);
    return entries;
}

// Copies the regular file at path (its bytes) to local through a temporary
// file renamed over it at the end. Returns the part that failed, why saying
// why; NoPart when the copy is made.
CLoggerReader::Failure::Part copyEntry(const QByteArray &path, const QString &local, QString *why)
{
    using Failure = CLoggerReader::Failure;
    // Never a link, never blocking on a FIFO put there since the listing.
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *why = fd < 0 ? qt_error_string(errno) : QStringLiteral("not a regular file");
        if (fd >= 0)
            ::close(fd);
        return Failure::LoggerDrive;
    }
    QFile source;
    source.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    QSaveFile target(local);
    // Unbuffered: QSaveFile's commit() takes a failed flush of its own
    // buffer (a full disk) for success and leaves an empty file.
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *why = target.errorString();
        return Failure::LocalCopy;
    }
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = source.read(block.data(), block.size());
        if (n < 0) {
            *why = source.errorString();
            target.cancelWriting();
            return Failure::LoggerDrive;
        }
        if (n == 0)
            break;
        if (target.write(block.constData(), n) != n) {
            *why = target.errorString();
            target.cancelWriting();
            return Failure::LocalCopy;
        }
    }
    if (!target.commit()) {
        *why = target.errorString();
        return Failure::LocalCopy;
    }
    return Failure::NoPart;
}

} // namespace

QString CLoggerReader::localCopyName(const QString &fileName, const QDateTime &now)
{
    const QFileInfo info(fileName);
    QString base = info.baseName();
    const QString rest = QString("-%1.%2").arg(stamp(now), info.suffix());
    while (!base.isEmpty() && QFile::encodeName(base + rest).size() > MaxNameBytes) {
        base.chop(1);
        if (!base.isEmpty() && base.at(base.size() - 1).isHighSurrogate())
            base.chop(1); // never half a character
    }
    return base + rest;
}

QString CLoggerReader::copyReportFile(
    const QString &driveRoot, const QString &dataDir, const QDateTime &now, Refusal *refused, Failure *failed)
{
    if (refused)
        *refused = Refusal();
    if (failed)
        *failed = Failure();
    const auto fail = [failed](Failure::Part part, const QString &path, const QString &why) {
        qDebug().noquote() << "not copied:" << path << why;
        if (failed && failed->part == Failure::NoPart)
            *failed = Failure { part, QDir::toNativeSeparators(path), why };
    };
    // Listed by the names' bytes: Qt passes over a name that is not valid in
    // the locale's encoding (a report named in GBK by a Chinese logger).
    // FIFOs, devices and links are listed too, so that a report that is none
    // of them can be refused by name; a link is never followed off the drive.
    QString why;
    QVector<RootEntry> entries = rootEntries(driveRoot, &why);
    if (!why.isEmpty()) {
        fail(Failure::LoggerDrive, driveRoot, why);
        return QString();
    }
    // Smallest first, ties by name in reverse.
    std::sort(entries.begin(), entries.end(), [](const RootEntry &a, const RootEntry &b) {
        return a.size != b.size ? a.size < b.size : a.name.compare(b.name) > 0;
    });
    for (const RootEntry &entry : entries) {
        if (!isReportCandidate(entry.name) || S_ISDIR(entry.mode))
            continue;
        const QString shown = QDir(driveRoot).absoluteFilePath(entry.name);
        ReportFileProblem problem = ReportFileProblem::None;
        if (S_ISLNK(entry.mode)) {
            problem = ReportFileProblem::NotRegular;
            why = QStringLiteral("a symbolic link, not a regular file");
        } else if (!S_ISREG(entry.mode)) {
            problem = ReportFileProblem::NotRegular;
            why = QStringLiteral("not a regular file (a FIFO, device or socket)");
        } else if (entry.size > MaxReportBytes) {
            problem = ReportFileProblem::TooLarge;
            why = QStringLiteral("too large for a logger report: %1 bytes, at most %2")
                      .arg(entry.size)
                      .arg(MaxReportBytes);
        }
        if (problem == ReportFileProblem::None) {
            const QString local = dataDir + "/" + localCopyName(entry.name, now);
            QDir().mkpath(dataDir);
            switch (copyEntry(entry.path, local, &why)) {
            case Failure::NoPart:
                // The copy is read through once more: it must be a report
                // the parsers can hold (no endless line).
                problem = checkReportFile(local, &why);
                if (problem == ReportFileProblem::None)
                    return local;
                QFile::remove(local);
                break;
            case Failure::LoggerDrive:
                fail(Failure::LoggerDrive, shown, why);
                continue;
            default:
                // The local disk refuses one copy as it would every other.
                fail(Failure::LocalCopy, local, why);
                return QString();
            }
        }
        qDebug().noquote() << "not copied:" << shown << why;
        if (refused && refused->problem == ReportFileProblem::None)
            *refused = Refusal { shown, problem, why };
    }
    return QString();
}

QString CLoggerReader::copyChosenReport(
    const QString &file, const QString &dataDir, const QDateTime &now, Refusal *refused, Failure *failed)
{
    if (refused)
        *refused = Refusal();
    if (failed)
        *failed = Failure();
    const QFileInfo entry(file);
    QString why;
    ReportFileProblem problem = checkReportFile(entry.absoluteFilePath(), &why);
    if (problem == ReportFileProblem::None && !isReportCandidate(entry.fileName())) {
        problem = ReportFileProblem::NotReport;
        why = QStringLiteral("not a PDF, CSV or TXT report");
    }
    if (problem != ReportFileProblem::None) {
        qDebug().noquote() << "not copied:" << entry.absoluteFilePath() << why;
        if (refused)
            *refused = Refusal { entry.absoluteFilePath(), problem, why };
        return QString();
    }
    const QString local = dataDir + "/" + localCopyName(entry.fileName(), now);
    QDir().mkpath(dataDir);
    // The user picked the file: a link is followed to what it names.
    switch (copyEntry(QFile::encodeName(entry.canonicalFilePath()), local, &why)) {
    case Failure::NoPart:
        return local;
    case Failure::LoggerDrive:
        qDebug().noquote() << "not copied:" << entry.absoluteFilePath() << why;
        if (refused)
            *refused = Refusal { entry.absoluteFilePath(), ReportFileProblem::Unreadable, why };
        return QString();
    default:
        qDebug().noquote() << "not copied:" << local << why;
        if (failed)
            *failed = Failure { Failure::LocalCopy, QDir::toNativeSeparators(local), why };
        return QString();
    }
}

QString CLoggerReader::recordName(const QString &deviceNo, const QDateTime &now)
{
    return QString("%1_%2").arg(deviceNo, stamp(now));
}

CReadOutcome readLogger(const QString &source, const QString &appDir, CRecordStore &store, CRecord &record,
    const std::function<bool(int step, const CRecord &record)> &progress, CTaskProgress *task)
{
    const CTaskProgress::Scope scope(task);
    const auto step = [&](int value) { return !progress || progress(value, record); };
    const auto cancelled = [task] { return task && task->isCancelled(); };
    CReadOutcome outcome;
    // Of the whole step, the copy takes a little, the parse about a third
    // and storing the samples the rest.
    if (task)
        task->setStage(0, 20);
    // One report the user chose (a file, or a report's name that is gone),
    // or a drive's root (also one that is gone: the logger drive is then
    // named as what failed).
    const QFileInfo sourceInfo(source);
    const bool chosen = sourceInfo.exists() ? !sourceInfo.isDir() : isReportCandidate(sourceInfo.fileName());
    const QString copy = !chosen ? CLoggerReader::copyReportFile(source, appDir + "/data_files",
                             QDateTime::currentDateTime(), &outcome.refused, &outcome.failure)
                                 : CLoggerReader::copyChosenReport(source, appDir + "/data_files",
                                     QDateTime::currentDateTime(), &outcome.refused, &outcome.failure);
    if (copy.isEmpty()) {
        outcome.status = CReadOutcome::NoReport;
        return outcome;
    }
    // A cancelled read keeps no copy of the report either.
    const auto cancel = [&] {
        QFile::remove(copy);
        outcome.status = CReadOutcome::Cancelled;
        return outcome;
    };
    if (!step(1) || cancelled())
        return cancel();
    record = CRecord();
    record.reportPath = copy;
    // The digest of the copy as it came off the drive: whoever has the
    // record later can prove the report unchanged.
    record.reportDigest = CRecord::fileDigest(copy);
    if (task)
        task->setStage(20, 300);
    bool parseRefused = false;
    const ReportKind kind = readReport(copy, record, [&](int value) {
        parseRefused = parseRefused || !step(value);
        return !parseRefused;
    });
    if (cancelled() || (kind == ReportKind::None && parseRefused))
        return cancel();
    if (kind == ReportKind::None) {
        outcome.status = CReadOutcome::NotParsed;
        return outcome;
    }
    if (!holdsRecord(record.summary, record.data)) {
        outcome.status = CReadOutcome::NoRecord;
        return outcome;
    }
    record.limits = CAlarmLimits::fromSettings(record.settings, record.hasHumidity());
    // Past the parse a cancelled dialog no longer stops the record from
    // being kept; a cancelled task does, up to the store's commit.
    step(3);
    step(6);
    if (task)
        task->setStage(300, 1000);
    QString storedName;
    if (const int storedId = store.findReport(record.reportDigest, &storedName)) {
        record.id = storedId;
        record.name = storedName;
        outcome.status = CReadOutcome::AlreadyStored;
        return outcome;
    }
    if (cancelled())
        return cancel();
    record.name = CLoggerReader::recordName(record.summary.deviceNo, QDateTime::currentDateTime());
    if (!store.storeRecord(record)) {
        if (cancelled()) {
            record.id = 0;
            return cancel();
        }
        qDebug() << " read the data is error, check the data .";
        outcome.status = CReadOutcome::StoreFailed;
        outcome.failure = { CLoggerReader::Failure::History, QString(), store.storeError() };
        return outcome;
    }
    if (task)
        task->report(1000);
    outcome.status = CReadOutcome::Stored;
    return outcome;
}
