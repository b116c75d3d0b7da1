#include "core/record/csummarydisplay.h"

#include "core/record/appglobals.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/summaryfields.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

bool CSummaryDisplay::chineseReportInEnglish(const CSummeryParam &summary)
{
    return summary.language != QLatin1String("EN") && languageCode == QLatin1String("en");
}

bool CSummaryDisplay::chineseTextReport(const CSummeryParam &summary)
{
    return summary.fileFormat != QLatin1String("PDF") && summary.language != QLatin1String("EN");
}

void CSummaryDisplay::applyStoredConversions(CSummeryParam &summary)
{
    if (chineseTextReport(summary)) {
        for (QString *date : { &summary.deviceTime, &summary.startAt, &summary.stopAt, &summary.recordStartAt,
                 &summary.recordStopAt })
            *date = date->replace(QStringLiteral("年"), QStringLiteral("/"))
                        .replace(QStringLiteral("月"), QStringLiteral("/"))
                        .remove(QStringLiteral("日"));
    }
    summary.alarmCount.remove(QStringLiteral("条"));
    summary.recordTimes.remove(QStringLiteral("次"));
    summary.recordCount.remove(QStringLiteral("条"));
}

namespace {
// Values of a Chinese report that the English interface names in English.
const char *const knownValues[] = { QT_TRANSLATE_NOOP("CDeviceDataInfo", "开启"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "关闭"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "是"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "否"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "延时"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "按键开启"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "按键关闭"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "定时开启"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "定时关闭"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "开机启动"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "按键延时开启"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "EN"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "中文") };
const char *const probeTypes[] = { QT_TRANSLATE_NOOP("CDeviceDataInfo", "内置温度"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "外置温度"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "内置温湿度"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "外置温湿度") };
const char *const alarmTypes[] = { QT_TRANSLATE_NOOP("CDeviceDataInfo", "无报警"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "低于下限"), QT_TRANSLATE_NOOP("CDeviceDataInfo", "高于上限"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度低于下限"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度高于上限"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "湿度低于下限"),
    QT_TRANSLATE_NOOP("CDeviceDataInfo", "湿度高于上限") };
} // namespace

QString CSummaryDisplay::translateValue(const QString &value)
{
    for (const char *known : knownValues) {
        if (value == QString::fromUtf8(known))
            return tr(known);
    }
    return value;
}

QString CSummaryDisplay::englishDuration(const QString &value, bool withDays)
{
    const int d = withDays ? value.indexOf(QStringLiteral("天")) : -1;
    const int h = value.indexOf(QStringLiteral("小时"));
    const int m = value.indexOf(QStringLiteral("分"));
    const int s = value.indexOf(QStringLiteral("秒"));
    // Every unit present must stand after the one before it, and the value
    // ends in seconds; anything else is shown as printed.
    if (s < 0 || (m >= 0 && m > s) || (h >= 0 && (h > s || (m >= 0 && h > m))) || (d >= 0 && d > s))
        return value;
    // Reports that put blanks between numbers and units show as "1h 0min".
    const auto part = [&](int from, int to) { return value.mid(from, to - from).trimmed(); };
    if (d >= 0) {
        if (h < 0 || m < 0 || h < d)
            return value;
        return QString("%1%2 %3%4 %5%6 %7%8")
            .arg(part(0, d), tr("天"), part(d + 1, h), tr("小时"), part(h + 2, m), tr("分"), part(m + 1, s),
                tr("秒"));
    }
    if (h >= 0) {
        if (m < 0)
            return value;
        return QString("%1%2 %3%4 %5%6")
            .arg(part(0, h), tr("小时"), part(h + 2, m), tr("分"), part(m + 1, s), tr("秒"));
    }
    if (m >= 0)
        return QString("%1%2 %3%4").arg(part(0, m), tr("分"), part(m + 1, s), tr("秒"));
    return QString("%1%2").arg(part(0, s), tr("秒"));
}

QString CSummaryDisplay::englishAlarmType(const QString &value)
{
    // An alarm type without Chinese text is an English report's own: the
    // history does not keep the report language, so a stored English record
    // comes here too and must not lose its "[No Alarm]".
    const bool chinese
        = std::any_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() >= 0x2E80; });
    if (!chinese)
        return value;
    QStringList shown;
    for (const QString &part : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (const char *known : alarmTypes) {
            if (part == QString::fromUtf8(known)) {
                shown << tr(known);
                break;
            }
        }
    }
    return shown.join(QLatin1Char(' '));
}

QString CSummaryDisplay::temperatureHeader(const QString &tempUnit)
{
    return tr("温度") + "(" + tempUnit + ")";
}

QString CSummaryDisplay::temperatureAxisLabel(const QString &tempUnit)
{
    QString sign = tempUnit;
    if (tempUnit.contains(QStringLiteral("°C")))
        sign = QStringLiteral("℃");
    else if (tempUnit.contains(QStringLiteral("°F")))
        sign = QStringLiteral("℉");
    return QString("%1(%2)").arg(tr("温度"), sign);
}

CSummaryDisplay::Values CSummaryDisplay::values(const CSummeryParam &printed)
{
    // A record read now already went through these; one of an older history
    // may not have.
    CSummeryParam s = printed;
    applyStoredConversions(s);
    const bool inEnglish = chineseReportInEnglish(s);
    Values v;
    // Every field as printed, then the ones the interface words its own way.
    for (const CSummaryField &field : CSummaryFields::all())
        v.texts[size_t(CSummaryFields::indexOf(field))] = field.of(s);
    if (inEnglish) {
        for (const char *probe : probeTypes) {
            if (s.deviceSensor.contains(QString::fromUtf8(probe))) {
                v["deviceSensor"] = tr(probe);
                break;
            }
        }
    }
    for (const char *translated : { "language", "recordStartModel", "isRecycleRecord", "isRestart",
             "recordStopModel", "lcd_mode", "isLongPressed", "isSettingClearRecord" })
        v[translated] = translateValue(v[translated]);
    v.battery = s.battery.toInt();

    if (inEnglish && s.recordStartModel.contains(QStringLiteral("按键延时开启"))) {
        const int from = s.delayStart.indexOf(QStringLiteral("时"));
        const int to = s.delayStart.indexOf(QStringLiteral("分"), from + 1);
        QString minutes = s.delayStart.mid(from + 1, to < 0 ? -1 : to - from - 1).simplified();
        // A value that names the mode before its minutes ("延时开启 30分钟")
        // leaves words before the number: keep the number the logger printed
        // last.
        static const QRegularExpression lastNumber(QStringLiteral("(\\d+)\\s*$"));
        const QRegularExpressionMatch number = lastNumber.match(minutes);
        if (number.hasMatch())
            minutes = number.captured(1);
        v["delayStart"] = QString("Manual+Delay %1 min ").arg(minutes);
    }
    v["normalRecordSpace"] = inEnglish ? englishDuration(s.normalRecordSpace, false) : s.normalRecordSpace;
    v["alarmSpace"] = inEnglish ? englishDuration(s.alarmSpace, false) : translateValue(s.alarmSpace);
    if (inEnglish) {
        const int unit = s.alarmDelay.indexOf(QStringLiteral("分钟"));
        if (unit >= 0)
            v["alarmDelay"] = QString("%1%2").arg(s.alarmDelay.left(unit), tr("分钟"));
        v["alarmTimeLen"] = englishDuration(s.alarmTimeLen, true);
        v["alarmType"] = englishAlarmType(s.alarmType);
        v["recordTimeLen"] = englishDuration(s.recordTimeLen, true);
    }
    // A Chinese PDF report prints the count and its unit apart ("0 条"): the
    // blank stays when the unit goes.
    v.alarmed = s.alarmCount.trimmed() != QLatin1String("0");
    v.mktShown = !s.mkt.isEmpty();
    return v;
}

QString &CSummaryDisplay::Values::operator[](const char *name)
{
    const CSummaryField *field = CSummaryFields::find(QLatin1String(name));
    Q_ASSERT(field);
    return texts[size_t(CSummaryFields::indexOf(*field))];
}

const QString &CSummaryDisplay::Values::operator[](const char *name) const
{
    const CSummaryField *field = CSummaryFields::find(QLatin1String(name));
    Q_ASSERT(field);
    return texts[size_t(CSummaryFields::indexOf(*field))];
}

const QString &CSummaryDisplay::Values::text(const CSummaryField &field) const
{
    return texts[size_t(CSummaryFields::indexOf(field))];
}
