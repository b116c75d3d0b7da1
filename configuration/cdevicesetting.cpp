#include "configuration/cdevicesetting.h"

#include "app/appglobals.h"

#include <QVBoxLayout>

CDeviceSetting::CDeviceSetting(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("CDeviceSetting");
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    setCalibrationVisible(tempAdjust == 1);
    setControlsEnabled(false);
}

void CDeviceSetting::setControlsEnabled(bool enabled)
{
    m_controlsEnabled = enabled;
}

void CDeviceSetting::setHumidityApplies(bool applies)
{
    m_humidityApplies = applies;
}

void CDeviceSetting::setCalibrationVisible(bool visible)
{
    m_calibrationVisible = visible;
}

void CDeviceSetting::setReadState(const CDeviceSettingInfo *, bool)
{
}

void CDeviceSetting::fillFromDeviceInfo(const CDeviceSettingInfo *)
{
}

void CDeviceSetting::reloadTemplates()
{
}
