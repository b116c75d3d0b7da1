#ifndef CRECORDEXPORTER_H
#define CRECORDEXPORTER_H

#include "core/export/creportsignoff.h"
#include "core/record/ctempdata.h"

#include <QString>
#include <QVector>

class CDeviceSettingInfo;
class CSummeryParam;

// The samples of a record that an export prints: their places in the
// record's own list, in its order (a range selects them, it does not copy
// them). The record must outlive the selection.
class CSampleSelection {
public:
    CSampleSelection() = default;
    // Every sample of data.
    explicit CSampleSelection(const CTempData &data)
        : m_data(&data)
    {
        m_rows.reserve(data.size());
        for (int i = 0; i < data.size(); ++i)
            m_rows.append(i);
    }
    // None yet, of data.
    void select(const CTempData &data)
    {
        m_data = &data;
        m_rows.clear();
    }

    const CTempData *data() const { return m_data; }
    int size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The place in the record's list of the k-th sample selected.
    int row(int k) const { return m_rows.at(k); }
    TempDataItem at(int k) const { return m_data->at(m_rows.at(k)); }
    TempDataItem first() const { return at(0); }
    TempDataItem last() const { return at(size() - 1); }
    CSampleIterator<CSampleSelection> begin() const { return { this, 0 }; }
    CSampleIterator<CSampleSelection> end() const { return { this, size() }; }

    void reserve(int count) { m_rows.reserve(count); }
    void append(int row) { m_rows.append(row); }

private:
    const CTempData *m_data = nullptr;
    QVector<int> m_rows;
};

// One file format a record can be exported to. The range export
// (CExportRange) selects the samples and cuts the summary; an exporter only
// writes them. Every exporter writes atomically: a failed export leaves
// whatever was at the target as it was.
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
