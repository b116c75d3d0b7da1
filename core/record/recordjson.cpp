#include "core/record/recordjson.h"

#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/summaryfields.h"

#include <QTextStream>
#include <cmath>

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

static_assert(sizeof settingFields / sizeof settingFields[0] == 25, "twenty-five setting texts");

// A JSON string: quotes, backslashes and control characters escaped; lone
// surrogates (never valid text) as \u escapes so the output stays UTF-8.
void writeString(QTextStream &out, QStringView text)
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
        out << text.mid(plain, i - plain);
        if (escape)
            out << escape;
        else
            out << QString::asprintf("\\u%04x", c);
        plain = i + 1;
    }
    out << text.mid(plain) << '"';
}

// One object of texts by field name, then the two flags.
template <typename Record, typename Fields>
void writeObject(QTextStream &out, const char *name, const Record &record, const Fields &fields)
{
    out << "  \"" << name << "\": {\n";
    for (const auto &field : fields) {
        out << "    \"" << field.name << "\": ";
        writeString(out, record.*field.member);
        out << ",\n";
    }
    out << "    \"containTemp\": " << record.containTemp << ",\n";
    out << "    \"containHumidity\": " << record.containHumidity << "\n";
    out << "  },\n";
}

// A JSON number in the C locale; null for what JSON has no number for.
QString number(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 15) : QStringLiteral("null");
}

void writeLimits(QTextStream &out, const CAlarmLimits &limits, bool humidity)
{
    out << "  \"limits\": {\n"
        << "    \"tempHigh\": " << number(limits.tempHigh) << ",\n"
        << "    \"tempLow\": " << number(limits.tempLow);
    if (humidity)
        out << ",\n    \"humidityHigh\": " << number(limits.humidityHigh) << ",\n"
            << "    \"humidityLow\": " << number(limits.humidityLow);
    out << "\n  },\n";
}

void writeSamples(QTextStream &out, const CTempData &data)
{
    CSampleJsonWriter samples(out);
    for (int i = 0; i < data.size(); ++i)
        samples.add(data.temp(i), data.shidu(i), data.recordTime(i));
    samples.finish();
}

} // namespace

void writeRecordJson(
    QTextStream &out, const CSummeryParam &summary, const CDeviceSettingInfo &info, const CTempData &data)
{
    out << "{\n";
    writeObject(out, "summary", summary, CSummaryFields::all());
    writeObject(out, "settings", info, settingFields);
    writeSamples(out, data);
}

void writeStoredRecordJson(QTextStream &out, const CRecord &record)
{
    out << "{\n";
    writeStoredRecordHead(out, record);
    writeSamples(out, record.data);
}

void writeStoredRecordHead(QTextStream &out, const CRecord &record)
{
    writeObject(out, "summary", record.summary, CSummaryFields::all());
    writeLimits(out, record.limits, record.hasHumidity());
}

CSampleJsonWriter::CSampleJsonWriter(QTextStream &out)
    : m_out(out)
{
    m_out << "  \"samples\": [";
}

void CSampleJsonWriter::add(QStringView temp, QStringView shidu, QStringView recordTime)
{
    m_out << (m_first ? "\n" : ",\n") << "    {\"temp\": ";
    writeString(m_out, temp);
    m_out << ", \"shidu\": ";
    writeString(m_out, shidu);
    m_out << ", \"recordTime\": ";
    writeString(m_out, recordTime);
    m_out << '}';
    m_first = false;
}

void CSampleJsonWriter::finish()
{
    m_out << (m_first ? "]\n" : "\n  ]\n") << "}\n";
}
