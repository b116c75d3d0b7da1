// vesmira-cli export REPORT OUT.pdf [--from TIME] [--to TIME]
//
// Reads a logger report as the application reads a logger (the parse of
// `vesmira-cli parse`, then the conversions the record is stored with) and
// writes the PDF data report of the range, exactly as the export dialog's save
// button does. The range defaults to the first and last sample time, as the
// dialog presets it: a report of one sample or none exports its whole
// content. Exit 0 when written; 1 when REPORT cannot be read or OUT cannot be
// written; 2 on a usage error, a suffix that names no report kind, or an end
// not later than the start.
#include "cli/commands.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecordtime.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/reportparse.h"

#include <QFile>
#include <QFileInfo>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli export REPORT OUT.pdf [--from \"yyyy/MM/dd hh:mm:ss\"] "
           "[--to \"yyyy/MM/dd hh:mm:ss\"]\n";
    return 2;
}

// The time of a sample as the dialog presets it; 0 when there is none (a
// report without samples then exports its empty report, as the dialog does).
qint64 sampleSecs(const CTempData &data, bool first)
{
    if (data.dataList.isEmpty())
        return 0;
    const TempDataItem *item = first ? data.dataList.first() : data.dataList.last();
    const qint64 secs = CRecordTime::fromText(item->recordTime).toSecsSinceEpoch();
    return secs == CRecordTime::invalidSecs ? 0 : secs;
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
    CSummeryParam summary;
    CDeviceSettingInfo info;
    CTempData data;
    if (CSummaryDisplay::readReport(report, summary, info, data) == ReportKind::None) {
        err << "vesmira-cli: " << report << ": not a logger report: the suffix \"" << reportInfo.suffix()
            << "\" holds none of pdf, csv, txt (case-sensitive)\n";
        return 2;
    }

    const qint64 start = from.isValid() ? from.toSecsSinceEpoch() : sampleSecs(data, true);
    const qint64 end = to.isValid() ? to.toSecsSinceEpoch() : sampleSecs(data, false);
    const CExportRange::RangeKind kind
        = from.isValid() || to.isValid() ? CExportRange::ChosenRange : CExportRange::PresetRange;
    CExportPdf pdf;
    switch (CExportRange::exportRecord(summary, data, info, start, end, positional.at(1), pdf, kind)) {
    case CExportRange::Written:
        return 0;
    case CExportRange::InvalidRange:
        err << "stop time could not be early than start time, please reset.\n";
        return 2;
    case CExportRange::WriteFailed:
        break;
    }
    err << "vesmira-cli: cannot write \"" << positional.at(1) << "\"\n";
    return 1;
}
