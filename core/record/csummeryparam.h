#ifndef CSUMMERYPARAM_H
#define CSUMMERYPARAM_H

#include <QString>

class CDeviceSettingInfo;

// The summary block of a logger's report, as the logger printed it: device
// information, configuration and the logger's own statistics. Every value is
// text; only the two content flags are integers. A plain value: copying it
// copies the record's summary. The fields are listed once, with their
// database columns, JSON keys and captions, in core/record/summaryfields.h.
class CSummeryParam {
public:
    // Empties the forty text fields; the content flags stay as they are (the
    // next parse sets them).
    void clear();

    // The summary block of a logger's report file: fills this summary and the
    // normalised configuration in info, sets info.fileType to "csv", "txt" or
    // "pdf" and containHumidity from the model code. A file that cannot be
    // opened leaves the record as it was (CSV/TXT: apart from fileType and the
    // flags, set to 1 and 0 first). Most callers want parseReportFile()
    // (core/report/reportparse.h), which also resets the record and reads the
    // samples.
    void ParseCsvHeader(const QString &path, CDeviceSettingInfo &info);
    void ParseTxtHeader(const QString &path, CDeviceSettingInfo &info);
    void ProcessPdf(const QString &path, CDeviceSettingInfo &info);

    QString deviceModel; // a model code holding "-83WQ" marks a temperature/humidity logger
    QString deviceNo;
    QString firmwareVersion;
    QString deviceZone;
    QString deviceTime;
    QString deviceSensor;
    QString tempUnit;
    QString fileFormat;
    QString language;
    QString battery; // every "%" removed
    QString recordStartModel;
    QString delayStart;
    QString startAt;
    QString normalRecordSpace;
    QString alarmSpace;
    QString alarmDelay;
    QString isRecycleRecord;
    QString isRestart;
    QString recordStopModel;
    QString stopAt;
    QString tempHigh;
    QString tempLow;
    QString tempAdj; // no report label fills it; the database keeps it
    QString isLongPressed;
    QString isSettingClearRecord;
    QString tempMax;
    QString tempMin;
    QString tempAvg;
    QString alarmTimeLen;
    QString alarmCount;
    QString alarmType;
    QString wayId;
    QString recordStartAt;
    QString recordStopAt;
    QString recordTimes;
    QString recordTimeLen;
    QString recordCount;
    QString wayDesc;
    QString mkt;
    QString lcd_mode;
    qint32 containTemp = 1;
    qint32 containHumidity = 0;
};

#endif // CSUMMERYPARAM_H
