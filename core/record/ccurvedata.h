#ifndef CCURVEDATA_H
#define CCURVEDATA_H

#include "core/record/ctempdata.h"

#include <QVector>

// The points of a record's curve and its value ranges.
//
// The logger marks a missing reading with the temperature 255: such samples
// are left out. A stop in the recording (a step of more than twice the
// sample interval) is closed up: from the first stop on, the curve continues
// at the regular interval after the last sample before it. The first sample
// only sets the reference time and is not plotted, nor is any later sample
// that is not later than it.
struct CCurveData {
    QVector<double> keys; // seconds since 1970 UTC of the sample's local time
    QVector<double> temps;
    QVector<double> humidities; // only with humidity
    // The sample behind each point (its index in the sample list): after a
    // stop the key is a continued time, the sample keeps its real one.
    QVector<int> samples;
    double tempMin = 0, tempMax = 0; // over every sample but the missing ones
    double humidityMin = 0, humidityMax = 0; // over every sample

    static constexpr qint64 InvalidTime = 4294967295LL;

    static CCurveData compute(const QList<TempDataItem *> &samples, bool withHumidity);

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
