#include "core/record/appglobals.h"

QString applicationDir;
QString applicationConfigDir;
QString languageCode = QStringLiteral("zh_CN");
int tempAdjust = 0;

QString configDirectory()
{
    return applicationConfigDir.isEmpty() ? applicationDir + QStringLiteral("/config") : applicationConfigDir;
}
