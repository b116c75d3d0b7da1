#ifndef EXPORTOPTION_H
#define EXPORTOPTION_H

#include "core/export/cexportcsv.h"
#include "core/export/cexportpdf.h"

#include <QDialog>

class CRecord;
class QCheckBox;
class QComboBox;
class QGroupBox;

namespace Ui {
class ExportOption;
}

// The export options dialog: a time range (preset to the first and last
// sample), a target file (preset in the folder of the last export, else
// applicationDir/export, named after the record's name and trip ID, see
// CExportRange::proposedTargetPath) and the save button that writes the PDF
// data report of the range. The same dialog exports the samples of the
// range for a spreadsheet (CSV).
//
// Save: an end not later than the start shows an error and keeps the dialog
// open, unless the range is still the preset one of a record of one sample
// or none (its whole content is written); otherwise the report is written and
// the dialog ends with Accepted, or with Rejected when the file could not be
// written (run() then shows why).
//
// Callers (data view, history detail page) use run():
//
//     if (ExportOption::run(this, record))
//         ... show "File exported successfully" ...
class ExportOption : public QDialog {
    Q_OBJECT
public:
    explicit ExportOption(QWidget *parent = nullptr);
    ~ExportOption() override;

    // Opens the dialog modally on the record (not owned; it must outlive the
    // call) and returns true when the report was written (its path in
    // written, when given); a report that could not be written is told
    // with the system's reason.
    static bool run(QWidget *parent, const CRecord &record, QString *written = nullptr);

    // The same for the CSV file of the range. A file that could not be
    // written gives Failed, with the reason in error.
    enum Result { Written, Cancelled, Failed };
    static Result runCsv(QWidget *parent, const CRecord &record, QString *error, QString *written = nullptr);

    // The file the dialog writes: the PDF report (the default) or the CSV,
    // with the choice of its separator, decimal mark and trip details.
    enum Format { Pdf, Csv };
    void setFormat(Format format);

    // Sets the source record, presets the range to its first and last sample
    // time and the target to the path proposed for it.
    void setSource(const CRecord *record);

    // The "File Created At" time of the report (tests); invalid = now.
    void setCreatedAt(const QDateTime &time) { exportPdf.setCreatedAt(time); }

private slots:
    void OnChooseButtonClick();
    void OnSureBtnClick();

private:
    Ui::ExportOption *ui;
    const CRecord *source = nullptr;
    CExportPdf exportPdf;
    CExportCsv exportCsv;
    Format format = Pdf;
    QGroupBox *csvGroup = nullptr;
    QComboBox *csvLayout = nullptr;
    QCheckBox *csvTripDetails = nullptr;
    bool failed = false;
    // The range as setSource preset it.
    QDateTime presetStart;
    QDateTime presetEnd;
};

#endif // EXPORTOPTION_H
