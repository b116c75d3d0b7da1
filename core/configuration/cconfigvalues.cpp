#include "core/configuration/cconfigvalues.h"

#include "core/configuration/csettingframe.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/report/reportrules.h"

#include <algorithm>

namespace {

bool containsAny(const QString &text, const char *a, const char *b)
{
    return text.contains(QString::fromUtf8(a)) || text.contains(QString::fromUtf8(b));
}

// A timed start or stop time: "yyyy/MM/dd hh:mm" as the CSV and TXT parsers
// store it and a Chinese PDF report prints it, or "MM/dd/yyyy hh:mm" as an
// English PDF report prints it (kept as printed; month first, as the other
// English forms are read).
void readReportTime(const QString &text, QDateTime &time)
{
    const QString format = QStringLiteral("yyyy/MM/dd hh:mm");
    QDateTime parsed = QDateTime::fromString(text.trimmed(), format);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(ReportRules::englishTimedTime(text.trimmed()), format);
    if (parsed.isValid())
        time = parsed;
}

} // namespace

CConfigValues CConfigValues::defaults(const QDateTime &now)
{
    CConfigValues values;
    values.startTime = now;
    values.stopTime = now;
    return values;
}

void CConfigValues::fillFromDeviceInfo(const CDeviceSettingInfo &info, const QDateTime &now)
{
    using namespace CConfigRange;
    tripId = tripIdText(info.wayId);
    int cursor = 0;
    description = limitDescription(info.wayDesc, &cursor);
    fahrenheit = containsAny(info.tempUnit, "°F", "℉");

    startDelay = 0;
    startTime = now;
    stopTime = now;
    // A later rule wins.
    startType = 0;
    if (containsAny(info.recordStartModel, "按键延时开启", "Manual+Delay")) {
        startType = 1;
        startDelay = bound(info.delayStart.toInt(), DelayMin, DelayMax);
    }
    if (containsAny(info.recordStartModel, "定时开启", "Timing")) {
        startType = 2;
        readReportTime(info.startAt, startTime);
    }
    if (containsAny(info.recordStartModel, "开机启动", "Right Now"))
        startType = 3;
    stopType = 0;
    if (containsAny(info.recordStopModel, "定时关闭", "Timing")) {
        stopType = 1;
        readReportTime(info.stopAt, stopTime);
    }

    normalInterval = bound(info.normalRecordSpace.toInt(), IntervalMin, IntervalMax);
    alarmInterval = bound(info.alarmSpace.toInt(), IntervalMin, IntervalMax);
    alarmDelay = bound(info.alarmDelay.toInt(), DelayMin, DelayMax);
    tempHigh = boundDecimal(info.tempHigh.toDouble(), TempMin, TempMax);
    tempLow = boundDecimal(info.tempLow.toDouble(), TempMin, TempMax);
    // The limits stand in the report's unit; the logger keeps its calibration
    // in ℃, a difference.
    const double adjust = info.tempAdj.toDouble();
    tempAdjust
        = boundDecimal(fahrenheit ? CSettingFrame::fahrenheitDifference(adjust) : adjust, TempMin, TempMax);
    // A record without humidity has no humidity settings to give (its texts
    // read 0, which the fields would show as their minimum).
    if (info.containHumidity == 1) {
        humidityHigh = boundDecimal(info.humidityHigh.toDouble(), HumidityMin, HumidityMax);
        humidityLow = boundDecimal(info.humidityLow.toDouble(), HumidityMin, HumidityMax);
        humidityAdjust = boundDecimal(info.humidityAdj.toDouble(), HumidityAdjustMin, HumidityAdjustMax);
    }

    reportEnglish = !info.language.contains(QString::fromUtf8("中文"));
    if (info.fileType.contains(QLatin1String("txt")))
        fileType = 1;
    else if (info.fileType.contains(QLatin1String("csv")))
        fileType = 2;
    else
        fileType = 0;
    circular = containsAny(info.isRecycleRecord, "否", "OFF") ? 0 : 1;
    clearRecords = containsAny(info.isSettingClearRecord, "否", "OFF") ? 0 : 1;
    multipleStart = containsAny(info.isRestart, "否", "OFF") ? 0 : 1;
    longPressClear = containsAny(info.isLongPressed, "否", "OFF") ? 0 : 1;
    // A TXT report keeps the first word of "Automatic OFF".
    display = containsAny(info.lcdMode, "关闭", "Automatic") ? 0 : 1;
}

bool CConfigValues::txtOnlyModel(const QString &deviceModel)
{
    return deviceModel.contains(QLatin1String("RZ-83K")) || deviceModel.contains(QLatin1String("RZ-83P"));
}

int CConfigValues::bound(int value, int min, int max)
{
    return std::clamp(value, min, max);
}

double CConfigValues::boundDecimal(double value, double min, double max)
{
    // As QDoubleSpinBox with one decimal: round through the text, then clamp.
    return std::clamp(QString::number(value, 'f', 1).toDouble(), min, max);
}

int CConfigValues::comboIndex(int index, int count)
{
    return index >= 0 && index < count ? index : -1;
}

QString CConfigValues::tripIdText(const QString &text)
{
    return text.left(CSettingFrame::TripIdSize);
}

int CConfigValues::descriptionLimit(const QString &text)
{
    return CSettingFrame::holdsChinese(text) ? 16 : 32;
}

QString CConfigValues::limitDescription(const QString &text, int *cursor)
{
    const int limit = descriptionLimit(text);
    const int over = text.size() - limit;
    if (over <= 0)
        return text;
    const int at = std::clamp(*cursor, 0, int(text.size()));
    if (at >= over) {
        *cursor = at - over;
        return QString(text).remove(at - over, over);
    }
    *cursor = std::min(at, limit);
    return text.left(limit);
}
