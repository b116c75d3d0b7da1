#include "gui/view/cdevicedatainfo.h"

#include "core/export/creportsaveas.h"
#include "core/record/appglobals.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdatamodel.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/export/exportoption.h"
#include "gui/view/cdatacurve.h"
#include "gui/view/cdatalist.h"
#include "gui/view/saxydatatracker.h"

#include <QDebug>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <qcustomplot.h>

CDeviceDataInfo::CDeviceDataInfo(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("CDeviceDataInfo");
    resize(900, 700);

    m_title = new QLabel(tr("ID000000_2020630112217841"), this);
    m_title->setObjectName("deviceDataInfoTitleLab");
    m_title->setStyleSheet("font-size: 14pt; font-weight: bold;");
    m_exportBtn = new QPushButton(tr("导出为PDF文件"), this);
    m_exportBtn->setObjectName("exportPdfBtn");
    m_saveAsBtn = new QPushButton(tr("文件另存为"), this);
    m_saveAsBtn->setObjectName("fileSaveAsBtn");
    connect(m_exportBtn, SIGNAL(clicked()), this, SLOT(OnExportPdfBtnClick()));
    connect(m_saveAsBtn, SIGNAL(clicked()), this, SLOT(OnSaveAsPdfPathBtnClick()));

    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_exportBtn);
    top->addWidget(m_saveAsBtn);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("dataInfoTabWidget");
    m_tabs->setStyleSheet("QTabBar::tab{min-height: 40px; min-width: 120px;}");

    // Summary tab: three groups of caption and value labels.
    auto *summeryTab = new QWidget;
    summeryTab->setObjectName("summeryTab");
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto *groups = new QWidget;
    auto *groupsLayout = new QVBoxLayout(groups);
    QGridLayout *device = addGroup(groups, tr("设  备  信  息"), "deviceInfoGroup");
    int row = 0;
    addLine(device, row++, "deviceModel", tr("产品型号："));
    addLine(device, row++, "deviceNo", tr("序列号："));
    addLine(device, row++, "firmwareVersion", tr("固件版本："));
    addLine(device, row++, "deviceZone", tr("设备时区："));
    addLine(device, row++, "deviceTime", tr("设备时间："));
    addLine(device, row++, "deviceSensor", tr("探头类型："));
    addLine(device, row++, "tempUnit", tr("温度单位："));
    addLine(device, row++, "fileFormat", tr("文件格式："));
    addLine(device, row++, "language", tr("语言："));
    QLabel *batteryValue = addLine(device, row, "battery", tr("电池电量："));
    batteryValue->hide();
    m_battery = new QProgressBar(groups);
    m_battery->setObjectName("batteryProgressBar");
    m_battery->setRange(0, 100);
    m_battery->setValue(0);
    m_battery->setMaximumWidth(200);
    device->addWidget(m_battery, row, 1, Qt::AlignLeft | Qt::AlignVCenter);

    QGridLayout *config = addGroup(groups, tr("配  置  信  息"), "configInfoGroup");
    row = 0;
    addLine(config, row++, "recordStartModel", tr("记录开启模式："));
    addLine(config, row++, "delayStart", tr("延时开启方式："));
    addLine(config, row++, "startAt", tr("定时开启时间："));
    addLine(config, row++, "normalRecordSpace", tr("正常记录间隔："));
    addLine(config, row++, "alarmSpace", tr("报警记录间隔："));
    addLine(config, row++, "alarmDelay", tr("报警延时："));
    addLine(config, row++, "isRecycleRecord", tr("循环记录："));
    addLine(config, row++, "isRestart", tr("重复启动："));
    addLine(config, row++, "recordStopModel", tr("记录关闭模式："));
    addLine(config, row++, "stopAt", tr("定时关闭时间："));
    addLine(config, row++, "tempHigh", tr("温度上限："));
    addLine(config, row++, "tempLow", tr("温度下限："));
    addLine(config, row++, "tempAdj", QString());
    addLine(config, row++, "lcd_mode", tr("屏幕常显："));
    addLine(config, row++, "isLongPressed", tr("按键长按重置记录："));
    addLine(config, row++, "isSettingClearRecord", tr("下发配置时重置记录："));

    QGridLayout *stats = addGroup(groups, tr("统  计  信  息"), "statisticsInfoGroup");
    row = 0;
    addLine(stats, row++, "tempMax", tr("温度最大值："));
    addLine(stats, row++, "tempMin", tr("温度最小值："));
    addLine(stats, row++, "tempAvg", tr("温度平均值："));
    addLine(stats, row++, "alarmTimeLen", tr("报警总时长："));
    addLine(stats, row++, "alarmCount", tr("报警条数："));
    addLine(stats, row++, "alarmType", tr("报警类型："));
    addLine(stats, row++, "wayId", tr("行程序列号："));
    addLine(stats, row++, "recordStartAt", tr("记录开始时间："));
    addLine(stats, row++, "recordStopAt", tr("记录停止时间："));
    addLine(stats, row++, "recordTimes", tr("记录开启次数："));
    addLine(stats, row++, "recordTimeLen", tr("记录总时长："));
    addLine(stats, row++, "recordCount", tr("记录条数："));
    addLine(stats, row++, "wayDesc", tr("行程描述："));
    addLine(stats, row++, "mkt", tr("MKT:"));
    groupsLayout->addStretch(1);
    scroll->setWidget(groups);
    auto *summeryLayout = new QVBoxLayout(summeryTab);
    summeryLayout->setContentsMargins(0, 0, 0, 0);
    summeryLayout->addWidget(scroll);

    // Curve tab.
    auto *curveTab = new QWidget;
    curveTab->setObjectName("dataCurveTab");
    m_plot = new QCustomPlot(curveTab);
    m_plot->setObjectName("dataInfoCurvePlot");
    auto *curveLayout = new QVBoxLayout(curveTab);
    curveLayout->addWidget(m_plot);
    m_plot->yAxis->setLabel(QString("%1(%2)").arg(tr("温度"), tr("℃")));
    m_plot->hide();
    m_tracker = new SAXYDataTracker(this);
    connect(m_plot, SIGNAL(mousePress(QMouseEvent *)), this, SLOT(mousePress(QMouseEvent *)));

    // List tab.
    auto *listTab = new QWidget;
    listTab->setObjectName("dataListTab");
    m_list = new QTableView(listTab);
    m_list->setObjectName("dataListTable");
    m_model = new CTempDataModel(this);
    m_listWidth = width();
    CDataList::setup(m_list, m_model, m_listWidth);
    auto *listLayout = new QVBoxLayout(listTab);
    listLayout->addWidget(m_list);

    m_tabs->addTab(summeryTab, QIcon(":/CDravik/image/stats_alt.png"), tr("概要信息"));
    m_tabs->addTab(curveTab, QIcon(":/CDravik/image/view_statistics.png"), tr("数据曲线"));
    m_tabs->addTab(listTab, QIcon(":/CDravik/image/list.png"), tr("数据列表"));
    m_tabs->setCurrentIndex(0);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
}

QGridLayout *CDeviceDataInfo::addGroup(QWidget *page, const QString &heading, const QString &name)
{
    const bool tall
        = QGuiApplication::primaryScreen() && QGuiApplication::primaryScreen()->geometry().height() > 900;
    auto *title = new QLabel(heading, page);
    title->setObjectName(name + "Title");
    if (tall)
        title->setStyleSheet("color: rgb(47, 28, 255);\nfont: 16pt \"黑体\";");
    else
        title->setStyleSheet("color: rgb(47, 28, 255); font-weight: bold;");
    auto *box = new QWidget(page);
    box->setObjectName(name);
    auto *grid = new QGridLayout(box);
    if (tall)
        grid->setSpacing(6);
    // Captions of the three groups line up in one column.
    grid->setColumnMinimumWidth(0, 260);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 1);
    page->layout()->addWidget(title);
    page->layout()->addWidget(box);
    return grid;
}

QLabel *CDeviceDataInfo::addLine(QGridLayout *grid, int row, const QString &field, const QString &caption)
{
    QWidget *box = grid->parentWidget();
    const QFont font(QStringLiteral("微软雅黑"));
    auto *captionLabel = new QLabel(caption, box);
    captionLabel->setObjectName(field + "CaptionLab");
    captionLabel->setFont(font);
    auto *value = new QLabel(box);
    value->setObjectName(field + "ValueLab");
    value->setFont(font);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(captionLabel, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(value, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    return value;
}

QLabel *CDeviceDataInfo::valueLabel(const QString &field) const
{
    return findChild<QLabel *>(field + "ValueLab");
}

QLabel *CDeviceDataInfo::captionLabel(const QString &field) const
{
    return findChild<QLabel *>(field + "CaptionLab");
}

void CDeviceDataInfo::showSummary(CSummeryParam *summary)
{
    CSummaryDisplay::applyStoredConversions(*summary);
    const CSummaryDisplay::Values v = CSummaryDisplay::values(*summary);
    const auto set = [this](const char *field, const QString &text) { valueLabel(field)->setText(text); };
    set("deviceModel", v.deviceModel);
    set("deviceNo", v.deviceNo);
    set("firmwareVersion", v.firmwareVersion);
    set("deviceZone", v.deviceZone);
    set("deviceTime", v.deviceTime);
    set("deviceSensor", v.deviceSensor);
    set("tempUnit", v.tempUnit);
    set("fileFormat", v.fileFormat);
    set("language", v.language);
    m_battery->setValue(qBound(0, v.battery, 100));
    set("recordStartModel", v.recordStartModel);
    set("delayStart", v.delayStart);
    set("startAt", v.startAt);
    set("normalRecordSpace", v.normalRecordSpace);
    set("alarmSpace", v.alarmSpace);
    set("alarmDelay", v.alarmDelay);
    set("isRecycleRecord", v.isRecycleRecord);
    set("isRestart", v.isRestart);
    set("recordStopModel", v.recordStopModel);
    set("stopAt", v.stopAt);
    set("tempHigh", v.tempHigh);
    set("tempLow", v.tempLow);
    // A summary read from a report carries no calibration to show.
    captionLabel("tempAdj")->clear();
    valueLabel("tempAdj")->clear();
    set("lcd_mode", v.lcdMode);
    set("isLongPressed", v.isLongPressed);
    set("isSettingClearRecord", v.isSettingClearRecord);
    set("tempMax", v.tempMax);
    set("tempMin", v.tempMin);
    set("tempAvg", v.tempAvg);
    set("alarmTimeLen", v.alarmTimeLen);
    set("alarmCount", v.alarmCount);
    set("alarmType", v.alarmType);
    set("wayId", v.wayId);
    set("recordStartAt", v.recordStartAt);
    set("recordStopAt", v.recordStopAt);
    set("recordTimes", v.recordTimes);
    set("recordTimeLen", v.recordTimeLen);
    set("recordCount", v.recordCount);
    set("wayDesc", v.wayDesc);
    set("mkt", v.mkt);
    captionLabel("mkt")->setVisible(v.mktShown);
    valueLabel("mkt")->setVisible(v.mktShown);

    const bool humidity = summary->containHumidity == 1;
    captionLabel("tempHigh")->setText(humidity ? tr("温湿度上限：") : tr("温度上限："));
    captionLabel("tempLow")->setText(humidity ? tr("温湿度下限：") : tr("温度下限："));
    captionLabel("tempMax")->setText(humidity ? tr("温湿度最大值：") : tr("温度最大值："));
    captionLabel("tempMin")->setText(humidity ? tr("温湿度最小值：") : tr("温度最小值："));
    captionLabel("tempAvg")->setText(humidity ? tr("温湿度平均值：") : tr("温度平均值："));

    const QString alarmStyle = v.alarmed ? QStringLiteral("color:red") : QStringLiteral("color:green");
    for (const char *field : { "alarmTimeLen", "alarmCount", "alarmType" }) {
        captionLabel(field)->setStyleSheet(alarmStyle);
        valueLabel(field)->setStyleSheet(alarmStyle);
    }

    m_model->setHeaderData(2, Qt::Horizontal, CSummaryDisplay::temperatureHeader(summary->tempUnit));
    m_plot->yAxis->setLabel(CSummaryDisplay::temperatureAxisLabel(summary->tempUnit));
}

void CDeviceDataInfo::showRecordName(const QString &name)
{
    m_title->setText(name);
}

void CDeviceDataInfo::fillList(const CTempData &data, bool withHumidity)
{
    double limits[4] = { 0, 0, 0, 0 };
    if (m_mainWindow)
        m_mainWindow->alarmLimits(limits);
    CDataList::fill(m_list, m_model, data, limits, withHumidity, m_listWidth);
}

void CDeviceDataInfo::fillTempList(const CTempData &data)
{
    fillList(data, false);
}

void CDeviceDataInfo::fillTempHumidityList(const CTempData &data)
{
    fillList(data, true);
}

void CDeviceDataInfo::drawTempCurve(const CTempData &data)
{
    CDataCurve::drawRecord(data.dataList, m_plot, m_tracker, false);
}

void CDeviceDataInfo::drawTempHumidityCurve(const CTempData &data)
{
    CDataCurve::drawRecord(data.dataList, m_plot, m_tracker, true);
}

void CDeviceDataInfo::mousePress(QMouseEvent *mevent)
{
    if (mevent->button() == Qt::RightButton)
        CDataCurve::restoreHomeRanges(m_plot, m_tracker);
}

void CDeviceDataInfo::OnExportPdfBtnClick()
{
    if (!m_mainWindow || m_mainWindow->localReportPath().isEmpty()) {
        CMessageBox::show(
            this, QMessageBox::Critical, tr("错误"), tr("导出文件失败，没有加载相应的数据."), tr("确 定"));
        return;
    }
    if (ExportOption::run(
            this, *m_mainWindow->summary(), *m_mainWindow->tempData(), *m_mainWindow->deviceInfo()))
        CMessageBox::show(this, QMessageBox::Information, tr("信息"), tr("文件导出成功"), tr("确 定"));
}

void CDeviceDataInfo::OnSaveAsPdfPathBtnClick()
{
    if (!m_mainWindow || m_mainWindow->localReportPath().isEmpty()) {
        CMessageBox::show(this, QMessageBox::Critical, tr("错误"),
            tr("另存为文件失败，没有加载相应的历史数据."), tr("确 定"));
        return;
    }
    const QString report = m_mainWindow->localReportPath();
    const QString target = CDialogs::getSaveFileName(this, tr("文件另存为"), QFileInfo(report).fileName(),
        CReportSaveAs::fileFilter(QStringLiteral("%1 Files (*.%2)"), report));
    if (target.isEmpty())
        return;
    // An existing file is never overwritten; a failed copy reports nothing.
    if (CReportSaveAs::copyReport(report, target))
        CMessageBox::show(this, QMessageBox::Information, tr("信息"), tr("文件另存为操作成功"), tr("确 定"));
}
