#ifndef CDRAVIK_H
#define CDRAVIK_H

#include "core/record/crecordconfig.h"
#include "gui/view/cdatacurve.h"

#include <QMainWindow>
#include <QStringList>
#include <QVector>
#include <memory>

class CComplianceUi;
class CDeviceConnect;
class CDeviceDataInfo;
class CDeviceSetting;
class CEmptyContent;
class CFileMenu;
class CHistoryRecord;
class CHistoryRecordContent;
class CHistoryStore;
class CRecord;
class CRecordView;
class CSearchDevice;
class CTempDbManager;
class CUdisk;
class QAction;
class QSplitter;
class QStackedWidget;
class QTabWidget;
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
    // download button reset loggerRead): the one read step of the core
    // library, with the progress dialog, the pages and the error boxes.
    void readLoggerData();

    // What the pages ask for (by signal) and the configuration tells.
    void calibrationDisplayChanged(bool show) override;
    void reloadTemplates();
    void loadReadConfiguration();
    void openStoredRecord(int id, const QString &name);
    // Loads the records and shows them side by side in a window of their own.
    void compareStoredRecords(const QVector<int> &ids, const QStringList &names);
    // The download button: read the logger again.
    void readAgain();
    // Reads report files as a logger's report is read (File > Open report, files
    // dropped on the window, `vesmira REPORT`): the same read step, checks,
    // progress and messages; the record is stored and shown on the data view.
    // One read at a time: a file asked for during a read follows it.
    void openReportFiles(const QStringList &files);
    // Shows the window where it was left (maximised the first time).
    void showRestored();

    bool loggerRead() const { return m_loggerRead; }
    void setLoggerRead(bool read) { m_loggerRead = read; }
    QString currentDrivePath() const { return m_currentDrivePath; }
    // The record of the logger read last (null before the first read).
    const std::shared_ptr<CRecord> &record() const { return m_record; }
    // Its local report copy; empty before the first read.
    QString localReportPath() const;
    int containHumidity() const;
    // The history shown: the shared one when configured, else the embedded one.
    CTempDbManager *database() const { return m_db; }
    CHistoryStore *historyStore() const { return m_store.get(); }
    CUdisk *driveWatcher() const { return m_udisk; }
    // Compliance mode of the history (inert while it is off).
    CComplianceUi *compliance() const { return m_compliance; }

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
    CFileMenu *fileMenu() const { return m_fileMenu; }
    // The data view or history detail on screen; null when neither is.
    CRecordView *shownRecordView() const;

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
    // The read of a logger's drive root (logger) or of a report file.
    void readAndShow(const QString &source, bool logger);
    // The record just read (m_record) on the data view.
    void showReadRecord(const CDataCurve::Prepared &curve);
    void openReportFile(const QString &file);
    void buildPages();
    void showReadingPages();
    void showSearchingPages();
    // Tells the configuration page the logger's drive and model.
    void updateSettingPageLogger();
    // Copies what was kept here while the shared history was away.
    void syncSharedHistory();
    // Once per session: the shared history cannot be reached, or its URL
    // cannot work at all.
    void tellSharedHistoryAway(const QString &why, bool urlRefused = false);

    // The record of the logger read last.
    std::shared_ptr<CRecord> m_record;
    QString m_currentDrivePath;
    bool m_loggerRead = false;
    // A read runs (its progress dialog keeps events coming).
    bool m_reading = false;
    // The data view shows a report file opened by hand, not a logger's.
    bool m_fileShown = false;

    CUdisk *m_udisk = nullptr;
    std::unique_ptr<CHistoryStore> m_store;
    CTempDbManager *m_db = nullptr; // owned by m_store
    bool m_toldSharedAway = false;
    CComplianceUi *m_compliance = nullptr;

    QStackedWidget *m_topStack = nullptr;
    QStackedWidget *m_leftStack = nullptr;
    QStackedWidget *m_rightStack = nullptr;
    QWidget *m_leftContent = nullptr;
    QWidget *m_firstPage = nullptr;
    QWidget *m_secondPage = nullptr;
    QWidget *m_secondPageLeft = nullptr;
    QWidget *m_secondPageRight = nullptr;
    QSplitter *m_historySplitter = nullptr;
    QList<QTabWidget *> m_rememberedTabs;
    CFileMenu *m_fileMenu = nullptr;
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
