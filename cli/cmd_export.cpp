// vesmira-cli export REPORT OUT.pdf|OUT.csv [--from TIME] [--to TIME]
//
// The suffix of OUT chooses the format: "csv" (any case) the samples for a
// spreadsheet (CExportCsv), anything else the PDF data report.
// Reads a logger report as the application reads a logger (the parse of
// `vesmira-cli parse`, then the conversions the record is stored with) and
// writes the PDF data report of the range, exactly as the export dialog's save
// button does. The range defaults to the first and last sample time, as the
// dialog presets it: a report of one sample or none exports its whole
// content. Exit 0 when written; 1 when REPORT cannot be read or OUT cannot be
// written; 2 on a usage error, a suffix that names no report kind, or an end
// not later than the start.
#include "cli/commands.h"
#include "core/export/cexportcsv.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "core/report/reportparse.h"

#include <QFile>
#include <QFileInfo>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli export REPORT OUT.pdf|OUT.csv [--from \"yyyy/MM/dd hh:mm:ss\"] "
           "[--to \"yyyy/MM/dd hh:mm:ss\"]\n";
    return 2;
}

} // namespace

int runExport(const QStringList &args, QTextStream &out, QTextStream &err)
{
    Q_UNUSED(out)
    QStringList positional;
    QString fromText;
    QString toText;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if ((arg == QLatin1String("--from") || arg == QLatin1String("--to")) && i + 1 < args.size())
            (arg == QLatin1String("--from") ? fromText : toText) = args.at(++i);
        else if (arg.startsWith(QLatin1String("--")))
            return usage(err);
        else
            positional << arg;
    }
    if (positional.size() != 2)
        return usage(err);

    CRecordTime from;
    CRecordTime to;
    if (!fromText.isNull() && !(from = CRecordTime::fromText(fromText)).isValid()) {
        err << "vesmira-cli: --from needs a time \"yyyy/MM/dd hh:mm:ss\"\n";
        return 2;
    }
    if (!toText.isNull() && !(to = CRecordTime::fromText(toText)).isValid()) {
        err << "vesmira-cli: --to needs a time \"yyyy/MM/dd hh:mm:ss\"\n";
        return 2;
    }

    const QString report = positional.at(0);
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

    return writeRecordFile(record, positional.at(1), from, to, err);
}

int writeRecordFile(const CRecord &record, const QString &target, const CRecordTime &from,
    const CRecordTime &to, QTextStream &err)
{
    const CExportRange::Range preset = CExportRange::presetRange(record.data);
    const qint64 start = from.isValid() ? from.toSecsSinceEpoch() : preset.start;
    const qint64 end = to.isValid() ? to.toSecsSinceEpoch() : preset.end;
    const CExportRange::RangeKind kind
        = from.isValid() || to.isValid() ? CExportRange::ChosenRange : CExportRange::PresetRange;
    CExportPdf pdf;
    CExportCsv csv;
    const bool toCsv = QFileInfo(target).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    CRecordExporter &exporter = toCsv ? static_cast<CRecordExporter &>(csv) : pdf;
    switch (CExportRange::exportRecord(record, start, end, target, exporter, kind)) {
    case CExportRange::Written:
        return 0;
    case CExportRange::InvalidRange:
        err << "stop time could not be early than start time, please reset.\n";
        return 2;
    case CExportRange::WriteFailed:
        break;
    }
    err << "vesmira-cli: cannot write \"" << target << "\"";
    if (toCsv && !csv.error().isEmpty())
        err << ": " << csv.error();
    err << "\n";
    return 1;
}
