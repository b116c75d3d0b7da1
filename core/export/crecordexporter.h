#ifndef CRECORDEXPORTER_H
#define CRECORDEXPORTER_H

#include "core/export/creportsignoff.h"

#include <QString>
#include <QVector>

class CDeviceSettingInfo;
class CSummeryParam;
struct TempDataItem;

// The samples of a record that an export prints: pointers into the record's
// own list, in its order (a range selects them, it does not copy them).
using CSampleSelection = QVector<const TempDataItem *>;

// One file format a record can be exported to. The range export
// (CExportRange) selects the samples and cuts the summary; an exporter only
// writes them. Every exporter writes atomically: a failed export leaves
// whatever was at the target as it was, and so does one that the calling
// thread's CTaskProgress cancelled (write() then returns false).
class CRecordExporter {
public:
    virtual ~CRecordExporter() = default;
    // The suffix of its files ("pdf").
    virtual QString suffix() const = 0;
    // Writes summary, settings and samples to path; false when the file
    // could not be written.
    virtual bool write(const CSummeryParam &summary, const CDeviceSettingInfo &settings,
        const CSampleSelection &samples, const QString &path)
        = 0;
    // Why the last write failed, in the system's words ("No space left on
    // device"); empty after a write that succeeded.
    virtual QString error() const = 0;

    // The sign-off the next files show (none by default).
    void setSignoff(const CReportSignoff &signoff) { m_signoff = signoff; }
    const CReportSignoff &signoff() const { return m_signoff; }

protected:
    CReportSignoff m_signoff;
};

#endif // CRECORDEXPORTER_H
