#ifndef CEXPORTHOOK_H
#define CEXPORTHOOK_H

#include "core/export/creportsignoff.h"

#include <QString>

class QWidget;

// What compliance mode adds to the files the window writes from a record
// (PDF and CSV exports, the logger's report saved elsewhere): the sign-off
// an export prints and the audit of every file written. While none is
// installed (compliance mode off) the exports are exactly as ever.
class CExportHook {
public:
    virtual ~CExportHook() = default;

    // The sign-off a report of record id shows now (id 0: a record that is
    // not in the history).
    virtual CReportSignoff signoff(int recordId) = 0;
    // A file was written from record id (id 0: from the report file
    // source); a failure to note it is told over parent.
    virtual void written(QWidget *parent, int recordId, const QString &source, const QString &target) = 0;

    // The hook in force; null when none.
    static CExportHook *installed();
    // Null removes it.
    static void install(CExportHook *hook);
};

#endif // CEXPORTHOOK_H
