// vesmira-cli: the command-line companion of Vesmira. It links the core
// library only and works on the same application directory as the GUI.
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/cappdirs.h"
#include "core/record/crecordconfig.h"
#include "core/report/gbkcodeutils.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <QTextStream>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli [-v] COMMAND [ARGUMENTS]\n"
           "\n"
           "  -v, --verbose     also print the debug lines (as VESMIRA_DEBUG=1 does)\n"
           "\n"
           "commands:\n"
           "  parse REPORT      print the record of a logger report as JSON\n"
           "  read [DRIVE_ROOT] read the plugged-in logger (or DRIVE_ROOT) into the history\n"
           "  drives            list the candidate drives and the recognised logger\n"
           "  export REPORT OUT.pdf|OUT.csv [--from TIME] [--to TIME]\n"
           "         [--separator comma|semicolon] [--decimal point|comma] [--trip-details]\n"
           "                    write the PDF data report (or the samples as CSV) of a logger report\n"
           "  configure DRIVE_ROOT [--template FILE] [--trip-id ID] [--desc TEXT]\n"
           "            [--humidity|--no-humidity] [--now \"yyyy-MM-dd hh:mm:ss\"] [--zone TEXT]\n"
           "                    write setting.ini onto a logger drive (advanced configuration)\n"
           "  history list [--json] [--search TEXT]\n"
           "          show ID [--json] | export ID OUT.pdf|OUT.csv [--from TIME] [--to TIME]\n"
           "          rename ID NAME | delete ID | copy --to URL | pending\n"
           "                    the history (config/record-config.ini [history] url, or\n"
           "                    VESMIRA_HISTORY); copy moves the embedded history into a shared one,\n"
           "                    pending lists what waits for the shared one and why\n"
           "  watch [--export-dir DIR [--csv] [--name PATTERN]] [--template FILE] [--once] [--json]\n"
           "                    read, store, file and re-arm every logger plugged in, until\n"
           "                    stopped (--once: the loggers plugged in now); PATTERN fields\n"
           "                    {serial} {tripId} {record} {start:yyyyMMdd}\n"
           "  compliance enable --admin NAME [--name PRINTED] | disable --reason TEXT\n"
           "             | idle MINUTES | status\n"
           "                    compliance mode of the history: sign-in, audit trail, signatures\n"
           "  user add NAME --role operator|reviewer|admin [--name PRINTED] --by ADMIN\n"
           "       list | disable NAME [--reason TEXT] | unlock NAME | passwd NAME [--by ADMIN]\n"
           "                    the accounts of compliance mode\n"
           "  sign ID --meaning reviewed|approved|rejected [--comment TEXT]\n"
           "                    sign a stored record\n"
           "  audit verify [--anchor FILE] | list [--record ID] [--json]\n"
           "                    check the audit trail and every signed record; list the trail\n"
           "  selftest [--out DIR]\n"
           "                    check this installation against the bundled reference reports\n"
           "  help              show this text\n"
           "\n"
           "In compliance mode every command that reads or changes records takes --user NAME,\n"
           "the password on standard input, and rename, delete and compliance disable --reason TEXT.\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    // The debug lines of the library ("inserted OK!") are no output of a
    // command: only on request.
    bool verbose = qEnvironmentVariable("VESMIRA_DEBUG") == QLatin1String("1");
    while (!args.isEmpty()
        && (args.first() == QLatin1String("-v") || args.first() == QLatin1String("--verbose"))) {
        verbose = true;
        args.removeFirst();
    }
    if (!verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    GbkCodeUtils::instance()->load(CAppDirs::setUp(QCoreApplication::applicationDirPath()));
    CRecordConfig::instance()->load();

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    // A long step of opening the history (an older one gets its index).
    CTempDbManager::setNoticeHandler([&err](const QString &text) {
        err << "vesmira-cli: " << text << "...\n";
        err.flush();
    });

    if (args.isEmpty())
        return usage(err);
    const QString command = args.first();
    if (command == QLatin1String("help") || command == QLatin1String("--help")) {
        usage(out);
        return 0;
    }
    QStringList rest = args.mid(1);
    // The sign-in of compliance mode, for the commands that know it.
    static const QStringList signedCommands { "read", "export", "configure", "history", "watch", "sign",
        "audit", "user", "compliance" };
    if (signedCommands.contains(command) && !takeIdentity(rest, err))
        return 2;
    if (command == QLatin1String("parse"))
        return runParse(rest, out, err);
    if (command == QLatin1String("read"))
        return runRead(rest, out, err);
    if (command == QLatin1String("drives"))
        return runDrives(rest, out, err);
    if (command == QLatin1String("export"))
        return runExport(rest, out, err);
    if (command == QLatin1String("configure"))
        return runConfigure(rest, out, err);
    if (command == QLatin1String("history"))
        return runHistory(rest, out, err);
    if (command == QLatin1String("watch"))
        return runWatch(rest, out, err);
    if (command == QLatin1String("compliance"))
        return runCompliance(rest, out, err);
    if (command == QLatin1String("user"))
        return runUser(rest, out, err);
    if (command == QLatin1String("sign"))
        return runSign(rest, out, err);
    if (command == QLatin1String("audit"))
        return runAudit(rest, out, err);
    if (command == QLatin1String("selftest"))
        return runSelftest(rest, out, err);
    err << "vesmira-cli: unknown command \"" << command << "\"\n";
    return usage(err);
}
