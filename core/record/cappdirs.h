#ifndef CAPPDIRS_H
#define CAPPDIRS_H

#include <QString>

// Where the application keeps its files, decided once at start-up from the
// folder of the executable.
//
// An application directory (the build tree's bin/, or a copy of it) holds
// config/gbk_code.txt beside the programs and can be written: everything
// lies below it, config/record-config.ini, db/, data_files/, export/ and
// setting_file_dir/.
//
// An installed program cannot write next to itself (/usr/bin), and must not
// even when it could (run by root): its configuration lives in
// $XDG_CONFIG_HOME/vesmira (~/.config/vesmira), everything else it keeps
// (history, report copies, exports, templates) in $XDG_DATA_HOME/vesmira
// (~/.local/share/vesmira), and the GBK table comes from the installed data
// folder (share/vesmira beside the bin folder, or any XDG data folder).
namespace CAppDirs {

// Sets applicationDir and applicationConfigDir for a program in
// executableDir; returns the path of the GBK table to load.
QString setUp(const QString &executableDir);

// Whether dir is an application directory as above.
bool isApplicationDirectory(const QString &dir);

} // namespace CAppDirs

#endif // CAPPDIRS_H
