// vesmira-cli export REPORT OUT.pdf|OUT.csv [--from TIME] [--to TIME]
//                   [--separator comma|semicolon] [--decimal point|comma] [--trip-details]
//
// The suffix of OUT chooses the format: "csv" (any case) the samples for a
// spreadsheet (CExportCsv), anything else the PDF data report.
// Reads a logger report as the application reads a logger (the parse of
// `vesmira-cli parse`, then the conversions the record is stored with) and
// writes the PDF data report of the range, exactly as the export dialog's save
// button does. The range defaults to the first and last sample time, as the
// dialog presets it: a report of one sample or none exports its whole
// content. The CSV options choose the separator and decimal mark (a semicolon
// separator takes the decimal comma unless --decimal says otherwise) and put
// the trip's details above the samples. Exit 0 when written; 1 when REPORT
// cannot be read or OUT cannot be written; 2 on a usage error, a suffix that
// names no report kind, or an empty range.
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "core/report/reportparse.h"

#include <QFile>
#include <QFileInfo>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli export REPORT OUT.pdf|OUT.csv [--from \"yyyy/MM/dd hh:mm:ss\"] "
           "[--to \"yyyy/MM/dd hh:mm:ss\"]\n"
           "       [--separator comma|semicolon] [--decimal point|comma] [--trip-details]\n";
    return 2;
}

// A sample's time as the record prints it.
QString sampleTime(const TempDataItem &item)
{
    return item.time.isValid() ? item.time.toText() : item.recordTime;
}

} // namespace

int parseExportOptions(const QStringList &args, CExportOptions &options, QTextStream &err)
{
    bool decimalGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if ((arg == QLatin1String("--from") || arg == QLatin1String("--to")) && hasValue) {
            const CRecordTime time = CRecordTime::fromText(args.at(++i));
            if (!time.isValid()) {
                err << "vesmira-cli: " << arg << " needs a time \"yyyy/MM/dd hh:mm:ss\"\n";
                return 2;
            }
            (arg == QLatin1String("--from") ? options.from : options.to) = time;
        } else if (arg == QLatin1String("--separator") && hasValue) {
            const QString value = args.at(++i);
            if (value == QLatin1String("comma") || value == QLatin1String(","))
                options.csv.separator = ',';
            else if (value == QLatin1String("semicolon") || value == QLatin1String(";"))
                options.csv.separator = ';';
            else {
                err << "vesmira-cli: --separator is comma or semicolon\n";
                return 2;
            }
        } else if (arg == QLatin1String("--decimal") && hasValue) {
            const QString value = args.at(++i);
            if (value == QLatin1String("point") || value == QLatin1String("."))
                options.csv.decimal = '.';
            else if (value == QLatin1String("comma") || value == QLatin1String(","))
                options.csv.decimal = ',';
            else {
                err << "vesmira-cli: --decimal is point or comma\n";
                return 2;
            }
            decimalGiven = true;
        } else if (arg == QLatin1String("--trip-details")) {
            options.csv.tripDetails = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            const bool known = arg == QLatin1String("--from") || arg == QLatin1String("--to")
                || arg == QLatin1String("--separator") || arg == QLatin1String("--decimal");
            err << "vesmira-cli: " << (known ? "a value is missing after " : "unknown option ") << arg
                << "\n";
            return 2;
        } else {
            options.positional << arg;
        }
    }
    // A semicolon separates the cells where the comma is the decimal mark.
    if (!decimalGiven)
        options.csv.decimal = options.csv.separator == ';' ? ',' : '.';
    return 0;
}

int runExport(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CExportOptions options;
    if (const int code = parseExportOptions(args, options, err))
        return code;
    if (options.positional.size() != 2)
        return usage(err);
    // In compliance mode an export is signed in and audited here too.
    const std::unique_ptr<CTempDbManager> history = openExistingHistory();
    CComplianceGate gate;
    if (const int code = gate.enterIfPresent(history.get(), CDuty::Export, err))
        return code;

    const QString report = options.positional.at(0);
    const QFileInfo reportInfo(report);
    QString why;
    if (checkReportFile(report, &why) != ReportFileProblem::None) {
        err << "vesmira-cli: " << report << ": cannot read the file: " << why << "\n";
        return 1;
    }
    CRecord record;
    if (readReport(report, record) == ReportKind::None) {
        err << "vesmira-cli: " << report << ": not a logger report: the suffix \"" << reportInfo.suffix()
            << "\" holds none of pdf, csv, txt (case-sensitive)\n";
        return 2;
    }

    if (const int code = writeRecordFile(record, options.positional.at(1), options, err))
        return code;
    return gate.exported(0, report, options.positional.at(1), out, err);
}

int writeRecordFile(
    const CRecord &record, const QString &target, const CExportOptions &options, QTextStream &err)
{
    const CRecordTime &from = options.from;
    const CRecordTime &to = options.to;
    const CTempData &samples = record.data;
    const CExportRange::Range preset = CExportRange::presetRange(record.data);
    const qint64 start = from.isValid() ? from.toSecsSinceEpoch() : preset.start;
    const qint64 end = to.isValid() ? to.toSecsSinceEpoch() : preset.end;
    const CExportRange::RangeKind kind
        = from.isValid() || to.isValid() ? CExportRange::ChosenRange : CExportRange::PresetRange;
    // One end given, the other the record's own: name the range that is empty.
    if (from.isValid() != to.isValid() && !CExportRange::isValidRange(start, end)) {
        if (samples.isEmpty())
            err << "vesmira-cli: the record holds no sample: the range is empty; nothing written\n";
        else if (from.isValid())
            err << "vesmira-cli: --from " << from.toText() << " is not before the last sample ("
                << sampleTime(samples.last())
                << "): the range up to the last sample is empty; nothing written\n";
        else
            err << "vesmira-cli: --to " << to.toText() << " is not after the first sample ("
                << sampleTime(samples.first())
                << "): the range from the first sample is empty; nothing written\n";
        return 2;
    }
    CExportPdf pdf;
    CExportCsv csv(options.csv);
    pdf.setSignoff(options.signoff);
    csv.setSignoff(options.signoff);
    const bool toCsv = QFileInfo(target).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    CRecordExporter &exporter = toCsv ? static_cast<CRecordExporter &>(csv) : pdf;
    switch (CExportRange::exportRecord(record, start, end, target, exporter, kind)) {
    case CExportRange::Written:
        if (!toCsv && pdf.listedSamples() < pdf.givenSamples())
            err << "vesmira-cli: the PDF lists the first " << pdf.listedSamples() << " of "
                << pdf.givenSamples() << " samples (at most " << CExportPdf::maxDataPages << " data pages); "
                << pdf.givenSamples() - pdf.listedSamples()
                << " samples are not listed: export them as CSV, or a shorter range with --from and --to\n";
        return 0;
    case CExportRange::InvalidRange:
        err << "stop time could not be early than start time, please reset.\n";
        return 2;
    case CExportRange::WriteFailed:
        break;
    }
    err << "vesmira-cli: cannot write \"" << target << "\"";
    if (!exporter.error().isEmpty())
        err << ": " << exporter.error();
    err << "\n";
    return 1;
}
