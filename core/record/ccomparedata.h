#ifndef CCOMPAREDATA_H
#define CCOMPAREDATA_H

#include "core/record/crecord.h"

#include <QString>
#include <QVector>

// One trip of a comparison: its temperatures (and humidities) against the
// time elapsed since its own first sample.
struct CCompareTrip {
    QString name;
    QVector<double> elapsed; // seconds since the trip's first sample, ascending
    QVector<double> temps; // in the unit of the first trip
    QVector<double> humidities; // at the same points; empty for a temperature-only record
    QVector<int> breaks; // the points after a stop of the logger (CCurveData::breaks)
    int unreadableTimes = 0; // samples left out because their time cannot be read
    // The trip's own unit sign ("℃" or "℉") when its temperatures were
    // converted to the first trip's unit; empty when they were not.
    QString convertedFrom;

    bool hasHumidity() const { return !humidities.isEmpty(); }
};

// Several stored trips side by side, each starting at elapsed time 0, so
// that trips of different days line up. The first trip gives the unit and
// the temperature limits, the first temperature/humidity trip the humidity
// limits; a trip printed in the other unit (°C against °F) is converted,
// since one axis cannot carry both.
//
// The points of each trip are those of its data curve (CCurveData): every
// sample at its own time, the first one too; missing readings (255) and
// times that cannot be read are left out; a stop of the logger breaks the
// line. The elapsed time counts from the trip's first sample that has a
// time; it is real time, stops included.
class CCompareData {
public:
    // More trips than this make an unreadable plot; the history list refuses them.
    static constexpr int MaxTrips = 10;

    QVector<CCompareTrip> trips;
    QString tempUnit; // the first trip's summary unit
    CAlarmLimits limits; // see above; the humidity pair is 0 without humidity
    bool humidity = false; // at least one trip has humidity
    double elapsedMax = 0; // the longest trip
    double tempMin = 0, tempMax = 0; // over every point; 0 without points
    double humidityMin = 0, humidityMax = 0; // over every humidity point; 0 without

    // The first MaxTrips records; null entries are skipped.
    static CCompareData compute(const QVector<const CRecord *> &records);

    // The samples of all trips left out because their time cannot be read.
    int unreadableTimes() const;

    // The unit sign of a summary's tempUnit: "℃", "℉", or empty when it
    // names neither.
    static QString unitSign(const QString &tempUnit);
};

#endif // CCOMPAREDATA_H
