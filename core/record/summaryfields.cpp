#include "core/record/summaryfields.h"

#include <QCoreApplication>
#include <QHash>

namespace {

using F = CSummaryField;
#define D(text) QT_TRANSLATE_NOOP("CDeviceDataInfo", text)
#define H(text) QT_TRANSLATE_NOOP("CHistoryRecordContent", text)

// clang-format off
// name, member, column | data view: group, line, caption, humidity caption |
// history: row, column, caption, humidity caption | alarm line
const std::array<CSummaryField, CSummaryFields::Count> fields = {{
    {"deviceModel", &CSummeryParam::deviceModel, 1, F::Device, 0, D("产品型号："), nullptr,
     1, 0, H("chan pin xing hao"), nullptr, false},
    {"deviceNo", &CSummeryParam::deviceNo, 3, F::Device, 1, D("序列号："), nullptr,
     1, 3, H("xu lie hao"), nullptr, false},
    {"firmwareVersion", &CSummeryParam::firmwareVersion, 0, F::Device, 2, D("固件版本："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"deviceZone", &CSummeryParam::deviceZone, 5, F::Device, 3, D("设备时区："), nullptr,
     3, 0, H("she bei shi qu"), nullptr, false},
    {"deviceTime", &CSummeryParam::deviceTime, 4, F::Device, 4, D("设备时间："), nullptr,
     2, 0, H("she bei shi jian"), nullptr, false},
    {"deviceSensor", &CSummeryParam::deviceSensor, 2, F::Device, 5, D("探头类型："), nullptr,
     2, 3, H("tan tou lei xing"), nullptr, false},
    {"tempUnit", &CSummeryParam::tempUnit, 0, F::Device, 6, D("温度单位："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"fileFormat", &CSummeryParam::fileFormat, 0, F::Device, 7, D("文件格式："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"language", &CSummeryParam::language, 0, F::Device, 8, D("语言："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"battery", &CSummeryParam::battery, 0, F::Device, 9, D("电池电量："), nullptr,
     -1, -1, nullptr, nullptr, false},
    {"recordStartModel", &CSummeryParam::recordStartModel, 6, F::Configuration, 0, D("记录开启模式："), nullptr,
     5, 0, H("ji lu kai shi mo shi"), nullptr, false},
    {"delayStart", &CSummeryParam::delayStart, 8, F::Configuration, 1, D("延时开启方式："), nullptr,
     6, 0, H("yan shi kai qi fang shi"), nullptr, false},
    {"startAt", &CSummeryParam::startAt, 9, F::Configuration, 2, D("定时开启时间："), nullptr,
     7, 0, H("ding shi kai qi shi jian"), nullptr, false},
    {"normalRecordSpace", &CSummeryParam::normalRecordSpace, 12, F::Configuration, 3, D("正常记录间隔："), nullptr,
     8, 0, H("zheng chang ji lu jian ge"), nullptr, false},
    {"alarmSpace", &CSummeryParam::alarmSpace, 14, F::Configuration, 4, D("报警记录间隔："), nullptr,
     9, 0, H("bao jing ji lu jian ge"), nullptr, false},
    {"alarmDelay", &CSummeryParam::alarmDelay, 16, F::Configuration, 5, D("报警延时："), nullptr,
     10, 0, H("bao jing yan shi"), nullptr, false},
    {"isRecycleRecord", &CSummeryParam::isRecycleRecord, 18, F::Configuration, 6, D("循环记录："), nullptr,
     11, 0, H("xun huan ji lu"), nullptr, false},
    {"isRestart", &CSummeryParam::isRestart, 20, F::Configuration, 7, D("重复启动："), nullptr,
     12, 0, H("chong fu qi dong"), nullptr, false},
    {"recordStopModel", &CSummeryParam::recordStopModel, 7, F::Configuration, 8, D("记录关闭模式："), nullptr,
     5, 3, H("ji lu guan bi mo shi"), nullptr, false},
    {"stopAt", &CSummeryParam::stopAt, 10, F::Configuration, 9, D("定时关闭时间："), nullptr,
     6, 3, H("ding shi guan bi shi jian"), nullptr, false},
    {"tempHigh", &CSummeryParam::tempHigh, 11, F::Configuration, 10, D("温度上限："), D("温湿度上限："),
     7, 3, H("wen du shang xian"), H("wen shi du shang xian "), false},
    {"tempLow", &CSummeryParam::tempLow, 13, F::Configuration, 11, D("温度下限："), D("温湿度下限："),
     8, 3, H("wen du xia xian"), H("wen shi du xia xian"), false},
    // A summary read from a report carries no calibration to show: the line
    // and the history's cell stay empty.
    {"tempAdj", &CSummeryParam::tempAdj, 15, F::Configuration, 12, nullptr, nullptr,
     -1, -1, nullptr, nullptr, false},
    {"isLongPressed", &CSummeryParam::isLongPressed, 17, F::Configuration, 14, D("按键长按重置记录："), nullptr,
     10, 3, H("kai qi chang an chong zhi ji lu"), nullptr, false},
    {"isSettingClearRecord", &CSummeryParam::isSettingClearRecord, 19, F::Configuration, 15,
     D("下发配置时重置记录："), nullptr, 11, 3, H("xia fa pei zhi shi chong zhi ji lu"), nullptr, false},
    {"tempMax", &CSummeryParam::tempMax, 21, F::Statistics, 0, D("温度最大值："), D("温湿度最大值："),
     14, 0, H("wen du zui da zhi"), H("wen shi du zui da zhi"), false},
    {"tempMin", &CSummeryParam::tempMin, 23, F::Statistics, 1, D("温度最小值："), D("温湿度最小值："),
     15, 0, H("wen du zui xiao zhi"), H("wen shi du zui xiao zhi"), false},
    {"tempAvg", &CSummeryParam::tempAvg, 25, F::Statistics, 2, D("温度平均值："), D("温湿度平均值："),
     16, 0, H("wen du ping jun zhi"), H("wen shi du ping jun zhi"), false},
    {"alarmTimeLen", &CSummeryParam::alarmTimeLen, 27, F::Statistics, 3, D("报警总时长："), nullptr,
     18, 0, H("bao jing zhong shi chang"), nullptr, true},
    {"alarmCount", &CSummeryParam::alarmCount, 29, F::Statistics, 4, D("报警条数："), nullptr,
     19, 0, H("bao jing tiao shu"), nullptr, true},
    {"alarmType", &CSummeryParam::alarmType, 31, F::Statistics, 5, D("报警类型："), nullptr,
     20, 0, H("bao jing lei xing"), nullptr, true},
    {"wayId", &CSummeryParam::wayId, 33, F::Statistics, 6, D("行程序列号："), nullptr,
     19, 3, H("xing cheng xu lie hao"), nullptr, false},
    {"recordStartAt", &CSummeryParam::recordStartAt, 22, F::Statistics, 7, D("记录开始时间："), nullptr,
     14, 3, H("ji lu kai shi shi jian"), nullptr, false},
    {"recordStopAt", &CSummeryParam::recordStopAt, 24, F::Statistics, 8, D("记录停止时间："), nullptr,
     15, 3, H("ji lu ting zhi shi jian"), nullptr, false},
    {"recordTimes", &CSummeryParam::recordTimes, 26, F::Statistics, 9, D("记录开启次数："), nullptr,
     16, 3, H("ji lu kai qi ci shu"), nullptr, false},
    {"recordTimeLen", &CSummeryParam::recordTimeLen, 28, F::Statistics, 10, D("记录总时长："), nullptr,
     17, 3, H("ji lu zhong shi chang"), nullptr, false},
    {"recordCount", &CSummeryParam::recordCount, 30, F::Statistics, 11, D("记录条数："), nullptr,
     18, 3, H("ji lu tiao shu"), nullptr, false},
    {"wayDesc", &CSummeryParam::wayDesc, 32, F::Statistics, 12, D("行程描述："), nullptr,
     20, 3, H("xing cheng miao shu"), nullptr, false},
    {"mkt", &CSummeryParam::mkt, 37, F::Statistics, 13, D("MKT:"), nullptr,
     17, 0, "MKT", nullptr, false},
    {"lcd_mode", &CSummeryParam::lcd_mode, 38, F::Configuration, 13, D("屏幕常显："), nullptr,
     12, 3, H("屏幕常显"), nullptr, false},
}};
// clang-format on

const std::array<CSummaryFields::Section, 3> sections = { {
    { 0, H("she bei xin xi") },
    { 4, H("pei zhi xin xi ") },
    { 13, H("tong ji xin xi") },
} };

#undef D
#undef H

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
