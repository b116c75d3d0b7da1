#ifndef CDRAVIK_H
#define CDRAVIK_H

#include "core/record/crecordconfig.h"

#include <QMainWindow>

class CDeviceConnect;
class CDeviceDataInfo;
class CDeviceSetting;
class CDeviceSettingInfo;
class CEmptyContent;
class CHistoryRecord;
class CHistoryRecordContent;
class CSearchDevice;
class CSummeryParam;
class CTempData;
class CTempDbManager;
class CUdisk;
class QAction;
class QProgressDialog;
class QStackedWidget;
class QTimer;

// The single main window: owns every page, the drive watcher, the history
// database and the record read last, and decides which page is visible.
class CDravik : public QMainWindow, public CCalibrationDisplayListener {
    Q_OBJECT
public:
    explicit CDravik(QWidget *parent = nullptr);
    ~CDravik() override;

    // Looks for a logger among the drives and reads the first one found.
    bool CheckDravikIsOn();
    // Reads the logger on currentDrivePath (once per plug-in unless the
    // download button reset loggerRead).
    void readLoggerData();
    // Copies the report off the logger drive; empty when nothing was copied.
    QString copyReportFile();
    void storeAndShowRecord(QProgressDialog *progress);

    // Operations the pages call.
    void calibrationDisplayChanged(bool show) override;
    void reloadTemplates();
    void loadReadConfiguration();
    void openStoredRecord(int id, const QString &name);

    bool loggerRead() const { return m_loggerRead; }
    void setLoggerRead(bool read) { m_loggerRead = read; }
    QString currentDrivePath() const { return m_currentDrivePath; }
    QString localReportPath() const { return m_localReportPath; }
    QString deviceModel() const { return m_deviceModel; }
    QString deviceNo() const { return m_deviceNo; }
    int containTemp() const { return m_containTemp; }
    int containHumidity() const { return m_containHumidity; }
    // temp high, temp low, humidity high, humidity low
    void alarmLimits(double limits[4]) const;
    CSummeryParam *summary() const { return m_summary; }
    CTempData *tempData() const { return m_data; }
    CDeviceSettingInfo *deviceInfo() const { return m_info; }
    CTempDbManager *database() const { return m_db; }
    CUdisk *driveWatcher() const { return m_udisk; }

    // Pages, for the pages themselves and for tests.
    QStackedWidget *topStack() const { return m_topStack; }
    QStackedWidget *leftStack() const { return m_leftStack; }
    QStackedWidget *rightStack() const { return m_rightStack; }
    CSearchDevice *searchPage() const { return m_searchPage; }
    CDeviceConnect *connectPage() const { return m_connectPage; }
    CEmptyContent *emptyPage() const { return m_emptyPage; }
    CDeviceSetting *settingPage() const { return m_settingPage; }
    CDeviceDataInfo *dataPage() const { return m_dataPage; }
    CHistoryRecord *historyList() const { return m_historyList; }
    CHistoryRecordContent *historyDetail() const { return m_historyDetail; }

public slots:
    void TestRearchDeviceAction(bool checked);
    void TestDeviceSettingAction(bool checked);
    void HistoryRecordAction(bool checked);
    void OnAboutAction(bool checked);
    void OnOtherPropertiesAction(bool checked);
    void OnUDiskCome(const QString &root);
    void OnUDiskRemove();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildForm();
    void buildPages();
    void showReadingPages();
    void showSearchingPages();

    // The record of the logger read last.
    CSummeryParam *m_summary = nullptr;
    CTempData *m_data = nullptr;
    CDeviceSettingInfo *m_info = nullptr;
    QString m_currentDrivePath;
    QString m_localReportPath;
    QString m_deviceModel;
    QString m_deviceNo;
    double m_limits[4] = { 0, 0, 0, 0 };
    int m_containTemp = 1;
    int m_containHumidity = 0;
    bool m_loggerRead = false;

    CUdisk *m_udisk = nullptr;
    CTempDbManager *m_db = nullptr;

    QStackedWidget *m_topStack = nullptr;
    QStackedWidget *m_leftStack = nullptr;
    QStackedWidget *m_rightStack = nullptr;
    QWidget *m_leftContent = nullptr;
    QWidget *m_firstPage = nullptr;
    QWidget *m_secondPage = nullptr;
    QWidget *m_secondPageLeft = nullptr;
    QWidget *m_secondPageRight = nullptr;
    QAction *m_searchDeviceAction = nullptr;
    QAction *m_deviceSettingAction = nullptr;
    QAction *m_recordHistoryAction = nullptr;
    QAction *m_otherPropertyAction = nullptr;
    QAction *m_aboutSoftAction = nullptr;

    CSearchDevice *m_searchPage = nullptr;
    CDeviceConnect *m_connectPage = nullptr;
    CEmptyContent *m_emptyPage = nullptr;
    CDeviceSetting *m_settingPage = nullptr;
    CDeviceDataInfo *m_dataPage = nullptr;
    CHistoryRecord *m_historyList = nullptr;
    CHistoryRecordContent *m_historyDetail = nullptr;
};

#endif // CDRAVIK_H
