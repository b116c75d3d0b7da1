#include "gui/view/cdevicedatainfo.h"

#include "core/export/creportsaveas.h"
#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/summaryfields.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/ctaskrunner.h"
#include "gui/export/cexporthook.h"
#include "gui/export/exportoption.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

bool tallScreen()
{
    return QGuiApplication::primaryScreen() && QGuiApplication::primaryScreen()->geometry().height() > 900;
}

// One of the three groups under its heading.
QGridLayout *addGroup(QWidget *page, const QString &heading, const QString &name)
{
    auto *title = new QLabel(heading, page);
    title->setObjectName(name + "Title");
    if (tallScreen())
        title->setStyleSheet("color: rgb(47, 28, 255);\nfont: 16pt \"黑体\";");
    else
        title->setStyleSheet("color: rgb(47, 28, 255); font-weight: bold;");
    auto *box = new QWidget(page);
    box->setObjectName(name);
    auto *grid = new QGridLayout(box);
    if (tallScreen())
        grid->setSpacing(6);
    // Captions of the three groups line up in one column.
    grid->setColumnMinimumWidth(0, 260);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 1);
    page->layout()->addWidget(title);
    page->layout()->addWidget(box);
    return grid;
}

} // namespace

CDeviceDataInfo::CDeviceDataInfo(QWidget *parent)
    : CRecordView(
        { "CDeviceDataInfo", "deviceDataInfoTitleLab", tr("ID000000_2020630112217841"), "exportPdfBtn",
            tr("导出为PDF文件"), "fileSaveAsBtn", tr("文件另存为", "button"), tr("导出为CSV文件"),
            "dataInfoTabWidget", "dataInfoCurvePlot", tr("数据曲线"), tr("数据列表") },
        parent)
{
    setSummaryTab(buildSummaryTab(), tr("概要信息"));
    connect(m_firstButton, SIGNAL(clicked()), this, SLOT(OnExportPdfBtnClick()));
    connect(m_secondButton, SIGNAL(clicked()), this, SLOT(OnSaveAsPdfPathBtnClick()));
    connect(m_csvButton, SIGNAL(clicked()), this, SLOT(OnExportCsvBtnClick()));
}

// The summary tab: every field of the summary as a caption and a value label
// in its group, in the group's order.
QWidget *CDeviceDataInfo::buildSummaryTab()
{
    auto *summeryTab = new QWidget;
    summeryTab->setObjectName("summeryTab");
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto *groups = new QWidget;
    auto *groupsLayout = new QVBoxLayout(groups);
    QGridLayout *grids[] = {
        addGroup(groups, tr("设  备  信  息"), "deviceInfoGroup"),
        addGroup(groups, tr("配  置  信  息"), "configInfoGroup"),
        addGroup(groups, tr("统  计  信  息"), "statisticsInfoGroup"),
    };
    const QFont font(QStringLiteral("微软雅黑"));
    for (const CSummaryField &field : CSummaryFields::all()) {
        QGridLayout *grid = grids[field.group];
        QWidget *box = grid->parentWidget();
        auto *caption = new QLabel(field.caption ? tr(field.caption) : QString(), box);
        caption->setObjectName(QLatin1String(field.name) + "CaptionLab");
        caption->setFont(font);
        auto *value = new QLabel(box);
        value->setObjectName(QLatin1String(field.name) + "ValueLab");
        value->setFont(font);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, field.line, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(value, field.line, 1, Qt::AlignLeft | Qt::AlignVCenter);
        if (field.member == &CSummeryParam::battery) {
            // The battery level shows as a bar, not as text.
            value->hide();
            m_battery = new QProgressBar(box);
            m_battery->setObjectName("batteryProgressBar");
            m_battery->setRange(0, 100);
            m_battery->setValue(0);
            m_battery->setMaximumWidth(200);
            grid->addWidget(m_battery, field.line, 1, Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    groupsLayout->addStretch(1);
    scroll->setWidget(groups);
    auto *summeryLayout = new QVBoxLayout(summeryTab);
    summeryLayout->setContentsMargins(0, 0, 0, 0);
    summeryLayout->addWidget(scroll);
    return summeryTab;
}

QLabel *CDeviceDataInfo::valueLabel(const QString &field) const
{
    return findChild<QLabel *>(field + "ValueLab");
}

QLabel *CDeviceDataInfo::captionLabel(const QString &field) const
{
    return findChild<QLabel *>(field + "CaptionLab");
}

void CDeviceDataInfo::fillSummary(const CRecord &record)
{
    const CSummaryDisplay::Values v = CSummaryDisplay::values(record.summary);
    const bool humidity = record.hasHumidity();
    const QString alarmStyle = v.alarmed ? QStringLiteral("color:red") : QStringLiteral("color:green");
    for (const CSummaryField &field : CSummaryFields::all()) {
        QLabel *caption = captionLabel(field.name);
        QLabel *value = valueLabel(field.name);
        value->setText(field.caption ? v.text(field) : QString());
        const char *source = humidity && field.humidityCaption ? field.humidityCaption : field.caption;
        caption->setText(source ? tr(source) : QString());
        if (field.alarm) {
            caption->setStyleSheet(alarmStyle);
            value->setStyleSheet(alarmStyle);
        }
    }
    m_battery->setValue(qBound(0, v.battery, 100));
    captionLabel("mkt")->setVisible(v.mktShown);
    valueLabel("mkt")->setVisible(v.mktShown);
}

void CDeviceDataInfo::clearSummary()
{
    for (const CSummaryField &field : CSummaryFields::all())
        valueLabel(field.name)->clear();
    m_battery->setValue(0);
}

void CDeviceDataInfo::OnExportPdfBtnClick()
{
    if (!record() || record()->reportPath.isEmpty()) {
        CMessageBox::show(
            this, QMessageBox::Critical, tr("错误"), tr("导出文件失败，没有加载相应的数据."), tr("确 定"));
        return;
    }
    QString file;
    if (ExportOption::run(this, *record(), &file))
        CMessageBox::showWritten(this, tr("信息"), tr("文件导出成功"), tr("确 定"), file);
}

void CDeviceDataInfo::OnExportCsvBtnClick()
{
    if (!record() || record()->reportPath.isEmpty()) {
        CMessageBox::show(
            this, QMessageBox::Critical, tr("错误"), tr("导出文件失败，没有加载相应的数据."), tr("确 定"));
        return;
    }
    QString error;
    QString file;
    switch (ExportOption::runCsv(this, *record(), &error, &file)) {
    case ExportOption::Written:
        CMessageBox::showWritten(this, tr("信息"), tr("文件导出成功"), tr("确 定"), file);
        break;
    case ExportOption::Failed:
        CMessageBox::show(
            this, QMessageBox::Critical, tr("错误"), tr("CSV文件写入失败：%1").arg(error), tr("确 定"));
        break;
    case ExportOption::Cancelled:
        break;
    }
}

void CDeviceDataInfo::OnSaveAsPdfPathBtnClick()
{
    if (!record() || record()->reportPath.isEmpty()) {
        CMessageBox::show(this, QMessageBox::Critical, tr("错误"),
            tr("另存为文件失败，没有加载相应的历史数据."), tr("确 定"));
        return;
    }
    const QString report = record()->reportPath;
    const QString target = CDialogs::getSaveFileName(this, tr("文件另存为"), QFileInfo(report).fileName(),
        CReportSaveAs::fileFilter(QStringLiteral("%1 Files (*.%2)"), report));
    if (target.isEmpty())
        return;
    // An existing file is never overwritten; a failed copy reports nothing.
    bool copied = false;
    if (CTaskRunner::run(this, tr("正在复制报告文件..."),
            [&](CTaskRunner::Context &c) { copied = CReportSaveAs::copyReport(report, target, &c.progress); })
        && copied) {
        if (CExportHook *hook = CExportHook::installed())
            hook->written(this, record()->id, report, target);
        CMessageBox::show(this, QMessageBox::Information, tr("信息"), tr("文件另存为操作成功"), tr("确 定"));
    }
}
