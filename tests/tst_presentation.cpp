// What the data view shows, without widgets: summary values, the list model
// and the curve points.
#include "core/record/appglobals.h"
#include "core/record/ccurvedata.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdatamodel.h"

#include <QColor>
#include <QTranslator>
#include <QtTest>
#include <ctime>

namespace {

TempDataItem *sample(const QString &time, const QString &temp, const QString &humidity = QString())
{
    return new TempDataItem { temp, humidity, time };
}

// A Chinese CSV report as the parser leaves it.
void fillChineseCsv(CSummeryParam &s)
{
    s.clear();
    s.fileFormat = "CSV";
    s.language = "中文";
    s.deviceTime = "2021年05月06日 08:05:09";
    s.startAt = "2021年05月07日 10:00";
    s.recordStartAt = "2021年05月06日 08:00:00";
    s.recordStopAt = "2021年05月08日 08:00:00";
    s.normalRecordSpace = "1小时0分0秒";
    s.alarmSpace = "5分30秒";
    s.alarmDelay = "5分钟";
    s.alarmTimeLen = "1天2小时5分0秒";
    s.recordTimeLen = "2小时5分0秒";
    s.alarmCount = "3条";
    s.recordCount = "1200条";
    s.recordTimes = "2次";
    s.alarmType = "温度高于上限 湿度低于下限";
    s.recordStartModel = "按键延时开启";
    s.delayStart = "按键开启 延时 30分钟";
    s.deviceSensor = "内置温湿度";
    s.isRecycleRecord = "是";
    s.isRestart = "否";
    s.lcd_mode = "开启";
}

} // namespace

class TestPresentation : public QObject {
    Q_OBJECT

    QTranslator english;

private slots:
    void initTestCase() { QVERIFY(english.load(QStringLiteral(VESMIRA_RESOURCE_DIR "/dravik_en.qm"))); }

    void chineseReportInEnglishInterface()
    {
        languageCode = "en";
        QCoreApplication::installTranslator(&english);
        CSummeryParam s;
        fillChineseCsv(s);
        CSummaryDisplay::applyStoredConversions(s);
        // The record itself changes: it is stored that way.
        QCOMPARE(s.deviceTime, QString("2021/05/06 08:05:09"));
        QCOMPARE(s.startAt, QString("2021/05/07 10:00"));
        QCOMPARE(s.recordStopAt, QString("2021/05/08 08:00:00"));
        QCOMPARE(s.alarmCount, QString("3"));
        QCOMPARE(s.recordCount, QString("1200"));
        QCOMPARE(s.recordTimes, QString("2"));
        // Running it again changes nothing.
        CSummaryDisplay::applyStoredConversions(s);
        QCOMPARE(s.deviceTime, QString("2021/05/06 08:05:09"));

        const CSummaryDisplay::Values v = CSummaryDisplay::values(s);
        QCOMPARE(v["normalRecordSpace"], QString("1h 0min 0sec"));
        QCOMPARE(v["alarmSpace"], QString("5min 30sec"));
        QCOMPARE(v["alarmDelay"], QString("5min"));
        QCOMPARE(v["alarmTimeLen"], QString("1d 2h 5min 0sec"));
        QCOMPARE(v["recordTimeLen"], QString("2h 5min 0sec"));
        QCOMPARE(v["alarmType"], QString("[Temp Exceed Upper Limit] [Humi Below Lower Limit]"));
        QCOMPARE(v["recordStartModel"], QString("Manual+Delay"));
        QCOMPARE(v["delayStart"], QString("Manual+Delay 30 min "));
        QCOMPARE(v["deviceSensor"], QString("Temperature&Humidity(internal)"));
        QCOMPARE(v["language"], QString("Chinese"));
        QCOMPARE(v["isRecycleRecord"], QString("ON"));
        QCOMPARE(v["isRestart"], QString("OFF"));
        QCOMPARE(v["lcd_mode"], QString("Always ON"));
        QVERIFY(v.alarmed);
        QVERIFY(!v.mktShown);

        s.alarmType = "无报警 其他";
        s.alarmCount = "0";
        s.mkt = "25.3°C";
        const CSummaryDisplay::Values quiet = CSummaryDisplay::values(s);
        QCOMPARE(quiet["alarmType"], QString("[No Alarm]"));
        QVERIFY(!quiet.alarmed);
        QVERIFY(quiet.mktShown);

        // Blanks between numbers and units; the mode named before the delay.
        QCOMPARE(CSummaryDisplay::englishDuration("1 小时 0 分 0 秒", false), QString("1h 0min 0sec"));
        s.delayStart = "延时开启 30分钟";
        QCOMPARE(CSummaryDisplay::values(s)["delayStart"], QString("Manual+Delay 30 min "));

        // Units out of order are shown as printed.
        QCOMPARE(CSummaryDisplay::englishDuration("30分", false), QString("30分"));
        QCOMPARE(CSummaryDisplay::englishDuration("15秒", false), QString("15sec"));
        QCOMPARE(CSummaryDisplay::englishDuration("1天5分0秒", true), QString("1天5分0秒"));
        QCOMPARE(CSummaryDisplay::temperatureAxisLabel("°F"), QString("Temperature(℉)"));
        QCOMPARE(CSummaryDisplay::temperatureHeader("°C"), QString("Temperature(°C)"));
        QCoreApplication::removeTranslator(&english);
    }

    void chineseInterfaceAndOtherReports()
    {
        languageCode = "zh_CN";
        CSummeryParam s;
        fillChineseCsv(s);
        CSummaryDisplay::applyStoredConversions(s);
        // Dates are converted whatever the interface language...
        QCOMPARE(s.deviceTime, QString("2021/05/06 08:05:09"));
        // ...durations and alarm types stay Chinese.
        const CSummaryDisplay::Values v = CSummaryDisplay::values(s);
        QCOMPARE(v["normalRecordSpace"], QString("1小时0分0秒"));
        QCOMPARE(v["alarmType"], QString("温度高于上限 湿度低于下限"));
        QCOMPARE(v["delayStart"], QString("按键开启 延时 30分钟"));

        // A Chinese PDF report keeps its dates.
        fillChineseCsv(s);
        s.fileFormat = "PDF";
        CSummaryDisplay::applyStoredConversions(s);
        QCOMPARE(s.deviceTime, QString("2021年05月06日 08:05:09"));

        // An English report in an English interface: as written.
        languageCode = "en";
        QCoreApplication::installTranslator(&english);
        CSummeryParam e;
        e.clear();
        e.language = "EN";
        e.fileFormat = "CSV";
        e.normalRecordSpace = "1h 0min 0sec";
        e.alarmType = "[No Alarm]";
        e.recordStartModel = "Manual";
        e.alarmCount = "0";
        CSummaryDisplay::applyStoredConversions(e);
        const CSummaryDisplay::Values ev = CSummaryDisplay::values(e);
        QCOMPARE(ev["normalRecordSpace"], QString("1h 0min 0sec"));
        QCOMPARE(ev["alarmType"], QString("[No Alarm]"));
        QCOMPARE(ev["recordStartModel"], QString("Manual"));
        QCOMPARE(ev["language"], QString("English"));
        QVERIFY(!ev.alarmed);
        QCoreApplication::removeTranslator(&english);
        languageCode = "zh_CN";
    }

    void listModel()
    {
        CTempData data;
        data.dataList << sample("2021/05/06 08:00:00", "8.0", "80.0")
                      << sample("2021/05/06 08:01:00", "8.1", "80.1")
                      << sample("2021/05/06 08:02:00", "2.0", "20.0")
                      << sample("2021/05/06 08:03:00", "1.9", "19.9")
                      << sample("2021/05/06 08:04:00", "abc", "");
        CTempDataModel model;
        model.setSamples(data, 8.0, 2.0, 80.0, 20.0);
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.data(model.index(0, 0)).toInt(), 1);
        QCOMPARE(model.data(model.index(4, 0)).toInt(), 5);
        QCOMPARE(model.data(model.index(1, 1)).toString(), QString("2021/05/06 08:01:00"));
        QCOMPARE(model.data(model.index(2, 3)).toString(), QString("20.0"));
        // Equal to a limit: not red; beyond: red.
        QVERIFY(!model.data(model.index(0, 2), Qt::ForegroundRole).isValid());
        QCOMPARE(model.data(model.index(1, 2), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(!model.data(model.index(2, 2), Qt::ForegroundRole).isValid());
        QCOMPARE(model.data(model.index(3, 2), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QCOMPARE(model.data(model.index(1, 3), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QCOMPARE(model.data(model.index(3, 3), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(!model.data(model.index(1, 1), Qt::ForegroundRole).isValid());
        // Not a number reads as 0: below the lower limit.
        QVERIFY(model.isTemperatureAlarm(4));
        QCOMPARE(model.data(model.index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        // The model keeps its own copy.
        data.clear();
        QCOMPARE(model.data(model.index(4, 2)).toString(), QString("abc"));

        // At most 48,640 rows.
        for (int i = 0; i < CTempDataModel::MaxRows + 10; ++i)
            data.dataList << sample("2021/05/06 08:00:00", "1");
        model.setSamples(data, 8, 2, 0, 0);
        QCOMPARE(model.rowCount(), 48640);
        QVERIFY(model.setHeaderData(2, Qt::Horizontal, "T(°C)"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("T(°C)"));
    }

    void curvePoints()
    {
        qputenv("TZ", "UTC");
        tzset();
        const auto at = [](int minute) {
            return QDateTime(QDate(2021, 5, 6), QTime(8, 0), Qt::UTC).addSecs(minute * 60);
        };
        const auto text = [](const QDateTime &t) { return t.toString("yyyy/MM/dd hh:mm:ss"); };

        // Every 60 s, a stop of 3 hours after the fourth sample.
        CTempData data;
        for (int i = 0; i < 4; ++i)
            data.dataList << sample(text(at(i)), QString::number(i));
        for (int i = 0; i < 3; ++i)
            data.dataList << sample(text(at(183 + i)), QString::number(10 + i));
        CCurveData curve = CCurveData::compute(data.dataList, false);
        // The first sample only sets the reference.
        QCOMPARE(curve.keys.size(), 6);
        QCOMPARE(curve.keys.at(0), double(at(1).toSecsSinceEpoch()));
        QCOMPARE(curve.keys.at(2), double(at(3).toSecsSinceEpoch()));
        // After the stop the curve goes on 60 s after the last sample before it.
        QCOMPARE(curve.keys.at(3), double(at(4).toSecsSinceEpoch()));
        QCOMPARE(curve.keys.at(5), double(at(6).toSecsSinceEpoch()));
        QCOMPARE(curve.tempMin, 0.0);
        QCOMPARE(curve.tempMax, 12.0);

        // A step of exactly twice the interval is no stop; 255 is left out.
        data.clear();
        data.dataList << sample(text(at(0)), "-25") << sample(text(at(1)), "-20")
                      << sample(text(at(3)), "255") << sample(text(at(4)), "-18");
        curve = CCurveData::compute(data.dataList, false);
        QCOMPARE(curve.keys.size(), 2);
        QCOMPARE(curve.keys.at(1), double(at(4).toSecsSinceEpoch()));
        QCOMPARE(curve.tempMin, -25.0);
        QCOMPARE(curve.tempMax, -18.0);

        // Two samples: interval 0, the second counts as a stop and lands on
        // the first one's time.
        data.clear();
        data.dataList << sample(text(at(0)), "5", "40") << sample(text(at(10)), "6", "55");
        curve = CCurveData::compute(data.dataList, true);
        QCOMPARE(curve.keys, QVector<double> { double(at(0).toSecsSinceEpoch()) });
        QCOMPARE(curve.humidities, QVector<double> { 55 });
        QCOMPARE(curve.humidityMin, 40.0);
        QCOMPARE(curve.humidityMax, 55.0);

        // A time that does not parse stands at the invalid time, far beyond
        // its neighbour: a stop, closed up at the regular interval.
        data.clear();
        data.dataList << sample(text(at(0)), "5") << sample(text(at(1)), "5") << sample("not a time", "6");
        curve = CCurveData::compute(data.dataList, false);
        QCOMPARE(curve.keys.last(), double(at(2).toSecsSinceEpoch()));

        // No samples at all.
        data.clear();
        curve = CCurveData::compute(data.dataList, true);
        QVERIFY(curve.keys.isEmpty());
        QCOMPARE(curve.tempMin, 0.0);
        QCOMPARE(curve.tempMax, 0.0);
    }
};

QTEST_GUILESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
