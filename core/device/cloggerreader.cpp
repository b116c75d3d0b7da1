#include "core/device/cloggerreader.h"

#include "core/record/crecord.h"
#include "core/record/crecordstore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

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
bool isReportCandidate(const QFileInfo &entry)
{
    if (entry.fileName().startsWith(QLatin1Char('.')))
        return false; // .DS_Store, ._REPORT.pdf, .Trashes, ...
    const QString suffix = entry.suffix();
    return suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
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
    const QString &driveRoot, const QString &dataDir, const QDateTime &now, Refusal *refused)
{
    if (refused)
        *refused = Refusal();
    QDir root(driveRoot);
    // Smallest first; QDir's size order is largest first, so reverse it (ties
    // then come by name in reverse). FIFOs, devices and links are listed too,
    // so that a report that is none of them can be refused by name; a link is
    // never followed off the drive.
    const QFileInfoList entries
        = root.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::AllDirs | QDir::NoDotAndDotDot,
            QDir::Size | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        if (!isReportCandidate(entry) || entry.isDir())
            continue;
        QString why;
        ReportFileProblem problem = ReportFileProblem::NotRegular;
        if (entry.isSymLink())
            why = QStringLiteral("a symbolic link, not a regular file");
        else
            problem = checkReportFile(entry.absoluteFilePath(), &why);
        if (problem != ReportFileProblem::None) {
            qDebug().noquote() << "not copied:" << entry.absoluteFilePath() << why;
            if (refused && refused->problem == ReportFileProblem::None)
                *refused = Refusal { entry.absoluteFilePath(), problem, why };
            continue;
        }
        const QString local = dataDir + "/" + localCopyName(entry.fileName(), now);
        QDir().mkpath(dataDir);
        if (QFile::exists(local))
            QFile::remove(local);
        if (QFile::copy(entry.absoluteFilePath(), local))
            return local;
    }
    return QString();
}

QString CLoggerReader::copyChosenReport(
    const QString &file, const QString &dataDir, const QDateTime &now, Refusal *refused)
{
    if (refused)
        *refused = Refusal();
    const QFileInfo entry(file);
    QString why;
    ReportFileProblem problem = checkReportFile(entry.absoluteFilePath(), &why);
    if (problem == ReportFileProblem::None && !isReportCandidate(entry)) {
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
    if (QFile::exists(local))
        QFile::remove(local);
    if (QFile::copy(entry.absoluteFilePath(), local))
        return local;
    if (refused)
        *refused = Refusal { entry.absoluteFilePath(), ReportFileProblem::Unreadable,
            QStringLiteral("cannot be copied to %1").arg(dataDir) };
    return QString();
}

QString CLoggerReader::recordName(const QString &deviceNo, const QDateTime &now)
{
    return QString("%1_%2").arg(deviceNo, stamp(now));
}

CReadOutcome readLogger(const QString &source, const QString &appDir, CRecordStore &store, CRecord &record,
    const std::function<bool(int step, const CRecord &record)> &progress)
{
    const auto step = [&](int value) { return !progress || progress(value, record); };
    CReadOutcome outcome;
    // A drive's root, or one report the user chose.
    const QString copy = QFileInfo(source).isDir()
        ? CLoggerReader::copyReportFile(
            source, appDir + "/data_files", QDateTime::currentDateTime(), &outcome.refused)
        : CLoggerReader::copyChosenReport(
            source, appDir + "/data_files", QDateTime::currentDateTime(), &outcome.refused);
    if (copy.isEmpty()) {
        outcome.status = CReadOutcome::NoReport;
        return outcome;
    }
    outcome.status = CReadOutcome::Cancelled;
    if (!step(1))
        return outcome;
    record = CRecord();
    record.reportPath = copy;
    // The digest of the copy as it came off the drive: whoever has the
    // record later can prove the report unchanged.
    record.reportDigest = CRecord::fileDigest(copy);
    if (readReport(copy, record, [&](int value) { return step(value); }) == ReportKind::None) {
        outcome.status = CReadOutcome::NotParsed;
        return outcome;
    }
    if (!holdsRecord(record.summary, record.data)) {
        outcome.status = CReadOutcome::NoRecord;
        return outcome;
    }
    record.limits = CAlarmLimits::fromSettings(record.settings, record.hasHumidity());
    // Past the parse a cancelled dialog no longer stops the record from
    // being kept.
    step(3);
    step(6);
    QString storedName;
    if (const int storedId = store.findReport(record.reportDigest, &storedName)) {
        record.id = storedId;
        record.name = storedName;
        outcome.status = CReadOutcome::AlreadyStored;
        return outcome;
    }
    record.name = CLoggerReader::recordName(record.summary.deviceNo, QDateTime::currentDateTime());
    if (!store.storeRecord(record)) {
        qDebug() << " read the data is error, check the data .";
        outcome.status = CReadOutcome::StoreFailed;
        return outcome;
    }
    outcome.status = CReadOutcome::Stored;
    return outcome;
}
