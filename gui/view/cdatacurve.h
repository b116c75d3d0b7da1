#ifndef CDATACURVE_H
#define CDATACURVE_H

#include "core/record/ccurvedata.h"
#include "core/record/ctempdata.h"

#include <QCoreApplication>
#include <QSharedPointer>
#include <QString>
#include <qcustomplot.h>

struct CAlarmLimits;
class QColor;
class QCPAxis;
class QCustomPlot;
class SAXYDataTracker;

// Draws a record's samples on a plot: temperature on the left axis and, with
// humidity, humidity on the right axis, against time. Shared by the data view
// and the history detail page.
class CDataCurve {
    Q_DECLARE_TR_FUNCTIONS(CDeviceDataInfo)
public:
    struct Names {
        QString tempGraph;
        QString humidityAxis;
        QString humidityGraph;
    };

    // What drawing a record takes before the plot is touched: its points,
    // the graphs' data and the points beyond the alarm limits. For a
    // million samples that is a tenth of a second's work, done on the
    // worker thread (prepare() touches no widget).
    struct Prepared {
        CCurveData curve;
        QSharedPointer<QCPGraphDataContainer> temps;
        QSharedPointer<QCPGraphDataContainer> humidities; // null without humidity
        QVector<int> tempAlarms;
        QVector<int> humidityAlarms;
    };
    static Prepared prepare(const CTempData &samples, const CAlarmLimits &limits, bool withHumidity);

    // With limits, also drawLimits. Returns the points drawn. prepared:
    // what prepare() made of the same samples and limits, or null.
    static CCurveData draw(const CTempData &samples, QCustomPlot *plot, SAXYDataTracker *home,
        const Names &names, bool withHumidity, const CAlarmLimits *limits = nullptr,
        const Prepared *prepared = nullptr);

    // Draws in the temperature or the temperature/humidity form, with the
    // graph and axis names of that form, and the record's alarm limits on
    // it (drawLimits). Returns the points drawn.
    static CCurveData drawRecord(const CTempData &samples, const CAlarmLimits &limits, QCustomPlot *plot,
        SAXYDataTracker *home, bool withHumidity, const Prepared *prepared = nullptr);

    // The alarm limits on a drawn curve: dashed lines in each graph's colour
    // (temperature on the left axis, humidity on the right one), and red
    // marks on the points beyond them (CCurveGraph::setAlarmPoints). The
    // limits are numbers in the record's own unit, as the logger printed them.
    static void drawLimits(QCustomPlot *plot, const CCurveData &curve, const CAlarmLimits &limits,
        bool withHumidity, const Prepared *prepared = nullptr);

    // One dashed horizontal line at value on the value axis; objectName
    // names it for finding it again.
    static void addLimitLine(
        QCustomPlot *plot, QCPAxis *valueAxis, double value, const QColor &colour, const QString &objectName);

    // The small note under a curve that names how many samples were left
    // out because their time cannot be read; empty for none.
    static QString unreadableNote(int count);

    // Puts the three axes back to their home ranges (the right click).
    // At most `most` ticks on the time axis while there is room for their
    // labels (`widest`); on a narrow plot (a small screen) fewer, so that no
    // label is written over another. Checked before every replot.
    static void fitTimeTicks(QCustomPlot *plot, int most, const QString &widest);
    static void restoreHomeRanges(QCustomPlot *plot, const SAXYDataTracker *home);
};

#endif // CDATACURVE_H
