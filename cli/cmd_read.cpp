// vesmira-cli read [DRIVE_ROOT]: reads a logger as the main window does, without
// widgets: recognise it (or take DRIVE_ROOT), copy its report into data_files,
// parse it, store it in the history database. Exit 0 when stored; 1 when no
// report could be copied, or the report holds neither a device number nor a
// sample; 2 on a usage error (an empty DRIVE_ROOT too) or a report suffix the
// parsers do not take.
#include "cli/commands.h"
#include "core/device/cdriveprobe.h"
#include "core/device/cloggerfinder.h"
#include "core/device/cloggerreader.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/reportparse.h"

#include <QDateTime>
#include <QDir>

int runRead(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() > 1) {
        err << "usage: vesmira-cli read [DRIVE_ROOT]\n";
        return 2;
    }
    QString root;
    if (args.isEmpty()) {
        std::unique_ptr<CDriveProbe> probe = CDriveProbe::create();
        root = CLoggerFinder(*probe).findLogger();
        if (root.isEmpty()) {
            err << "vesmira-cli: no logger is plugged in\n";
            return 1;
        }
    } else {
        root = args.first();
        // An empty path would read the current directory as a drive.
        if (root.isEmpty()) {
            err << "vesmira-cli: DRIVE_ROOT is empty\nusage: vesmira-cli read [DRIVE_ROOT]\n";
            return 2;
        }
    }

    CLoggerReader::Refusal refused;
    const QString copy = CLoggerReader::copyReportFile(
        root, applicationDir + "/data_files", QDateTime::currentDateTime(), &refused);
    if (copy.isEmpty()) {
        if (refused.problem != ReportFileProblem::None)
            err << "vesmira-cli: " << QDir::toNativeSeparators(refused.path) << ": " << refused.why
                << "; not copied\n";
        err << "Error occurs when reading device data, please check if device fails.\n";
        return 1;
    }

    CSummeryParam summary;
    CDeviceSettingInfo info;
    CTempData data;
    if (CSummaryDisplay::readReport(copy, summary, info, data) == ReportKind::None) {
        // As in the main window: a report of another kind is copied, not read.
        err << "vesmira-cli: " << QDir::toNativeSeparators(copy)
            << " is not a PDF, CSV or TXT report (the suffix decides, in lower case); nothing stored\n";
        return 2;
    }
    if (!holdsRecord(summary, data)) {
        err << "vesmira-cli: " << QDir::toNativeSeparators(copy)
            << ": neither a device number nor a sample: not a logger report; nothing stored\n";
        return 1;
    }

    const QString dbDir = applicationDir + "/db";
    QDir().mkpath(dbDir);
    CTempDbManager db(dbDir + "/dravik.db");
    QString name;
    const int id = CLoggerReader::storeRecord(db, summary, data, copy, QDateTime::currentDateTime(), &name);
    if (id == 0) {
        err << "vesmira-cli: the history database refused the record\n";
        return 1;
    }
    out << id << '\t' << name << '\n';
    return 0;
}
