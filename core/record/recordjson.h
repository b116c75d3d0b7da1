#ifndef RECORDJSON_H
#define RECORDJSON_H

#include <QStringView>

class QTextStream;
class CSummeryParam;
class CDeviceSettingInfo;
class CTempData;
class CRecord;

// Writes a record as one JSON object, keys in the fields' declaration order:
//   {"summary": {the 40 text fields of CSummeryParam by name, "containTemp",
//    "containHumidity"}, "settings": {the 25 text fields of CDeviceSettingInfo,
//    "containTemp", "containHumidity"}, "samples": [{"temp", "shidu",
//    "recordTime"}, ...]}
// One line per field and per sample; the samples are streamed, not built up
// in memory. The stream's codec decides the encoding (vesmira-cli: UTF-8).
void writeRecordJson(
    QTextStream &out, const CSummeryParam &summary, const CDeviceSettingInfo &info, const CTempData &data);

// A record of the history: as above, but instead of the settings (the
// history keeps none of them) the alarm limits it is shown with,
//   "limits": {"tempHigh", "tempLow", "humidityHigh", "humidityLow"}
// as numbers, the humidity pair only for a temperature/humidity record.
void writeStoredRecordJson(QTextStream &out, const CRecord &record);

// The same in parts, for samples that are written as they are read: the
// members before the samples ("summary", "limits"; the opening brace is the
// caller's), then the samples one by one.
void writeStoredRecordHead(QTextStream &out, const CRecord &record);
class CSampleJsonWriter {
public:
    explicit CSampleJsonWriter(QTextStream &out);
    void add(QStringView temp, QStringView shidu, QStringView recordTime);
    // Closes the samples and the record's object.
    void finish();

private:
    QTextStream &m_out;
    bool m_first = true;
};

#endif // RECORDJSON_H
