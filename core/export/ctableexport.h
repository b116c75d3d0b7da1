#ifndef CTABLEEXPORT_H
#define CTABLEEXPORT_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// One column of a table report: its title and, on the PDF, its width in
// points (the columns together take at most the page's 520).
struct CTableColumn {
    QString title;
    int width = 60;
};

// A list printed as a table (the audit trail of the audit page): a title,
// lines that say what the list is (filter, when and by whom, the state of
// the data), the columns and the rows, every cell a text as a person reads it.
struct CTableReport {
    QString title;
    QStringList lines;
    QVector<CTableColumn> columns;
    QVector<QStringList> rows;
};

// Writes a table report as the application's PDF (A4 pages of PdfWriter:
// the title over every page, the lines on the first, the column titles on
// every page, cells wrapped within their column, "Page n of N" at the foot)
// or as CSV (UTF-8 with a byte order mark, the lines above the column titles,
// CR LF, fields as CExportCsv writes them). Both are written beside the
// target and renamed over it when complete: a failure leaves what was there.
//
// PdfWriter holds at most 86 pages; rows beyond them are left out of the PDF,
// and its last page says how many (the CSV holds every row).
class CTableExport {
    Q_DECLARE_TR_FUNCTIONS(CTableExport)
public:
    struct Result {
        bool written = false;
        QString error; // the system's reason when the file could not be written
        int printedRows = 0; // the rows the file holds
        int pages = 0; // PDF only
    };

    static Result writePdf(const CTableReport &report, const QString &path);
    static Result writeCsv(const CTableReport &report, const QString &path);
    // The bytes writeCsv puts into the file.
    static QByteArray csvContent(const CTableReport &report);
};

#endif // CTABLEEXPORT_H
