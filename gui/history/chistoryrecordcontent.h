#ifndef CHISTORYRECORDCONTENT_H
#define CHISTORYRECORDCONTENT_H

#include "gui/view/crecordview.h"

class CRecord;
class CTempDbManager;
class QLabel;
class QTableWidget;
struct CReopenOutcome;
enum class CReportCheck;

// The history detail: one stored record shown as the data view shows a
// record just read, its summary as a table of caption and value cells. Its
// export reads the record's report again, its save-as copies it: both
// reopen it as every caller does (CReportReopen), off the GUI thread.
class CHistoryRecordContent : public CRecordView {
    Q_OBJECT
public:
    explicit CHistoryRecordContent(QWidget *parent = nullptr);

    // The history the records shown come from, where a report read at
    // another desk is fetched; without one, only the report's own path is
    // tried.
    void setDatabase(CTempDbManager *db) { m_db = db; }
    // showRecord() of a stored record whose report was found and checked
    // against its digest already (check) and whose curve's points were
    // computed (curve, or null).
    void showStoredRecord(
        const std::shared_ptr<const CRecord> &record, CReportCheck check, const CDataCurve::Prepared *curve);

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
    // The record shown reopened, on the worker thread: its report file
    // alone (a save-as) or the whole record read again from it, as the PDF
    // export has always done. False, after telling the user why (nothing
    // when cancelled), when there is none to use.
    bool reopen(bool whole, CRecord &record);
    QTableWidget *m_summaryTable = nullptr;
    QLabel *m_digestLabel = nullptr;
    CTempDbManager *m_db = nullptr;
    // The check of the record being shown by showStoredRecord.
    const CReportCheck *m_check = nullptr;
};

#endif // CHISTORYRECORDCONTENT_H
