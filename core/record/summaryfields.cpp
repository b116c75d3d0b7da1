#include "core/record/summaryfields.h"

#include <QCoreApplication>
#include <QHash>

namespace {

using F = CSummaryField;

// clang-format off
// name, member, column | data view: group, line, caption, humidity caption |
// history: row, column, caption, humidity caption | alarm line
const std::array<CSummaryField, CSummaryFields::Count> fields = {{
    {"deviceModel", &CSummeryParam::deviceModel, 1, F::Device, 0, QT_TRANSLATE_NOOP("CDeviceDataInfo", "产品型号："), nullptr,
     1, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "chan pin xing hao"), nullptr, false},
    {"deviceNo", &CSummeryParam::deviceNo, 3, F::Device, 1, QT_TRANSLATE_NOOP("CDeviceDataInfo", "序列号："), nullptr,
     1, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "xu lie hao"), nullptr, false},
    {"firmwareVersion", &CSummeryParam::firmwareVersion, 0, F::Device, 2, QT_TRANSLATE_NOOP("CDeviceDataInfo", "固件版本："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"deviceZone", &CSummeryParam::deviceZone, 5, F::Device, 3, QT_TRANSLATE_NOOP("CDeviceDataInfo", "设备时区："), nullptr,
     3, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "she bei shi qu"), nullptr, false},
    {"deviceTime", &CSummeryParam::deviceTime, 4, F::Device, 4, QT_TRANSLATE_NOOP("CDeviceDataInfo", "设备时间："), nullptr,
     2, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "she bei shi jian"), nullptr, false},
    {"deviceSensor", &CSummeryParam::deviceSensor, 2, F::Device, 5, QT_TRANSLATE_NOOP("CDeviceDataInfo", "探头类型："), nullptr,
     2, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "tan tou lei xing"), nullptr, false},
    {"tempUnit", &CSummeryParam::tempUnit, 0, F::Device, 6, QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度单位："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"fileFormat", &CSummeryParam::fileFormat, 0, F::Device, 7, QT_TRANSLATE_NOOP("CDeviceDataInfo", "文件格式："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"language", &CSummeryParam::language, 0, F::Device, 8, QT_TRANSLATE_NOOP("CDeviceDataInfo", "语言："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"battery", &CSummeryParam::battery, 0, F::Device, 9, QT_TRANSLATE_NOOP("CDeviceDataInfo", "电池电量："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"recordStartModel", &CSummeryParam::recordStartModel, 6, F::Configuration, 0, QT_TRANSLATE_NOOP("CDeviceDataInfo", "记录开启模式："), nullptr,
     5, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ji lu kai shi mo shi"), nullptr, false},
    {"delayStart", &CSummeryParam::delayStart, 8, F::Configuration, 1, QT_TRANSLATE_NOOP("CDeviceDataInfo", "延时开启方式："), nullptr,
     6, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "yan shi kai qi fang shi"), nullptr, false},
    {"startAt", &CSummeryParam::startAt, 9, F::Configuration, 2, QT_TRANSLATE_NOOP("CDeviceDataInfo", "定时开启时间："), nullptr,
     7, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ding shi kai qi shi jian"), nullptr, false},
    {"normalRecordSpace", &CSummeryParam::normalRecordSpace, 12, F::Configuration, 3, QT_TRANSLATE_NOOP("CDeviceDataInfo", "正常记录间隔："), nullptr,
     8, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "zheng chang ji lu jian ge"), nullptr, false},
    {"alarmSpace", &CSummeryParam::alarmSpace, 14, F::Configuration, 4, QT_TRANSLATE_NOOP("CDeviceDataInfo", "报警记录间隔："), nullptr,
     9, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "bao jing ji lu jian ge"), nullptr, false},
    {"alarmDelay", &CSummeryParam::alarmDelay, 16, F::Configuration, 5, QT_TRANSLATE_NOOP("CDeviceDataInfo", "报警延时："), nullptr,
     10, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "bao jing yan shi"), nullptr, false},
    {"isRecycleRecord", &CSummeryParam::isRecycleRecord, 18, F::Configuration, 6, QT_TRANSLATE_NOOP("CDeviceDataInfo", "循环记录："), nullptr,
     11, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "xun huan ji lu"), nullptr, false},
    {"isRestart", &CSummeryParam::isRestart, 20, F::Configuration, 7, QT_TRANSLATE_NOOP("CDeviceDataInfo", "重复启动："), nullptr,
     12, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "chong fu qi dong"), nullptr, false},
    {"recordStopModel", &CSummeryParam::recordStopModel, 7, F::Configuration, 8, QT_TRANSLATE_NOOP("CDeviceDataInfo", "记录关闭模式："), nullptr,
     5, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ji lu guan bi mo shi"), nullptr, false},
    {"stopAt", &CSummeryParam::stopAt, 10, F::Configuration, 9, QT_TRANSLATE_NOOP("CDeviceDataInfo", "定时关闭时间："), nullptr,
     6, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ding shi guan bi shi jian"), nullptr, false},
    {"tempHigh", &CSummeryParam::tempHigh, 11, F::Configuration, 10, QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度上限："), QT_TRANSLATE_NOOP("CDeviceDataInfo", "温湿度上限："),
     7, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen du shang xian"), QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen shi du shang xian "), false},
    {"tempLow", &CSummeryParam::tempLow, 13, F::Configuration, 11, QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度下限："), QT_TRANSLATE_NOOP("CDeviceDataInfo", "温湿度下限："),
     8, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen du xia xian"), QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen shi du xia xian"), false},
    // A summary read from a report carries no calibration to show: the line
    // and the history's cell stay empty.
    {"tempAdj", &CSummeryParam::tempAdj, 15, F::Configuration, 12, nullptr, nullptr,
     -1, -1, nullptr, nullptr, false},
    {"isLongPressed", &CSummeryParam::isLongPressed, 17, F::Configuration, 14, QT_TRANSLATE_NOOP("CDeviceDataInfo", "按键长按重置记录："), nullptr,
     10, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "kai qi chang an chong zhi ji lu"), nullptr, false},
    {"isSettingClearRecord", &CSummeryParam::isSettingClearRecord, 19, F::Configuration, 15,
     QT_TRANSLATE_NOOP("CDeviceDataInfo", "下发配置时重置记录："), nullptr, 11, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "xia fa pei zhi shi chong zhi ji lu"), nullptr, false},
    {"tempMax", &CSummeryParam::tempMax, 21, F::Statistics, 0, QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度最大值："), QT_TRANSLATE_NOOP("CDeviceDataInfo", "温湿度最大值："),
     14, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen du zui da zhi"), QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen shi du zui da zhi"), false},
    {"tempMin", &CSummeryParam::tempMin, 23, F::Statistics, 1, QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度最小值："), QT_TRANSLATE_NOOP("CDeviceDataInfo", "温湿度最小值："),
     15, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen du zui xiao zhi"), QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen shi du zui xiao zhi"), false},
    {"tempAvg", &CSummeryParam::tempAvg, 25, F::Statistics, 2, QT_TRANSLATE_NOOP("CDeviceDataInfo", "温度平均值："), QT_TRANSLATE_NOOP("CDeviceDataInfo", "温湿度平均值："),
     16, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen du ping jun zhi"), QT_TRANSLATE_NOOP("CHistoryRecordContent", "wen shi du ping jun zhi"), false},
    {"alarmTimeLen", &CSummeryParam::alarmTimeLen, 27, F::Statistics, 3, QT_TRANSLATE_NOOP("CDeviceDataInfo", "报警总时长："), nullptr,
     18, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "bao jing zhong shi chang"), nullptr, true},
    {"alarmCount", &CSummeryParam::alarmCount, 29, F::Statistics, 4, QT_TRANSLATE_NOOP("CDeviceDataInfo", "报警条数："), nullptr,
     19, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "bao jing tiao shu"), nullptr, true},
    {"alarmType", &CSummeryParam::alarmType, 31, F::Statistics, 5, QT_TRANSLATE_NOOP("CDeviceDataInfo", "报警类型："), nullptr,
     20, 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "bao jing lei xing"), nullptr, true},
    {"wayId", &CSummeryParam::wayId, 33, F::Statistics, 6, QT_TRANSLATE_NOOP("CDeviceDataInfo", "行程序列号："), nullptr,
     19, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "xing cheng xu lie hao"), nullptr, false},
    {"recordStartAt", &CSummeryParam::recordStartAt, 22, F::Statistics, 7, QT_TRANSLATE_NOOP("CDeviceDataInfo", "记录开始时间："), nullptr,
     14, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ji lu kai shi shi jian"), nullptr, false},
    {"recordStopAt", &CSummeryParam::recordStopAt, 24, F::Statistics, 8, QT_TRANSLATE_NOOP("CDeviceDataInfo", "记录停止时间："), nullptr,
     15, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ji lu ting zhi shi jian"), nullptr, false},
    {"recordTimes", &CSummeryParam::recordTimes, 26, F::Statistics, 9, QT_TRANSLATE_NOOP("CDeviceDataInfo", "记录开启次数："), nullptr,
     16, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ji lu kai qi ci shu"), nullptr, false},
    {"recordTimeLen", &CSummeryParam::recordTimeLen, 28, F::Statistics, 10, QT_TRANSLATE_NOOP("CDeviceDataInfo", "记录总时长："), nullptr,
     17, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ji lu zhong shi chang"), nullptr, false},
    {"recordCount", &CSummeryParam::recordCount, 30, F::Statistics, 11, QT_TRANSLATE_NOOP("CDeviceDataInfo", "记录条数："), nullptr,
     18, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "ji lu tiao shu"), nullptr, false},
    {"wayDesc", &CSummeryParam::wayDesc, 32, F::Statistics, 12, QT_TRANSLATE_NOOP("CDeviceDataInfo", "行程描述："), nullptr,
     20, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "xing cheng miao shu"), nullptr, false},
    {"mkt", &CSummeryParam::mkt, 37, F::Statistics, 13, QT_TRANSLATE_NOOP("CDeviceDataInfo", "MKT:"), nullptr,
     17, 0, "MKT", nullptr, false},
    {"lcd_mode", &CSummeryParam::lcd_mode, 38, F::Configuration, 13, QT_TRANSLATE_NOOP("CDeviceDataInfo", "屏幕常显："), nullptr,
     12, 3, QT_TRANSLATE_NOOP("CHistoryRecordContent", "屏幕常显"), nullptr, false},
}};
// clang-format on

const std::array<CSummaryFields::Section, 3> sections = { {
    { 0, QT_TRANSLATE_NOOP("CHistoryRecordContent", "she bei xin xi") },
    { 4, QT_TRANSLATE_NOOP("CHistoryRecordContent", "pei zhi xin xi ") },
    { 13, QT_TRANSLATE_NOOP("CHistoryRecordContent", "tong ji xin xi") },
} };

} // namespace

const std::array<CSummaryField, CSummaryFields::Count> &CSummaryFields::all()
{
    return fields;
}

const CSummaryField *CSummaryFields::find(const QString &name)
{
    static const QHash<QString, const CSummaryField *> byName = [] {
        QHash<QString, const CSummaryField *> map;
        for (const CSummaryField &field : fields)
            map.insert(QLatin1String(field.name), &field);
        return map;
    }();
    return byName.value(name);
}

int CSummaryFields::indexOf(const CSummaryField &field)
{
    return int(&field - fields.data());
}

const std::array<CSummaryFields::Section, 3> &CSummaryFields::historySections()
{
    return sections;
}
