#include "core/record/appglobals.h"

QString applicationDir;
QString languageCode = QStringLiteral("zh_CN");
int tempAdjust = 0;
