#include "gui/configuration/cdevicesettingform.h"

#include "core/configuration/cconfigvalues.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *label(const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

QSpinBox *spin(QWidget *parent, const char *name, int min, int max, int step, int value)
{
    auto *box = named(new QSpinBox(parent), name);
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setValue(value);
    return box;
}

QDoubleSpinBox *decimal(QWidget *parent, const char *name, double min, double max, double value)
{
    auto *box = named(new QDoubleSpinBox(parent), name);
    box->setDecimals(1);
    box->setRange(min, max);
    box->setSingleStep(0.1);
    box->setValue(value);
    return box;
}

// A list view as pop-up lets the page's style sheets reach the list.
QComboBox *combo(QWidget *parent, const char *name, const QStringList &items)
{
    auto *box = named(new QComboBox(parent), name);
    box->setView(new QListView(box));
    box->addItems(items);
    return box;
}

QDateTimeEdit *dateTime(QWidget *parent, const char *name)
{
    auto *edit = named(new QDateTimeEdit(parent), name);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd hh:mm"));
    edit->setCalendarPopup(false);
    return edit;
}

QTextEdit *descriptionEdit(QWidget *parent, const char *name)
{
    auto *edit = named(new QTextEdit(parent), name);
    edit->setAcceptRichText(false);
    edit->setMaximumHeight(60);
    // Tab moves on; a description holds no tab character.
    edit->setTabChangesFocus(true);
    return edit;
}

// A page that scrolls where the window is lower than the page (a 600-pixel
// panel); the page keeps the name the mode switch shows it by.
QScrollArea *scrolled(QWidget *content, const char *name)
{
    auto *area = named(new QScrollArea, name);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    content->setObjectName(QLatin1String(name) + QLatin1String("Content"));
    area->setWidget(content);
    return area;
}

} // namespace

void CDeviceSettingForm::setupUi(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(buildTitleBar(page));
    configStack = named(new QStackedWidget(page), "configStack");
    configStack->addWidget(buildBasicPage());
    configStack->addWidget(buildAdvancedPage());
    layout->addWidget(configStack, 1);

    // Tab goes through the page as it reads: the mode, the fields top to
    // bottom (the alarm limits of temperature, then of humidity), and the
    // buttons that save last.
    const QList<QWidget *> order = { baseConfigModelRb, highConfigModelRb, normalRecordSpace2,
        alarmRecordSpace2, tempHighSpinBox2, tempLowSpinBox2, humidityHighSpinBox2, humidityLowSpinBox2,
        runwayIdTxt2, runwayDescTxt2, tempUnitDuRb, tempUnitFRb, runwayIdTxt, runwayDescTxt,
        settingFilePathCB, openSettingPathBtn, startTypeCb, deviceSettingBtn, startDelayTime,
        startDateTimeEdit, stopTypeCb, stopDateTimeEdit, normalRecordSpace, alarmRecordSpace, spinBox,
        otherSettingTab, tempHighSpinBox, tempLowSpinBox, adjustTempSpinBox, humidityHighSpinBox,
        humidityLowSpinBox, humidityAdjSpinBox, reportZhRb, reportEnRb, exportFileTypeCb,
        repeatRecordComboBox, clearRecordComboBox, restartComboBox, longPressedClearRecordComboBox,
        lcdLightComboBox, defaultSettingBtn, saveSettingBtn, writeSettingBtn };
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

QWidget *CDeviceSettingForm::buildTitleBar(QWidget *page)
{
    auto *bar = named(new QWidget(page), "titleBar");
    auto *row = new QHBoxLayout(bar);
    baseConfigModelRb = named(new QRadioButton(tr("基本配置模式"), bar), "baseConfigModelRb");
    highConfigModelRb = named(new QRadioButton(tr("高级配置模式"), bar), "highConfigModelRb");
    saveSettingBtn = named(new QPushButton(tr("保存模板"), bar), "saveSettingBtn");
    saveSettingLine = named(new QFrame(bar), "saveSettingLine");
    saveSettingLine->setFrameShape(QFrame::VLine);
    saveSettingLine->setFrameShadow(QFrame::Sunken);
    writeSettingBtn = named(new QPushButton(tr("保存参数"), bar), "writeSettingBtn");
    defaultSettingBtn = named(new QPushButton(tr("恢复默认"), bar), "defaultSettingBtn");
    // The two modes one above the other: the bar stays narrow enough for a
    // 1024-pixel screen in every language.
    auto *modes = new QVBoxLayout;
    modes->setSpacing(2);
    modes->addWidget(baseConfigModelRb);
    modes->addWidget(highConfigModelRb);
    row->addLayout(modes);
    row->addStretch(1);
    row->addWidget(defaultSettingBtn);
    row->addWidget(saveSettingBtn);
    row->addWidget(saveSettingLine);
    row->addWidget(writeSettingBtn);
    return bar;
}

QWidget *CDeviceSettingForm::buildBasicPage()
{
    using namespace CConfigRange;
    basePage = new QWidget;
    auto *grid = new QGridLayout(basePage);
    int row = 0;
    normalRecordSpace2 = spin(basePage, "normalRecordSpace2", IntervalMin, IntervalMax, IntervalStep, 60);
    grid->addWidget(label(tr("正常记录间隔"), basePage), row, 0);
    grid->addWidget(normalRecordSpace2, row, 1);
    grid->addWidget(label(tr("秒"), basePage), row++, 2);
    alarmRecordSpace2 = spin(basePage, "alarmRecordSpace2", IntervalMin, IntervalMax, IntervalStep, 30);
    grid->addWidget(label(tr("超限记录间隔"), basePage), row, 0);
    grid->addWidget(alarmRecordSpace2, row, 1);
    grid->addWidget(label(tr("秒"), basePage), row++, 2);
    tempHighSpinBox2 = decimal(basePage, "tempHighSpinBox2", TempMin, TempMax, 70.0);
    tempHighUnitLb2 = label(tr("du"), basePage, "tempHighUnitLb2");
    grid->addWidget(label(tr("温度上限"), basePage), row, 0);
    grid->addWidget(tempHighSpinBox2, row, 1);
    grid->addWidget(tempHighUnitLb2, row++, 2);
    tempLowSpinBox2 = decimal(basePage, "tempLowSpinBox2", TempMin, TempMax, -30.0);
    tempLowUnitLb2 = label(tr("du"), basePage, "tempLowUnitLb2");
    grid->addWidget(label(tr("温度下限"), basePage), row, 0);
    grid->addWidget(tempLowSpinBox2, row, 1);
    grid->addWidget(tempLowUnitLb2, row++, 2);
    humidityHighSpinBox2 = decimal(basePage, "humidityHighSpinBox2", HumidityMin, HumidityMax, 99.9);
    humidityHighLb2 = label(tr("湿度上限"), basePage, "humidityHighLb2");
    grid->addWidget(humidityHighLb2, row, 0);
    grid->addWidget(humidityHighSpinBox2, row++, 1);
    humidityLowSpinBox2 = decimal(basePage, "humidityLowSpinBox2", HumidityMin, HumidityMax, 1.0);
    humidityLowLb2 = label(tr("湿度下限"), basePage, "humidityLowLb2");
    grid->addWidget(humidityLowLb2, row, 0);
    grid->addWidget(humidityLowSpinBox2, row++, 1);
    runwayIdTxt2 = named(new QLineEdit(tr("XC000000"), basePage), "runwayIdTxt2");
    grid->addWidget(label(tr("行程编号"), basePage), row, 0);
    grid->addWidget(runwayIdTxt2, row++, 1);
    runwayDescTxt2 = descriptionEdit(basePage, "runwayDescTxt2");
    grid->addWidget(runwayDescTxt2, row++, 1);
    baseTipLb = label(highTipText(), basePage, "baseTipLb");
    baseTipLb->setWordWrap(true);
    grid->addWidget(baseTipLb, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    basePage = scrolled(basePage, "basePage");
    return basePage;
}

QWidget *CDeviceSettingForm::buildAdvancedPage()
{
    using namespace CConfigRange;
    highPage = new QWidget;
    auto *grid = new QGridLayout(highPage);
    int row = 0;

    auto *units = named(new QWidget(highPage), "tempUnitBox");
    auto *unitRow = new QHBoxLayout(units);
    unitRow->setContentsMargins(0, 0, 0, 0);
    tempUnitDuRb = named(new QRadioButton(tr("℃"), units), "tempUnitDuRb");
    tempUnitFRb = named(new QRadioButton(tr("℉"), units), "tempUnitFRb");
    unitRow->addWidget(tempUnitDuRb);
    unitRow->addWidget(tempUnitFRb);
    unitRow->addStretch(1);
    grid->addWidget(label(tr("温度单位"), highPage), row, 0);
    grid->addWidget(units, row++, 1, 1, 2);

    runwayIdTxt = named(new QLineEdit(tr("XC000000"), highPage), "runwayIdTxt");
    grid->addWidget(label(tr("行程编号"), highPage), row, 0);
    grid->addWidget(runwayIdTxt, row++, 1);
    runwayDescTxt = descriptionEdit(highPage, "runwayDescTxt");
    grid->addWidget(runwayDescTxt, row++, 1, 1, 2);

    settingFilePathCB = combo(highPage, "settingFilePathCB", {});
    // A long template name is cut in the box and whole in its tip.
    settingFilePathCB->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    settingFilePathCB->setMinimumContentsLength(16);
    QObject::connect(settingFilePathCB, &QComboBox::currentTextChanged, settingFilePathCB,
        [box = settingFilePathCB](const QString &text) { box->setToolTip(text); });
    openSettingPathBtn = named(new QPushButton(tr("同步模板参数"), highPage), "openSettingPathBtn");
    // Each button under the box it belongs to: the page stays narrow.
    grid->addWidget(label(tr("选择配置文件"), highPage), row, 0);
    grid->addWidget(settingFilePathCB, row++, 1);
    grid->addWidget(openSettingPathBtn, row++, 1);

    startTypeCb = combo(
        highPage, "startTypeCb", { tr("手动开启"), tr("按键延时开启"), tr("定时开启"), tr("开机启动") });
    deviceSettingBtn = named(new QPushButton(tr("同步设备参数"), highPage), "deviceSettingBtn");
    grid->addWidget(label(tr("开启模式"), highPage), row, 0);
    grid->addWidget(startTypeCb, row++, 1);
    grid->addWidget(deviceSettingBtn, row++, 1);

    startDelayTime = spin(highPage, "startDelayTime", DelayMin, DelayMax, 1, 0);
    grid->addWidget(label(tr("启动延迟"), highPage), row, 0);
    grid->addWidget(startDelayTime, row, 1);
    grid->addWidget(label(tr("分"), highPage), row++, 2);
    startDateTimeEdit = dateTime(highPage, "startDateTimeEdit");
    grid->addWidget(label(tr("定时开启时间"), highPage), row, 0);
    grid->addWidget(startDateTimeEdit, row++, 1);

    stopTypeCb = combo(highPage, "stopTypeCb", { tr("手动关闭"), tr("定时关闭") });
    grid->addWidget(label(tr("关闭模式"), highPage), row, 0);
    grid->addWidget(stopTypeCb, row++, 1);
    stopDateTimeEdit = dateTime(highPage, "stopDateTimeEdit");
    grid->addWidget(label(tr("定时关闭时间"), highPage), row, 0);
    grid->addWidget(stopDateTimeEdit, row++, 1);

    normalRecordSpace = spin(highPage, "normalRecordSpace", IntervalMin, IntervalMax, IntervalStep, 60);
    grid->addWidget(label(tr("正常记录间隔"), highPage), row, 0);
    grid->addWidget(normalRecordSpace, row, 1);
    grid->addWidget(label(tr("秒"), highPage), row++, 2);
    alarmRecordSpace = spin(highPage, "alarmRecordSpace", IntervalMin, IntervalMax, IntervalStep, 30);
    grid->addWidget(label(tr("超限记录间隔"), highPage), row, 0);
    grid->addWidget(alarmRecordSpace, row, 1);
    grid->addWidget(label(tr("秒"), highPage), row++, 2);
    spinBox = spin(highPage, "spinBox", DelayMin, DelayMax, 1, 0);
    grid->addWidget(label(tr("报警延时时间"), highPage), row, 0);
    grid->addWidget(spinBox, row, 1);
    grid->addWidget(label(tr("分"), highPage), row++, 2);

    grid->addWidget(buildTabs(), row++, 0, 1, 4);
    highTipLb = label(highTipText(), highPage, "highTipLb");
    highTipLb->setWordWrap(true);
    grid->addWidget(highTipLb, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    highPage = scrolled(highPage, "highPage");
    return highPage;
}

QTabWidget *CDeviceSettingForm::buildTabs()
{
    using namespace CConfigRange;
    otherSettingTab = named(new QTabWidget(highPage), "otherSettingTab");
    otherSettingTab->setStyleSheet(QStringLiteral("QTabBar::tab{min-height: 40px; min-width: 120px;}"));

    auto *alarm = named(new QWidget, "alarmTab");
    auto *grid = new QGridLayout(alarm);
    tempHighSpinBox = decimal(alarm, "tempHighSpinBox", TempMin, TempMax, 70.0);
    tempHighUnitLb = label(tr("du"), alarm, "tempHighUnitLb");
    grid->addWidget(label(tr("温度上限"), alarm), 0, 0);
    grid->addWidget(tempHighSpinBox, 0, 1);
    grid->addWidget(tempHighUnitLb, 0, 2);
    tempLowSpinBox = decimal(alarm, "tempLowSpinBox", TempMin, TempMax, -30.0);
    tempLowUnitLb = label(tr("du"), alarm, "tempLowUnitLb");
    grid->addWidget(label(tr("温度下限"), alarm), 1, 0);
    grid->addWidget(tempLowSpinBox, 1, 1);
    grid->addWidget(tempLowUnitLb, 1, 2);
    adjustTempSpinBox = decimal(alarm, "adjustTempSpinBox", TempMin, TempMax, 0.0);
    adjustTempLb = label(tr("温度修正"), alarm, "adjustTempLb");
    adjustTempUnitLb = label(tr("du"), alarm, "adjustTempUnitLb");
    grid->addWidget(adjustTempLb, 2, 0);
    grid->addWidget(adjustTempSpinBox, 2, 1);
    grid->addWidget(adjustTempUnitLb, 2, 2);
    humidityHighSpinBox = decimal(alarm, "humidityHighSpinBox", HumidityMin, HumidityMax, 99.9);
    humidityHighLb = label(tr("湿度上限"), alarm, "humidityHighLb");
    grid->addWidget(humidityHighLb, 0, 3);
    grid->addWidget(humidityHighSpinBox, 0, 4);
    humidityLowSpinBox = decimal(alarm, "humidityLowSpinBox", HumidityMin, HumidityMax, 1.0);
    humidityLowLb = label(tr("湿度下限"), alarm, "humidityLowLb");
    grid->addWidget(humidityLowLb, 1, 3);
    grid->addWidget(humidityLowSpinBox, 1, 4);
    humidityAdjSpinBox = decimal(alarm, "humidityAdjSpinBox", HumidityAdjustMin, HumidityAdjustMax, 0.0);
    humidityAdjLb = label(tr("湿度修正"), alarm, "humidityAdjLb");
    grid->addWidget(humidityAdjLb, 2, 3);
    grid->addWidget(humidityAdjSpinBox, 2, 4);
    grid->setColumnStretch(5, 1);
    otherSettingTab->addTab(alarm, tr("报警设置"));

    auto *exportTab = named(new QWidget, "exportTab");
    auto *exportGrid = new QGridLayout(exportTab);
    reportLanGroup = named(new QGroupBox(tr("报告语言"), exportTab), "reportLanGroup");
    auto *lanRow = new QHBoxLayout(reportLanGroup);
    reportZhRb = named(new QRadioButton(tr("中文"), reportLanGroup), "reportZhRb");
    reportEnRb = named(new QRadioButton(tr("英文"), reportLanGroup), "reportEnRb");
    lanRow->addWidget(reportZhRb);
    lanRow->addWidget(reportEnRb);
    exportFileTypeCb = combo(exportTab, "exportFileTypeCb", { tr("PDF"), tr("TXT"), tr("CSV") });
    exportGrid->addWidget(reportLanGroup, 0, 0, 1, 2);
    exportGrid->addWidget(label(tr("导出文件类型 "), exportTab), 1, 0);
    exportGrid->addWidget(exportFileTypeCb, 1, 1);
    exportGrid->setColumnStretch(2, 1);
    otherSettingTab->addTab(exportTab, tr("导出文件设置"));

    auto *options = named(new QWidget, "advancedTab");
    auto *optionGrid = new QGridLayout(options);
    repeatRecordComboBox = combo(options, "repeatRecordComboBox", { tr("不循环"), tr("循环") });
    clearRecordComboBox = combo(options, "clearRecordComboBox", { tr("不清空"), tr("清空") });
    restartComboBox = combo(options, "restartComboBox", { tr("不允许"), tr("允许") });
    longPressedClearRecordComboBox
        = combo(options, "longPressedClearRecordComboBox", { tr("不允许"), tr("允许") });
    lcdLightComboBox = combo(options, "lcdLightComboBox", { tr("按时关闭"), tr("常显") });
    // One option a line, in the tab order.
    optionGrid->addWidget(label(tr("循环记录"), options), 0, 0);
    optionGrid->addWidget(repeatRecordComboBox, 0, 1);
    optionGrid->addWidget(label(tr("清空已存记录"), options), 1, 0);
    optionGrid->addWidget(clearRecordComboBox, 1, 1);
    optionGrid->addWidget(label(tr("重复启动"), options), 2, 0);
    optionGrid->addWidget(restartComboBox, 2, 1);
    optionGrid->addWidget(label(tr("长按键清空数据"), options), 3, 0);
    optionGrid->addWidget(longPressedClearRecordComboBox, 3, 1);
    optionGrid->addWidget(label(tr("LCD是否常显示"), options), 4, 0);
    optionGrid->addWidget(lcdLightComboBox, 4, 1);
    optionGrid->setColumnStretch(2, 1);
    otherSettingTab->addTab(options, tr("高级设置"));

    otherSettingTab->setCurrentIndex(2);
    return otherSettingTab;
}

QString CDeviceSettingForm::highTipText()
{
    return tr("<html><head/><body><p>行程编号仅支持字母和数字，最大为8个字符.</p><p><span style=\" "
              "font-family:'宋体';\">行程描述支持字母、数字和汉字，最大为32个字符或</span><span style=\" "
              "font-family:'Calibri';\">16</span><span style=\" "
              "font-family:'宋体';\">个汉字.</span></p></body></html>");
}
