#include "gui/configuration/cdevicesetting.h"

#include "core/configuration/cconfigtemplate.h"
#include "core/configuration/cconfigwriter.h"
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "gui/app/cmessagebox.h"
#include "gui/configuration/cdevicesettingform.h"
#include "gui/configuration/ctemplatenamedialog.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

namespace {

std::function<QDateTime()> s_nowOverride;
QString s_zoneOverride;

bool fahrenheitUnit(const QString &unit)
{
    return unit.contains(QString::fromUtf8("°F")) || unit.contains(QString::fromUtf8("℉"));
}

} // namespace

CDeviceSetting::CDeviceSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new CDeviceSettingForm)
{
    setObjectName("CDeviceSetting");
    ui->setupUi(this);

    const QDateTime start = now();
    ui->startDateTimeEdit->setDateTime(start);
    ui->stopDateTimeEdit->setDateTime(start);
    ui->tempUnitDuRb->setChecked(true);
    ui->reportZhRb->setChecked(true);

    ui->defaultSettingBtn->hide();
    setCalibrationVisible(tempAdjust == 1);

    m_templateDir = CConfigTemplate::directory();
    QDir().mkpath(m_templateDir);
    reloadTemplates();

    setHumidityApplies(false);

    const QRegularExpression tripId(QStringLiteral("[a-zA-Z0-9][a-zA-Z0-9]+$"));
    for (QLineEdit *edit : { ui->runwayIdTxt, ui->runwayIdTxt2 }) {
        edit->setValidator(new QRegularExpressionValidator(tripId, edit));
        edit->setMaxLength(8);
    }

    ui->baseConfigModelRb->setChecked(true);
    ui->saveSettingBtn->hide();
    ui->saveSettingLine->hide();
    ui->configStack->setCurrentWidget(ui->basePage);
    m_basicFahrenheit = false;

    connect(ui->writeSettingBtn, SIGNAL(clicked()), this, SLOT(OnWriteSettingBtnClick()));
    connect(ui->defaultSettingBtn, SIGNAL(clicked()), this, SLOT(OnDefaultSettingBtnClick()));
    connect(ui->deviceSettingBtn, SIGNAL(clicked()), this, SLOT(OnDeviceSettingBtnClick()));
    connect(ui->openSettingPathBtn, SIGNAL(clicked()), this, SLOT(OnOpenSettingFileBtnClick()));
    connect(ui->saveSettingBtn, SIGNAL(clicked()), this, SLOT(OnSaveSettingFileBtnClick()));
    connect(ui->runwayDescTxt, SIGNAL(textChanged()), this, SLOT(OnWayDescTextChanged()));
    connect(ui->runwayDescTxt2, SIGNAL(textChanged()), this, SLOT(OnWayDescTextChanged2()));
    connect(ui->startTypeCb, SIGNAL(currentIndexChanged(int)), this, SLOT(OnStartTypeCbChanged(int)));
    connect(ui->stopTypeCb, SIGNAL(currentIndexChanged(int)), this, SLOT(OnStopTypeCbChanged(int)));
    connect(ui->tempUnitDuRb, SIGNAL(toggled(bool)), this, SLOT(OnTempUnitDuChanged()));
    connect(ui->tempUnitFRb, SIGNAL(toggled(bool)), this, SLOT(OnTempUnitFChanged()));
    connect(ui->baseConfigModelRb, SIGNAL(toggled(bool)), this, SLOT(OnBaseConfigPageChanged()));
    connect(ui->highConfigModelRb, SIGNAL(toggled(bool)), this, SLOT(OnHighConfigPageChanged()));

    setControlsEnabled(false);
    m_humidityApplies = false;
}

CDeviceSetting::~CDeviceSetting()
{
    delete ui;
}

void CDeviceSetting::setControlsEnabled(bool enabled)
{
    m_controlsEnabled = enabled;
    const QList<QWidget *> inputs = { ui->saveSettingBtn, ui->writeSettingBtn, ui->tempUnitDuRb,
        ui->tempUnitFRb, ui->reportZhRb, ui->reportEnRb, ui->runwayIdTxt, ui->runwayDescTxt,
        ui->settingFilePathCB, ui->openSettingPathBtn, ui->startTypeCb, ui->stopTypeCb, ui->deviceSettingBtn,
        ui->normalRecordSpace, ui->alarmRecordSpace, ui->spinBox, ui->otherSettingTab, ui->normalRecordSpace2,
        ui->alarmRecordSpace2, ui->tempHighSpinBox2, ui->tempLowSpinBox2, ui->humidityHighSpinBox2,
        ui->humidityLowSpinBox2, ui->runwayIdTxt2, ui->runwayDescTxt2, ui->exportFileTypeCb };
    for (QWidget *input : inputs)
        input->setEnabled(enabled);
    ui->startDelayTime->setEnabled(false);
    ui->startDateTimeEdit->setEnabled(false);
    ui->stopDateTimeEdit->setEnabled(false);
    if (enabled && CConfigValues::txtOnlyModel(m_deviceModel)) {
        ui->exportFileTypeCb->setCurrentIndex(1);
        ui->exportFileTypeCb->setEnabled(false);
    }
}

void CDeviceSetting::setHumidityApplies(bool applies)
{
    m_humidityApplies = applies;
    for (QWidget *w :
        { static_cast<QWidget *>(ui->humidityHighSpinBox), static_cast<QWidget *>(ui->humidityHighLb),
            static_cast<QWidget *>(ui->humidityLowSpinBox), static_cast<QWidget *>(ui->humidityLowLb),
            static_cast<QWidget *>(ui->humidityHighSpinBox2), static_cast<QWidget *>(ui->humidityHighLb2),
            static_cast<QWidget *>(ui->humidityLowSpinBox2), static_cast<QWidget *>(ui->humidityLowLb2) })
        w->setVisible(applies);
    const bool adjust = applies && tempAdjust == 1;
    ui->humidityAdjSpinBox->setVisible(adjust);
    ui->humidityAdjLb->setVisible(adjust);
}

void CDeviceSetting::setCalibrationVisible(bool visible)
{
    m_calibrationVisible = visible;
    ui->adjustTempSpinBox->setVisible(visible);
    ui->adjustTempLb->setVisible(visible);
    ui->adjustTempUnitLb->setVisible(visible);
}

void CDeviceSetting::setReadState(const CDeviceSettingInfo *info, bool loggerRead)
{
    m_basicFahrenheit = loggerRead && info && fahrenheitUnit(info->tempUnit);
    const QString unit = m_basicFahrenheit ? tr("f") : tr("du");
    ui->tempHighUnitLb2->setText(unit);
    ui->tempLowUnitLb2->setText(unit);
}

void CDeviceSetting::fillFromDeviceInfo(const CDeviceSettingInfo *info)
{
    if (!info)
        return;
    CConfigValues v = values();
    v.fillFromDeviceInfo(*info, now());
    applyAdvanced(v);
    OnStartTypeCbChanged(v.startType);
    OnStopTypeCbChanged(v.stopType);
}

void CDeviceSetting::reloadTemplates()
{
    ui->settingFilePathCB->clear();
    ui->settingFilePathCB->addItems(CConfigTemplate::pageList(m_templateDir));
}

CConfigValues CDeviceSetting::values() const
{
    CConfigValues v;
    v.fahrenheit = ui->tempUnitFRb->isChecked();
    v.tripId = ui->runwayIdTxt->text();
    v.description = ui->runwayDescTxt->toPlainText();
    v.startType = ui->startTypeCb->currentIndex();
    v.stopType = ui->stopTypeCb->currentIndex();
    v.startDelay = ui->startDelayTime->value();
    v.startTime = ui->startDateTimeEdit->dateTime();
    v.stopTime = ui->stopDateTimeEdit->dateTime();
    v.normalInterval = ui->normalRecordSpace->value();
    v.alarmInterval = ui->alarmRecordSpace->value();
    v.alarmDelay = ui->spinBox->value();
    v.tempHigh = ui->tempHighSpinBox->value();
    v.tempLow = ui->tempLowSpinBox->value();
    v.tempAdjust = ui->adjustTempSpinBox->value();
    v.humidityHigh = ui->humidityHighSpinBox->value();
    v.humidityLow = ui->humidityLowSpinBox->value();
    v.humidityAdjust = ui->humidityAdjSpinBox->value();
    v.reportEnglish = ui->reportEnRb->isChecked();
    v.fileType = ui->exportFileTypeCb->currentIndex();
    v.circular = ui->repeatRecordComboBox->currentIndex();
    v.clearRecords = ui->clearRecordComboBox->currentIndex();
    v.multipleStart = ui->restartComboBox->currentIndex();
    v.display = ui->lcdLightComboBox->currentIndex();
    v.longPressClear = ui->longPressedClearRecordComboBox->currentIndex();

    v.basicNormalInterval = ui->normalRecordSpace2->value();
    v.basicAlarmInterval = ui->alarmRecordSpace2->value();
    v.basicTempHigh = ui->tempHighSpinBox2->value();
    v.basicTempLow = ui->tempLowSpinBox2->value();
    v.basicHumidityHigh = ui->humidityHighSpinBox2->value();
    v.basicHumidityLow = ui->humidityLowSpinBox2->value();
    v.basicTripId = ui->runwayIdTxt2->text();
    v.basicDescription = ui->runwayDescTxt2->toPlainText();
    v.basicFahrenheit = m_basicFahrenheit;
    return v;
}

void CDeviceSetting::applyAdvanced(const CConfigValues &v)
{
    ui->tempUnitDuRb->setChecked(true);
    if (v.fahrenheit)
        ui->tempUnitFRb->setChecked(true);
    ui->runwayIdTxt->setText(v.tripId);
    ui->runwayDescTxt->setPlainText(v.description);
    ui->startTypeCb->setCurrentIndex(v.startType);
    ui->stopTypeCb->setCurrentIndex(v.stopType);
    if (v.startTime.isValid())
        ui->startDateTimeEdit->setDateTime(v.startTime);
    if (v.stopTime.isValid())
        ui->stopDateTimeEdit->setDateTime(v.stopTime);
    ui->startDelayTime->setValue(v.startDelay);
    ui->normalRecordSpace->setValue(v.normalInterval);
    ui->alarmRecordSpace->setValue(v.alarmInterval);
    ui->spinBox->setValue(v.alarmDelay);
    ui->tempHighSpinBox->setValue(v.tempHigh);
    ui->tempLowSpinBox->setValue(v.tempLow);
    ui->adjustTempSpinBox->setValue(v.tempAdjust);
    ui->humidityHighSpinBox->setValue(v.humidityHigh);
    ui->humidityLowSpinBox->setValue(v.humidityLow);
    ui->humidityAdjSpinBox->setValue(v.humidityAdjust);
    ui->reportZhRb->setChecked(true);
    if (v.reportEnglish)
        ui->reportEnRb->setChecked(true);
    ui->exportFileTypeCb->setCurrentIndex(v.fileType);
    ui->repeatRecordComboBox->setCurrentIndex(v.circular);
    ui->clearRecordComboBox->setCurrentIndex(v.clearRecords);
    ui->restartComboBox->setCurrentIndex(v.multipleStart);
    ui->lcdLightComboBox->setCurrentIndex(v.display);
    ui->longPressedClearRecordComboBox->setCurrentIndex(v.longPressClear);
}

void CDeviceSetting::setLogger(const QString &driveRoot, const QString &deviceModel)
{
    m_driveRoot = driveRoot;
    m_deviceModel = deviceModel;
}

void CDeviceSetting::setEnvironmentOverride(const std::function<QDateTime()> &now, const QString &zoneComment)
{
    s_nowOverride = now;
    s_zoneOverride = zoneComment;
}

QDateTime CDeviceSetting::now() const
{
    return s_nowOverride ? s_nowOverride() : QDateTime::currentDateTime();
}

void CDeviceSetting::OnWriteSettingBtnClick()
{
    const bool advanced = ui->highConfigModelRb->isChecked();
    CConfigValues v = values();
    CConfigWriter::Environment env;
    env.now = now();
    env.zoneComment = s_zoneOverride.isNull() ? CConfigWriter::systemZoneComment(env.now) : s_zoneOverride;
    env.humidity = m_humidityApplies;
    QByteArray frame;
    const CConfigWriter::Status status = CConfigWriter::write(
        v, advanced ? CConfigWriter::Advanced : CConfigWriter::Basic, m_driveRoot, env, nullptr, &frame);
    if (status == CConfigWriter::Written)
        emit configurationWritten(m_driveRoot, frame);
    // The intervals as the logger counts them (unchanged when a check failed).
    if (advanced) {
        ui->normalRecordSpace->setValue(v.normalInterval);
        ui->alarmRecordSpace->setValue(v.alarmInterval);
    } else {
        ui->normalRecordSpace2->setValue(v.basicNormalInterval);
        ui->alarmRecordSpace2->setValue(v.basicAlarmInterval);
    }
    showWriteResult(status);
}

void CDeviceSetting::showWriteResult(int status)
{
    QString text;
    switch (CConfigWriter::Status(status)) {
    case CConfigWriter::Written:
        CMessageBox::show(this, QMessageBox::Information, tr("xin xi"),
            tr("pei zhi xin xi xie ru cheng gong ,qing ba xia ji lu yi shi pei zhi li ji sheng xiao"),
            tr("que ding"));
        return;
    case CConfigWriter::OpenFailed:
        text = tr("wu fa zai ji lu yi shang chuang jian setting.ini ,qing jian cha ji lu yi ci pan shi fou "
                  "ke xie");
        break;
    case CConfigWriter::TempLimitsReversed:
    case CConfigWriter::HumidityLimitsReversed: {
        const CConfigWriter::Message m
            = CConfigWriter::limitMessage(CConfigWriter::Status(status), languageCode);
        CMessageBox::show(this, QMessageBox::Warning, m.title, m.text, m.button);
        return;
    }
    case CConfigWriter::TripIdLength:
        text = tr("xing cheng id hao bi xu wei 8 ge zhi jie");
        break;
    case CConfigWriter::DeviceUnavailable:
        text = tr("mei you ke yong de ji lu yi she bei");
        break;
    case CConfigWriter::DescriptionTooLong:
        text = tr("xing cheng miao shu xin xi bu neng chang yu 32 ge zhi fu ,han zi bu de cao guo 16 ge");
        break;
    case CConfigWriter::ValueOutOfRange:
        text = tr("wen du xian zhi he xiu zheng zhi bi xu zai -127.9 ℃ dao 127.9 ℃ zhi jian");
        break;
    case CConfigWriter::WriteFailed:
        text = tr("pei zhi xin xi xie ru shi bai ,qing jian cha ji lu yi shi fou reng ran lian jie bing you "
                  "ke yong "
                  "kong jian");
        break;
    case CConfigWriter::NotANumber:
        text = tr("bao jing xian zhi he xiu zheng zhi bi xu shi you xiao de shu zhi");
        break;
    case CConfigWriter::YearOutOfRange:
        text = tr("dian nao ri qi he ding shi kai qi ,guan bi shi jian bi xu zai 2000 nian dao 2255 nian "
                  "zhi jian");
        break;
    }
    CMessageBox::show(this, QMessageBox::Warning, tr("cuo wu"), text, tr("que ding"));
}

// Never reached while the button stays hidden: puts the advanced page back
// to the values it was built with.
void CDeviceSetting::OnDefaultSettingBtnClick()
{
    applyAdvanced(CConfigValues::defaults(now()));
}

void CDeviceSetting::OnDeviceSettingBtnClick()
{
    emit deviceConfigurationRequested();
}

void CDeviceSetting::OnOpenSettingFileBtnClick()
{
    // Without a template to load there is nothing to do (loading a missing
    // file would zero every field).
    const QString name = ui->settingFilePathCB->currentText();
    const QString path = m_templateDir + QLatin1Char('/') + name;
    if (name.isEmpty() || !QFileInfo(path).isFile())
        return;
    CConfigValues v = values();
    // A template that cannot be loaded leaves the page as it was.
    switch (CConfigTemplate::load(path, v, now())) {
    case CConfigTemplate::LoadResult::Loaded:
        applyAdvanced(v);
        break;
    case CConfigTemplate::LoadResult::NotANumber:
        showWriteResult(CConfigWriter::NotANumber);
        break;
    case CConfigTemplate::LoadResult::Damaged:
        CMessageBox::show(this, QMessageBox::Warning, tr("cuo wu"),
            tr("mo ban wen jian yi sun huai ,wei neng zai ru"), tr("que ding"));
        break;
    }
}

void CDeviceSetting::OnSaveSettingFileBtnClick()
{
    bool ok = false;
    const QString name = CTemplateNameDialog::getName(this,
        { tr("mo ban xin xi"), tr("qing shu ru mo ban de wen jian ming :"), QString(), tr("que ding"),
            tr("qu xiao") },
        &ok);
    if (!ok)
        return;
    switch (CConfigTemplate::saveNamed(m_templateDir, name, values())) {
    case CConfigTemplate::Result::InvalidName:
        CMessageBox::show(this, QMessageBox::Warning, tr("cuo wu"),
            tr("mo ban ming cheng bu neng wei kong ,ye bu neng bao han \"/\""), tr("que ding"));
        return;
    case CConfigTemplate::Result::Exists:
        CMessageBox::show(this, QMessageBox::Warning, tr("cuo wu"),
            tr("wen jian ming chong fu ,bao cun shi bai."), tr("que ding"));
        return;
    case CConfigTemplate::Result::Failed:
        CMessageBox::show(this, QMessageBox::Warning, tr("cuo wu"),
            tr("mo ban bao cun shi bai ,qing jian cha mo ban wen jian jia shi fou ke xie"), tr("que ding"));
        return;
    case CConfigTemplate::Result::Done:
        break;
    }
    reloadTemplates();
    CMessageBox::show(this, QMessageBox::Information, tr("xin xi"),
        tr("dang qian pei zhi wen jian xin xi bao cun cheng gong"), tr("que ding"));
}

void CDeviceSetting::limitDescription(QTextEdit *edit)
{
    const QString text = edit->toPlainText();
    QTextCursor cursor = edit->textCursor();
    int position = cursor.position();
    const QString limited = CConfigValues::limitDescription(text, &position);
    if (limited == text)
        return;
    edit->setPlainText(limited);
    cursor = edit->textCursor();
    cursor.setPosition(position);
    edit->setTextCursor(cursor);
}

void CDeviceSetting::OnWayDescTextChanged()
{
    limitDescription(ui->runwayDescTxt);
}

void CDeviceSetting::OnWayDescTextChanged2()
{
    limitDescription(ui->runwayDescTxt2);
}

void CDeviceSetting::OnStartTypeCbChanged(int index)
{
    ui->startDelayTime->setEnabled(index == 1);
    ui->startDateTimeEdit->setEnabled(index == 2);
}

void CDeviceSetting::OnStopTypeCbChanged(int index)
{
    ui->stopDateTimeEdit->setEnabled(index == 1);
}

void CDeviceSetting::OnTempUnitDuChanged()
{
    if (!ui->tempUnitDuRb->isChecked())
        return;
    for (QLabel *unit : { ui->tempHighUnitLb, ui->tempLowUnitLb, ui->adjustTempUnitLb })
        unit->setText(tr("du"));
}

void CDeviceSetting::OnTempUnitFChanged()
{
    if (!ui->tempUnitFRb->isChecked())
        return;
    for (QLabel *unit : { ui->tempHighUnitLb, ui->tempLowUnitLb, ui->adjustTempUnitLb })
        unit->setText(tr("f"));
}

void CDeviceSetting::OnBaseConfigPageChanged()
{
    if (!ui->baseConfigModelRb->isChecked())
        return;
    ui->saveSettingBtn->hide();
    ui->saveSettingLine->hide();
    ui->configStack->setCurrentWidget(ui->basePage);
}

void CDeviceSetting::OnHighConfigPageChanged()
{
    if (!ui->highConfigModelRb->isChecked())
        return;
    ui->saveSettingBtn->show();
    ui->saveSettingLine->show();
    ui->configStack->setCurrentWidget(ui->highPage);
}
