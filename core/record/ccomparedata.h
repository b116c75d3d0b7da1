#ifndef CCOMPAREDATA_H
#define CCOMPAREDATA_H

#include "core/record/crecord.h"

#include <QString>
#include <QVector>

// One trip of a comparison: its temperatures against the time elapsed since
// its own first sample.
struct CCompareTrip {
    QString name;
    QVector<double> elapsed; // seconds since the trip's first sample, ascending
    QVector<double> temps; // in the unit of the first trip
    // The trip's own unit sign ("℃" or "℉") when its temperatures were
    // converted to the first trip's unit; empty when they were not.
    QString convertedFrom;
};

// Several stored trips side by side, each starting at elapsed time 0, so
// that trips of different days line up. The first trip gives the unit and
// the alarm limits; a trip printed in the other unit (°C against °F) is
// converted, since one axis cannot carry both.
//
// Every sample with a time is a point, the first one too. A missing reading
// (255) and a time that does not parse are left out; the elapsed time still
// counts from the first sample of the list that has a time. There is no
// closing up of stops here: elapsed time is real time.
class CCompareData {
public:
    // More trips than this make an unreadable plot; the history list refuses them.
    static constexpr int MaxTrips = 10;

    QVector<CCompareTrip> trips;
    QString tempUnit; // the first trip's summary unit
    CAlarmLimits limits; // the first trip's
    double elapsedMax = 0; // the longest trip
    double tempMin = 0, tempMax = 0; // over every point; 0 without points

    // The first MaxTrips records; null entries are skipped.
    static CCompareData compute(const QVector<const CRecord *> &records);

    // The unit sign of a summary's tempUnit: "℃", "℉", or empty when it
    // names neither.
    static QString unitSign(const QString &tempUnit);
};

#endif // CCOMPAREDATA_H
