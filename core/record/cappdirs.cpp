#include "core/record/cappdirs.h"

#include "core/record/appglobals.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef VESMIRA_DATA_FROM_BIN
#define VESMIRA_DATA_FROM_BIN "../share/vesmira"
#endif

namespace {
const char GbkTable[] = "gbk_code.txt";
}

bool CAppDirs::isApplicationDirectory(const QString &dir)
{
    return QFileInfo(dir + "/config/" + GbkTable).isFile() && QFileInfo(dir).isWritable();
}

QString CAppDirs::setUp(const QString &executableDir)
{
    if (isApplicationDirectory(executableDir)) {
        applicationDir = executableDir;
        applicationConfigDir.clear();
        return executableDir + "/config/" + GbkTable;
    }
    applicationDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/vesmira";
    applicationConfigDir
        = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/vesmira";
    // The data folder of the same installation first (a program installed
    // under a prefix of its own finds its own table), then the system's.
    const QString beside = QDir::cleanPath(executableDir + "/" + VESMIRA_DATA_FROM_BIN + "/" + GbkTable);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString located
        = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("vesmira/") + GbkTable);
    return located.isEmpty() ? beside : located;
}
