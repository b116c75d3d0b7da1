#include "core/record/ccomparedata.h"

#include <algorithm>
#include <numeric>

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

    const QList<TempDataItem *> &samples = record.data.dataList;
    trip.elapsed.reserve(samples.size());
    trip.temps.reserve(samples.size());
    bool started = false;
    qint64 start = 0;
    bool sorted = true;
    for (const TempDataItem *item : samples) {
        if (item->secs == CRecordTime::invalidSecs)
            continue;
        if (!started) {
            start = item->secs;
            started = true;
        }
        const double temp = item->temp.toDouble();
        if (temp == 255.0)
            continue;
        const double elapsed = double(item->secs - start);
        if (!trip.elapsed.isEmpty() && elapsed < trip.elapsed.last())
            sorted = false;
        trip.elapsed.append(elapsed);
        trip.temps.append(converting ? convert(temp, own, sign) : temp);
    }
    if (!sorted) {
        // A logger whose clock was set back: the plot wants its keys in order.
        QVector<int> order(trip.elapsed.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
            [&trip](int a, int b) { return trip.elapsed.at(a) < trip.elapsed.at(b); });
        QVector<double> elapsed, temps;
        elapsed.reserve(order.size());
        temps.reserve(order.size());
        for (int i : order) {
            elapsed.append(trip.elapsed.at(i));
            temps.append(trip.temps.at(i));
        }
        trip.elapsed = elapsed;
        trip.temps = temps;
    }
    return trip;
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
    bool seen = false;
    for (const CRecord *record : records) {
        if (!record)
            continue;
        if (data.trips.size() == MaxTrips)
            break;
        if (first) {
            data.tempUnit = record->summary.tempUnit;
            data.limits = record->limits;
            sign = unitSign(data.tempUnit);
            first = false;
        }
        CCompareTrip trip = tripOf(*record, sign);
        for (int i = 0; i < trip.temps.size(); ++i) {
            const double temp = trip.temps.at(i);
            data.tempMin = seen ? qMin(data.tempMin, temp) : temp;
            data.tempMax = seen ? qMax(data.tempMax, temp) : temp;
            seen = true;
        }
        if (!trip.elapsed.isEmpty())
            data.elapsedMax = qMax(data.elapsedMax, trip.elapsed.last());
        data.trips.append(trip);
    }
    return data;
}
