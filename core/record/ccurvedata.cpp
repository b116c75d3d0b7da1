#include "core/record/ccurvedata.h"

#include "core/record/crecordtime.h"

CCurveData CCurveData::compute(const QList<TempDataItem *> &samples, bool withHumidity)
{
    CCurveData curve;
    const int n = samples.size();
    curve.keys.reserve(n);
    curve.temps.reserve(n);
    curve.samples.reserve(n);
    if (withHumidity)
        curve.humidities.reserve(n);

    // A time that does not parse stands at the invalid date and time: the
    // largest unsigned 32-bit number of seconds.
    QVector<qint64> times(n);
    for (int i = 0; i < n; ++i) {
        const qint64 secs = samples.at(i)->secs;
        times[i] = secs == CRecordTime::invalidSecs ? InvalidTime : secs;
    }

    qint64 interval = n > 2 ? times[1] - times[0] : 0;
    bool tempSeen = false;
    bool humiditySeen = false;
    bool referenceSet = false;
    qint64 reference = 0;
    bool gap = false;
    qint64 runningKey = 0;

    for (int i = 0; i < n; ++i) {
        const TempDataItem *item = samples.at(i);
        const qint64 t = times[i];
        const double temp = item->temp.toDouble();
        if (withHumidity) {
            const double humidity = item->shidu.toDouble();
            curve.humidityMin = humiditySeen ? qMin(curve.humidityMin, humidity) : humidity;
            curve.humidityMax = humiditySeen ? qMax(curve.humidityMax, humidity) : humidity;
            humiditySeen = true;
        }
        if (temp == 255.0)
            continue;
        curve.tempMin = tempSeen ? qMin(curve.tempMin, temp) : temp;
        curve.tempMax = tempSeen ? qMax(curve.tempMax, temp) : temp;
        tempSeen = true;

        if (i > 0 && t - times[i - 1] > 2 * interval) {
            if (i + 1 < n)
                interval = times[i + 1] - t;
            if (!gap) {
                runningKey = times[i - 1];
                gap = true;
            }
        }
        if (!referenceSet) {
            reference = t;
            referenceSet = true;
        }
        if (t <= reference)
            continue;
        qint64 key = t;
        if (gap) {
            runningKey += interval;
            key = runningKey;
        }
        curve.keys.append(double(key));
        curve.temps.append(temp);
        curve.samples.append(i);
        if (withHumidity)
            curve.humidities.append(item->shidu.toDouble());
    }
    return curve;
}

int CCurveData::nearestPoint(double key) const
{
    const int n = keys.size();
    if (n == 0)
        return -1;
    // The first point whose key is not below key. The keys come sorted; a
    // record whose clock went back breaks that, and the search then still
    // ends on a point, only perhaps not the nearest one.
    int low = 0;
    int high = n - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (keys.at(middle) < key)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && key - keys.at(low - 1) <= keys.at(low) - key)
        return low - 1;
    return low;
}

namespace {

QVector<int> beyond(const QVector<double> &values, double high, double low)
{
    QVector<int> points;
    for (int i = 0; i < values.size(); ++i) {
        if (values.at(i) > high || values.at(i) < low)
            points.append(i);
    }
    return points;
}

} // namespace

QVector<int> CCurveData::tempAlarmPoints(double high, double low) const
{
    return beyond(temps, high, low);
}

QVector<int> CCurveData::humidityAlarmPoints(double high, double low) const
{
    return beyond(humidities, high, low);
}
