#ifndef APPGLOBALS_H
#define APPGLOBALS_H

#include <QString>

// Process-wide values, set once at start-up.
//
// applicationDir: the executable's directory (forward slashes, no trailing
// slash); every file of the application lies below it.
// languageCode: "en" or "zh_CN", fixed for the run.
// tempAdjust: 1 = calibration values are shown on the configuration page.
extern QString applicationDir;
extern QString languageCode;
extern int tempAdjust;

#endif // APPGLOBALS_H
