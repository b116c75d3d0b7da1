#ifndef CCOMPAREVIEW_H
#define CCOMPAREVIEW_H

#include "core/record/ccomparedata.h"

#include <QWidget>

class CRecord;
class QCheckBox;
class QCustomPlot;
class QLabel;
class QMouseEvent;
class QPushButton;

// Stored trips side by side: one curve per record against the time elapsed
// since each trip's first sample, a legend naming the records and the alarm
// limits, which are drawn as dashed grey lines. Each trip has its own colour
// and line pattern, so that identical curves do not hide each other. With
// temperature/humidity records a switch shows humidity instead of
// temperature. A window of its own, beside the main window (not modal), so
// that the user can go on browsing the history; Esc closes it.
class CCompareView : public QWidget {
    Q_OBJECT
public:
    explicit CCompareView(QWidget *parent = nullptr);

    // Draws the records (at most CCompareData::MaxTrips of them), their
    // temperatures first.
    void showRecords(const QVector<const CRecord *> &records);
    // The same with their comparison computed already (off the GUI thread).
    void showComparison(const CCompareData &data);

    const CCompareData &comparison() const { return m_data; }
    QCustomPlot *plot() const { return m_plot; }
    QCheckBox *humiditySwitch() const { return m_humidity; }
    QLabel *note() const { return m_note; }

    // Saves the plot as a PNG file at path (atomically: an existing file is
    // replaced only by a complete picture); on failure false and the
    // system's reason in error.
    bool exportPng(const QString &path, QString *error) const;

    // The curve pen of the n-th record: its colour and its line pattern.
    static QPen tripPen(int n);
    static QColor tripColour(int n);

public slots:
    // A right click puts the ranges back after a drag or a zoom.
    void mousePress(QMouseEvent *mevent);
    void OnHumiditySwitchToggled(bool checked);
    void OnExportPngBtnClick();

private:
    void drawCurves();
    void addLimit(double value, const QString &name, const QString &objectName);
    void restoreRanges();

    CCompareData m_data;
    QLabel *m_title = nullptr;
    QCheckBox *m_humidity = nullptr;
    QPushButton *m_exportPng = nullptr;
    QCustomPlot *m_plot = nullptr;
    QLabel *m_note = nullptr;
};

#endif // CCOMPAREVIEW_H
