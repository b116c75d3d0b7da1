#include "core/device/cloggerfinder.h"

#include "core/device/cdriveprobe.h"

#include <QFileInfo>
#include <QVector>

CLoggerFinder::CLoggerFinder(CDriveProbe &probe)
    : m_probe(probe)
{
}

QString CLoggerFinder::findLogger()
{
    QStringList driveList;
    QStringList vendorList;
    QVector<CDriveProbe::DriveType> typeList;
    m_probe.enumerateDrives(driveList, vendorList, typeList);
    const int index = recognise(driveList, vendorList);
    return index < 0 ? QString() : driveList.at(index);
}

QStringList CLoggerFinder::findLoggers()
{
    QStringList driveList;
    QStringList vendorList;
    QVector<CDriveProbe::DriveType> typeList;
    m_probe.enumerateDrives(driveList, vendorList, typeList);
    QStringList loggers;
    const int count = qMin(driveList.size(), vendorList.size());
    for (int i = 0; i < count; ++i) {
        if (recognise(driveList.mid(i, 1), vendorList.mid(i, 1)) == 0)
            loggers << driveList.at(i);
    }
    return loggers;
}

int CLoggerFinder::recognise(const QStringList &driveList, const QStringList &vendorList)
{
    const int count = qMin(driveList.size(), vendorList.size());
    for (int i = 0; i < count; ++i) {
        if (isLoggerVendor(vendorList.at(i)) && QFileInfo(driveList.at(i)).isDir())
            return i;
    }
    return -1;
}

bool CLoggerFinder::isLoggerVendor(const QString &vendor)
{
    return vendor.contains(QLatin1String("STM"), Qt::CaseSensitive);
}
