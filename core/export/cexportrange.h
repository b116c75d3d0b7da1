#ifndef CEXPORTRANGE_H
#define CEXPORTRANGE_H

#include <QDateTime>
#include <QString>
#include <QVector>

class CDeviceSettingInfo;
class CExportPdf;
class CSummeryParam;
class CTempData;

// Export of a record for a time range: what the export dialog's save button
// and `vesmira-cli export` run.
//
// The range [start, end] (local times as seconds since the epoch, both ends
// included) selects the samples. A range holding every sample prints the
// logger's own statistics; a partial range recomputes highest, lowest and
// average value (and humidity), MKT, start and stop time, total elapsed time
// and count from the samples kept, leaving out missing readings (the mark
// 255 and "--") and values that are not finite (NaN, infinity); a range
// holding no sample prints "-----" and no data pages.
// The alarm fields and the trip count always keep the whole record's values.
class CExportRange {
public:
    enum Status {
        Written, // the report was written
        InvalidRange, // the end is not later than the start: nothing written
        WriteFailed // the file could not be created or written; a file at the
                    // target is left as it was
    };

    // Where the range comes from: chosen by the user, or the one the export
    // presets from the record itself (its first and last sample time).
    enum RangeKind { ChosenRange, PresetRange };

    static Status exportRecord(const CSummeryParam &source, const CTempData &data,
        const CDeviceSettingInfo &settings, qint64 startSecs, qint64 endSecs, const QString &path,
        CExportPdf &pdf, RangeKind kind = ChosenRange);

    // The end must be strictly later than the start (whole seconds).
    static bool isValidRange(qint64 startSecs, qint64 endSecs) { return endSecs > startSecs; }

    // A chosen range must be valid. The preset range is taken as well when it
    // is one instant that holds every sample: a record of one sample (start
    // and end are its time) or of none (no sample to leave out) exports its
    // whole content.
    static bool isAcceptedRange(const CTempData &data, qint64 startSecs, qint64 endSecs, RangeKind kind);

    // Fills summary (a copy of source, cut to the range) and selected (copies
    // of the samples in the range, in their order) unless every sample lies
    // in the range; returns true in that case, with summary a plain copy and
    // selected left empty.
    static bool cutToRange(const CSummeryParam &source, const CTempData &data, qint64 startSecs,
        qint64 endSecs, CSummeryParam &summary, CTempData &selected);

    // Mean kinetic temperature of the readings by the table of
    // exp(-10000 / (t + 273.1)) for t = -50.0 .. 109.9: the largest tabulated
    // t whose value does not exceed the mean of the readings' values (each
    // taken at its nearest tenth); 160.0 above the table.
    static double meanKineticTemperature(const QVector<double> &temperatures);

    // "1d 2h 3min 4sec" (English) or "1天 2时 3分 4秒"; zero parts are left out,
    // 0 seconds give the empty text.
    static QString durationText(qint64 seconds, bool english);

    static void copySummary(const CSummeryParam &from, CSummeryParam &to);

    // applicationDir/export/record-yyyyMMddhhmmss.pdf for the given local
    // time; the directory is created when missing.
    static QString defaultTargetPath(const QDateTime &now);
};

#endif // CEXPORTRANGE_H
