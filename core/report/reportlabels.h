#ifndef REPORTLABELS_H
#define REPORTLABELS_H

// The summary fields of a logger's report and the labels that name them: one
// table for the CSV, TXT and PDF passes. Internal to the report parsers.

#include "core/report/labelfinder.h"
#include "core/report/reportparser_p.h"

#include <QString>
#include <QVector>

class CSummeryParam;
class CDeviceSettingInfo;

namespace ReportParser {

// The summary fields in the order in which their labels are tested on a line
// or text item.
enum class Field {
    DeviceModel,
    DeviceSensor,
    DeviceNo,
    TempUnit,
    FirmwareVersion,
    FileFormat,
    DeviceZone,
    Language,
    DeviceTime,
    Battery,
    StartModel,
    StopModel,
    DelayStart,
    StopAt,
    StartAt,
    TempHigh,
    NormalSpace,
    TempLow,
    AlarmSpace,
    AlarmDelay,
    LcdMode,
    Recycle,
    LongPressed,
    Restart,
    SettingClear,
    TempMax,
    RecordStartAt,
    TempMin,
    RecordStopAt,
    TempAvg,
    RecordTimes,
    AlarmTimeLen,
    RecordTimeLen,
    AlarmCount,
    RecordCount,
    AlarmType,
    WayId,
    WayDesc,
    Mkt,
    Count
};

// The CSummeryParam member that holds a field.
QString CSummeryParam::*summaryMember(Field field);

// The CDeviceSettingInfo member that receives a field's value unchanged in
// every report form (unit, language, modes, the options, the trip ID and
// description), or null.
QString CDeviceSettingInfo::*copiedSetting(Field field);

// Stores a value as it was read: into the summary member of its field, into
// the device information where the field is copied there, and for the model
// code the temperature/humidity decision ("-83WQ").
void storeAsRead(Field field, const QString &value, CSummeryParam &summary, CDeviceSettingInfo &info);

// The language of a label; the place of its value follows from it.
enum class Lang { Chinese, English, Both };

struct Label {
    Field field;
    QString text;
    Lang lang;
    unsigned forms; // one bit (1 << ReportForm) for each form whose pass tests the label
    // The PDF pass tests the label only for a temperature/humidity logger.
    bool pdfHumidityOnly = false;

    bool english() const { return lang == Lang::English; }
    // "序列号" also stands inside the trip's "行程序列号" and in the sample
    // table's header: each pass has a rule of its own for it.
    bool chineseSerialNumber() const { return field == Field::DeviceNo && lang == Lang::Chinese; }
    // A Chinese label of a temperature/humidity value ("温湿度上限", ...).
    bool humidityLabel() const { return text.startsWith(QStringLiteral("温湿度")); }
};

// The labels that the pass of one report form tests, in the order it tests
// them, and a finder over exactly these labels (finder index k is labels[k]).
struct FormLabels {
    QVector<Label> labels;
    LabelFinder finder;
};

const FormLabels &formLabels(ReportForm form);

} // namespace ReportParser

#endif // REPORTLABELS_H
