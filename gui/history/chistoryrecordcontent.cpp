#include "gui/history/chistoryrecordcontent.h"

#include "core/export/creportsaveas.h"
#include "core/history/creportreopen.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/summaryfields.h"
#include "core/report/reportparse.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/ctaskrunner.h"
#include "gui/export/cexporthook.h"
#include "gui/export/exportoption.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QColor SectionColour("#c9c9c9");
} // namespace

CHistoryRecordContent::CHistoryRecordContent(QWidget *parent)
    : CRecordView({ "CHistoryRecordContent", "historyRecordDataInfoTitleLab", tr("ID000000_2020630112217841"),
                      "exportPdfBtn", tr("导出PDF文档"), "saveAsOriginalPdfBtn", tr("导出原始PDF文档"),
                      tr("dao chu CSV wen jian"), "historyRecordDataInfoTabWidget", "hitoryRecordCurvePlot",
                      tr("数据曲线"), tr("数据列表") },
        parent)
{
    m_summaryTable = new QTableWidget(CSummaryFields::HistoryRows, 5);
    m_summaryTable->setObjectName("summeryTable");
    m_summaryTable->horizontalHeader()->setVisible(false);
    m_summaryTable->verticalHeader()->setVisible(false);
    m_summaryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summaryTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_summaryTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    m_summaryTable->setColumnWidth(2, 24);
    // Below the summary: the report's SHA-256, so that a report can be
    // proven unchanged since it was read.
    auto *summaryTab = new QWidget;
    auto *summaryLayout = new QVBoxLayout(summaryTab);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    summaryLayout->addWidget(m_summaryTable);
    m_digestLabel = new QLabel(summaryTab);
    m_digestLabel->setObjectName("reportDigestLab");
    m_digestLabel->setWordWrap(true);
    m_digestLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summaryLayout->addWidget(m_digestLabel);
    setSummaryTab(summaryTab, tr("统计信息"));

    connect(m_firstButton, SIGNAL(clicked()), this, SLOT(OnExportPdfBtnClick()));
    connect(m_secondButton, SIGNAL(clicked()), this, SLOT(OnSaveAsOriginalPdfBtnClick()));
    connect(m_csvButton, SIGNAL(clicked()), this, SLOT(OnExportCsvBtnClick()));
}

void CHistoryRecordContent::showStoredRecord(
    const std::shared_ptr<const CRecord> &record, CReportCheck check, const CDataCurve::Prepared *curve)
{
    m_check = &check;
    showRecord(record, curve);
    m_check = nullptr;
}

// 21 rows of five cells: a caption and its value in columns 0 and 1, another
// pair in 3 and 4, and three grey section rows.
void CHistoryRecordContent::fillSummary(const CRecord &record)
{
    const CSummaryDisplay::Values v = CSummaryDisplay::values(record.summary);
    const bool humidity = record.hasHumidity();

    m_summaryTable->clearContents();
    m_summaryTable->setRowCount(CSummaryFields::HistoryRows);
    for (int row = 0; row < CSummaryFields::HistoryRows; ++row) {
        for (int column = 0; column < 5; ++column)
            m_summaryTable->setItem(row, column, new QTableWidgetItem);
    }
    for (const CSummaryFields::Section &section : CSummaryFields::historySections()) {
        m_summaryTable->item(section.row, 0)->setText(tr(section.caption));
        // The heading across the row: a narrow window does not cut it.
        m_summaryTable->setSpan(section.row, 0, 1, 5);
        for (int column = 0; column < 5; ++column)
            m_summaryTable->item(section.row, column)->setBackground(SectionColour);
    }
    if (record.reportDigest.isEmpty()) {
        m_digestLabel->setText(tr("bao gao SHA-256: wu (du qu shi wei ji lu)"));
    } else {
        QString state;
        switch (m_check ? *m_check : CRecord::checkReport(record.reportPath, record.reportDigest)) {
        case CReportCheck::Unchanged:
        case CReportCheck::NoDigest:
            state = tr("bao gao wen jian yu du qu shi yi zhi");
            break;
        case CReportCheck::Changed:
            state = tr("bao gao wen jian zai du qu hou bei xiu gai guo");
            break;
        case CReportCheck::Missing:
            state = tr("ben ji mei you bao gao wen jian");
            break;
        }
        m_digestLabel->setText(
            tr("bao gao SHA-256: %1").arg(record.reportDigest) + QLatin1Char('\n') + state);
    }

    const QColor alarmColour(v.alarmed ? QStringLiteral("red") : QStringLiteral("green"));
    for (const CSummaryField &field : CSummaryFields::all()) {
        if (field.historyRow < 0)
            continue;
        const char *source
            = humidity && field.historyHumidityCaption ? field.historyHumidityCaption : field.historyCaption;
        QTableWidgetItem *caption = m_summaryTable->item(field.historyRow, field.historyColumn);
        QTableWidgetItem *value = m_summaryTable->item(field.historyRow, field.historyColumn + 1);
        // "MKT" stands untranslated.
        caption->setText(field.member == &CSummeryParam::mkt ? QString::fromLatin1(source) : tr(source));
        value->setText(v.text(field));
        // A narrow window cuts long captions and values: whole in the tip.
        caption->setToolTip(caption->text());
        value->setToolTip(value->text());
        // The alarm lines in the colours of the data view.
        if (field.alarm) {
            caption->setForeground(alarmColour);
            value->setForeground(alarmColour);
        }
    }
}

void CHistoryRecordContent::clearSummary()
{
    m_summaryTable->clearContents();
    m_digestLabel->clear();
}

bool CHistoryRecordContent::reopen(bool whole, CRecord &report)
{
    if (!record() || record()->reportPath.isEmpty()) {
        if (whole)
            CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
                tr("mei you xuan zhong xiang ying ji lu wu fa dao chu "), tr("que ding"));
        else
            CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
                tr("ling cun wei wen jian shi bai ,mei you jia zai xiang ying de li shi shu ju"),
                tr("que ding"));
        return false;
    }
    // The export works on the report itself, read again; only a file that
    // can be read as a report, unchanged since it was read, is.
    // What the history keeps of the record shown, not its samples.
    CRecord stored;
    stored.id = record()->id;
    stored.name = record()->name;
    stored.reportPath = record()->reportPath;
    stored.reportDigest = record()->reportDigest;
    const bool withHistory = m_db;
    const CTaskRunner::HistoryKey key = m_db ? CTaskRunner::keyOf(*m_db) : CTaskRunner::HistoryKey();
    const QString dataDir = applicationDir + "/data_files";
    CReopenOutcome outcome;
    if (!CTaskRunner::run(this, tr("zheng zai du qu bao gao wen jian ..."), [&](CTaskRunner::Context &c) {
            outcome = CReportReopen::reopen(withHistory ? &c.history(key) : nullptr, stored, dataDir,
                whole ? CReportReopen::WholeRecord : CReportReopen::ReportFile, report, &c.progress);
        }))
        return false;
    const QString name = QFileInfo(outcome.path).fileName();
    QString problem;
    switch (outcome.status) {
    case CReopenOutcome::Reopened:
    case CReopenOutcome::Cancelled:
        return outcome.status == CReopenOutcome::Reopened;
    case CReopenOutcome::NoRecord:
    case CReopenOutcome::NoReport:
    case CReopenOutcome::Missing:
        // The stored copy has gone from data_files: an export would be empty.
        problem = tr("bao gao wen jian yi bu cun zai");
        break;
    case CReopenOutcome::Unreadable:
        switch (outcome.problem) {
        case ReportFileProblem::TooLarge:
            problem = tr("bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu").arg(name);
            break;
        case ReportFileProblem::Unreadable:
            problem = tr("bao gao wen jian %1 wu fa du qu").arg(name);
            break;
        default: // a FIFO would block the read, a device never end
            problem = tr("bao gao wen jian %1 bu shi pu tong wen jian, wei du qu").arg(name);
            break;
        }
        break;
    case CReopenOutcome::Changed:
        problem
            = tr("bao gao wen jian %1 zai du qu hou bei xiu gai guo (SHA-256 bu fu), wei dao chu").arg(name);
        break;
    case CReopenOutcome::NotReport:
        problem = tr("bao gao wen jian %1 bu shi ji lu yi bao gao, wei dao chu").arg(name);
        break;
    }
    CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"), problem, tr("que ding"));
    return false;
}

void CHistoryRecordContent::OnExportPdfBtnClick()
{
    // Let go of on the worker thread: a million samples take a while to free.
    auto report = std::make_shared<CRecord>();
    const auto release = qScopeGuard([&report] { CTaskRunner::release(std::move(report)); });
    if (!reopen(true, *report))
        return;
    QString file;
    if (ExportOption::run(this, *report, &file))
        CMessageBox::showWritten(this, tr("xin xi"), tr("wen jian dao chu cheng gong"), tr("que ding"), file);
}

void CHistoryRecordContent::OnExportCsvBtnClick()
{
    auto report = std::make_shared<CRecord>();
    const auto release = qScopeGuard([&report] { CTaskRunner::release(std::move(report)); });
    if (!reopen(true, *report))
        return;
    QString error;
    QString file;
    switch (ExportOption::runCsv(this, *report, &error, &file)) {
    case ExportOption::Written:
        CMessageBox::showWritten(this, tr("xin xi"), tr("wen jian dao chu cheng gong"), tr("que ding"), file);
        break;
    case ExportOption::Failed:
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("CSV wen jian xie ru shi bai: %1").arg(error), tr("que ding"));
        break;
    case ExportOption::Cancelled:
        break;
    }
}

void CHistoryRecordContent::OnSaveAsOriginalPdfBtnClick()
{
    CRecord report;
    if (!reopen(false, report))
        return;
    const QString path = report.reportPath;
    const QString target = CDialogs::getSaveFileName(this, tr("wen jian ling cun wei"),
        QFileInfo(path).fileName(), CReportSaveAs::fileFilter(QStringLiteral("%1 Files (*.%2)"), path));
    if (target.isEmpty())
        return;
    bool copied = false;
    if (CTaskRunner::run(this, tr("zheng zai fu zhi bao gao wen jian ..."),
            [&](CTaskRunner::Context &c) { copied = CReportSaveAs::copyReport(path, target, &c.progress); })
        && copied) {
        if (CExportHook *hook = CExportHook::installed())
            hook->written(this, record() ? record()->id : 0, path, target);
        CMessageBox::show(this, QMessageBox::Information, tr("xin xi"),
            tr("wen jian ling cun wei cao zuo cheng gong"), tr("que ding"));
    }
}
