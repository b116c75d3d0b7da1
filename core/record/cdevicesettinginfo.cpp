#include "core/record/cdevicesettinginfo.h"

CDeviceSettingInfo::CDeviceSettingInfo(QObject *parent)
    : QObject(parent)
{
}
