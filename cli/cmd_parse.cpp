#include "cli/commands.h"

int runParse(const QStringList &args, QTextStream &out, QTextStream &err)
{
    Q_UNUSED(args)
    Q_UNUSED(out)
    err << "vesmira-cli: parse is not available yet\n";
    return 2;
}
