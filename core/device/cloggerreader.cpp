#include "core/device/cloggerreader.h"

#include "core/history/ctempdbmanager.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

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

QString CLoggerReader::recordName(const QString &deviceNo, const QDateTime &now)
{
    return QString("%1_%2").arg(deviceNo, stamp(now));
}

void CLoggerReader::alarmLimits(const CDeviceSettingInfo &info, int containHumidity, double limits[4])
{
    limits[0] = info.tempHigh.toDouble();
    limits[1] = info.tempLow.toDouble();
    limits[2] = 0;
    limits[3] = 0;
    if (containHumidity == 1) {
        limits[2] = info.humidityHigh.toDouble();
        limits[3] = info.humidityLow.toDouble();
    }
}

int CLoggerReader::storeRecord(CTempDbManager &db, CSummeryParam &summary, const CTempData &data,
    const QString &reportCopy, const QDateTime &now, QString *name)
{
    db.pdfPath = reportCopy;
    *name = recordName(summary.deviceNo, now);
    // Header, summary and samples in one transaction: a failure stores nothing.
    const int id = db.InsertRecord(&summary, *name, &data, summary.containHumidity);
    if (id == 0)
        qDebug() << " read the data is error, check the data .";
    return id;
}
