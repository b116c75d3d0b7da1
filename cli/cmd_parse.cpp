// vesmira-cli parse REPORT: the record of a logger report as JSON on stdout,
// read exactly as the application reads the local copy of a logger's report
// (fresh record, reset, dispatch by the case-sensitive suffix, flag copy,
// sample parser). Exit 0; 1 when REPORT is missing, unreadable, no regular
// file (a directory, FIFO or device, also behind a link) or too large for a
// report; 2 when its suffix names no report kind (or on a usage error).
// Nothing is written to stdout unless the exit code is 0.
#include "cli/commands.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/recordjson.h"
#include "core/report/reportparse.h"

#include <QFileInfo>

int runParse(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "usage: vesmira-cli parse REPORT\n";
        return 2;
    }
    const QString path = args.first();
    const QFileInfo info(path);
    QString why;
    if (checkReportFile(path, &why) != ReportFileProblem::None) {
        err << "vesmira-cli: " << path << ": " << why << "\n";
        return 1;
    }

    CSummeryParam summary;
    CDeviceSettingInfo settings;
    CTempData data;
    if (parseReportFile(path, summary, settings, data) == ReportKind::None) {
        err << "vesmira-cli: " << path << ": not a logger report: the suffix \"" << info.suffix()
            << "\" holds none of pdf, csv, txt (case-sensitive)\n";
        return 2;
    }
    writeRecordJson(out, summary, settings, data);
    out.flush();
    return 0;
}
