#include "gui/view/crecordview.h"

#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/ctempdatamodel.h"
#include "gui/app/celidedlabel.h"
#include "gui/view/ccurvetracer.h"
#include "gui/view/cdatacurve.h"
#include "gui/view/cdatalist.h"
#include "gui/view/saxydatatracker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <qcustomplot.h>

CRecordView::CRecordView(const Form &form, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(form.objectName);
    resize(900, 700);

    // A long record name is cut, never pushing the buttons off the window.
    m_title = new CElidedLabel(form.title, this);
    m_title->setObjectName(form.titleName);
    m_title->setStyleSheet("font-size: 14pt; font-weight: bold;");
    m_firstButton = new QPushButton(form.firstButtonText, this);
    m_firstButton->setObjectName(form.firstButtonName);
    m_secondButton = new QPushButton(form.secondButtonText, this);
    m_secondButton->setObjectName(form.secondButtonName);
    m_csvButton = new QPushButton(form.csvButtonText, this);
    m_csvButton->setObjectName("exportCsvBtn");
    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_firstButton);
    top->addWidget(m_csvButton);
    top->addWidget(m_secondButton);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(form.tabsName);
    m_tabs->setStyleSheet("QTabBar::tab{min-height: 40px; min-width: 120px;}");

    auto *curveTab = new QWidget;
    curveTab->setObjectName("dataCurveTab");
    m_plot = new QCustomPlot(curveTab);
    m_plot->setObjectName(form.plotName);
    m_curveNote = new QLabel(curveTab);
    m_curveNote->setObjectName("curveNoteLab");
    m_curveNote->setStyleSheet("color: rgb(110, 110, 110);");
    m_curveNote->hide();
    auto *curveLayout = new QVBoxLayout(curveTab);
    curveLayout->addWidget(m_plot, 1);
    curveLayout->addWidget(m_curveNote);
    m_plot->yAxis->setLabel(CSummaryDisplay::temperatureAxisLabel(QStringLiteral("°C")));
    m_plot->hide();
    m_tracker = new SAXYDataTracker(this);
    m_curveTracer = new CCurveTracer(m_plot, this);
    connect(m_plot, SIGNAL(mousePress(QMouseEvent *)), this, SLOT(mousePress(QMouseEvent *)));

    auto *listTab = new QWidget;
    listTab->setObjectName("dataListTab");
    m_list = new QTableView(listTab);
    m_list->setObjectName("dataListTable");
    m_model = new CTempDataModel(this);
    m_listWidth = width();
    CDataList::setup(m_list, m_model, m_listWidth);
    m_listNote = new QLabel(listTab);
    m_listNote->setObjectName("dataListNoteLab");
    m_listNote->hide();
    auto *listLayout = new QVBoxLayout(listTab);
    listLayout->addWidget(m_list);
    listLayout->addWidget(m_listNote);

    m_tabs->addTab(curveTab, QIcon(":/CDravik/image/view_statistics.png"), form.curveTabTitle);
    m_tabs->addTab(listTab, QIcon(":/CDravik/image/list.png"), form.listTabTitle);
    m_tabs->setCurrentIndex(0);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
}

void CRecordView::setSummaryTab(QWidget *tab, const QString &title)
{
    m_tabs->insertTab(0, tab, QIcon(":/CDravik/image/stats_alt.png"), title);
    m_tabs->setCurrentIndex(0);
}

void CRecordView::showSummary(const std::shared_ptr<const CRecord> &record)
{
    m_record = record;
    if (!record) {
        clearSummary();
        m_model->clear();
        m_listNote->hide();
        m_plot->hide();
        return;
    }
    fillSummary(*record);
    m_model->setHeaderData(2, Qt::Horizontal, CSummaryDisplay::temperatureHeader(record->summary.tempUnit));
    m_plot->yAxis->setLabel(CSummaryDisplay::temperatureAxisLabel(record->summary.tempUnit));
}

void CRecordView::showRecordName(const QString &name)
{
    m_title->setText(name);
    m_title->setToolTip(name);
}

void CRecordView::showSamples()
{
    if (!m_record)
        return;
    const bool humidity = m_record->hasHumidity();
    CDataList::fill(m_list, m_model, m_record->data, m_record->limits, humidity, m_listWidth);
    const QString note = CDataList::note(m_record->data);
    m_listNote->setText(note);
    m_listNote->setVisible(!note.isEmpty());
    const CCurveData curve
        = CDataCurve::drawRecord(m_record->data, m_record->limits, m_plot, m_tracker, humidity);
    m_curveTracer->setCurve(m_record, curve);
    m_curveNote->setText(CDataCurve::unreadableNote(curve.unreadableTimes));
    m_curveNote->setVisible(curve.unreadableTimes > 0);
}

void CRecordView::showRecord(const std::shared_ptr<const CRecord> &record)
{
    showRecordName(record ? record->name : QString());
    m_tabs->setCurrentIndex(0);
    showSummary(record);
    showSamples();
}

void CRecordView::mousePress(QMouseEvent *mevent)
{
    if (mevent->button() == Qt::RightButton)
        CDataCurve::restoreHomeRanges(m_plot, m_tracker);
}
