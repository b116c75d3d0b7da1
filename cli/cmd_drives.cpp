#include "cli/commands.h"

int runDrives(const QStringList &args, QTextStream &out, QTextStream &err)
{
    Q_UNUSED(args)
    Q_UNUSED(out)
    err << "vesmira-cli: drives is not available yet\n";
    return 2;
}
