#ifndef CEXPORTRANGE_H
#define CEXPORTRANGE_H

#include "core/export/crecordexporter.h"

#include <QDateTime>
#include <QString>
#include <QVector>

class CRecord;
class CSummeryParam;
class CTaskProgress;
class CTempData;

// Export of a record for a time range: what the export dialog's save button
// and `vesmira-cli export` run, whatever the format.
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
        WriteFailed, // the file could not be created or written; a file at the
                     // target is left as it was
        Cancelled // cancelled through its CTaskProgress: nothing written, a file at
                  // the target left as it was
    };

    // Where the range comes from: chosen by the user, or the one the export
    // presets from the record itself (its first and last sample time).
    enum RangeKind { ChosenRange, PresetRange };

    // Exports the record's samples of [startSecs, endSecs] with its summary
    // cut to them, through exporter (the PDF report, ...). task, when given,
    // hears how far the export is and may cancel it from any thread (it is
    // installed for the calling thread, where the exporters look for it).
    static Status exportRecord(const CRecord &record, qint64 startSecs, qint64 endSecs, const QString &path,
        CRecordExporter &exporter, RangeKind kind = ChosenRange, CTaskProgress *task = nullptr);

    // The range an export starts from: the first and the last sample's time
    // (seconds since the epoch of the local times); 0 for a sample whose time
    // is no time, and both 0 without samples.
    struct Range {
        qint64 start = 0;
        qint64 end = 0;
    };
    static Range presetRange(const CTempData &data);

    // The end must be strictly later than the start (whole seconds).
    static bool isValidRange(qint64 startSecs, qint64 endSecs) { return endSecs > startSecs; }

    // A chosen range must be valid. The preset range is taken as well when it
    // is one instant that holds every sample: a record of one sample (start
    // and end are its time) or of none (no sample to leave out) exports its
    // whole content.
    static bool isAcceptedRange(const CTempData &data, qint64 startSecs, qint64 endSecs, RangeKind kind);

    // Selects the samples in the range (in their order, not copied) and
    // fills summary: a plain copy of source when every sample lies in the
    // range (the result is then true), otherwise cut to the selection.
    static bool cutToRange(const CSummeryParam &source, const CTempData &data, qint64 startSecs,
        qint64 endSecs, CSummeryParam &summary, CSampleSelection &selected);

    // Mean kinetic temperature of the readings by the table of
    // exp(-10000 / (t + 273.1)) for t = -50.0 .. 109.9: the largest tabulated
    // t whose value does not exceed the mean of the readings' values (each
    // taken at its nearest tenth); 160.0 above the table.
    static double meanKineticTemperature(const QVector<double> &temperatures);

    // "1d 2h 3min 4sec" (English) or "1天 2时 3分 4秒"; zero parts are left out,
    // 0 seconds give the empty text.
    static QString durationText(qint64 seconds, bool english);

    // applicationDir/export/record-yyyyMMddhhmmss.pdf (or the suffix given)
    // for the given local time; the directory is created when missing.
    static QString defaultTargetPath(const QDateTime &now, const QString &suffix = QStringLiteral("pdf"));

    // The target an export of record proposes in dir (the folder of the last
    // export, or applicationDir/export when empty or gone):
    // "<record name>_<trip ID>.<suffix>", either part left out when empty,
    // characters that Windows or a network share refuse turned into "_" and
    // the name shortened to fit 255 bytes; "-2", "-3", ... before the suffix
    // when the file exists, so that no earlier export is replaced unasked.
    // Without name and trip ID it is defaultTargetPath's.
    static QString proposedTargetPath(
        const QString &dir, const CRecord &record, const QDateTime &now, const QString &suffix);
};

#endif // CEXPORTRANGE_H
