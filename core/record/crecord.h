#ifndef CRECORD_H
#define CRECORD_H

#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QString>

// The alarm limits of a record: a value above its upper limit or below its
// lower limit is an alarm (a value equal to a limit is not). The humidity
// pair is 0 for a temperature-only record.
struct CAlarmLimits {
    double tempHigh = 0;
    double tempLow = 0;
    double humidityHigh = 0;
    double humidityLow = 0;

    // From a record just read: the normalised numbers of its settings (a
    // text that is not a number gives 0).
    static CAlarmLimits fromSettings(const CDeviceSettingInfo &settings, bool humidity);
    // From a stored summary: the limits as printed ("8.0°C", "30.0°C,80.0%",
    // "30.0°C  80.0%" or "30.0°C 80.0%"). The unit mark found there becomes
    // the summary's tempUnit, which the history does not keep. A limit that
    // is not found keeps its value in start; without humidity the humidity
    // pair is 0.
    static CAlarmLimits fromSummary(CSummeryParam &summary, const CAlarmLimits &start);
    static CAlarmLimits fromSummary(CSummeryParam &summary) { return fromSummary(summary, CAlarmLimits()); }
};

// What the local copy of a record's report says against the SHA-256 kept
// with the record.
enum class CReportCheck {
    Unchanged, // the copy's bytes have the digest
    Changed, // the copy is there, its bytes have another digest
    Missing, // no copy at that path (or it cannot be read)
    NoDigest, // the record keeps no digest (stored before digests were kept)
};

// One record: what a logger's report says (summary, normalised settings,
// samples with their times read), the alarm limits derived from it, the
// local copy of the report it was read from, and its place in the history.
// Every page, the read step, the history and the export pass this one object.
class CRecord {
public:
    CSummeryParam summary;
    CDeviceSettingInfo settings;
    CTempData data;
    CAlarmLimits limits;

    QString reportPath; // the local copy of the logger's report (data_files)
    QString reportDigest; // SHA-256 of the report's bytes, hex; empty when not known
    QString name; // the history's name: "<deviceNo>_<yyyyMMddhhmmsszzz>" when stored
    int id = 0; // history id; 0 while the record is not stored

    bool hasHumidity() const { return summary.containHumidity == 1; }

    // SHA-256 of a file's bytes as 64 lower-case hex digits; empty when the
    // file cannot be read.
    static QString fileDigest(const QString &path);
    static QString digest(const QByteArray &bytes);
    // The file at path against digest (hex, either case).
    static CReportCheck checkReport(const QString &path, const QString &digest);
};

#endif // CRECORD_H
