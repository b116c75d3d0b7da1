#include "core/record/recordjson.h"

#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QTextStream>

namespace {

template <typename Record> struct TextField {
    const char *name;
    QString Record::*member;
};

template <typename Record> constexpr TextField<Record> field(const char *name, QString Record::*member)
{
    return { name, member };
}

#define VESMIRA_FIELD(Record, name) field<Record>(#name, &Record::name)

const TextField<CSummeryParam> summaryFields[] = {
    VESMIRA_FIELD(CSummeryParam, deviceModel),
    VESMIRA_FIELD(CSummeryParam, deviceNo),
    VESMIRA_FIELD(CSummeryParam, firmwareVersion),
    VESMIRA_FIELD(CSummeryParam, deviceZone),
    VESMIRA_FIELD(CSummeryParam, deviceTime),
    VESMIRA_FIELD(CSummeryParam, deviceSensor),
    VESMIRA_FIELD(CSummeryParam, tempUnit),
    VESMIRA_FIELD(CSummeryParam, fileFormat),
    VESMIRA_FIELD(CSummeryParam, language),
    VESMIRA_FIELD(CSummeryParam, battery),
    VESMIRA_FIELD(CSummeryParam, recordStartModel),
    VESMIRA_FIELD(CSummeryParam, delayStart),
    VESMIRA_FIELD(CSummeryParam, startAt),
    VESMIRA_FIELD(CSummeryParam, normalRecordSpace),
    VESMIRA_FIELD(CSummeryParam, alarmSpace),
    VESMIRA_FIELD(CSummeryParam, alarmDelay),
    VESMIRA_FIELD(CSummeryParam, isRecycleRecord),
    VESMIRA_FIELD(CSummeryParam, isRestart),
    VESMIRA_FIELD(CSummeryParam, recordStopModel),
    VESMIRA_FIELD(CSummeryParam, stopAt),
    VESMIRA_FIELD(CSummeryParam, tempHigh),
    VESMIRA_FIELD(CSummeryParam, tempLow),
    VESMIRA_FIELD(CSummeryParam, tempAdj),
    VESMIRA_FIELD(CSummeryParam, isLongPressed),
    VESMIRA_FIELD(CSummeryParam, isSettingClearRecord),
    VESMIRA_FIELD(CSummeryParam, tempMax),
    VESMIRA_FIELD(CSummeryParam, tempMin),
    VESMIRA_FIELD(CSummeryParam, tempAvg),
    VESMIRA_FIELD(CSummeryParam, alarmTimeLen),
    VESMIRA_FIELD(CSummeryParam, alarmCount),
    VESMIRA_FIELD(CSummeryParam, alarmType),
    VESMIRA_FIELD(CSummeryParam, wayId),
    VESMIRA_FIELD(CSummeryParam, recordStartAt),
    VESMIRA_FIELD(CSummeryParam, recordStopAt),
    VESMIRA_FIELD(CSummeryParam, recordTimes),
    VESMIRA_FIELD(CSummeryParam, recordTimeLen),
    VESMIRA_FIELD(CSummeryParam, recordCount),
    VESMIRA_FIELD(CSummeryParam, wayDesc),
    VESMIRA_FIELD(CSummeryParam, mkt),
    VESMIRA_FIELD(CSummeryParam, lcd_mode),
};

const TextField<CDeviceSettingInfo> settingFields[] = {
    VESMIRA_FIELD(CDeviceSettingInfo, mkt),
    VESMIRA_FIELD(CDeviceSettingInfo, wayId),
    VESMIRA_FIELD(CDeviceSettingInfo, wayDesc),
    VESMIRA_FIELD(CDeviceSettingInfo, recordStartModel),
    VESMIRA_FIELD(CDeviceSettingInfo, recordStopModel),
    VESMIRA_FIELD(CDeviceSettingInfo, delayStart),
    VESMIRA_FIELD(CDeviceSettingInfo, stopAt),
    VESMIRA_FIELD(CDeviceSettingInfo, startAt),
    VESMIRA_FIELD(CDeviceSettingInfo, fileType),
    VESMIRA_FIELD(CDeviceSettingInfo, language),
    VESMIRA_FIELD(CDeviceSettingInfo, tempUnit),
    VESMIRA_FIELD(CDeviceSettingInfo, tempHigh),
    VESMIRA_FIELD(CDeviceSettingInfo, humidityHigh),
    VESMIRA_FIELD(CDeviceSettingInfo, tempLow),
    VESMIRA_FIELD(CDeviceSettingInfo, humidityLow),
    VESMIRA_FIELD(CDeviceSettingInfo, tempAdj),
    VESMIRA_FIELD(CDeviceSettingInfo, humidityAdj),
    VESMIRA_FIELD(CDeviceSettingInfo, normalRecordSpace),
    VESMIRA_FIELD(CDeviceSettingInfo, alarmSpace),
    VESMIRA_FIELD(CDeviceSettingInfo, alarmDelay),
    VESMIRA_FIELD(CDeviceSettingInfo, isRecycleRecord),
    VESMIRA_FIELD(CDeviceSettingInfo, isLongPressed),
    VESMIRA_FIELD(CDeviceSettingInfo, isRestart),
    VESMIRA_FIELD(CDeviceSettingInfo, isSettingClearRecord),
    VESMIRA_FIELD(CDeviceSettingInfo, lcdMode),
};

#undef VESMIRA_FIELD

static_assert(sizeof summaryFields / sizeof summaryFields[0] == 40, "forty summary texts");
static_assert(sizeof settingFields / sizeof settingFields[0] == 25, "twenty-five setting texts");

// A JSON string: quotes, backslashes and control characters escaped; lone
// surrogates (never valid text) as \u escapes so the output stays UTF-8.
void writeString(QTextStream &out, const QString &text)
{
    out << '"';
    const int n = text.size();
    int plain = 0; // start of the run not yet written
    for (int i = 0; i < n; ++i) {
        const ushort c = text.at(i).unicode();
        const char *escape = nullptr;
        switch (c) {
        case '"':
            escape = "\\\"";
            break;
        case '\\':
            escape = "\\\\";
            break;
        case '\n':
            escape = "\\n";
            break;
        case '\r':
            escape = "\\r";
            break;
        case '\t':
            escape = "\\t";
            break;
        case '\b':
            escape = "\\b";
            break;
        case '\f':
            escape = "\\f";
            break;
        default:
            break;
        }
        bool lone = false;
        if (QChar::isHighSurrogate(c))
            lone = i + 1 >= n || !QChar::isLowSurrogate(text.at(i + 1).unicode());
        else if (QChar::isLowSurrogate(c))
            lone = i == 0 || !QChar::isHighSurrogate(text.at(i - 1).unicode());
        if (!escape && c >= 0x20 && !lone)
            continue;
        out << QStringView(text).mid(plain, i - plain);
        if (escape)
            out << escape;
        else
            out << QString::asprintf("\\u%04x", c);
        plain = i + 1;
    }
    out << QStringView(text).mid(plain) << '"';
}

template <typename Record, size_t N>
void writeObject(
    QTextStream &out, const char *name, const Record &record, const TextField<Record> (&fields)[N])
{
    out << "  \"" << name << "\": {\n";
    for (const TextField<Record> &field : fields) {
        out << "    \"" << field.name << "\": ";
        writeString(out, record.*field.member);
        out << ",\n";
    }
    out << "    \"containTemp\": " << record.containTemp << ",\n";
    out << "    \"containHumidity\": " << record.containHumidity << "\n";
    out << "  },\n";
}

} // namespace

void writeRecordJson(
    QTextStream &out, const CSummeryParam &summary, const CDeviceSettingInfo &info, const CTempData &data)
{
    out << "{\n";
    writeObject(out, "summary", summary, summaryFields);
    writeObject(out, "settings", info, settingFields);
    out << "  \"samples\": [";
    bool first = true;
    for (const TempDataItem *item : data.dataList) {
        out << (first ? "\n" : ",\n") << "    {\"temp\": ";
        writeString(out, item->temp);
        out << ", \"shidu\": ";
        writeString(out, item->shidu);
        out << ", \"recordTime\": ";
        writeString(out, item->recordTime);
        out << '}';
        first = false;
    }
    out << (first ? "]\n" : "\n  ]\n") << "}\n";
}
