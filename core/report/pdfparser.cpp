// Logger PDF reports: the summary (labels followed by their value item) and
// the sample pages.
#include "core/report/pdfparser.h"

#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/pdftext.h"
#include "core/report/reportlabels.h"
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

// A printed limit: a temperature with its unit mark or, for a
// temperature/humidity logger, "30.0°C,80.0%" or "30.0°C 80.0%".
void applyLimit(const QString &value, bool humidityLogger, QString &temp, QString &humidity)
{
    if (!humidityLogger) {
        applyUnitMark(value.trimmed(), temp);
        return;
    }
    const QStringList parts
        = value.split(value.contains(QLatin1Char(',')) ? QLatin1Char(',') : QLatin1Char(' '));
    bool tempDone = false;
    bool humidityDone = false;
    for (const QString &part : parts) {
        if (!tempDone) {
            for (const QString &mark : TemperatureMarks) {
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
    case Field::DeviceSensor:
        s.deviceSensor = value;
        // The logger's English probe type may lose its closing parenthesis.
        if (english && value.count(QLatin1Char('(')) > value.count(QLatin1Char(')')))
            s.deviceSensor += QLatin1Char(')');
        break;
    case Field::Battery:
        s.battery = textBefore(value, QStringLiteral("%"));
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
        applyLimit(value, s.containHumidity == 1, info.tempHigh, info.humidityHigh);
        break;
    case Field::TempLow:
        s.tempLow = value;
        applyLimit(value, s.containHumidity == 1, info.tempLow, info.humidityLow);
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
        storeAsRead(field, value, s, info);
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
// The sample is appended to data; false when the item is none.
// time: a buffer reused from sample to sample.
bool pdfSample(
    const QString &item, const QString &date, bool english, bool humidity, QString &time, CTempData &data)
{
    const QStringView text(item);
    if (text.indexOf(QLatin1Char(' ')) < 0)
        return false; // fewer than two parts
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
        return false;
    if (!haveTime)
        timePart = first;
    if (!haveHumidity)
        humidityPart = first;

    time.resize(0);
    time += date;
    time += QLatin1Char(' ');
    time += timePart;
    QStringView shidu = u"0";
    if (humidity) {
        const int percent = humidityPart.indexOf(QLatin1Char('%'));
        shidu = percent < 0 ? humidityPart : humidityPart.left(percent);
    }
    if (english) {
        CRecordTime read;
        data.append(tempPart.left(tempEnd), shidu, englishSampleTimeSimplified(time, &read), read);
    } else {
        data.append(tempPart.left(tempEnd), shidu, time);
    }
    return true;
}

} // namespace

void pdfHeader(QTextStream &in, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    const FormLabels &labels = formLabels(ReportForm::Pdf);
    std::vector<bool> found;
    QString item;
    QString line;
    while (ReportParser::readLine(in, line)) {
        if (!hasTj(line))
            continue;
        textItem(line, item);
        if (!labels.finder.find(item, found))
            continue;
        for (int k = 0; k < labels.labels.size(); ++k) {
            const Label &label = labels.labels[k];
            if (!found[size_t(k)])
                continue;
            if (label.pdfHumidityOnly && summary.containHumidity != 1)
                continue;
            if (label.chineseSerialNumber() && item.contains(QStringLiteral("行程序列号")))
                continue;
            // The value is the next text item; it is consumed here.
            storePdfValue(label.field, ReadNextPdfText(in), label.english(), summary, info);
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
        } else {
            pdfSample(item, date, lang == Lang::English, humidity, time, data);
        }
    }
}

} // namespace ReportParser

void ProcessPdf(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    info.fileType = QStringLiteral("pdf");
    QFile file(path);
    QTextStream in;
    if (!ReportParser::openReport(file, in, ReportParser::ReportForm::Pdf)) {
        qDebug().noquote() << "ProcessPdf open failed:" << file.errorString();
        qDebug().noquote() << "filePath = " << path;
        return;
    }
    summary.containTemp = 1;
    summary.containHumidity = 0;
    ReportParser::pdfHeader(in, summary, info);
}

void ParseTempPdfFile(const QString &path, CTempData &data)
{
    ReportParser::readSamples(path, ReportParser::ReportForm::Pdf, data, false);
}

void ParseTempHumidityPdfFile(const QString &path, CTempData &data)
{
    ReportParser::readSamples(path, ReportParser::ReportForm::Pdf, data, true);
}
