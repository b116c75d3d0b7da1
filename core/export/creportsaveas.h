#ifndef CREPORTSAVEAS_H
#define CREPORTSAVEAS_H

#include <QString>

class CTaskProgress;

// Save-as of a logger's own report file (the local copy kept with a record):
// the file is copied unchanged and never over an existing file.
class CReportSaveAs {
public:
    // Copies reportPath to targetPath. Returns true only when the copy was
    // made; false when the report path is empty or missing, the target
    // exists (it is left untouched), or the copy failed. The copy is
    // written beside the target and renamed to it when complete; task,
    // when given, hears how far it is and may cancel it (no file is left).
    static bool copyReport(
        const QString &reportPath, const QString &targetPath, CTaskProgress *task = nullptr);

    // The save dialog's filter: pattern ("%1 Files (*.%2)", translated by the
    // caller) filled with the report's suffix in upper case and as it stands,
    // e.g. "CSV Files (*.csv)".
    static QString fileFilter(const QString &pattern, const QString &reportPath);
};

#endif // CREPORTSAVEAS_H
