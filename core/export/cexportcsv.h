#ifndef CEXPORTCSV_H
#define CEXPORTCSV_H

#include "core/export/crecordexporter.h"

#include <QCoreApplication>
#include <QString>

// The samples of a record for a spreadsheet: UTF-8 with a byte order mark
// (so that spreadsheet programs read Chinese correctly), a header line naming
// each column with its unit, then one line per sample: number, time as
// "yyyy-MM-dd HH:mm:ss", temperature and, for a temperature/humidity record,
// humidity, the values as the record holds them. Lines end in CR LF and a
// field holding the separator, a quote or a line break is quoted, as RFC 4180
// has it. The header is in the interface language (the installed
// translation; English without one, as in vesmira-cli).
//
// Optionally the trip's details stand above the header, a label and a value
// per line, then an empty line: device model, serial number, trip ID and
// description, the alarm limits and the logger's time zone. A record's
// sign-off (CReportSignoff) stands first: a line "Signatures", one line per
// signature (meaning, name, date and time, comment), the audit trail's
// head, then an empty line.
//
// A spreadsheet runs a cell that starts with "=", "+", "-", "@", a tab or a
// carriage return as a formula; such a cell is written with a leading "'"
// unless it is a plain number ("-2.5" stays a number). Numbers take the
// decimal mark of the format.
//
// The file is written beside the target and renamed over it when complete:
// a failure leaves what was there, and error() says why.
// How the CSV file is laid out: comma and decimal point, or semicolon and
// decimal comma as European spreadsheets read it (any pair is allowed; a
// number holding the separator is quoted); the trip's details or not.
struct CCsvFormat {
    char separator = ',';
    char decimal = '.';
    bool tripDetails = false;
};

class CExportCsv : public CRecordExporter {
    Q_DECLARE_TR_FUNCTIONS(CExportCsv)
public:
    using Format = CCsvFormat;

    explicit CExportCsv(const Format &format = Format())
        : m_format(format)
    {
    }

    QString suffix() const override { return QStringLiteral("csv"); }
    bool write(const CSummeryParam &summary, const CDeviceSettingInfo &settings,
        const CSampleSelection &samples, const QString &path) override;
    QString error() const override { return m_error; }

    // The bytes write() puts into the file.
    static QByteArray content(const CSummeryParam &summary, const CDeviceSettingInfo &settings,
        const CSampleSelection &samples, const Format &format = Format(),
        const CReportSignoff &signoff = CReportSignoff());

    // A signature's meaning in the interface language ("Approved").
    static QString meaningText(const QString &meaning);

    // One field as the file holds it: defused, decimal mark, quoted.
    static QByteArray field(const QString &text, const Format &format = Format());

private:
    Format m_format;
    QString m_error;
};

#endif // CEXPORTCSV_H
