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
#include <vector>

namespace ExportRecords {

inline void setFields(
    CSummeryParam &s, const std::vector<std::pair<QString CSummeryParam::*, QString>> &values)
{
    for (const auto &value : values)
        s.*value.first = value.second;
}

inline void englishSummary(CSummeryParam &s, bool humidity)
{
    using S = CSummeryParam;
    auto th = [humidity](
                  const char *t, const char *h) { return QString(t) + (humidity ? QString(h) : QString()); };
    setFields(s,
        { { &S::deviceModel, humidity ? "TL-83WQ" : "TL-30" }, { &S::deviceNo, "ID000123" },
            { &S::firmwareVersion, "V2.1" }, { &S::deviceZone, "UTC+08:00" },
            { &S::deviceTime, "2024/03/06 10:00:00" }, { &S::deviceSensor, "Internal" },
            { &S::tempUnit, "°C" }, { &S::fileFormat, "PDF" }, { &S::language, "EN" }, { &S::battery, "85" },
            { &S::recordStartModel, "Manual" }, { &S::delayStart, "Manual+Delay 30min" },
            { &S::startAt, "-----" }, { &S::normalRecordSpace, "1min" }, { &S::alarmSpace, "1min" },
            { &S::alarmDelay, "0min" }, { &S::isRecycleRecord, "OFF" }, { &S::isRestart, "ON" },
            { &S::recordStopModel, "Manual" }, { &S::stopAt, "-----" },
            { &S::tempHigh, th("30.0°C", "  80.0%") }, { &S::tempLow, th("-10.0°C", "  20.0%") },
            { &S::isLongPressed, "ON" }, { &S::isSettingClearRecord, "OFF" },
            { &S::tempMax, th("31.5°C", "  65.0%") }, { &S::tempMin, th("18.0°C", "  40.0%") },
            { &S::tempAvg, th("24.2°C", "  52.3%") }, { &S::alarmTimeLen, "2h 5min" },
            { &S::alarmCount, "3" }, { &S::alarmType, "[Exceed Upper Limit]" }, { &S::wayId, "7" },
            { &S::recordStartAt, "2024/03/05 08:00:00" }, { &S::recordStopAt, "2024/03/05 17:59:00" },
            { &S::recordTimes, "1" }, { &S::recordTimeLen, "9h 59min" }, { &S::recordCount, "600" },
            { &S::wayDesc, "Cold chain (test) \\ route" }, { &S::mkt, "24.5°C" }, { &S::lcd_mode, "ON" } });
    s.containTemp = 1;
    s.containHumidity = humidity ? 1 : 0;
}

inline void chineseSummary(CSummeryParam &s, bool humidity)
{
    using S = CSummeryParam;
    englishSummary(s, humidity);
    setFields(s,
        { { &S::deviceSensor, "内置" }, { &S::tempUnit, "℃" }, { &S::language, "中文" },
            { &S::recordStartModel, "按键开启" }, { &S::delayStart, "按键开启 + 延时" },
            { &S::recordStopModel, "按键关闭" }, { &S::normalRecordSpace, "1分" },
            { &S::isRecycleRecord, "否" }, { &S::isRestart, "是" }, { &S::isLongPressed, "是" },
            { &S::isSettingClearRecord, "否" }, { &S::lcd_mode, "是" },
            { &S::tempHigh, humidity ? "30.0℃  80.0%" : "30.0℃" },
            { &S::tempMax, humidity ? "31.5℃  65.0%" : "31.5℃" }, { &S::alarmTimeLen, "2时 5分 " },
            { &S::alarmType, "无报警" }, { &S::alarmCount, "0" }, { &S::recordTimeLen, "9时 59分 " },
            { &S::wayDesc, "冷链运输（测试）" }, { &S::mkt, "24.5℃" } });
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
        data.append(temp(i), humidity ? humidity(i) : QString(),
            QLocale::c().toString(t.addSecs(qint64(i) * interval), "yyyy/MM/dd hh:mm:ss"));
    }
}

// Every sample of a list, as a range holding all of them selects them.
inline CSampleSelection all(const CTempData &data)
{
    return CSampleSelection(data);
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
