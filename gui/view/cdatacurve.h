#ifndef CDATACURVE_H
#define CDATACURVE_H

#include "core/record/ctempdata.h"

#include <QCoreApplication>
#include <QString>

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

    static void draw(const QList<TempDataItem *> &samples, QCustomPlot *plot, SAXYDataTracker *home,
        const Names &names, bool withHumidity);

    // Draws in the temperature or the temperature/humidity form, with the
    // graph and axis names of that form.
    static void drawRecord(
        const QList<TempDataItem *> &samples, QCustomPlot *plot, SAXYDataTracker *home, bool withHumidity);

    // Puts the three axes back to their home ranges (the right click).
    static void restoreHomeRanges(QCustomPlot *plot, const SAXYDataTracker *home);
};

#endif // CDATACURVE_H
