#ifndef CHISTORYRECORDCONTENT_H
#define CHISTORYRECORDCONTENT_H

#include "gui/view/crecordview.h"

class QTableWidget;

// The history detail: one stored record shown as the data view shows a
// record just read, its summary as a table of caption and value cells. Its
// export reads the record's report copy again; its save-as copies that copy.
class CHistoryRecordContent : public CRecordView {
    Q_OBJECT
public:
    explicit CHistoryRecordContent(QWidget *parent = nullptr);

    QTableWidget *summaryTable() const { return m_summaryTable; }

public slots:
    void OnExportPdfBtnClick();
    void OnSaveAsOriginalPdfBtnClick();
    void OnExportCsvBtnClick();

protected:
    void fillSummary(const CRecord &record) override;

private:
    QString reportPath() const;
    // The record to export: the report copy read again, as the PDF export
    // has always done; false (the message shown) when there is none.
    bool recordForExport(CRecord &record);
    QTableWidget *m_summaryTable = nullptr;
};

#endif // CHISTORYRECORDCONTENT_H
