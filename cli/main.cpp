// vesmira-cli: the command-line companion of Vesmira. It links the core
// library only and works on the same application directory as the GUI.
#include "cli/commands.h"
#include "core/record/cappdirs.h"
#include "core/record/crecordconfig.h"
#include "core/report/gbkcodeutils.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli COMMAND [ARGUMENTS]\n"
           "\n"
           "commands:\n"
           "  parse REPORT      print the record of a logger report as JSON\n"
           "  read [DRIVE_ROOT] read the plugged-in logger (or DRIVE_ROOT) into the history\n"
           "  drives            list the candidate drives and the recognised logger\n"
           "  export REPORT OUT.pdf|OUT.csv [--from TIME] [--to TIME]\n"
           "                    write the PDF data report (or the samples as CSV) of a logger report\n"
           "  configure DRIVE_ROOT [--template FILE] [--trip-id ID] [--desc TEXT]\n"
           "            [--humidity|--no-humidity] [--now \"yyyy-MM-dd hh:mm:ss\"] [--zone TEXT]\n"
           "                    write setting.ini onto a logger drive (advanced configuration)\n"
           "  history list [--json] [--search TEXT]\n"
           "          show ID [--json] | export ID OUT.pdf|OUT.csv [--from TIME] [--to TIME]\n"
           "          rename ID NAME | delete ID | copy --to URL\n"
           "                    the history (config/record-config.ini [history] url, or\n"
           "                    VESMIRA_HISTORY); copy moves the embedded history into a shared one\n"
           "  watch [--export-dir DIR [--csv] [--name PATTERN]] [--template FILE] [--once] [--json]\n"
           "                    read, store, file and re-arm every logger plugged in, until\n"
           "                    stopped (--once: the loggers plugged in now); PATTERN fields\n"
           "                    {serial} {tripId} {record} {start:yyyyMMdd}\n"
           "  help              show this text\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    GbkCodeUtils::instance()->load(CAppDirs::setUp(QCoreApplication::applicationDirPath()));
    CRecordConfig::instance()->load();

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage(err);
    const QString command = args.first();
    if (command == QLatin1String("help") || command == QLatin1String("--help")) {
        usage(out);
        return 0;
    }
    const QStringList rest = args.mid(1);
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
    err << "vesmira-cli: unknown command \"" << command << "\"\n";
    return usage(err);
}
