#ifndef CSUMMERYPARAM_H
#define CSUMMERYPARAM_H

#include <QString>

// The summary block of a logger's report, as the logger printed it: device
// information, configuration and the logger's own statistics. Every value is
// text; only the two content flags are integers. A plain value: copying it
// copies the record's summary. The fields are listed once, with their
// database columns, JSON keys and captions, in core/record/summaryfields.h.
// The report parsers of core/report/ fill it.
class CSummeryParam {
public:
    // Empties the forty text fields; the content flags stay as they are (the
    // next parse sets them).
    void clear();

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
