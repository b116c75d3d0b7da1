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

QString timeText(const QDateTime &start, int seconds)
{
    return start.addSecs(seconds).toString("yyyy/MM/dd hh:mm:ss");
}

// A record of samples at the given seconds after start; temps and humidities
// one per sample (humidity empty: a temperature-only record).
void fill(CRecord &record, const QDateTime &start, const QVector<int> &seconds, const QStringList &temps,
    const QStringList &humidities = QStringList())
{
    record.data.clear();
    for (int i = 0; i < seconds.size(); ++i)
        record.data.dataList << new TempDataItem(
            temps.at(i), humidities.value(i), timeText(start, seconds.at(i)));
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

    // Every 60 s, a stop of 3 hours after the fifth sample: the curve runs on
    // 60 s after the last sample before the stop, but the read-out must name
    // the sample behind the point with its real time.
    void nearestSample_data()
    {
        QTest::addColumn<double>("offset"); // seconds after the first sample
        QTest::addColumn<int>("sample");

        QTest::newRow("before the first point") << -3600.0 << 1;
        QTest::newRow("on the first point") << 60.0 << 1;
        QTest::newRow("nearer the second") << 91.0 << 2;
        QTest::newRow("midway takes the earlier") << 90.0 << 1;
        QTest::newRow("last before the stop") << 240.0 << 4;
        QTest::newRow("first after the stop, continued key") << 300.0 << 5;
        QTest::newRow("its real time is far off the curve") << 10800.0 + 300.0 << 7;
        QTest::newRow("after the last point") << 1e9 << 7;
    }
    void nearestSample()
    {
        QFETCH(double, offset);
        QFETCH(int, sample);
        CRecord record;
        fill(record, Start, { 0, 60, 120, 180, 240, 10800 + 240, 10800 + 300, 10800 + 360 },
            { "1", "2", "3", "4", "5", "6", "7", "8" });
        const CCurveData curve = CCurveData::compute(record.data.dataList, false);
        QCOMPARE(curve.samples, (QVector<int> { 1, 2, 3, 4, 5, 6, 7 }));

        const double first = double(Start.toSecsSinceEpoch());
        const int point = curve.nearestPoint(first + offset);
        QVERIFY(point >= 0);
        QCOMPARE(curve.samples.at(point), sample);
        QCOMPARE(curve.temps.at(point), double(sample + 1));
        // After the stop the keys run on at 60 s, far from the samples' times.
        QCOMPARE(curve.keys.at(point), first + 60.0 * sample);
    }

    // Beyond the limits as the list paints red: equal is no alarm; a missing
    // reading is no point; humidity has its own limits.
    void alarmPoints()
    {
        CRecord record;
        fill(record, Start, { 0, 60, 120, 180, 240, 300, 360 }, { "9", "8", "8.1", "255", "2", "1.9", "5" },
            { "50", "80", "80.5", "50", "20", "19", "50" });
        const CCurveData curve = CCurveData::compute(record.data.dataList, true);
        QCOMPARE(curve.samples, (QVector<int> { 1, 2, 4, 5, 6 }));
        QCOMPARE(curve.tempAlarmPoints(8, 2), (QVector<int> { 1, 3 }));
        QCOMPARE(curve.humidityAlarmPoints(80, 20), (QVector<int> { 1, 3 }));
        // Fahrenheit limits as printed against Fahrenheit readings.
        fill(record, Start, { 0, 60, 120 }, { "70", "86.1", "46.4" });
        QCOMPARE(
            CCurveData::compute(record.data.dataList, false).tempAlarmPoints(86, 46.4), (QVector<int> { 0 }));
    }

    // Trips of different days and intervals start at elapsed 0, each at its
    // own first sample; the first trip gives unit and limits; a trip in the
    // other unit is converted; missing readings and bad times are left out.
    void compareAlignsTrips()
    {
        CRecord first, second, fahrenheit, empty, single;
        first.summary.tempUnit = "°C";
        first.limits = { 8, 2, 0, 0 };
        fill(first, Start, { 0, 60, 120, 180 }, { "4", "255", "6", "7" });
        second.summary.tempUnit = "°C";
        second.limits = { 30, -30, 0, 0 };
        fill(second, Start.addDays(40).addSecs(1234), { 0, 300, 600 }, { "3", "4", "5" },
            { "40", "41", "42" });
        second.data.dataList.insert(0, new TempDataItem("99", "0", "no time"));
        fahrenheit.summary.tempUnit = "°F";
        fill(fahrenheit, Start.addYears(-1), { 0, 3600 }, { "32", "212" });
        fill(single, Start.addDays(3), { 0 }, { "5" });

        const CCompareData data
            = CCompareData::compute({ &first, nullptr, &second, &fahrenheit, &empty, &single });
        QCOMPARE(data.trips.size(), 5);
        QCOMPARE(data.trips.at(0).elapsed, (QVector<double> { 0, 120, 180 }));
        QCOMPARE(data.trips.at(0).temps, (QVector<double> { 4, 6, 7 }));
        QCOMPARE(data.trips.at(1).elapsed, (QVector<double> { 0, 300, 600 }));
        QCOMPARE(data.trips.at(2).elapsed, (QVector<double> { 0, 3600 }));
        QCOMPARE(data.trips.at(2).temps, (QVector<double> { 0, 100 }));
        QCOMPARE(data.trips.at(2).convertedFrom, QString("℉"));
        QVERIFY(data.trips.at(3).elapsed.isEmpty());
        QCOMPARE(data.trips.at(4).elapsed, (QVector<double> { 0 }));
        QCOMPARE(data.limits.tempHigh, 8.0);
        QCOMPARE(data.elapsedMax, 3600.0);

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
