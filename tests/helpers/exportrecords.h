#ifndef TESTS_EXPORTRECORDS_H
#define TESTS_EXPORTRECORDS_H

// Records for the export tests and benchmark, written by hand: an English
// and a Chinese summary as the report parsers fill them, and sample lists.

#include "core/export/crecordexporter.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cmath>
#include <functional>

namespace ExportRecords {

inline void englishSummary(CSummeryParam &s, bool humidity)
{
    s.deviceModel = humidity ? "TL-83WQ" : "TL-30";
    s.deviceNo = "ID000123";
    s.firmwareVersion = "V2.1";
    s.deviceZone = "UTC+08:00";
    s.deviceTime = "2024/03/06 10:00:00";
    s.deviceSensor = "Internal";
    s.tempUnit = QString::fromUtf8("°C");
    s.fileFormat = "PDF";
    s.language = "EN";
    s.battery = "85";
    s.recordStartModel = "Manual";
    s.delayStart = "Manual+Delay 30min";
    s.startAt = "-----";
    s.normalRecordSpace = "1min";
    s.alarmSpace = "1min";
    s.alarmDelay = "0min";
    s.isRecycleRecord = "OFF";
    s.isRestart = "ON";
    s.recordStopModel = "Manual";
    s.stopAt = "-----";
    s.tempHigh = humidity ? QString::fromUtf8("30.0°C  80.0%") : QString::fromUtf8("30.0°C");
    s.tempLow = humidity ? QString::fromUtf8("-10.0°C  20.0%") : QString::fromUtf8("-10.0°C");
    s.isLongPressed = "ON";
    s.isSettingClearRecord = "OFF";
    s.tempMax = humidity ? QString::fromUtf8("31.5°C  65.0%") : QString::fromUtf8("31.5°C");
    s.tempMin = humidity ? QString::fromUtf8("18.0°C  40.0%") : QString::fromUtf8("18.0°C");
    s.tempAvg = humidity ? QString::fromUtf8("24.2°C  52.3%") : QString::fromUtf8("24.2°C");
    s.alarmTimeLen = "2h 5min";
    s.alarmCount = "3";
    s.alarmType = "[Exceed Upper Limit]";
    s.wayId = "7";
    s.recordStartAt = "2024/03/05 08:00:00";
    s.recordStopAt = "2024/03/05 17:59:00";
    s.recordTimes = "1";
    s.recordTimeLen = "9h 59min";
    s.recordCount = "600";
    s.wayDesc = "Cold chain (test) \\ route";
    s.mkt = QString::fromUtf8("24.5°C");
    s.lcd_mode = "ON";
    s.containTemp = 1;
    s.containHumidity = humidity ? 1 : 0;
}

inline void chineseSummary(CSummeryParam &s, bool humidity)
{
    englishSummary(s, humidity);
    s.deviceSensor = QString::fromUtf8("内置");
    s.tempUnit = QString::fromUtf8("℃");
    s.language = QString::fromUtf8("中文");
    s.recordStartModel = QString::fromUtf8("按键开启");
    s.delayStart = QString::fromUtf8("按键开启 + 延时");
    s.recordStopModel = QString::fromUtf8("按键关闭");
    s.normalRecordSpace = QString::fromUtf8("1分");
    s.isRecycleRecord = QString::fromUtf8("否");
    s.isRestart = QString::fromUtf8("是");
    s.isLongPressed = QString::fromUtf8("是");
    s.isSettingClearRecord = QString::fromUtf8("否");
    s.lcd_mode = QString::fromUtf8("是");
    s.tempHigh = humidity ? QString::fromUtf8("30.0℃  80.0%") : QString::fromUtf8("30.0℃");
    s.tempMax = humidity ? QString::fromUtf8("31.5℃  65.0%") : QString::fromUtf8("31.5℃");
    s.alarmTimeLen = QString::fromUtf8("2时 5分 ");
    s.alarmType = QString::fromUtf8("无报警");
    s.alarmCount = "0";
    s.recordTimeLen = QString::fromUtf8("9时 59分 ");
    s.wayDesc = QString::fromUtf8("冷链运输（测试）");
    s.mkt = QString::fromUtf8("24.5℃");
}

// Time text of start + seconds, by calendar arithmetic (no time zone), in
// ASCII digits whatever the locale.
inline QString timeText(const QString &start, qint64 seconds)
{
    QDateTime t = QDateTime::fromString(start, "yyyy/MM/dd hh:mm:ss");
    t.setTimeSpec(Qt::UTC);
    return QLocale::c().toString(t.addSecs(seconds), "yyyy/MM/dd hh:mm:ss");
}

// count samples from start, every interval seconds; temperature and
// humidity texts from the given functions of the sample index.
inline void samples(CTempData &data, int count, const QString &start, int interval,
    const std::function<QString(int)> &temp, const std::function<QString(int)> &humidity = {})
{
    data.clear();
    QDateTime t = QDateTime::fromString(start, "yyyy/MM/dd hh:mm:ss");
    t.setTimeSpec(Qt::UTC);
    for (int i = 0; i < count; ++i) {
        auto *item = new TempDataItem;
        item->recordTime = QLocale::c().toString(t.addSecs(qint64(i) * interval), "yyyy/MM/dd hh:mm:ss");
        item->temp = temp(i);
        item->shidu = humidity ? humidity(i) : QString();
        item->readTime();
        data.dataList.append(item);
    }
}

// Every sample of a list, as a range holding all of them selects them.
inline CSampleSelection all(const CTempData &data)
{
    return CSampleSelection(data.dataList.cbegin(), data.dataList.cend());
}

// A smooth temperature between 18.0 and 31.5 and humidity between 40 and 65.
inline QString wavyTemp(int i)
{
    return QString::number(24.75 + 6.75 * std::sin(i / 50.0), 'f', 1);
}
inline QString wavyHumidity(int i)
{
    return QString::number(52.5 + 12.5 * std::cos(i / 70.0), 'f', 1);
}

} // namespace ExportRecords

#endif // TESTS_EXPORTRECORDS_H
