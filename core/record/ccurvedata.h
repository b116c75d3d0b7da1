#ifndef CCURVEDATA_H
#define CCURVEDATA_H

#include "core/record/ctempdata.h"

#include <QVector>

// The points of a record's curve and its value ranges.
//
// Every sample is a point at the time it carries, the first one too, in the
// order of time. The logger marks a missing reading with the temperature
// 255: such a sample is left out and the line joins its neighbours. A sample
// whose time cannot be read has no place on the time axis: it is left out
// and counted. Where the logger stopped and started again (lineBreaks) the
// line breaks: no segment runs across the stop.
struct CCurveData {
    QVector<double> keys; // seconds since 1970 UTC of the sample's local time, ascending
    QVector<double> temps;
    QVector<double> humidities; // only with humidity
    // The sample behind each point (its index in the sample list).
    QVector<int> samples;
    // The points that begin a new stretch of the line, ascending: no segment
    // joins point i - 1 to point i.
    QVector<int> breaks;
    int unreadableTimes = 0; // samples left out because their time cannot be read
    double tempMin = 0, tempMax = 0; // over every point
    double humidityMin = 0, humidityMax = 0; // over every sample with a time

    static CCurveData compute(const CTempData &samples, bool withHumidity);

    // The places in a sequence of sample times (seconds, in list order) where
    // a line through them breaks: the indices i whose step from i - 1 is a
    // step back in time or a stop of the logger.
    //
    // A stop is a step of more than twice the interval in force (the last
    // step that was no stop; at first the shorter of the first two steps),
    // unless the next two steps are about as long as it (within half and
    // twice): then the logger went over to a longer interval, as it does when
    // it leaves its alarm interval for the normal one. Two equal times are no
    // step. A record of two samples therefore never breaks.
    static QVector<int> lineBreaks(const QVector<qint64> &times);

    // The point whose key is nearest to key, by binary search on the keys
    // (the earlier of two at the same distance); -1 without points. Before
    // the first key the first point, after the last key the last one.
    int nearestPoint(double key) const;

    // The points whose value lies beyond the alarm limits, as the data list
    // paints them red: above the upper or below the lower limit (a value
    // equal to a limit is not an alarm).
    QVector<int> tempAlarmPoints(double high, double low) const;
    QVector<int> humidityAlarmPoints(double high, double low) const;
};

#endif // CCURVEDATA_H
