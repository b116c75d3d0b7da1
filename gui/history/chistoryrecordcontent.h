#ifndef CHISTORYRECORDCONTENT_H
#define CHISTORYRECORDCONTENT_H

#include <QWidget>

class CDravik;
class CSummeryParam;
class CTempData;
class CTempDataModel;
class QCustomPlot;
class QLabel;
class QMouseEvent;
class QTabWidget;
class QTableView;
class QTableWidget;
class SAXYDataTracker;

// The history detail: one stored record shown as the data view shows a
// record just read (summary as a table, curve and list from the same
// components). It owns the record it shows.
class CHistoryRecordContent : public QWidget {
    Q_OBJECT
public:
    explicit CHistoryRecordContent(QWidget *parent = nullptr);
    ~CHistoryRecordContent() override;

    void setMainWindow(CDravik *window) { m_mainWindow = window; }

    // The record shown: filled by the main window when an entry is opened.
    CSummeryParam *summary() const { return m_summary; }
    CTempData *tempData() const { return m_data; }
    void setReportPath(const QString &path) { m_reportPath = path; }
    QString reportPath() const { return m_reportPath; }
    // temp high, temp low, humidity high, humidity low
    void setAlarmLimits(const double limits[4]);
    void alarmLimits(double limits[4]) const;
    void setDevice(const QString &model, const QString &number);

    void setTitle(const QString &name);
    void fillSummary();
    void fillList(bool withHumidity);
    void drawCurve(bool withHumidity);

    QLabel *titleLabel() const { return m_title; }
    QTabWidget *tabWidget() const { return m_tabs; }
    QTableWidget *summaryTable() const { return m_summaryTable; }
    QTableView *listView() const { return m_list; }
    CTempDataModel *listModel() const { return m_model; }
    QCustomPlot *plot() const { return m_plot; }

public slots:
    void OnExportPdfBtnClick();
    void OnSaveAsOriginalPdfBtnClick();
    void mousePress(QMouseEvent *mevent);

private:
    CDravik *m_mainWindow = nullptr;
    CSummeryParam *m_summary = nullptr;
    CTempData *m_data = nullptr;
    QString m_reportPath;
    QString m_deviceModel;
    QString m_deviceNo;
    double m_limits[4] = { 0, 0, 0, 0 };

    QLabel *m_title = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableWidget *m_summaryTable = nullptr;
    QTableView *m_list = nullptr;
    CTempDataModel *m_model = nullptr;
    QCustomPlot *m_plot = nullptr;
    SAXYDataTracker *m_tracker = nullptr;
    int m_listWidth = 0;
};

#endif // CHISTORYRECORDCONTENT_H
