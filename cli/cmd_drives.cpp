// vesmira-cli drives: the candidate drives as the application sees them, one
// per line (root, type, vendor string in quotes, "logger" for the one that
// would be read). Exit 0 when a logger is found, 1 otherwise.
#include "cli/commands.h"
#include "core/device/cdriveprobe.h"
#include "core/device/cloggerfinder.h"

#include <QVector>

int runDrives(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: vesmira-cli drives\n";
        return 2;
    }
    const auto probe = CDriveProbe::create();
    QStringList driveList;
    QStringList vendorList;
    QVector<CDriveProbe::DriveType> typeList;
    const int count = probe->enumerateDrives(driveList, vendorList, typeList);
    const int logger = CLoggerFinder::recognise(driveList, vendorList);
    for (int i = 0; i < count; ++i) {
        out << driveList.at(i) << '\t' << CDriveProbe::typeName(typeList.at(i)) << "\t\"" << vendorList.at(i)
            << '"';
        if (i == logger)
            out << "\tlogger";
        out << '\n';
    }
    out.flush();
    return logger >= 0 ? 0 : 1;
}
