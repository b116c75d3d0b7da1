#ifndef CDEVICESETTINGINFO_H
#define CDEVICESETTINGINFO_H

#include <QString>

// A logger's configuration in normalised form (plain numbers and option texts,
// intervals in seconds, delays in minutes): filled by the report parsers and
// by the configuration page, which also writes it to the logger. A plain
// value.
class CDeviceSettingInfo {
public:
    QString mkt;
    QString wayId;
    QString wayDesc;
    QString recordStartModel;
    QString recordStopModel;
    QString delayStart; // minutes
    QString stopAt;
    QString startAt;
    QString fileType; // "csv", "txt" or "pdf"
    QString language;
    QString tempUnit;
    QString tempHigh;
    QString humidityHigh;
    QString tempLow;
    QString humidityLow;
    QString tempAdj;
    QString humidityAdj;
    QString normalRecordSpace; // whole seconds
    QString alarmSpace; // whole seconds
    QString alarmDelay; // minutes
    QString isRecycleRecord;
    QString isLongPressed;
    QString isRestart;
    QString isSettingClearRecord;
    QString lcdMode;
    qint32 containTemp = 1;
    qint32 containHumidity = 0;
};

#endif // CDEVICESETTINGINFO_H
