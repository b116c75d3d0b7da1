#include "core/report/reportlabels.h"

#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"

namespace ReportParser {

QString CSummeryParam::*summaryMember(Field field)
{
    // clang-format off
    static QString CSummeryParam::*const members[] = {
        &CSummeryParam::deviceModel, &CSummeryParam::deviceSensor, &CSummeryParam::deviceNo,
        &CSummeryParam::tempUnit, &CSummeryParam::firmwareVersion, &CSummeryParam::fileFormat,
        &CSummeryParam::deviceZone, &CSummeryParam::language, &CSummeryParam::deviceTime,
        &CSummeryParam::battery, &CSummeryParam::recordStartModel, &CSummeryParam::recordStopModel,
        &CSummeryParam::delayStart, &CSummeryParam::stopAt, &CSummeryParam::startAt,
        &CSummeryParam::tempHigh, &CSummeryParam::normalRecordSpace, &CSummeryParam::tempLow,
        &CSummeryParam::alarmSpace, &CSummeryParam::alarmDelay, &CSummeryParam::lcd_mode,
        &CSummeryParam::isRecycleRecord, &CSummeryParam::isLongPressed, &CSummeryParam::isRestart,
        &CSummeryParam::isSettingClearRecord, &CSummeryParam::tempMax, &CSummeryParam::recordStartAt,
        &CSummeryParam::tempMin, &CSummeryParam::recordStopAt, &CSummeryParam::tempAvg,
        &CSummeryParam::recordTimes, &CSummeryParam::alarmTimeLen, &CSummeryParam::recordTimeLen,
        &CSummeryParam::alarmCount, &CSummeryParam::recordCount, &CSummeryParam::alarmType,
        &CSummeryParam::wayId, &CSummeryParam::wayDesc, &CSummeryParam::mkt,
    };
    // clang-format on
    static_assert(sizeof members / sizeof members[0] == size_t(Field::Count), "one member per field");
    return members[int(field)];
}

QString CDeviceSettingInfo::*copiedSetting(Field field)
{
    switch (field) {
    case Field::TempUnit:
        return &CDeviceSettingInfo::tempUnit;
    case Field::Language:
        return &CDeviceSettingInfo::language;
    case Field::StartModel:
        return &CDeviceSettingInfo::recordStartModel;
    case Field::StopModel:
        return &CDeviceSettingInfo::recordStopModel;
    case Field::LcdMode:
        return &CDeviceSettingInfo::lcdMode;
    case Field::Recycle:
        return &CDeviceSettingInfo::isRecycleRecord;
    case Field::LongPressed:
        return &CDeviceSettingInfo::isLongPressed;
    case Field::Restart:
        return &CDeviceSettingInfo::isRestart;
    case Field::SettingClear:
        return &CDeviceSettingInfo::isSettingClearRecord;
    case Field::WayId:
        return &CDeviceSettingInfo::wayId;
    case Field::WayDesc:
        return &CDeviceSettingInfo::wayDesc;
    default:
        return nullptr;
    }
}

void storeAsRead(Field field, const QString &value, CSummeryParam &summary, CDeviceSettingInfo &info)
{
    summary.*summaryMember(field) = value;
    if (QString CDeviceSettingInfo::*setting = copiedSetting(field))
        info.*setting = value;
    if (field == Field::DeviceModel)
        summary.containHumidity = value.contains(QLatin1String("-83WQ")) ? 1 : 0;
}

namespace {

constexpr unsigned formBit(ReportForm form)
{
    return 1u << unsigned(form);
}

// Every label of every form, in the order they are tested. A pass skips the
// labels of the other forms; the order of the rest is its own.
const QVector<Label> &allLabels()
{
    static const QVector<Label> table = [] {
        const Lang C = Lang::Chinese;
        const Lang E = Lang::English;
        const unsigned All = formBit(ReportForm::Csv) | formBit(ReportForm::Txt) | formBit(ReportForm::Pdf);
        // Later wordings of the logger's English CSV and TXT reports, and the
        // Chinese language label as those reports print it.
        const unsigned CsvTxt = formBit(ReportForm::Csv) | formBit(ReportForm::Txt);
        const unsigned Txt = formBit(ReportForm::Txt);
        const bool HumidityOnly = true;
        return QVector<Label> {
            { Field::DeviceModel, "产品型号", C, All },
            { Field::DeviceModel, "Device Code", E, All },
            { Field::DeviceSensor, "探头类型", C, All },
            { Field::DeviceSensor, "Probe Type", E, All },
            { Field::DeviceNo, "序列号", C, All },
            { Field::DeviceNo, "Serial Number", E, All },
            { Field::TempUnit, "温度单位", C, All },
            { Field::TempUnit, "UoM", E, All },
            { Field::FirmwareVersion, "固件版本", C, All },
            { Field::FirmwareVersion, "Firmware Version", E, All },
            { Field::FileFormat, "文件格式", C, All },
            { Field::FileFormat, "Format", E, All },
            { Field::DeviceZone, "设备时区", C, All },
            { Field::DeviceZone, "Time Zone", E, All },
            { Field::Language, "语    言", C, All },
            { Field::Language, "语言", C, CsvTxt },
            // A TXT line is simplified before matching, so its four blanks
            // become one.
            { Field::Language, "语 言", C, Txt },
            { Field::Language, "Language", E, All },
            { Field::DeviceTime, "设备时间", C, All },
            { Field::DeviceTime, "Device Time", E, All },
            { Field::Battery, "电池电量", C, All },
            { Field::Battery, "Battery", E, All },
            { Field::StartModel, "记录开启模式", C, All },
            { Field::StartModel, "Start Mode", E, All },
            { Field::StopModel, "记录关闭模式", C, All },
            { Field::StopModel, "Stop Mode", E, All },
            { Field::DelayStart, "延时开启方式", C, All },
            { Field::DelayStart, "Start Delay", E, All },
            { Field::StopAt, "定时关闭时间", C, All },
            { Field::StopAt, "OFF TIME", E, All },
            { Field::StopAt, "Timing stop time", E, CsvTxt },
            { Field::StartAt, "定时开启时间", C, All },
            { Field::StartAt, "ON TIME", E, All },
            { Field::StartAt, "Timing start time", E, CsvTxt },
            { Field::TempHigh, "温度上限", C, All },
            { Field::TempHigh, "温湿度上限", C, All, HumidityOnly },
            { Field::TempHigh, "Upper Limit", E, All },
            { Field::NormalSpace, "正常记录间隔", C, All },
            { Field::NormalSpace, "Log Interval", E, All },
            { Field::NormalSpace, "Normal record interval", E, CsvTxt },
            { Field::TempLow, "温度下限", C, All },
            { Field::TempLow, "温湿度下限", C, All, HumidityOnly },
            { Field::TempLow, "Lower Limit", E, All },
            { Field::AlarmSpace, "报警记录间隔", C, All },
            { Field::AlarmSpace, "Alarm Interval", E, All },
            { Field::AlarmSpace, "Alarm record interval", E, CsvTxt },
            { Field::AlarmDelay, "报警延时", C, All },
            { Field::AlarmDelay, "Alarm Delay", E, All },
            { Field::LcdMode, "屏幕常显", C, All },
            { Field::LcdMode, "On-Screen Mode", E, All },
            { Field::LcdMode, "LCD Mode", E, CsvTxt },
            { Field::Recycle, "循环记录", C, All },
            { Field::Recycle, "Circular Mode", E, All },
            { Field::Recycle, "Circular log", E, CsvTxt },
            { Field::LongPressed, "按键长按重置记录", C, All },
            { Field::LongPressed, "Manual to Reset Log", E, All },
            { Field::Restart, "重复启动", C, All },
            { Field::Restart, "Multiple Trips Allowed", E, All },
            { Field::Restart, "Multiple start", E, CsvTxt },
            { Field::SettingClear, "下发配置时重置记录", C, All },
            { Field::SettingClear, "Optimset to Reset Log", E, All },
            { Field::SettingClear, "Reset record after configuration", E, CsvTxt },
            { Field::TempMax, "温度最大值", C, All },
            { Field::TempMax, "温湿度最大值", C, All },
            { Field::TempMax, "Highest", E, All },
            { Field::RecordStartAt, "记录开始时间", C, All },
            { Field::RecordStartAt, "Start Time", E, All },
            { Field::TempMin, "温度最小值", C, All },
            { Field::TempMin, "温湿度最小值", C, All },
            { Field::TempMin, "Lowest", E, All },
            { Field::RecordStopAt, "记录停止时间", C, All },
            { Field::RecordStopAt, "Stop Time", E, All },
            { Field::TempAvg, "温度平均值", C, All },
            { Field::TempAvg, "温湿度平均值", C, All },
            { Field::TempAvg, "Average", E, All },
            { Field::RecordTimes, "记录开启次数", C, All },
            { Field::RecordTimes, "Trip Counts", E, All },
            { Field::AlarmTimeLen, "报警总时长", C, All },
            { Field::AlarmTimeLen, "Alarm Elapsed Time", E, All },
            { Field::RecordTimeLen, "记录总时长", C, All },
            { Field::RecordTimeLen, "Total Elapsed Time", E, All },
            { Field::AlarmCount, "报警条数", C, All },
            { Field::AlarmCount, "Alarm Data Points", E, All },
            { Field::RecordCount, "记录条数", C, All },
            { Field::RecordCount, "Total Data Points", E, All },
            { Field::AlarmType, "报警类型", C, All },
            { Field::AlarmType, "Alarm Type", E, All },
            { Field::WayId, "行程序列号", C, All },
            { Field::WayId, "Trip ID", E, All },
            { Field::WayId, "Trip SN", E, CsvTxt },
            { Field::WayDesc, "行程描述", C, All },
            { Field::WayDesc, "Trip Description", E, All },
            { Field::Mkt, "MKT", Lang::Both, All },
        };
    }();
    return table;
}

FormLabels labelsOf(ReportForm form)
{
    QVector<Label> labels;
    QVector<QString> texts;
    for (const Label &label : allLabels()) {
        if (label.forms & formBit(form)) {
            labels.append(label);
            texts.append(label.text);
        }
    }
    return FormLabels { labels, LabelFinder(texts) };
}

} // namespace

const FormLabels &formLabels(ReportForm form)
{
    static const FormLabels forms[]
        = { labelsOf(ReportForm::Csv), labelsOf(ReportForm::Txt), labelsOf(ReportForm::Pdf) };
    return forms[int(form)];
}

} // namespace ReportParser
