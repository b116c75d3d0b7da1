// The summary block of CSV and TXT reports.
//
// Every line is tested against every summary label, Chinese and English, in
// the order of the label table below; a line may hold several labels and a
// label that occurs on several lines is overwritten, so the last one counts.
// The language of a value is that of the label that matched: Chinese and
// English reports place their values differently.
#include "core/report/csvtxtheader.h"

#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/report/reportlabels.h"
#include "core/report/reportparser_p.h"
#include "core/report/reportrules.h"

#include <QFile>
#include <QTextStream>

using namespace ReportRules;

namespace ReportParser {

namespace {

// How a printed alarm limit splits into temperature and humidity.
struct LimitForm {
    bool humidity; // temperature and humidity part
    QString divider; // between the two parts
};

// Stores a value of the summary block and normalises it into the device
// information (CSV and TXT alike).
class HeaderStore {
public:
    HeaderStore(CSummeryParam &summary, CDeviceSettingInfo &info)
        : s(summary)
        , info(info)
    {
    }

    void store(Field field, const QString &printed, bool english, const LimitForm &limit)
    {
        const QString value = filled(printed);
        switch (field) {
        case Field::Battery:
            s.battery = QString(value).remove(QLatin1Char('%'));
            break;
        case Field::DelayStart:
            s.delayStart = value;
            if (s.recordStartModel.contains(QStringLiteral("按键延时开启")))
                info.delayStart = filled(chineseStartDelay(value));
            else if (s.recordStartModel.contains(QLatin1String("Manual+Delay")))
                info.delayStart = filled(englishStartDelay(value));
            break;
        case Field::StartAt:
            s.startAt = value;
            info.startAt = timedTime(value, s.recordStartModel, QStringLiteral("定时开启"), info.startAt);
            break;
        case Field::StopAt:
            s.stopAt = value;
            info.stopAt = timedTime(value, s.recordStopModel, QStringLiteral("定时关闭"), info.stopAt);
            break;
        case Field::TempHigh:
            s.tempHigh = value;
            applyLimit(value, limit, info.tempHigh, info.humidityHigh);
            break;
        case Field::TempLow:
            s.tempLow = value;
            applyLimit(value, limit, info.tempLow, info.humidityLow);
            break;
        case Field::NormalSpace:
            s.normalRecordSpace = value;
            info.normalRecordSpace = QString::number(intervalSeconds(value, english));
            break;
        case Field::AlarmSpace:
            s.alarmSpace = value;
            info.alarmSpace = QString::number(intervalSeconds(value, english));
            break;
        case Field::AlarmDelay:
            s.alarmDelay = value;
            info.alarmDelay
                = filled(textBefore(value, english ? QStringLiteral("min") : QStringLiteral("分")));
            break;
        default:
            storeAsRead(field, value, s, info);
            break;
        }
    }

    CSummeryParam &s;
    CDeviceSettingInfo &info;

private:
    // A timed start or stop time is converted only when the mode read so far
    // is the timed one; otherwise the device information keeps what it had.
    static QString timedTime(
        const QString &value, const QString &mode, const QString &chineseMode, const QString &current)
    {
        if (mode.contains(chineseMode))
            return chineseDate(value);
        if (mode.contains(QLatin1String("Timing")))
            return englishTimedTime(value);
        return current;
    }

    static void applyLimit(const QString &value, const LimitForm &limit, QString &temp, QString &humidity)
    {
        if (!limit.humidity) {
            applyUnitMark(value, temp);
            return;
        }
        const int divider = value.indexOf(limit.divider);
        applyUnitMark(divider < 0 ? value : value.left(divider), temp);
        // A limit printed without its divider has no humidity part.
        if (divider >= 0) {
            const QString rest = value.mid(divider + limit.divider.size());
            const int next = rest.indexOf(limit.divider);
            humidity = filled(textBefore(next < 0 ? rest : rest.left(next), QStringLiteral("%")));
        }
    }
};

// ------------------------------------------------------------------ CSV

// Field index of the first field (split at ",") that equals text, or -1.
int csvIndexOf(QStringView line, QStringView text)
{
    int index = 0;
    int start = 0;
    for (;;) {
        const int comma = line.indexOf(QLatin1Char(','), start);
        const QStringView field = line.mid(start, (comma < 0 ? line.size() : comma) - start);
        if (field == text)
            return index;
        if (comma < 0)
            return -1;
        start = comma + 1;
        ++index;
    }
}

// Field number index of the line split at ","; false when there is none.
bool csvField(QStringView line, int index, QStringView *field)
{
    int start = 0;
    for (int i = 0; i < index; ++i) {
        const int comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0)
            return false;
        start = comma + 1;
    }
    const int comma = line.indexOf(QLatin1Char(','), start);
    *field = line.mid(start, (comma < 0 ? line.size() : comma) - start);
    return true;
}

void csvLine(const QString &line, const std::vector<bool> &found, HeaderStore &header)
{
    const QVector<Label> &table = formLabels(ReportForm::Csv).labels;
    for (int k = 0; k < table.size(); ++k) {
        const Label &label = table[k];
        if (!found[size_t(k)])
            continue;
        // The table header holds "序列号" beside "报警"; it is no serial number.
        if (label.chineseSerialNumber() && line.contains(QStringLiteral("报警")))
            continue;
        const int i = csvIndexOf(line, label.text);
        if (i < 0)
            continue;
        QStringView value;
        if (label.lang == Lang::Both) {
            // MKT: two columns on, or three when the second one is empty.
            if (!csvField(line, i + 2, &value))
                continue;
            if (value.isEmpty() && !csvField(line, i + 3, &value))
                continue;
        } else if (!csvField(line, i + (label.english() ? 3 : 2), &value)) {
            continue;
        }
        const bool english = label.english();
        const LimitForm limit { label.humidityLabel() || (english && header.s.containHumidity == 1),
            QStringLiteral("  ") };
        header.store(label.field, value.toString(), english, limit);
    }
}

// ------------------------------------------------------------------ TXT

QString firstWord(const QString &rest)
{
    return textBefore(rest, QStringLiteral(" "));
}

QString twoWords(const QString &rest)
{
    const int first = rest.indexOf(QLatin1Char(' '));
    if (first < 0)
        return rest; // one word is all there is
    const int second = rest.indexOf(QLatin1Char(' '), first + 1);
    return second < 0 ? rest : rest.left(second);
}

// The rest up to and including unit; all of it when the unit is missing.
QString upToUnit(const QString &rest, const QString &unit)
{
    const int pos = rest.indexOf(unit);
    return pos < 0 ? rest : rest.left(pos + unit.size());
}

// From the first from in the line up to (not including) the next until.
QString fromTo(const QString &line, const QString &from, const QString &until)
{
    const int start = line.indexOf(from);
    const int end = line.indexOf(until, start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

// The value of one TXT label; a null string when the line has none.
QString txtValue(
    const Label &label, const QString &line, int labelEnd, bool humidityLine, const CSummeryParam &s)
{
    const bool english = label.english();
    // The value follows the colon and one blank; the temperature unit may
    // follow the colon directly.
    int start = labelEnd + 2;
    if (label.field == Field::TempUnit && labelEnd + 1 < line.size()
        && line.at(labelEnd + 1) != QLatin1Char(' '))
        start = labelEnd + 1;
    if (start >= line.size())
        return QString();
    const QString rest = line.mid(start);

    switch (label.field) {
    case Field::DeviceZone:
    case Field::DeviceTime:
        return twoWords(rest);
    case Field::StartModel:
        return line.contains(QLatin1String("Right Now")) ? twoWords(rest) : firstWord(rest);
    case Field::StartAt:
        return s.recordStartModel.contains(QLatin1String("Timing")) ? twoWords(rest) : firstWord(rest);
    case Field::StopAt:
        return s.recordStopModel.contains(QLatin1String("Manual")) ? firstWord(rest) : twoWords(rest);
    case Field::Mkt:
    case Field::RecordStartAt:
    case Field::RecordStopAt:
        return dashes(twoWords(rest));
    case Field::TempMax:
    case Field::TempMin:
    case Field::TempAvg:
        if (humidityLine)
            return dashes(upToUnit(rest, QStringLiteral("%")).replace(QLatin1Char(' '), QLatin1Char(',')));
        return dashes(twoWords(rest));
    case Field::TempHigh:
    case Field::TempLow:
        if (humidityLine)
            return upToUnit(rest, QStringLiteral("%")).replace(QLatin1Char(' '), QLatin1Char(','));
        return firstWord(rest);
    case Field::NormalSpace:
    case Field::AlarmSpace:
    case Field::AlarmTimeLen:
    case Field::RecordTimeLen:
        return upToUnit(rest, english ? QStringLiteral("sec") : QStringLiteral("秒"));
    case Field::AlarmDelay:
        return upToUnit(rest, english ? QStringLiteral("min") : QStringLiteral("分钟"));
    case Field::DelayStart:
        if (line.contains(QStringLiteral("按键开启")))
            return fromTo(line, QStringLiteral("按键开启"), QStringLiteral("分钟"));
        if (line.contains(QLatin1String("Manual")))
            return fromTo(line, QStringLiteral("Manual"), QStringLiteral("min"));
        return firstWord(rest);
    case Field::AlarmType: {
        QStringList words;
        const QStringList parts = line.mid(labelEnd).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &word : parts) {
            if (!word.contains(QLatin1Char(':')) && !word.contains(QStringLiteral("：")))
                words.append(word);
        }
        return words.join(QLatin1Char(' '));
    }
    case Field::WayDesc:
        return rest; // descriptions hold blanks
    default:
        return firstWord(rest);
    }
}

void txtLine(const QString &line, const std::vector<bool> &found, HeaderStore &header)
{
    const QVector<Label> &table = formLabels(ReportForm::Txt).labels;
    for (int k = 0; k < table.size(); ++k) {
        const Label &label = table[k];
        if (!found[size_t(k)])
            continue;
        int labelPos = line.indexOf(label.text);
        int labelEnd = labelPos + label.text.size();
        if (label.chineseSerialNumber()) {
            // Only "序列号" directly followed by the full-width colon, and
            // never the trip's "行程序列号".
            labelPos = line.indexOf(QStringLiteral("序列号："));
            if (labelPos < 0 || line.contains(QStringLiteral("行程序列号")))
                continue;
            labelEnd = labelPos + 3;
        }
        const bool english = label.english();
        if (english) {
            // An English label is followed by its colon; the same words
            // inside a value are no label ("Alarm Type: [Temp Exceed Upper
            // Limit]" must not overwrite the upper limit).
            const auto colonAt = [&line](int pos) {
                return pos < line.size()
                    && (line.at(pos) == QLatin1Char(':') || line.at(pos) == QChar(0xFF1A));
            };
            while (labelPos >= 0 && !colonAt(labelEnd)) {
                labelPos = line.indexOf(label.text, labelPos + 1);
                labelEnd = labelPos + label.text.size();
            }
            if (labelPos < 0)
                continue;
        }
        const bool humidityLine = label.humidityLabel() || (english && line.contains(QLatin1Char('%')));
        const QString value = txtValue(label, line, labelEnd, humidityLine, header.s);
        if (value.isEmpty())
            continue;
        header.store(label.field, value, english, LimitForm { humidityLine, QStringLiteral(",") });
        // The summary keeps the first word of a Chinese timed start, its date;
        // the device information needs the time of day after it as well, as
        // the other report forms give it, to configure the logger again.
        if (label.field == Field::StartAt && !english
            && header.s.recordStartModel.contains(QStringLiteral("定时开启")))
            header.info.startAt = chineseDate(twoWords(line.mid(labelEnd + 2)));
    }
}

} // namespace

void csvHeader(QTextStream &in, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    HeaderStore header(summary, info);
    const LabelFinder &finder = formLabels(ReportForm::Csv).finder;
    std::vector<bool> found;
    QString line;
    while (readLine(in, line)) {
        if (finder.find(line, found))
            csvLine(line, found, header);
        // The sample table's header ends the summary block.
        if ((line.contains(QStringLiteral("序列号")) && line.contains(QStringLiteral("报警")))
            || (line.contains(QLatin1String("No.")) && line.contains(QLatin1String("ALARM"))))
            break;
    }
}

void txtHeader(QTextStream &in, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    HeaderStore header(summary, info);
    const LabelFinder &finder = formLabels(ReportForm::Txt).finder;
    std::vector<bool> found;
    QString raw;
    while (readLine(in, raw)) {
        const QString line = raw.simplified();
        if (finder.find(line, found))
            txtLine(line, found, header);
        static const QString chineseTable[] = { QStringLiteral("序列号"), QStringLiteral("日期"),
            QStringLiteral("时间"), QStringLiteral("温度"), QStringLiteral("报警") };
        static const QString englishTable[] = { QStringLiteral("DATE"), QStringLiteral("TIME"),
            QStringLiteral("TEMPERATURE"), QStringLiteral("ALARM") };
        const auto holdsAll = [&line](const auto &words) {
            for (const QString &word : words) {
                if (!line.contains(word))
                    return false;
            }
            return true;
        };
        // The sample table's header ends the summary block.
        if (holdsAll(chineseTable) || holdsAll(englishTable))
            break;
    }
    info.mkt = filled(summary.mkt);
}

} // namespace ReportParser

namespace {

void readHeader(const QString &path, ReportParser::ReportForm form, CSummeryParam &summary,
    CDeviceSettingInfo &info, void (*pass)(QTextStream &, CSummeryParam &, CDeviceSettingInfo &))
{
    info.fileType = form == ReportParser::ReportForm::Csv ? QStringLiteral("csv") : QStringLiteral("txt");
    summary.containTemp = 1;
    summary.containHumidity = 0;
    QFile file(path);
    QTextStream in;
    if (ReportParser::openReport(file, in, form))
        pass(in, summary, info);
}

} // namespace

void ParseCsvHeader(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    readHeader(path, ReportParser::ReportForm::Csv, summary, info, ReportParser::csvHeader);
}

void ParseTxtHeader(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    readHeader(path, ReportParser::ReportForm::Txt, summary, info, ReportParser::txtHeader);
}
