#include "core/record/ccurvedata.h"

#include "core/record/crecordtime.h"

#include <algorithm>

CCurveData CCurveData::compute(const CTempData &samples, bool withHumidity)
{
    CCurveData curve;
    // The samples with a time, in the order of time: a logger's list is in
    // that order already; that of a logger whose clock was set back is
    // sorted (equal times keep their list order).
    QVector<int> order;
    order.reserve(samples.size());
    bool sorted = true;
    qint64 last = 0;
    for (int i = 0; i < samples.size(); ++i) {
        const qint64 secs = samples.secs(i);
        if (secs == CRecordTime::invalidSecs) {
            ++curve.unreadableTimes;
            continue;
        }
        if (!order.isEmpty() && secs < last)
            sorted = false;
        last = secs;
        order.append(i);
    }
    if (!sorted) {
        std::stable_sort(order.begin(), order.end(),
            [&samples](int a, int b) { return samples.secs(a) < samples.secs(b); });
    }
    QVector<qint64> times(order.size());
    for (int k = 0; k < order.size(); ++k)
        times[k] = samples.secs(order.at(k));
    // Over every sample with a time: a missing reading is no stop.
    const QVector<int> stops = lineBreaks(times);

    curve.keys.reserve(order.size());
    curve.temps.reserve(order.size());
    curve.samples.reserve(order.size());
    if (withHumidity)
        curve.humidities.reserve(order.size());
    bool tempSeen = false;
    bool humiditySeen = false;
    int nextStop = 0;
    bool stopBefore = false;
    for (int k = 0; k < order.size(); ++k) {
        if (nextStop < stops.size() && stops.at(nextStop) == k) {
            stopBefore = true;
            ++nextStop;
        }
        const int sample = order.at(k);
        const double temp = samples.tempValue(sample);
        double humidity = 0;
        if (withHumidity) {
            humidity = samples.shiduValue(sample);
            curve.humidityMin = humiditySeen ? qMin(curve.humidityMin, humidity) : humidity;
            curve.humidityMax = humiditySeen ? qMax(curve.humidityMax, humidity) : humidity;
            humiditySeen = true;
        }
        if (temp == 255.0)
            continue;
        curve.tempMin = tempSeen ? qMin(curve.tempMin, temp) : temp;
        curve.tempMax = tempSeen ? qMax(curve.tempMax, temp) : temp;
        tempSeen = true;
        if (stopBefore && !curve.keys.isEmpty())
            curve.breaks.append(curve.keys.size());
        stopBefore = false;
        curve.keys.append(double(times.at(k)));
        curve.temps.append(temp);
        curve.samples.append(order.at(k));
        if (withHumidity)
            curve.humidities.append(humidity);
    }
    return curve;
}

QVector<int> CCurveData::lineBreaks(const QVector<qint64> &times)
{
    QVector<int> breaks;
    const int n = times.size();
    qint64 interval = 0;
    int forward = 0;
    for (int i = 1; i < n && forward < 2; ++i) {
        const qint64 step = times.at(i) - times.at(i - 1);
        if (step > 0) {
            interval = forward == 0 ? step : qMin(interval, step);
            ++forward;
        }
    }
    const auto about = [](qint64 step, qint64 other) { return 2 * other >= step && other <= 2 * step; };
    for (int i = 1; i < n; ++i) {
        const qint64 step = times.at(i) - times.at(i - 1);
        if (step < 0) {
            breaks.append(i);
            continue;
        }
        if (step == 0)
            continue;
        if (step > 2 * interval) {
            const bool longerInterval = i + 2 < n && about(step, times.at(i + 1) - times.at(i))
                && about(step, times.at(i + 2) - times.at(i + 1));
            if (!longerInterval) {
                breaks.append(i);
                continue;
            }
        }
        interval = step;
    }
    return breaks;
}

int CCurveData::nearestPoint(double key) const
{
    const int n = keys.size();
    if (n == 0)
        return -1;
    // The first point whose key is not below key (the keys are sorted).
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
