#include "core/record/csummeryparam.h"

CSummeryParam::CSummeryParam(QObject *parent)
    : QObject(parent)
{
}

void CSummeryParam::clear()
{
    for (QString *field : { &deviceModel, &deviceNo, &firmwareVersion, &deviceZone, &deviceTime,
             &deviceSensor, &tempUnit, &fileFormat, &language, &battery, &recordStartModel, &delayStart,
             &startAt, &normalRecordSpace, &alarmSpace, &alarmDelay, &isRecycleRecord, &isRestart,
             &recordStopModel, &stopAt, &tempHigh, &tempLow, &tempAdj, &isLongPressed, &isSettingClearRecord,
             &tempMax, &tempMin, &tempAvg, &alarmTimeLen, &alarmCount, &alarmType, &wayId, &recordStartAt,
             &recordStopAt, &recordTimes, &recordTimeLen, &recordCount, &wayDesc, &mkt, &lcd_mode })
        *field = QString("");
}
