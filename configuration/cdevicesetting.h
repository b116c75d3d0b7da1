#ifndef CDEVICESETTING_H
#define CDEVICESETTING_H

#include <QWidget>

class CDravik;
class CDeviceSettingInfo;

// The configuration page: prepares a logger's configuration and writes it to
// the logger. The main window enables it while a logger is read and tells it
// whether humidity settings apply.
class CDeviceSetting : public QWidget
{
    Q_OBJECT
public:
    explicit CDeviceSetting(QWidget *parent = nullptr);

    void setMainWindow(CDravik *window) { m_mainWindow = window; }

    void setControlsEnabled(bool enabled);
    void setHumidityApplies(bool applies);
    void setCalibrationVisible(bool visible);
    void setReadState(const CDeviceSettingInfo *info, bool loggerRead);
    void fillFromDeviceInfo(const CDeviceSettingInfo *info);
    void reloadTemplates();

    bool controlsEnabled() const { return m_controlsEnabled; }
    bool humidityApplies() const { return m_humidityApplies; }
    bool calibrationVisible() const { return m_calibrationVisible; }

private:
    CDravik *m_mainWindow = nullptr;
    bool m_controlsEnabled = false;
    bool m_humidityApplies = false;
    bool m_calibrationVisible = false;
};

#endif // CDEVICESETTING_H
