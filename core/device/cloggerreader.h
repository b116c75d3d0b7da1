#ifndef CLOGGERREADER_H
#define CLOGGERREADER_H

#include "core/report/reportparse.h"

#include <QDateTime>
#include <QString>

class CDeviceSettingInfo;
class CSummeryParam;
class CTempData;
class CTempDbManager;

// The widget-free steps of reading a logger, shared by the main window and
// vesmira-cli: copying the report off the drive, the names made from the time
// of the copy and of storing, the alarm limits and storing the record.
class CLoggerReader {
public:
    // A report candidate that copyReportFile passed over because it cannot be
    // read as a report (checkReportFile).
    struct Refusal {
        QString path;
        ReportFileProblem problem = ReportFileProblem::None;
        QString why; // plain English
    };

    // Copies the report off the drive: the smallest file in the drive's root
    // whose suffix is "pdf", "csv" or "txt" in any case. Dot-files (macOS
    // leaves .DS_Store and AppleDouble "._" files on every stick it sees) and
    // other suffixes (the logger's setting.ini) are no candidates. The copy
    // in dataDir is named "<base>-<yyyyMMddhhmmsszzz>.<suffix>" after the
    // local time now, the base shortened as far as the file system's name
    // limit needs. Candidates that checkReportFile refuses (FIFOs, devices,
    // files too large for a report) and symbolic links
    // (never followed off the drive) are not copied; the first one is told in
    // refused. Entries that cannot be copied (directories, files in use) are
    // passed over. Returns the local path, or an empty string when nothing
    // was copied.
    static QString copyReportFile(
        const QString &driveRoot, const QString &dataDir, const QDateTime &now, Refusal *refused = nullptr);

    // The name of the local copy of fileName made at now:
    // "<base>-<yyyyMMddhhmmsszzz>.<suffix>", base the name up to its first
    // dot and suffix the part after its last dot. The base loses characters
    // from its end until the encoded name fits in 255 bytes.
    static QString localCopyName(const QString &fileName, const QDateTime &now);

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
