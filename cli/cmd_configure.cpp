// vesmira-cli configure DRIVE_ROOT [--template FILE] [--trip-id ID] [--desc TEXT]
//                     [--humidity|--no-humidity] [--now "yyyy-MM-dd hh:mm:ss"] [--zone TEXT]
//
// Writes setting.ini onto a logger drive as the configuration page does in
// advanced mode when its write button is pressed: the page's values as
// constructed, the logger's report on the drive read as the reading flow
// reads it (it decides humidity unless a flag does, and the TXT-only model
// rule), then the template, then the trip ID and description given here.
// --now stands for the computer's local date and time everywhere (clock,
// weekday and every "now" of the page); --zone for the zone text the zone
// code is looked up in, e.g. "(UTC+05:30) Chennai".
//
// Exit 0 with the success message on stdout; 2 with the message of the
// failed check on stderr when the write is refused (the drive is untouched)
// or on a usage error; 1 when the file could not be written (the message,
// then the file and the system's reason; setting.ini is as it was).
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/configuration/cconfigtemplate.h"
#include "core/configuration/cconfigvalues.h"
#include "core/configuration/cconfigwriter.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/reportparse.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli configure DRIVE_ROOT [--template FILE] [--trip-id ID] [--desc TEXT]\n"
           "                            [--humidity|--no-humidity] [--now \"yyyy-MM-dd hh:mm:ss\"] "
           "[--zone TEXT]\n";
    return 2;
}

// The report the reading flow would copy off the drive: the smallest regular
// file in the root whose suffix does not hold "ini".
QString reportOnDrive(const QString &root)
{
    const QFileInfoList entries = QDir(root).entryInfoList(
        QDir::Files | QDir::Hidden | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot,
        QDir::Size | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        if (!entry.suffix().contains(QLatin1String("ini")) && entry.isFile() && entry.isReadable())
            return entry.absoluteFilePath();
    }
    return QString();
}

} // namespace

int runConfigure(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString root;
    QString templatePath;
    QString tripId;
    QString description;
    QString nowText;
    QString zone;
    int humidityFlag = -1; // -1: as the report says
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--template") && hasValue)
            templatePath = args.at(++i);
        else if (arg == QLatin1String("--trip-id") && hasValue)
            tripId = args.at(++i);
        else if (arg == QLatin1String("--desc") && hasValue)
            description = args.at(++i);
        else if (arg == QLatin1String("--now") && hasValue)
            nowText = args.at(++i);
        else if (arg == QLatin1String("--zone") && hasValue)
            zone = args.at(++i);
        else if (arg == QLatin1String("--humidity"))
            humidityFlag = 1;
        else if (arg == QLatin1String("--no-humidity"))
            humidityFlag = 0;
        else if (arg.startsWith(QLatin1String("--")) || !root.isNull())
            return usage(err);
        else
            root = arg;
    }
    if (root.isNull())
        return usage(err);

    QDateTime now = QDateTime::currentDateTime();
    if (!nowText.isNull()) {
        now = QDateTime::fromString(nowText, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        if (!now.isValid()) {
            err << "vesmira-cli: --now needs a time \"yyyy-MM-dd hh:mm:ss\"\n";
            return 2;
        }
    }
    // The trip ID field takes letters and digits only.
    if (!tripId.isNull() && !QRegularExpression(QStringLiteral("^[a-zA-Z0-9]*$")).match(tripId).hasMatch()) {
        err << "vesmira-cli: --trip-id takes letters and digits only\n";
        return 2;
    }
    if (!templatePath.isNull() && !QFileInfo(templatePath).isFile()) {
        err << "vesmira-cli: " << templatePath << ": no such template\n";
        return 2;
    }

    // What the main window knows after reading the logger.
    CSummeryParam summary;
    CDeviceSettingInfo info;
    CTempData data;
    const QString report = reportOnDrive(root);
    if (!report.isEmpty())
        parseReportFile(report, summary, info, data);
    const bool humidity
        = humidityFlag >= 0 ? humidityFlag == 1 : !report.isEmpty() && summary.containHumidity == 1;

    CConfigValues values = CConfigValues::defaults(now);
    // Enabling the page after the read applies the model rule.
    if (!report.isEmpty() && CConfigValues::txtOnlyModel(summary.deviceModel))
        values.fileType = 1;
    if (!templatePath.isNull()) {
        switch (CConfigTemplate::load(templatePath, values, now)) {
        case CConfigTemplate::LoadResult::Loaded:
            break;
        case CConfigTemplate::LoadResult::NotANumber:
            err << CConfigWriter::englishMessage(CConfigWriter::NotANumber) << '\n';
            return 2;
        case CConfigTemplate::LoadResult::Damaged:
            err << "vesmira-cli: " << templatePath << ": damaged template\n";
            return 2;
        }
    }
    if (!tripId.isNull())
        values.tripId = tripId;
    if (!description.isNull())
        values.description = description;

    // In compliance mode the frame written goes into the audit trail.
    const std::unique_ptr<CTempDbManager> history = openExistingHistory();
    CComplianceGate gate;
    if (const int code = gate.enterIfPresent(history.get(), CDuty::ConfigureLogger, err))
        return code;

    CConfigWriter::Environment env;
    env.now = now;
    env.zoneComment = zone.isNull() ? CConfigWriter::systemZoneComment(now) : zone;
    env.humidity = humidity;
    QString reason;
    QByteArray frame;
    const CConfigWriter::Status status
        = CConfigWriter::write(values, CConfigWriter::Advanced, root, env, &reason, &frame);
    if (status == CConfigWriter::Written) {
        out << CConfigWriter::englishMessage(status) << '\n';
        if (gate.active()) {
            const CComplianceResult noted = gate.compliance().noteConfiguration(gate.session(), root, frame);
            if (!noted) {
                err << "vesmira-cli: " << noted.error << '\n';
                return 1;
            }
        }
        return 0;
    }
    err << CConfigWriter::englishMessage(status) << '\n';
    if (status == CConfigWriter::OpenFailed || status == CConfigWriter::WriteFailed) {
        err << "vesmira-cli: " << reason << '\n';
        return 1;
    }
    return 2;
}
