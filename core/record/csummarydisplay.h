#ifndef CSUMMARYDISPLAY_H
#define CSUMMARYDISPLAY_H

#include "core/report/reportparse.h"

#include <QCoreApplication>
#include <QString>

class CDeviceSettingInfo;
class CSummeryParam;
class CTempData;

// How a summary is shown: the data view, the history detail page and the
// command line all form the values here, so every path stores and shows the
// same record. Value texts are translated in the data view's context.
class CSummaryDisplay {
    Q_DECLARE_TR_FUNCTIONS(CDeviceDataInfo)
public:
    // The display values of one summary, in the order the data view shows them.
    struct Values {
        QString deviceModel, deviceNo, firmwareVersion, deviceZone, deviceTime, deviceSensor;
        QString tempUnit, fileFormat, language;
        int battery = 0;
        QString recordStartModel, delayStart, startAt, normalRecordSpace, alarmSpace, alarmDelay;
        QString isRecycleRecord, isRestart, recordStopModel, stopAt, tempHigh, tempLow;
        QString lcdMode, isLongPressed, isSettingClearRecord;
        QString tempMax, tempMin, tempAvg, alarmTimeLen, alarmCount, alarmType, wayId;
        QString recordStartAt, recordStopAt, recordTimes, recordTimeLen, recordCount, wayDesc, mkt;
        bool alarmed = false; // the alarm count is not "0" (blanks aside): alarm lines in red
        bool mktShown = false;
    };

    // A Chinese report shown in an English interface.
    static bool chineseReportInEnglish(const CSummeryParam &summary);
    // A Chinese CSV or TXT report (their dates carry year, month and day characters).
    static bool chineseTextReport(const CSummeryParam &summary);

    // The conversions that change the record itself, before it is stored:
    // the dates of a Chinese text report lose their date characters, and the
    // counts lose their unit character. Running it again changes nothing.
    static void applyStoredConversions(CSummeryParam &summary);

    // A logger's report read into the record the application keeps:
    // parseReportFile(), then applyStoredConversions(). The samples keep the
    // times as printed (CRecordTime reads the Chinese date form too).
    // Reading a logger, the history page's export and vesmira-cli all read
    // reports through here, so they store, show and export one record.
    static ReportKind readReport(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info,
        CTempData &data, const std::function<bool(int step)> &progress = {});

    // The shown values (after applyStoredConversions).
    static Values values(const CSummeryParam &summary);

    static QString translateValue(const QString &value);
    // A Chinese duration ("2小时5分0秒") in English units ("2h 5min 0sec"); shown
    // unchanged when its units are not in the expected order.
    static QString englishDuration(const QString &value, bool withDays);
    static QString englishAlarmType(const QString &value);

    // Header of the list's temperature column and label of the curve's axis.
    static QString temperatureHeader(const QString &tempUnit);
    static QString temperatureAxisLabel(const QString &tempUnit);
};

#endif // CSUMMARYDISPLAY_H
