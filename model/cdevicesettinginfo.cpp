#include "model/cdevicesettinginfo.h"

CDeviceSettingInfo::CDeviceSettingInfo(QObject *parent)
    : QObject(parent)
{
}
