// The curve's read-out, alarm marks and the comparison of trips, without
// widgets: which sample a pointer lands on, which points are beyond the
// limits, and how trips of different days line up.
#include "core/record/ccomparedata.h"
#include "core/record/ccurvedata.h"
#include "core/record/crecord.h"

#include <QtTest>
#include <ctime>

namespace {

const QDateTime Start(QDate(2023, 3, 1), QTime(8, 0), Qt::UTC);

// -1 seconds: a time text that cannot be read.
QString timeText(const QDateTime &start, int seconds)
{
    return seconds < 0 ? QString("no time") : start.addSecs(seconds).toString("yyyy/MM/dd hh:mm:ss");
}

// A record of samples at the given seconds after start; temps and humidities
// one per sample (humidity empty: a temperature-only record).
void fill(CRecord &record, const QDateTime &start, const QVector<int> &seconds, const QStringList &temps,
    const QStringList &humidities = QStringList())
{
    record.data.clear();
    for (int i = 0; i < seconds.size(); ++i)
        record.data.append(temps.at(i), humidities.value(i), timeText(start, seconds.at(i)));
    record.summary.containHumidity = humidities.isEmpty() ? 0 : 1;
}

} // namespace

class TestCurve : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
        CRecordTime::resetZoneCache();
    }

    // Each sample at the time it carries, the first one too; a stop of the
    // logger breaks the line; a time that cannot be read (-1 here) leaves
    // its sample out and is counted; a missing reading (255) is no point.
    void ownTimes_data()
    {
        QTest::addColumn<QVector<int>>("seconds"); // after Start; -1: no time
        QTest::addColumn<QStringList>("temps");
        QTest::addColumn<QVector<int>>("points"); // the sample behind each point
        QTest::addColumn<QVector<int>>("breaks");

        const auto temps = [](int count) -> QStringList {
            return QStringList({ "1", "2", "3", "4", "5", "6", "7" }).mid(0, count);
        };
        QTest::newRow("first sample plotted")
            << QVector<int> { 0, 60, 120 } << temps(3) << QVector<int> { 0, 1, 2 } << QVector<int> {};
        QTest::newRow("two samples") << QVector<int> { 0, 60 } << temps(2) << QVector<int> { 0, 1 }
                                     << QVector<int> {};
        QTest::newRow("stop of 3 hours") << QVector<int> { 0, 60, 120, 10920, 10980 } << temps(5)
                                         << QVector<int> { 0, 1, 2, 3, 4 } << QVector<int> { 3 };
        QTest::newRow("twice the interval is no stop") << QVector<int> { 0, 60, 120, 240, 300 } << temps(5)
                                                       << QVector<int> { 0, 1, 2, 3, 4 } << QVector<int> {};
        QTest::newRow("alarm interval, then the normal one")
            << QVector<int> { 0, 60, 120, 420, 720, 1020 } << temps(6) << QVector<int> { 0, 1, 2, 3, 4, 5 }
            << QVector<int> {};
        QTest::newRow("stop after the first sample") << QVector<int> { 0, 10800, 10860, 10920 } << temps(4)
                                                     << QVector<int> { 0, 1, 2, 3 } << QVector<int> { 1 };
        QTest::newRow("a lone sample between stops")
            << QVector<int> { 0, 60, 120, 10000, 30000, 30060, 30120 } << temps(7)
            << QVector<int> { 0, 1, 2, 3, 4, 5, 6 } << QVector<int> { 3, 4 };
        QTest::newRow("no time, left out")
            << QVector<int> { 0, -1, 60, 120 } << temps(4) << QVector<int> { 0, 2, 3 } << QVector<int> {};
        QTest::newRow("missing reading after a stop")
            << QVector<int> { 0, 60, 120, 10920, 10980 } << QStringList { "1", "2", "3", "255", "5" }
            << QVector<int> { 0, 1, 2, 4 } << QVector<int> { 3 };
        QTest::newRow("clock set back: in the order of time") << QVector<int> { 0, 60, 120, 30,
            90 } << temps(5) << QVector<int> { 0, 3, 1, 4, 2 } << QVector<int> {};
    }
    void ownTimes()
    {
        QFETCH(QVector<int>, seconds);
        QFETCH(QStringList, temps);
        QFETCH(QVector<int>, points);
        QFETCH(QVector<int>, breaks);
        CRecord record;
        fill(record, Start, seconds, temps, temps);
        const CCurveData curve = CCurveData::compute(record.data, true);
        QCOMPARE(curve.samples, points);
        QCOMPARE(curve.breaks, breaks);
        QCOMPARE(curve.unreadableTimes, int(seconds.count(-1)));
        QVector<double> keys, values;
        for (int sample : points) {
            keys << double(Start.toSecsSinceEpoch() + seconds.at(sample));
            values << temps.at(sample).toDouble();
        }
        QCOMPARE(curve.keys, keys);
        QCOMPARE(curve.temps, values);
        QCOMPARE(curve.humidities, values);
        const auto range = std::minmax_element(values.begin(), values.end());
        QCOMPARE(qMakePair(curve.tempMin, curve.tempMax), qMakePair(*range.first, *range.second));
        // The tracer reads the sample at its own time.
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(curve.nearestPoint(keys.at(i) + 1), i);
    }

    // Beyond the limits as the list paints red: equal is no alarm; a missing
    // reading is no point; humidity has its own limits.
    void alarmPoints()
    {
        CRecord record;
        fill(record, Start, { 0, 60, 120, 180, 240, 300, 360 }, { "9", "8", "8.1", "255", "2", "1.9", "5" },
            { "50", "80", "80.5", "50", "20", "19", "50" });
        const CCurveData curve = CCurveData::compute(record.data, true);
        QCOMPARE(curve.samples, (QVector<int> { 0, 1, 2, 4, 5, 6 }));
        QCOMPARE(curve.tempAlarmPoints(8, 2), (QVector<int> { 0, 2, 4 }));
        QCOMPARE(curve.humidityAlarmPoints(80, 20), (QVector<int> { 2, 4 }));
        // The range of the humidity, beside that of the temperature.
        QCOMPARE(qMakePair(curve.humidityMin, curve.humidityMax), qMakePair(19.0, 80.5));
        // Fahrenheit limits as printed against Fahrenheit readings.
        fill(record, Start, { 0, 60, 120 }, { "70", "86.1", "46.4" });
        QCOMPARE(CCurveData::compute(record.data, false).tempAlarmPoints(86, 46.4), (QVector<int> { 1 }));
        // No sample: an empty curve over 0 to 0.
        const CCurveData none = CCurveData::compute(CTempData(), true);
        QVERIFY(none.keys.isEmpty() && none.tempMin == 0 && none.tempMax == 0 && none.humidityMax == 0);
    }

    // Trips of different days and intervals start at elapsed 0, each at its
    // own first sample; the first trip gives unit and temperature limits, the
    // first with humidity the humidity limits; a trip in the other unit is
    // converted; missing readings and bad times are left out; a stop breaks
    // the line.
    void compareAlignsTrips()
    {
        CRecord first, second, fahrenheit, empty, single;
        first.summary.tempUnit = "°C";
        first.limits = { 8, 2, 0, 0 };
        fill(first, Start, { 0, 60, 120, 180, 10980, 11040 }, { "4", "255", "6", "7", "8", "9" });
        second.summary.tempUnit = "°C";
        second.limits = { 30, -30, 80, 20 };
        fill(second, Start.addDays(40).addSecs(1234), { 0, 300, 600 }, { "3", "4", "5" },
            { "40", "41", "42" });
        CTempData shifted; // a sample without a time first
        shifted.append(TempDataItem("99", "0", "no time"));
        for (const TempDataItem &item : second.data)
            shifted.append(item);
        second.data = shifted;
        fahrenheit.summary.tempUnit = "°F";
        fill(fahrenheit, Start.addYears(-1), { 0, 3600 }, { "32", "212" });
        fill(single, Start.addDays(3), { 0 }, { "5" });

        const CCompareData data
            = CCompareData::compute({ &first, nullptr, &second, &fahrenheit, &empty, &single });
        QCOMPARE(data.trips.size(), 5);
        QCOMPARE(data.trips.at(0).elapsed, (QVector<double> { 0, 120, 180, 10980, 11040 }));
        QCOMPARE(data.trips.at(0).temps, (QVector<double> { 4, 6, 7, 8, 9 }));
        QCOMPARE(data.trips.at(0).breaks, (QVector<int> { 3 }));
        QVERIFY(!data.trips.at(0).hasHumidity());
        QCOMPARE(data.trips.at(1).elapsed, (QVector<double> { 0, 300, 600 }));
        QCOMPARE(data.trips.at(1).humidities, (QVector<double> { 40, 41, 42 }));
        QCOMPARE(data.trips.at(1).unreadableTimes, 1);
        QCOMPARE(data.unreadableTimes(), 1);
        QCOMPARE(data.trips.at(2).elapsed, (QVector<double> { 0, 3600 }));
        QCOMPARE(data.trips.at(2).temps, (QVector<double> { 0, 100 }));
        QCOMPARE(data.trips.at(2).convertedFrom, QString("℉"));
        QVERIFY(data.trips.at(3).elapsed.isEmpty());
        QCOMPARE(data.trips.at(4).elapsed, (QVector<double> { 0 }));
        QCOMPARE(data.limits.tempHigh, 8.0);
        QCOMPARE(data.limits.humidityHigh, 80.0);
        QVERIFY(data.humidity);
        QCOMPARE(data.humidityMin, 40.0);
        QCOMPARE(data.elapsedMax, 11040.0);

        // A clock set back: the points come in elapsed order.
        fill(first, Start, { 0, 600, 300 }, { "1", "2", "3" });
        QCOMPARE(CCompareData::compute({ &first }).trips.at(0).temps, (QVector<double> { 1, 3, 2 }));

        // Never more than ten trips.
        QVector<const CRecord *> many(CCompareData::MaxTrips + 2, &single);
        QCOMPARE(CCompareData::compute(many).trips.size(), CCompareData::MaxTrips);
    }
};

QTEST_GUILESS_MAIN(TestCurve)
#include "tst_curve.moc"
