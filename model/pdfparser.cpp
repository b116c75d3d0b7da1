// Logger PDF reports: the summary (labels followed by their value item) and
// the sample pages.
#include "export/gbkcodeutils.h"
#include "model/cdevicesettinginfo.h"
#include "model/csummeryparam.h"
#include "model/ctempdata.h"
#include "model/labelfinder.h"
#include "model/pdftext.h"
#include "model/reportparser_p.h"
#include "model/reportrules.h"

#include <QDebug>
#include <QFile>
#include <QTextStream>

using namespace ReportRules;

// ------------------------------------------------------------------ text items

QString ExtractPdfParenText(const QString &line)
{
    const int open = line.indexOf(QLatin1Char('('));
    QString text("");
    if (open < 0)
        return text;
    int depth = 1;
    const int n = line.size();
    for (int i = open + 1; i < n; ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\\')) {
            if (++i >= n)
                break; // a backslash at the line end continues the string on the next line
            const QChar e = line.at(i);
            switch (e.unicode()) {
            case 'n':
                text += QLatin1Char('\n');
                break;
            case 'r':
                text += QLatin1Char('\r');
                break;
            case 't':
                text += QLatin1Char('\t');
                break;
            case 'b':
                text += QLatin1Char('\b');
                break;
            case 'f':
                text += QLatin1Char('\f');
                break;
            default:
                if (e.unicode() >= '0' && e.unicode() <= '7') {
                    // Up to three octal digits give one byte (PDFDocEncoding,
                    // which agrees with Latin-1 for the logger's characters).
                    int value = 0;
                    int digits = 0;
                    while (
                        digits < 3 && i < n && line.at(i).unicode() >= '0' && line.at(i).unicode() <= '7') {
                        value = value * 8 + (line.at(i).unicode() - '0');
                        ++i;
                        ++digits;
                    }
                    --i;
                    text += QChar(ushort(value & 0xFF));
                } else {
                    text += e; // \( \) \\ and unknown escapes: the character itself
                }
                break;
            }
            continue;
        }
        if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (--depth == 0)
                break;
        }
        text += c;
    }
    return text;
}

QString PdfTextItem(const QString &line)
{
    const int tj = line.indexOf(QLatin1String("Tj"));
    const QString rest = tj < 0 ? line : line.left(tj);
    QString item("");
    if (rest.contains(QLatin1Char('<')))
        item = GbkCodeUtils::instance()->decodeHexText(rest);
    if (rest.contains(QLatin1Char('(')))
        item = ExtractPdfParenText(rest);
    return item;
}

QString ReadNextPdfText(QTextStream &in)
{
    QString line;
    while (in.readLineInto(&line)) {
        if (line.contains(QLatin1String("Tj")))
            return PdfTextItem(line);
    }
    return QString("");
}

namespace ReportParser {

namespace {

using Field = ReportParser::Field;

struct PdfLabel {
    Field field;
    QString text;
    bool english;
    bool humidityOnly; // tested only for a temperature/humidity logger
};

const QVector<PdfLabel> &pdfLabels()
{
    static const QVector<PdfLabel> table {
        { Field::DeviceModel, "产品型号", false, false },
        { Field::DeviceModel, "Device Code", true, false },
        { Field::DeviceSensor, "探头类型", false, false },
        { Field::DeviceSensor, "Probe Type", true, false },
        { Field::DeviceNo, "序列号", false, false },
        { Field::DeviceNo, "Serial Number", true, false },
        { Field::TempUnit, "温度单位", false, false },
        { Field::TempUnit, "UoM", true, false },
        { Field::FirmwareVersion, "固件版本", false, false },
        { Field::FirmwareVersion, "Firmware Version", true, false },
        { Field::FileFormat, "文件格式", false, false },
        { Field::FileFormat, "Format", true, false },
        { Field::DeviceZone, "设备时区", false, false },
        { Field::DeviceZone, "Time Zone", true, false },
        { Field::Language, "语    言", false, false },
        { Field::Language, "Language", true, false },
        { Field::DeviceTime, "设备时间", false, false },
        { Field::DeviceTime, "Device Time", true, false },
        { Field::Battery, "电池电量", false, false },
        { Field::Battery, "Battery", true, false },
        { Field::StartModel, "记录开启模式", false, false },
        { Field::StartModel, "Start Mode", true, false },
        { Field::StopModel, "记录关闭模式", false, false },
        { Field::StopModel, "Stop Mode", true, false },
        { Field::DelayStart, "延时开启方式", false, false },
        { Field::DelayStart, "Start Delay", true, false },
        { Field::StopAt, "定时关闭时间", false, false },
        { Field::StopAt, "OFF TIME", true, false },
        { Field::StartAt, "定时开启时间", false, false },
        { Field::StartAt, "ON TIME", true, false },
        { Field::TempHigh, "温度上限", false, false },
        { Field::TempHigh, "温湿度上限", false, true },
        { Field::TempHigh, "Upper Limit", true, false },
        { Field::NormalSpace, "正常记录间隔", false, false },
        { Field::NormalSpace, "Log Interval", true, false },
        { Field::TempLow, "温度下限", false, false },
        { Field::TempLow, "温湿度下限", false, true },
        { Field::TempLow, "Lower Limit", true, false },
        { Field::AlarmSpace, "报警记录间隔", false, false },
        { Field::AlarmSpace, "Alarm Interval", true, false },
        { Field::AlarmDelay, "报警延时", false, false },
        { Field::AlarmDelay, "Alarm Delay", true, false },
        { Field::LcdMode, "屏幕常显", false, false },
        { Field::LcdMode, "On-Screen Mode", true, false },
        { Field::Recycle, "循环记录", false, false },
        { Field::Recycle, "Circular Mode", true, false },
        { Field::LongPressed, "按键长按重置记录", false, false },
        { Field::LongPressed, "Manual to Reset Log", true, false },
        { Field::Restart, "重复启动", false, false },
        { Field::Restart, "Multiple Trips Allowed", true, false },
        { Field::SettingClear, "下发配置时重置记录", false, false },
        { Field::SettingClear, "Optimset to Reset Log", true, false },
        { Field::TempMax, "温度最大值", false, false },
        { Field::TempMax, "温湿度最大值", false, false },
        { Field::TempMax, "Highest", true, false },
        { Field::RecordStartAt, "记录开始时间", false, false },
        { Field::RecordStartAt, "Start Time", true, false },
        { Field::TempMin, "温度最小值", false, false },
        { Field::TempMin, "温湿度最小值", false, false },
        { Field::TempMin, "Lowest", true, false },
        { Field::RecordStopAt, "记录停止时间", false, false },
        { Field::RecordStopAt, "Stop Time", true, false },
        { Field::TempAvg, "温度平均值", false, false },
        { Field::TempAvg, "温湿度平均值", false, false },
        { Field::TempAvg, "Average", true, false },
        { Field::RecordTimes, "记录开启次数", false, false },
        { Field::RecordTimes, "Trip Counts", true, false },
        { Field::AlarmTimeLen, "报警总时长", false, false },
        { Field::AlarmTimeLen, "Alarm Elapsed Time", true, false },
        { Field::RecordTimeLen, "记录总时长", false, false },
        { Field::RecordTimeLen, "Total Elapsed Time", true, false },
        { Field::AlarmCount, "报警条数", false, false },
        { Field::AlarmCount, "Alarm Data Points", true, false },
        { Field::RecordCount, "记录条数", false, false },
        { Field::RecordCount, "Total Data Points", true, false },
        { Field::AlarmType, "报警类型", false, false },
        { Field::AlarmType, "Alarm Type", true, false },
        { Field::WayId, "行程序列号", false, false },
        { Field::WayId, "Trip ID", true, false },
        { Field::WayDesc, "行程描述", false, false },
        { Field::WayDesc, "Trip Description", true, false },
        { Field::Mkt, "MKT", false, false },
    };
    return table;
}

const LabelFinder &pdfLabelFinder()
{
    static const LabelFinder finder = [] {
        QVector<QString> texts;
        for (const PdfLabel &label : pdfLabels())
            texts.append(label.text);
        return LabelFinder(texts);
    }();
    return finder;
}

// Limits of a temperature/humidity logger: "30.0°C,80.0%" or "30.0°C 80.0%".
void humidityLimit(const QString &value, QString &temp, QString &humidity)
{
    static const QString marks[]
        = { QStringLiteral("°C"), QStringLiteral("℃"), QStringLiteral("°F"), QStringLiteral("℉") };
    const QStringList parts
        = value.split(value.contains(QLatin1Char(',')) ? QLatin1Char(',') : QLatin1Char(' '));
    bool tempDone = false;
    bool humidityDone = false;
    for (const QString &part : parts) {
        if (!tempDone) {
            for (const QString &mark : marks) {
                if (part.contains(mark)) {
                    const QString trimmed = part.trimmed();
                    temp = filled(trimmed.left(trimmed.indexOf(mark)));
                    tempDone = true;
                    break;
                }
            }
        }
        if (!humidityDone && part.contains(QLatin1Char('%'))) {
            humidity = filled(part.left(part.indexOf(QLatin1Char('%'))));
            humidityDone = true;
        }
    }
}

void storePdfValue(Field field, const QString &read, bool english, CSummeryParam &s, CDeviceSettingInfo &info)
{
    const QString value = filled(read);
    switch (field) {
    case Field::DeviceModel:
        s.deviceModel = value;
        s.containHumidity = value.contains(QLatin1String("-83WQ")) ? 1 : 0;
        break;
    case Field::DeviceSensor:
        s.deviceSensor = value;
        // The logger's English probe type may lose its closing parenthesis.
        if (english && value.count(QLatin1Char('(')) > value.count(QLatin1Char(')')))
            s.deviceSensor += QLatin1Char(')');
        break;
    case Field::TempUnit:
        s.tempUnit = info.tempUnit = value;
        break;
    case Field::Language:
        s.language = info.language = value;
        break;
    case Field::Battery:
        s.battery = textBefore(value, QStringLiteral("%"));
        break;
    case Field::StartModel:
        s.recordStartModel = info.recordStartModel = value;
        break;
    case Field::StopModel:
        s.recordStopModel = info.recordStopModel = value;
        break;
    case Field::DelayStart: {
        s.delayStart = value;
        const QStringList words = value.split(QLatin1Char(' '));
        info.delayStart = words.size() > 4 ? words.at(3) : value;
        break;
    }
    case Field::StopAt:
        s.stopAt = info.stopAt = value;
        break;
    case Field::StartAt:
        s.startAt = info.startAt = value;
        break;
    case Field::TempHigh:
        s.tempHigh = value;
        if (s.containHumidity == 1)
            humidityLimit(value, info.tempHigh, info.humidityHigh);
        else
            applyUnitMark(value.trimmed(), info.tempHigh);
        break;
    case Field::TempLow:
        s.tempLow = value;
        if (s.containHumidity == 1)
            humidityLimit(value, info.tempLow, info.humidityLow);
        else
            applyUnitMark(value.trimmed(), info.tempLow);
        break;
    case Field::NormalSpace:
        s.normalRecordSpace = value;
        info.normalRecordSpace = QString::number(pdfIntervalSeconds(value));
        break;
    case Field::AlarmSpace:
        s.alarmSpace = value;
        info.alarmSpace = QString::number(pdfIntervalSeconds(value));
        break;
    case Field::AlarmDelay:
        s.alarmDelay = value;
        info.alarmDelay = textBefore(value, QStringLiteral(" "));
        break;
    case Field::LcdMode:
        s.lcd_mode = info.lcdMode = value;
        break;
    case Field::Recycle:
        s.isRecycleRecord = info.isRecycleRecord = value;
        break;
    case Field::LongPressed:
        s.isLongPressed = info.isLongPressed = value;
        break;
    case Field::Restart:
        s.isRestart = info.isRestart = value;
        break;
    case Field::SettingClear:
        s.isSettingClearRecord = info.isSettingClearRecord = value;
        break;
    case Field::WayId:
        s.wayId = info.wayId = value;
        break;
    case Field::WayDesc:
        s.wayDesc = info.wayDesc = value;
        break;
    case Field::Mkt:
        s.mkt = info.mkt = value;
        break;
    default:
        s.*summaryMember(field) = value;
        break;
    }
}

// One sample of a sample line such as "08:00:00 23.5°C 45.0%": split at
// blanks, the first part with a unit mark is the temperature, the first one
// with ":" the time and the first one with "%" the humidity.
TempDataItem *pdfSample(const QString &item, const QString &date, bool english, bool humidity)
{
    const QStringView text(item);
    if (text.indexOf(QLatin1Char(' ')) < 0)
        return nullptr; // fewer than two parts
    QStringView tempPart;
    int tempEnd = -1;
    QStringView timePart;
    QStringView humidityPart;
    bool haveTime = false;
    bool haveHumidity = false;
    QStringView first;
    int start = 0;
    for (int index = 0;; ++index) {
        const int blank = text.indexOf(QLatin1Char(' '), start);
        const QStringView part = text.mid(start, (blank < 0 ? text.size() : blank) - start);
        if (index == 0)
            first = part;
        if (tempEnd < 0) {
            int mark = part.indexOf(QStringLiteral("°C"));
            if (mark < 0)
                mark = part.indexOf(QStringLiteral("°F"));
            if (mark >= 0) {
                tempPart = part;
                tempEnd = mark;
            }
        }
        if (!haveTime && part.contains(QLatin1Char(':'))) {
            timePart = part;
            haveTime = true;
        }
        if (!haveHumidity && part.contains(QLatin1Char('%'))) {
            humidityPart = part;
            haveHumidity = true;
        }
        if (blank < 0)
            break;
        start = blank + 1;
    }
    if (tempEnd < 0)
        return nullptr;
    if (!haveTime)
        timePart = first;
    if (!haveHumidity)
        humidityPart = first;

    auto *sample = new TempDataItem;
    sample->temp = filled(tempPart.left(tempEnd).toString());
    QString time;
    time.reserve(date.size() + 1 + timePart.size());
    time += date;
    time += QLatin1Char(' ');
    time += timePart;
    sample->recordTime = english ? englishSampleTime(time.simplified()) : time;
    if (humidity) {
        const int percent = humidityPart.indexOf(QLatin1Char('%'));
        sample->shidu = filled((percent < 0 ? humidityPart : humidityPart.left(percent)).toString());
    } else {
        sample->shidu = QStringLiteral("0");
    }
    return sample;
}

} // namespace

void pdfHeader(QTextStream &in, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    const QVector<PdfLabel> &table = pdfLabels();
    std::vector<bool> found;
    QString line;
    while (in.readLineInto(&line)) {
        if (!line.contains(QLatin1String("Tj")))
            continue;
        const QString item = PdfTextItem(line);
        if (!pdfLabelFinder().find(item, found))
            continue;
        for (int k = 0; k < table.size(); ++k) {
            const PdfLabel &label = table[k];
            if (!found[size_t(k)])
                continue;
            if (label.humidityOnly && summary.containHumidity != 1)
                continue;
            if (label.field == Field::DeviceNo && !label.english
                && item.contains(QStringLiteral("行程序列号")))
                continue;
            // The value is the next text item; it is consumed here.
            storePdfValue(label.field, ReadNextPdfText(in), label.english, summary, info);
        }
    }
}

void pdfSamples(QTextStream &in, CTempData &data, bool humidity)
{
    enum class Lang { Unset, Chinese, English };
    Lang lang = Lang::Unset;
    QString date("");
    QString line;
    while (in.readLineInto(&line)) {
        if (!line.contains(QLatin1String("Tj")))
            continue;
        const QString item = PdfTextItem(line);
        if (item.contains(QStringLiteral("文件创建于"))) {
            lang = Lang::Chinese;
        } else if (item.contains(QLatin1String("File Created At"))) {
            lang = Lang::English;
        } else if (item.contains(QStringLiteral("设 备 信 息"))
            || item.contains(QLatin1String("Device Information"))) {
            break; // the summary page follows the sample pages
        } else if (item.contains(QLatin1String("Trip"))) {
            date = ReadNextPdfText(in);
        } else if (item.contains(QLatin1Char('/')) && (!humidity || !item.contains(QLatin1Char(':')))) {
            date = item;
        } else if (TempDataItem *sample = pdfSample(item, date, lang == Lang::English, humidity)) {
            data.dataList.append(sample);
        }
    }
}

} // namespace ReportParser

void CSummeryParam::ProcessPdf(const QString &path, CDeviceSettingInfo &info)
{
    info.fileType = QStringLiteral("pdf");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "ProcessPdf open failed:" << file.errorString();
        qDebug().noquote() << "filePath = " << path;
        return;
    }
    containTemp = 1;
    containHumidity = 0;
    QTextStream in(&file);
    ReportParser::setUtf8(in);
    ReportParser::pdfHeader(in, *this, info);
}

void CTempData::ParseTempPdfFile(const QString &path)
{
    if (!dataList.isEmpty())
        clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream in(&file);
    ReportParser::setUtf8(in);
    ReportParser::pdfSamples(in, *this, false);
}

void CTempData::ParseTempHumidityPdfFile(const QString &path)
{
    if (!dataList.isEmpty())
        clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "ParseTempHumidityPdfFile open failed";
        return;
    }
    QTextStream in(&file);
    ReportParser::setUtf8(in);
    ReportParser::pdfSamples(in, *this, true);
}
