#include "model/reportparse.h"

#include "export/gbkcodeutils.h"
#include "model/cdevicesettinginfo.h"
#include "model/csummeryparam.h"
#include "model/ctempdata.h"
#include "model/reportparser_p.h"

#include <QFileInfo>
#include <QTextStream>

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

void setGbk(QTextStream &in)
{
    in.setCodec(GbkCodeUtils::codec());
}

void setUtf8(QTextStream &in)
{
    in.setCodec("UTF-8");
}

} // namespace ReportParser

ReportKind parseReportFile(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info,
    CTempData &data, const std::function<bool(int step)> &progress)
{
    info.tempHigh = QStringLiteral("0");
    info.humidityHigh = QStringLiteral("0");
    info.tempLow = QStringLiteral("0");
    info.humidityLow = QStringLiteral("0");
    info.tempAdj = QStringLiteral("0");
    info.humidityAdj = QStringLiteral("0");
    summary.clear();

    struct Kind {
        const char *suffix;
        ReportKind kind;
        void (CSummeryParam::*head)(const QString &, CDeviceSettingInfo &);
        void (CTempData::*temperature)(const QString &);
        void (CTempData::*humidity)(const QString &);
    };
    static const Kind kinds[] = {
        { "pdf", ReportKind::Pdf, &CSummeryParam::ProcessPdf, &CTempData::ParseTempPdfFile,
            &CTempData::ParseTempHumidityPdfFile },
        { "csv", ReportKind::Csv, &CSummeryParam::ParseCsvHeader, &CTempData::ParseTempCsvFile,
            &CTempData::ParseTempHumidityCsvFile },
        { "txt", ReportKind::Txt, &CSummeryParam::ParseTxtHeader, &CTempData::ParseTempTxtFile,
            &CTempData::ParseTempHumidityTxtFile },
    };
    // Three tests, each on its own: a suffix may name more than one kind.
    const QString suffix = QFileInfo(path).suffix();
    ReportKind parsed = ReportKind::None;
    for (const Kind &kind : kinds) {
        if (!suffix.contains(QLatin1String(kind.suffix)))
            continue;
        if (progress && !progress(2))
            continue; // cancelled: this kind is skipped
        (summary.*kind.head)(path, info);
        info.containTemp = summary.containTemp;
        info.containHumidity = summary.containHumidity;
        if (summary.containHumidity == 1)
            (data.*kind.humidity)(path);
        else
            (data.*kind.temperature)(path);
        parsed = kind.kind;
    }
    return parsed;
}
