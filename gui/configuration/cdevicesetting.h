#ifndef CDEVICESETTING_H
#define CDEVICESETTING_H

#include "core/configuration/cconfigvalues.h"

#include <QDateTime>
#include <QWidget>
#include <functional>

class CDeviceSettingForm;
class CDeviceSettingInfo;
class QTextEdit;

// The configuration page: prepares a logger's configuration in a basic or an
// advanced mode and writes it to the logger as setting.ini. The main window
// enables it while a logger is read, tells it whether humidity settings
// apply and in which unit the logger reports, and fills it on request from
// the record read last. Loading, validating and writing are the core's
// (CConfigValues, CConfigTemplate, CConfigWriter), shared with vesmira-cli;
// the page maps its controls to CConfigValues and shows the messages.
class CDeviceSetting : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceSetting(QWidget *parent = nullptr);
    ~CDeviceSetting() override;

    // Enables or disables the inputs. The start delay and both times are
    // disabled either way until a start or stop mode asks for them. Enabling
    // applies the model rule: an RZ-83K or RZ-83P logger gets TXT reports,
    // not to be changed.
    void setControlsEnabled(bool enabled);
    // Shows the humidity fields of both pages (the humidity calibration only
    // when calibration values are shown); the write leaves humidity
    // unchanged on the logger without them.
    void setHumidityApplies(bool applies);
    // Shows the temperature calibration with its labels.
    void setCalibrationVisible(bool visible);
    // The basic page takes the unit of the logger read last.
    void setReadState(const CDeviceSettingInfo *info, bool loggerRead);
    // Fills the advanced page from a logger's configuration.
    void fillFromDeviceInfo(const CDeviceSettingInfo *info);
    // Refills the template list.
    void reloadTemplates();

    bool controlsEnabled() const { return m_controlsEnabled; }
    bool humidityApplies() const { return m_humidityApplies; }
    bool calibrationVisible() const { return m_calibrationVisible; }
    bool basicFahrenheit() const { return m_basicFahrenheit; }
    QString templateDirectory() const { return m_templateDir; }

    // The values of both pages as the controls hold them.
    CConfigValues values() const;

    // The logger the page writes to and whose model it checks (the main
    // window tells it after each read and when the logger's drive changes).
    void setLogger(const QString &driveRoot, const QString &deviceModel);
    // The clock and zone text every "now" of the page comes from: the
    // computer's unless set (tests). Applies to pages built afterwards too.
    static void setEnvironmentOverride(const std::function<QDateTime()> &now, const QString &zoneComment);

signals:
    // "Sync device parameters": the page wants the configuration of the
    // logger read last (fillFromDeviceInfo).
    void deviceConfigurationRequested();
    // The frame was written to setting.ini on the logger at driveRoot.
    void configurationWritten(const QString &driveRoot, const QByteArray &frame);

public slots:
    void OnWriteSettingBtnClick();
    void OnDefaultSettingBtnClick();
    void OnDeviceSettingBtnClick();
    void OnOpenSettingFileBtnClick();
    void OnSaveSettingFileBtnClick();
    void OnWayDescTextChanged();
    void OnWayDescTextChanged2();
    void OnStartTypeCbChanged(int index);
    void OnStopTypeCbChanged(int index);
    void OnTempUnitDuChanged();
    void OnTempUnitFChanged();
    void OnBaseConfigPageChanged();
    void OnHighConfigPageChanged();

private:
    QDateTime now() const;
    void applyAdvanced(const CConfigValues &values);
    void showWriteResult(int status);
    void limitDescription(QTextEdit *edit);

    CDeviceSettingForm *ui;
    QString m_templateDir;
    bool m_controlsEnabled = false;
    bool m_humidityApplies = false;
    bool m_calibrationVisible = false;
    bool m_basicFahrenheit = false;
    QString m_driveRoot;
    QString m_deviceModel;
};

#endif // CDEVICESETTING_H
