#include "core/record/ccomparedata.h"

#include "core/record/ccurvedata.h"

namespace {

const QString Celsius = QStringLiteral("℃");
const QString Fahrenheit = QStringLiteral("℉");

double convert(double value, const QString &from, const QString &to)
{
    if (from == Fahrenheit && to == Celsius)
        return (value - 32.0) * 5.0 / 9.0;
    if (from == Celsius && to == Fahrenheit)
        return value * 9.0 / 5.0 + 32.0;
    return value;
}

CCompareTrip tripOf(const CRecord &record, const QString &sign)
{
    CCompareTrip trip;
    trip.name = record.name;
    const QString own = CCompareData::unitSign(record.summary.tempUnit);
    const bool converting = !own.isEmpty() && !sign.isEmpty() && own != sign;
    if (converting)
        trip.convertedFrom = own;

    const CTempData &samples = record.data;
    const CCurveData curve = CCurveData::compute(samples, record.hasHumidity());
    trip.breaks = curve.breaks;
    trip.unreadableTimes = curve.unreadableTimes;
    trip.humidities = curve.humidities;
    // From the first sample with a time, also when that is a missing reading.
    qint64 start = 0;
    bool started = false;
    for (int i = 0; i < samples.size(); ++i) {
        const qint64 secs = samples.secs(i);
        if (secs != CRecordTime::invalidSecs && (!started || secs < start)) {
            start = secs;
            started = true;
        }
    }
    trip.elapsed.reserve(curve.keys.size());
    trip.temps.reserve(curve.keys.size());
    for (int i = 0; i < curve.keys.size(); ++i) {
        trip.elapsed.append(curve.keys.at(i) - double(start));
        const double temp = curve.temps.at(i);
        trip.temps.append(converting ? convert(temp, own, sign) : temp);
    }
    return trip;
}

void widen(double value, bool &seen, double &minimum, double &maximum)
{
    minimum = seen ? qMin(minimum, value) : value;
    maximum = seen ? qMax(maximum, value) : value;
    seen = true;
}

} // namespace

QString CCompareData::unitSign(const QString &tempUnit)
{
    if (tempUnit.contains(QStringLiteral("°C")) || tempUnit.contains(Celsius))
        return Celsius;
    if (tempUnit.contains(QStringLiteral("°F")) || tempUnit.contains(Fahrenheit))
        return Fahrenheit;
    return QString();
}

CCompareData CCompareData::compute(const QVector<const CRecord *> &records)
{
    CCompareData data;
    QString sign;
    bool first = true;
    bool tempSeen = false;
    bool humiditySeen = false;
    for (const CRecord *record : records) {
        if (!record)
            continue;
        if (data.trips.size() == MaxTrips)
            break;
        if (first) {
            data.tempUnit = record->summary.tempUnit;
            data.limits.tempHigh = record->limits.tempHigh;
            data.limits.tempLow = record->limits.tempLow;
            sign = unitSign(data.tempUnit);
            first = false;
        }
        if (record->hasHumidity() && !data.humidity) {
            data.humidity = true;
            data.limits.humidityHigh = record->limits.humidityHigh;
            data.limits.humidityLow = record->limits.humidityLow;
        }
        CCompareTrip trip = tripOf(*record, sign);
        for (const double temp : qAsConst(trip.temps))
            widen(temp, tempSeen, data.tempMin, data.tempMax);
        for (const double humidity : qAsConst(trip.humidities))
            widen(humidity, humiditySeen, data.humidityMin, data.humidityMax);
        if (!trip.elapsed.isEmpty())
            data.elapsedMax = qMax(data.elapsedMax, trip.elapsed.last());
        data.trips.append(trip);
    }
    return data;
}

int CCompareData::unreadableTimes() const
{
    int count = 0;
    for (const CCompareTrip &trip : trips)
        count += trip.unreadableTimes;
    return count;
}
