#ifndef CEXPORTCSV_H
#define CEXPORTCSV_H

#include "core/export/crecordexporter.h"

#include <QString>

// The samples of a record for a spreadsheet: UTF-8 with a byte order mark
// (so that spreadsheet programs read Chinese correctly), a header line naming
// each column with its unit, then one line per sample: number, time as
// "yyyy-MM-dd HH:mm:ss", temperature and, for a temperature/humidity record,
// humidity, the values exactly as the record holds them. Lines end in CR LF
// and a field holding a comma, a quote or a line break is quoted, as RFC 4180
// has it. The header is Chinese for a record whose report language holds
// "中" (as the PDF report is), English otherwise.
//
// The file is written beside the target and renamed over it when complete:
// a failure leaves what was there, and error() says why.
class CExportCsv : public CRecordExporter {
public:
    QString suffix() const override { return QStringLiteral("csv"); }
    bool write(const CSummeryParam &summary, const CDeviceSettingInfo &settings,
        const CSampleSelection &samples, const QString &path) override;

    // The bytes write() puts into the file.
    static QByteArray content(const CSummeryParam &summary, const CSampleSelection &samples);

    // Why the last write failed (the system's reason), empty after success.
    QString error() const { return m_error; }

private:
    QString m_error;
};

#endif // CEXPORTCSV_H
