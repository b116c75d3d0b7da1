// Logger PDF reports: the summary (labels followed by their value item) and
// the sample pages.
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/labelfinder.h"
#include "core/report/pdftext.h"
#include "core/report/reportparser_p.h"
#include "core/report/reportrules.h"

#include <QDebug>
#include <QFile>
#include <QTextStream>

using namespace ReportRules;

// ------------------------------------------------------------------ text items

namespace {

// The position of the first "Tj" in line, or -1.
int indexOfTj(QStringView line)
{
    for (int t = line.indexOf(QLatin1Char('T')); t >= 0; t = line.indexOf(QLatin1Char('T'), t + 1)) {
        if (t + 1 < line.size() && line[t + 1] == QLatin1Char('j'))
            return t;
    }
    return -1;
}

bool hasTj(QStringView line)
{
    return indexOfTj(line) >= 0;
}

QString parenText(QStringView line)
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

// The text item of a line into item, reusing item's buffer (the passes read
// tens of thousands of items).
void textItem(const QString &line, QString &item)
{
    const int tj = indexOfTj(line);
    const QStringView rest = tj < 0 ? QStringView(line) : QStringView(line).left(tj);
    const int open = rest.indexOf(QLatin1Char('<'));
    if (open >= 0) {
        // decodeHexText reads from the first "<" to the first ">" after it;
        // when both stand before "Tj" the whole line gives the same digits.
        const int close = rest.indexOf(QLatin1Char('>'), open + 1);
        const QStringView digits = rest.mid(open + 1, (close < 0 ? rest.size() : close) - open - 1);
        if (!GbkCodeUtils::decodeOneByteHex(digits, item))
            item = GbkCodeUtils::instance()->decodeHexText(close >= 0 ? line : rest.toString());
    } else {
        item.resize(0);
    }
    if (rest.contains(QLatin1Char('(')))
        item = parenText(rest);
}

} // namespace

QString ExtractPdfParenText(const QString &line)
{
    return parenText(line);
}

QString PdfTextItem(const QString &line)
{
    QString item;
    textItem(line, item);
    return ReportParser::filled(item);
}

QString ReadNextPdfText(QTextStream &in)
{
    QString line;
    while (ReportParser::readLine(in, line)) {
        if (hasTj(line))
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
    case Field::Mkt:
        s.mkt = info.mkt = value;
        break;
    default:
        s.*summaryMember(field) = value;
        if (QString CDeviceSettingInfo::*setting = copiedSetting(field))
            info.*setting = value;
        break;
    }
}

// The texts that steer the sample pass, tested on every item.
enum Marker { ChineseCreated, EnglishCreated, ChineseSummary, EnglishSummary, TripLine, MarkerCount };

const LabelFinder &markerFinder()
{
    static const LabelFinder finder({ QStringLiteral("文件创建于"), QStringLiteral("File Created At"),
        QStringLiteral("设 备 信 息"), QStringLiteral("Device Information"), QStringLiteral("Trip") });
    return finder;
}

// One sample of a sample line such as "08:00:00 23.5°C 45.0%": split at
// blanks, the first part with a unit mark is the temperature, the first one
// with ":" the time and the first one with "%" the humidity; without a time
// or humidity part the first part stands in (a humidity part without "%" is
// taken whole). No sample without two parts or a temperature. An English
// time that does not convert is kept as "date time".
// time: a buffer reused from sample to sample.
TempDataItem *pdfSample(const QString &item, const QString &date, bool english, bool humidity, QString &time)
{
    const QStringView text(item);
    if (text.indexOf(QLatin1Char(' ')) < 0)
        return nullptr; // fewer than two parts
    // One pass over the characters: per part the first "°C" (else the first
    // "°F"), whether it holds ":" and where its first "%" stands.
    QStringView first;
    QStringView tempPart;
    int tempEnd = -1;
    QStringView timePart;
    bool haveTime = false;
    QStringView humidityPart;
    bool haveHumidity = false;
    int partStart = 0;
    int celsius = -1;
    int fahrenheit = -1;
    bool colon = false;
    int percent = -1;
    const int n = text.size();
    for (int i = 0; i <= n; ++i) {
        if (i == n || text[i] == QLatin1Char(' ')) {
            const QStringView part = text.mid(partStart, i - partStart);
            if (partStart == 0)
                first = part;
            const int mark = celsius >= 0 ? celsius : fahrenheit;
            if (tempEnd < 0 && mark >= 0) {
                tempPart = part;
                tempEnd = mark - partStart;
            }
            if (!haveTime && colon) {
                timePart = part;
                haveTime = true;
            }
            if (!haveHumidity && percent >= 0) {
                humidityPart = part;
                haveHumidity = true;
            }
            partStart = i + 1;
            celsius = fahrenheit = percent = -1;
            colon = false;
            continue;
        }
        const ushort c = text[i].unicode();
        if (c == 0xB0 && i + 1 < n) {
            const ushort unit = text[i + 1].unicode();
            if (unit == 'C' && celsius < 0)
                celsius = i;
            else if (unit == 'F' && fahrenheit < 0)
                fahrenheit = i;
        } else if (c == ':') {
            colon = true;
        } else if (c == '%' && percent < 0) {
            percent = i;
        }
    }
    if (tempEnd < 0)
        return nullptr;
    if (!haveTime)
        timePart = first;
    if (!haveHumidity)
        humidityPart = first;

    auto *sample = new TempDataItem;
    sample->temp = filled(tempPart.left(tempEnd).toString());
    time.resize(0);
    time += date;
    time += QLatin1Char(' ');
    time += timePart;
    if (!english)
        sample->recordTime = time;
    else if (isSimplified(time))
        sample->recordTime = englishSampleTime(time);
    else
        sample->recordTime = englishSampleTime(time.simplified());
    sample->recordTime = filled(sample->recordTime);
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
    QString item;
    QString line;
    while (ReportParser::readLine(in, line)) {
        if (!hasTj(line))
            continue;
        textItem(line, item);
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
    std::vector<bool> marker;
    QString time;
    QString item;
    QString line;
    while (ReportParser::readLine(in, line)) {
        if (!hasTj(line))
            continue;
        textItem(line, item);
        markerFinder().find(item, marker);
        if (marker[ChineseCreated]) {
            lang = Lang::Chinese;
        } else if (marker[EnglishCreated]) {
            lang = Lang::English;
        } else if (marker[ChineseSummary] || marker[EnglishSummary]) {
            break; // the summary page follows the sample pages
        } else if (marker[TripLine]) {
            date = ReadNextPdfText(in);
        } else if (item.contains(QLatin1Char('/')) && (!humidity || !item.contains(QLatin1Char(':')))) {
            date = ReportParser::filled(item);
        } else if (TempDataItem *sample = pdfSample(item, date, lang == Lang::English, humidity, time)) {
            data.dataList.append(sample);
        }
    }
}

} // namespace ReportParser

void CSummeryParam::ProcessPdf(const QString &path, CDeviceSettingInfo &info)
{
    info.fileType = QStringLiteral("pdf");
    QFile file(path);
    if (!ReportParser::openReport(file, QIODevice::ReadOnly)) {
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
    if (!ReportParser::openReport(file, QIODevice::ReadOnly))
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
    if (!ReportParser::openReport(file, QIODevice::ReadOnly)) {
        qDebug() << "ParseTempHumidityPdfFile open failed";
        return;
    }
    QTextStream in(&file);
    ReportParser::setUtf8(in);
    ReportParser::pdfSamples(in, *this, true);
}
