#ifndef APPGLOBALS_H
#define APPGLOBALS_H

#include <QString>

// Process-wide values, set once at start-up.
//
// applicationDir: the folder every file the application keeps lies below
// (forward slashes, no trailing slash): the executable's directory, or for an
// installed program its XDG data folder (CAppDirs).
// applicationConfigDir: the folder of record-config.ini when it is not
// applicationDir + "/config" (an installed program's XDG configuration
// folder); empty otherwise. configDirectory() gives the one in use.
// languageCode: "en" or "zh_CN", fixed for the run.
// tempAdjust: 1 = calibration values are shown on the configuration page.
extern QString applicationDir;
extern QString applicationConfigDir;
extern QString languageCode;
extern int tempAdjust;

QString configDirectory();

#endif // APPGLOBALS_H
