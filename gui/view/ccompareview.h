#ifndef CCOMPAREVIEW_H
#define CCOMPAREVIEW_H

#include "core/record/ccomparedata.h"

#include <QWidget>

class CRecord;
class QCustomPlot;
class QLabel;
class QMouseEvent;

// Stored trips side by side: one temperature curve per record against the
// time elapsed since each trip's first sample, a legend naming the records,
// and the alarm limits of the first record as dashed lines in its colour. A
// window of its own, beside the main window (not modal), so that the user
// can go on browsing the history.
class CCompareView : public QWidget {
    Q_OBJECT
public:
    explicit CCompareView(QWidget *parent = nullptr);

    // Draws the records (at most CCompareData::MaxTrips of them).
    void showRecords(const QVector<const CRecord *> &records);

    const CCompareData &comparison() const { return m_data; }
    QCustomPlot *plot() const { return m_plot; }

    // The curve colour of the n-th record.
    static QColor tripColour(int n);

public slots:
    // A right click puts the ranges back after a drag or a zoom.
    void mousePress(QMouseEvent *mevent);

private:
    void restoreRanges();

    CCompareData m_data;
    QLabel *m_title = nullptr;
    QCustomPlot *m_plot = nullptr;
};

#endif // CCOMPAREVIEW_H
