#include "gui/history/chistoryrecordcontent.h"

#include "core/export/creportsaveas.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/ctempdatamodel.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cmessagebox.h"
#include "gui/export/exportoption.h"
#include "gui/view/cdatacurve.h"
#include "gui/view/cdatalist.h"
#include "gui/view/saxydatatracker.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace {
const int SummaryRows = 21;
const QColor SectionColour("#c9c9c9");
} // namespace

CHistoryRecordContent::CHistoryRecordContent(QWidget *parent)
    : QWidget(parent)
    , m_summary(new CSummeryParam(this))
    , m_data(new CTempData(this))
{
    setObjectName("CHistoryRecordContent");
    resize(900, 700);

    m_title = new QLabel(tr("ID000000_2020630112217841"), this);
    m_title->setObjectName("historyRecordDataInfoTitleLab");
    m_title->setStyleSheet("font-size: 14pt; font-weight: bold;");
    auto *exportBtn = new QPushButton(tr("导出PDF文档"), this);
    exportBtn->setObjectName("exportPdfBtn");
    auto *saveAsBtn = new QPushButton(tr("导出原始PDF文档"), this);
    saveAsBtn->setObjectName("saveAsOriginalPdfBtn");
    connect(exportBtn, SIGNAL(clicked()), this, SLOT(OnExportPdfBtnClick()));
    connect(saveAsBtn, SIGNAL(clicked()), this, SLOT(OnSaveAsOriginalPdfBtnClick()));
    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(exportBtn);
    top->addWidget(saveAsBtn);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("historyRecordDataInfoTabWidget");
    m_tabs->setStyleSheet("QTabBar::tab{min-height: 40px; min-width: 120px;}");

    m_summaryTable = new QTableWidget(SummaryRows, 5);
    m_summaryTable->setObjectName("summeryTable");
    m_summaryTable->horizontalHeader()->setVisible(false);
    m_summaryTable->verticalHeader()->setVisible(false);
    m_summaryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summaryTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_summaryTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    m_summaryTable->setColumnWidth(2, 24);

    auto *curveTab = new QWidget;
    m_plot = new QCustomPlot(curveTab);
    m_plot->setObjectName("hitoryRecordCurvePlot");
    auto *curveLayout = new QVBoxLayout(curveTab);
    curveLayout->addWidget(m_plot);
    m_plot->yAxis->setLabel(CSummaryDisplay::temperatureAxisLabel(QStringLiteral("°C")));
    m_plot->hide();
    m_tracker = new SAXYDataTracker(this);
    connect(m_plot, SIGNAL(mousePress(QMouseEvent *)), this, SLOT(mousePress(QMouseEvent *)));

    m_list = new QTableView;
    m_list->setObjectName("dataListTable");
    m_model = new CTempDataModel(this);
    m_listWidth = width();
    CDataList::setup(m_list, m_model, m_listWidth);

    m_tabs->addTab(m_summaryTable, QIcon(":/CDravik/image/stats_alt.png"), tr("统计信息"));
    m_tabs->addTab(curveTab, QIcon(":/CDravik/image/view_statistics.png"), tr("数据曲线"));
    m_tabs->addTab(m_list, QIcon(":/CDravik/image/list.png"), tr("数据列表"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
}

CHistoryRecordContent::~CHistoryRecordContent() = default;

void CHistoryRecordContent::setAlarmLimits(const double limits[4])
{
    for (int i = 0; i < 4; ++i)
        m_limits[i] = limits[i];
}

void CHistoryRecordContent::alarmLimits(double limits[4]) const
{
    for (int i = 0; i < 4; ++i)
        limits[i] = m_limits[i];
}

void CHistoryRecordContent::setDevice(const QString &model, const QString &number)
{
    m_deviceModel = model;
    m_deviceNo = number;
}

void CHistoryRecordContent::setTitle(const QString &name)
{
    m_title->setText(name);
    m_tabs->setCurrentIndex(0);
}

void CHistoryRecordContent::fillSummary()
{
    // A stored summary already went through these; running them again keeps
    // it as it is and serves records of older databases too.
    CSummaryDisplay::applyStoredConversions(*m_summary);
    const CSummaryDisplay::Values v = CSummaryDisplay::values(*m_summary);
    const bool humidity = m_summary->containHumidity == 1;

    m_summaryTable->clearContents();
    m_summaryTable->setRowCount(SummaryRows);
    const auto cell = [this](int row, int column, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        m_summaryTable->setItem(row, column, item);
        return item;
    };
    const auto line = [&](int row, const QString &caption, const QString &value,
                          const QString &caption2 = QString(), const QString &value2 = QString()) {
        cell(row, 0, caption);
        cell(row, 1, value);
        cell(row, 3, caption2);
        cell(row, 4, value2);
    };
    const auto section = [&](int row, const QString &caption) {
        cell(row, 0, caption);
        for (int column = 1; column < 5; ++column)
            cell(row, column, QString());
        for (int column = 0; column < 5; ++column)
            m_summaryTable->item(row, column)->setBackground(SectionColour);
    };

    section(0, tr("she bei xin xi"));
    line(1, tr("chan pin xing hao"), v.deviceModel, tr("xu lie hao"), v.deviceNo);
    line(2, tr("she bei shi jian"), v.deviceTime, tr("tan tou lei xing"), v.deviceSensor);
    line(3, tr("she bei shi qu"), v.deviceZone);
    section(4, tr("pei zhi xin xi "));
    line(5, tr("ji lu kai shi mo shi"), v.recordStartModel, tr("ji lu guan bi mo shi"), v.recordStopModel);
    line(6, tr("yan shi kai qi fang shi"), v.delayStart, tr("ding shi guan bi shi jian"), v.stopAt);
    line(7, tr("ding shi kai qi shi jian"), v.startAt,
        humidity ? tr("wen shi du shang xian ") : tr("wen du shang xian"), v.tempHigh);
    line(8, tr("zheng chang ji lu jian ge"), v.normalRecordSpace,
        humidity ? tr("wen shi du xia xian") : tr("wen du xia xian"), v.tempLow);
    // A summary carries no calibration to show: the calibration cells stay empty.
    line(9, tr("bao jing ji lu jian ge"), v.alarmSpace);
    line(10, tr("bao jing yan shi"), v.alarmDelay, tr("kai qi chang an chong zhi ji lu"), v.isLongPressed);
    line(11, tr("xun huan ji lu"), v.isRecycleRecord, tr("xia fa pei zhi shi chong zhi ji lu"),
        v.isSettingClearRecord);
    line(12, tr("chong fu qi dong"), v.isRestart, tr("屏幕常显"), v.lcdMode);
    section(13, tr("tong ji xin xi"));
    line(14, humidity ? tr("wen shi du zui da zhi") : tr("wen du zui da zhi"), v.tempMax,
        tr("ji lu kai shi shi jian"), v.recordStartAt);
    line(15, humidity ? tr("wen shi du zui xiao zhi") : tr("wen du zui xiao zhi"), v.tempMin,
        tr("ji lu ting zhi shi jian"), v.recordStopAt);
    line(16, humidity ? tr("wen shi du ping jun zhi") : tr("wen du ping jun zhi"), v.tempAvg,
        tr("ji lu kai qi ci shu"), v.recordTimes);
    line(17, QStringLiteral("MKT"), v.mkt, tr("ji lu zhong shi chang"), v.recordTimeLen);
    line(18, tr("bao jing zhong shi chang"), v.alarmTimeLen, tr("ji lu tiao shu"), v.recordCount);
    line(19, tr("bao jing tiao shu"), v.alarmCount, tr("xing cheng xu lie hao"), v.wayId);
    line(20, tr("bao jing lei xing"), v.alarmType, tr("xing cheng miao shu"), v.wayDesc);
    // The alarm lines in the colours of the data view.
    const QColor alarmColour(v.alarmed ? QStringLiteral("red") : QStringLiteral("green"));
    for (int row = 18; row <= 20; ++row) {
        m_summaryTable->item(row, 0)->setForeground(alarmColour);
        m_summaryTable->item(row, 1)->setForeground(alarmColour);
    }

    m_model->setHeaderData(2, Qt::Horizontal, CSummaryDisplay::temperatureHeader(m_summary->tempUnit));
    m_plot->yAxis->setLabel(CSummaryDisplay::temperatureAxisLabel(m_summary->tempUnit));
}

void CHistoryRecordContent::fillList(bool withHumidity)
{
    CDataList::fill(m_list, m_model, *m_data, m_limits, withHumidity, m_listWidth);
}

void CHistoryRecordContent::drawCurve(bool withHumidity)
{
    CDataCurve::drawRecord(m_data->dataList, m_plot, m_tracker, withHumidity);
}

void CHistoryRecordContent::mousePress(QMouseEvent *mevent)
{
    if (mevent->button() == Qt::RightButton)
        CDataCurve::restoreHomeRanges(m_plot, m_tracker);
}

void CHistoryRecordContent::OnExportPdfBtnClick()
{
    if (m_reportPath.isEmpty()) {
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("mei you xuan zhong xiang ying ji lu wu fa dao chu "), tr("que ding"));
        return;
    }
    // The export works on the report itself, read again; only a file that
    // can be read as a report is (a FIFO would block the read, a huge file
    // would not fit in memory).
    const QString name = QFileInfo(m_reportPath).fileName();
    QString problem;
    switch (checkReportFile(m_reportPath)) {
    case ReportFileProblem::None:
        break;
    case ReportFileProblem::Missing:
        // The stored copy has gone from data_files: an export would be empty.
        problem = tr("bao gao wen jian yi bu cun zai");
        break;
    case ReportFileProblem::NotRegular:
        problem = tr("bao gao wen jian %1 bu shi pu tong wen jian, wei du qu").arg(name);
        break;
    case ReportFileProblem::TooLarge:
        problem = tr("bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu").arg(name);
        break;
    case ReportFileProblem::Unreadable:
        problem = tr("bao gao wen jian %1 wu fa du qu").arg(name);
        break;
    }
    if (!problem.isEmpty()) {
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"), problem, tr("que ding"));
        return;
    }
    CSummeryParam summary;
    CTempData data;
    CDeviceSettingInfo settings;
    CSummaryDisplay::readReport(m_reportPath, summary, settings, data);
    if (ExportOption::run(this, summary, data, settings))
        CMessageBox::show(
            this, QMessageBox::Information, tr("xin xi"), tr("wen jian dao chu cheng gong"), tr("que ding"));
}

void CHistoryRecordContent::OnSaveAsOriginalPdfBtnClick()
{
    if (m_reportPath.isEmpty()) {
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("ling cun wei wen jian shi bai ,mei you jia zai xiang ying de li shi shu ju"), tr("que ding"));
        return;
    }
    if (!QFileInfo(m_reportPath).isFile()) {
        CMessageBox::show(
            this, QMessageBox::Critical, tr("cuo wu"), tr("bao gao wen jian yi bu cun zai"), tr("que ding"));
        return;
    }
    const QString target
        = CDialogs::getSaveFileName(this, tr("wen jian ling cun wei"), QFileInfo(m_reportPath).fileName(),
            CReportSaveAs::fileFilter(QStringLiteral("%1 Files (*.%2)"), m_reportPath));
    if (target.isEmpty())
        return;
    if (CReportSaveAs::copyReport(m_reportPath, target))
        CMessageBox::show(this, QMessageBox::Information, tr("xin xi"),
            tr("wen jian ling cun wei cao zuo cheng gong"), tr("que ding"));
}
