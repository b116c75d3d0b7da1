#ifndef CDEVICEDATAINFO_H
#define CDEVICEDATAINFO_H

#include "core/record/ctempdata.h"

#include <QWidget>

class CDravik;
class CSummeryParam;
class CTempDataModel;
class QCustomPlot;
class QGridLayout;
class QLabel;
class QMouseEvent;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class SAXYDataTracker;

// The data view: the record read last, as summary, curve and list.
class CDeviceDataInfo : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceDataInfo(QWidget *parent = nullptr);

    void setMainWindow(CDravik *window) { m_mainWindow = window; }

    // Fills the summary tab, the list's temperature header and the curve's
    // axis label. The summary's dates and counts are converted in place (the
    // record is stored that way).
    void showSummary(CSummeryParam *summary);
    void showRecordName(const QString &name);
    void fillTempList(const CTempData &data);
    void fillTempHumidityList(const CTempData &data);
    void drawTempCurve(const CTempData &data);
    void drawTempHumidityCurve(const CTempData &data);

    QLabel *titleLabel() const { return m_title; }
    QTabWidget *tabWidget() const { return m_tabs; }
    QTableView *listView() const { return m_list; }
    CTempDataModel *listModel() const { return m_model; }
    QCustomPlot *plot() const { return m_plot; }
    SAXYDataTracker *homeRanges() const { return m_tracker; }
    // The value label of a summary field (by field name, e.g. "alarmCount").
    QLabel *valueLabel(const QString &field) const;
    QLabel *captionLabel(const QString &field) const;
    QProgressBar *batteryBar() const { return m_battery; }

public slots:
    void OnExportPdfBtnClick();
    void OnSaveAsPdfPathBtnClick();
    void mousePress(QMouseEvent *mevent);

private:
    QLabel *addLine(QGridLayout *grid, int row, const QString &field, const QString &caption);
    QGridLayout *addGroup(QWidget *page, const QString &heading, const QString &name);
    void fillList(const CTempData &data, bool withHumidity);

    CDravik *m_mainWindow = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_exportBtn = nullptr;
    QPushButton *m_saveAsBtn = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableView *m_list = nullptr;
    CTempDataModel *m_model = nullptr;
    QCustomPlot *m_plot = nullptr;
    SAXYDataTracker *m_tracker = nullptr;
    QProgressBar *m_battery = nullptr;
    int m_listWidth = 0;
};

#endif // CDEVICEDATAINFO_H
