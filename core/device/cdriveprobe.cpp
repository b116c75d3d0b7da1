#include "core/device/cdriveprobe.h"

QString CDriveProbe::typeName(DriveType type)
{
    switch (type) {
    case Removable:
        return QStringLiteral("removable");
    case Remote:
        return QStringLiteral("remote");
    case CdRom:
        return QStringLiteral("cdrom");
    }
    return QString();
}
