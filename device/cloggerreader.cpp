#include "device/cloggerreader.h"

#include "history/ctempdbmanager.h"
#include "model/cdevicesettinginfo.h"
#include "model/csummeryparam.h"
#include "model/ctempdata.h"

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
} // namespace

QString CLoggerReader::copyReportFile(const QString &driveRoot, const QString &dataDir, const QDateTime &now)
{
    QDir root(driveRoot);
    // Smallest first; QDir's size order is largest first, so reverse it (ties
    // then come by name in reverse).
    const QFileInfoList entries = root.entryInfoList(
        QDir::Files | QDir::Hidden | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot,
        QDir::Size | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        if (entry.suffix().contains(QLatin1String("ini")))
            continue;
        if (!entry.isFile())
            continue;
        const QString local = QString("%1/%2-%3.%4").arg(dataDir, entry.baseName(), stamp(now), entry.suffix());
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
    const int id = db.InsertRecordParam(&summary, *name);
    if (id == 0) {
        qDebug() << " read the data is error, check the data .";
        return 0;
    }
    db.InsertRecordData(&data, id, summary.containHumidity);
    return id;
}
