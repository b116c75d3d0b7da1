#ifndef CHISTORYRECORDCONTENT_H
#define CHISTORYRECORDCONTENT_H

#include "gui/view/crecordview.h"

class QLabel;
class QTableWidget;

// The history detail: one stored record shown as the data view shows a
// record just read, its summary as a table of caption and value cells. Its
// export reads the record's report copy again; its save-as copies that copy.
class CHistoryRecordContent : public CRecordView {
    Q_OBJECT
public:
    explicit CHistoryRecordContent(QWidget *parent = nullptr);

    QTableWidget *summaryTable() const { return m_summaryTable; }
    // The report's SHA-256 and whether the report is unchanged since it was read.
    QLabel *digestLabel() const { return m_digestLabel; }

public slots:
    void OnExportPdfBtnClick();
    void OnSaveAsOriginalPdfBtnClick();
    void OnExportCsvBtnClick();

protected:
    void fillSummary(const CRecord &record) override;
    void clearSummary() override;

private:
    QString reportPath() const;
    // The record to export: the report copy read again, as the PDF export
    // has always done; false (the message shown) when there is none.
    bool recordForExport(CRecord &record);
    // False, after telling the user, when the report changed since it was read.
    bool reportUnchanged(const QString &path);
    QTableWidget *m_summaryTable = nullptr;
    QLabel *m_digestLabel = nullptr;
};

#endif // CHISTORYRECORDCONTENT_H
