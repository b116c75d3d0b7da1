#ifndef CEXPORTPDF_H
#define CEXPORTPDF_H

#include "core/export/crecordexporter.h"
#include "core/export/pdfwriter.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class CDeviceSettingInfo;
class CSummeryParam;

// The application's PDF data report of one record: a first page with device
// information, configuration, logging summary and the temperature (and
// humidity) chart, then data-list pages that print every sample (at most
// maxDataPages of them).
//
// The report is Chinese when the summary's language holds "中", Fahrenheit
// when its unit holds "℉" or "°F", and has humidity when containHumidity is 1.
// Latin text goes out in font 1 (WinAnsi); every label, title or value that
// holds a character beyond Latin-1 goes out in font 2 as GBK bytes. A value
// of the first page too wide for its column is drawn smaller, down to 6
// points, and cut with "..." below that. The chart leaves out missing
// readings ("--", 255) and values that are not finite; its scale ends at
// +-9999.9, where larger readings are drawn.
class CExportPdf : public QObject, public CRecordExporter {
    Q_OBJECT
public:
    static constexpr int maxDataPages = 83;

    explicit CExportPdf(QObject *parent = nullptr);

    QString suffix() const override { return QStringLiteral("pdf"); }
    bool write(const CSummeryParam &summary, const CDeviceSettingInfo &settings,
        const CSampleSelection &samples, const QString &path) override;
    QString error() const override;
    // The time printed after "File Created At:"; an invalid value (the
    // default) prints the current local time.
    void setCreatedAt(const QDateTime &time) { createdAt = time; }

    // Writes the report to path. Returns the number of pages written (at
    // least 1), or -1 when the file cannot be created or a write failed.
    int exportPdf(const CSummeryParam &summary, const CSampleSelection &samples, const QString &path);

    // How many samples the data-list pages of the last report print (all of
    // them, unless they need more than maxDataPages pages) and how many it
    // was given.
    int listedSamples() const { return listed; }
    int givenSamples() const { return given; }

private:
    PdfWriter writer;
    QDateTime createdAt;
    int listed = 0;
    int given = 0;
};

#endif // CEXPORTPDF_H
