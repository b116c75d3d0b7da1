#ifndef CLOGGERREADER_H
#define CLOGGERREADER_H

#include <QDateTime>
#include <QString>

class CDeviceSettingInfo;
class CSummeryParam;
class CTempData;
class CTempDbManager;

// The widget-free steps of reading a logger, shared by the main window and
// vesmira-cli: copying the report off the drive, the names made from the time
// of the copy and of storing, the alarm limits and storing the record.
class CLoggerReader
{
public:
    // Copies the smallest file in the drive's root whose suffix does not hold
    // "ini" (the logger's configuration file) into dataDir, named
    // "<base>-<yyyyMMddhhmmsszzz>.<suffix>" after the local time now. Entries
    // that cannot be copied (directories, files in use) are passed over.
    // Returns the local path, or an empty string when nothing was copied.
    static QString copyReportFile(const QString &driveRoot, const QString &dataDir, const QDateTime &now);

    // "<deviceNo>_<yyyyMMddhhmmsszzz>".
    static QString recordName(const QString &deviceNo, const QDateTime &now);

    // Temperature high and low from the device information; with humidity
    // also humidity high and low (a text that is not a number gives 0). The
    // order is that of the main window: temp high, temp low, humidity high,
    // humidity low. Humidity limits stay 0 without humidity.
    static void alarmLimits(const CDeviceSettingInfo &info, int containHumidity, double limits[4]);

    // Stores the record under a new name: header, summary and samples
    // together. Returns the record id; 0 when any of it failed, and then
    // nothing of the record is in the history.
    static int storeRecord(CTempDbManager &db, CSummeryParam &summary, const CTempData &data,
                           const QString &reportCopy, const QDateTime &now, QString *name);
};

#endif // CLOGGERREADER_H
