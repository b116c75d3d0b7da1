#include "gui/configuration/csettingfilemanager.h"

#include "core/configuration/cconfigtemplate.h"
#include "core/record/appglobals.h"
#include "core/record/crecordconfig.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/csingleinstance.h"
#include "gui/configuration/ctemplatenamedialog.h"
#include "gui/configuration/switchbutton.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
CSettingFileManager::RestartHandler s_restartHandler;
}

CSettingFileManager::CSettingFileManager(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("CSettingFileManager");
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *preferences = new QGridLayout;
    m_adjustSwitch = new SwitchButton(this);
    m_adjustSwitch->setObjectName("adjustSwitchBtn");
    m_adjustSwitch->setProperty("textOn", tr("显示"));
    m_adjustSwitch->setProperty("textOff", tr("不显示"));
    preferences->addWidget(new QLabel(tr("修正值是否显示："), this), 0, 0);
    preferences->addWidget(m_adjustSwitch, 0, 1, Qt::AlignLeft);
    m_languageCb = new QComboBox(this);
    m_languageCb->setObjectName("languageCb");
    m_languageCb->addItems({ tr("English"), tr("中文(简体)") });
    preferences->addWidget(new QLabel(tr("语言："), this), 1, 0);
    preferences->addWidget(m_languageCb, 1, 1);
    preferences->setColumnStretch(2, 1);
    layout->addLayout(preferences);

    auto *group = new QGroupBox(tr("模板管理"), this);
    group->setObjectName("templateGroup");
    auto *groupLayout = new QVBoxLayout(group);
    m_templateList = new QListWidget(group);
    m_templateList->setObjectName("templateList");
    groupLayout->addWidget(m_templateList);
    auto *buttons = new QHBoxLayout;
    m_renameBtn = new QPushButton(tr("重命名"), group);
    m_renameBtn->setObjectName("renameBtn");
    m_deleteBtn = new QPushButton(tr("删除"), group);
    m_deleteBtn->setObjectName("deleteBtn");
    buttons->addStretch(1);
    buttons->addWidget(m_renameBtn);
    buttons->addWidget(m_deleteBtn);
    groupLayout->addLayout(buttons);
    layout->addWidget(group, 1);

    // Set before the slot is connected: opening the dialog asks nothing.
    m_languageCb->setCurrentIndex(languageCode == QLatin1String("en") ? 0 : 1);

    connect(m_adjustSwitch, SIGNAL(checkedChanged(bool)), this, SLOT(OnAdjustSwitch(bool)));
    connect(m_languageCb, SIGNAL(currentIndexChanged(int)), this, SLOT(OnLanguageChanged(int)));
    connect(m_renameBtn, SIGNAL(clicked()), this, SLOT(OnRenameBtnClick()));
    connect(m_deleteBtn, SIGNAL(clicked()), this, SLOT(OnDeleteBtnClick()));
    setWindowTitle(tr("settingFileManager_title"));
    m_adjustSwitch->setChecked(false);
    if (tempAdjust == 1)
        m_adjustSwitch->setChecked(true);

    m_templateDir = CConfigTemplate::directory();
    refreshTemplateList();
}

void CSettingFileManager::OnAdjustSwitch(bool on)
{
    tempAdjust = on ? 1 : 0;
    CRecordConfig::instance()->setTempAdjust(tempAdjust);
}

void CSettingFileManager::OnLanguageChanged(int index)
{
    CRecordConfig::instance()->setFormLan(index == 0 ? QStringLiteral("1033") : QStringLiteral("2052"));
    // Asked in the language now running, not through the translations.
    QMessageBox::StandardButton answer;
    if (languageCode == QLatin1String("en")) {
        answer = CMessageBox::show(this, QMessageBox::Information, QStringLiteral("tips"),
            QStringLiteral("The language change will take effect after restart."),
            QStringLiteral("Restart Now"), QStringLiteral("Later"));
    } else {
        answer = CMessageBox::show(this, QMessageBox::Information, QString::fromUtf8("提示"),
            QString::fromUtf8("语言更改将在重新启动后生效."), QString::fromUtf8("现在重启"),
            QString::fromUtf8("稍后重启"));
    }
    if (answer == QMessageBox::Ok)
        restartApplication();
}

void CSettingFileManager::OnRenameBtnClick()
{
    const QListWidgetItem *item = m_templateList->currentItem();
    if (!item)
        return;
    const QString fileName = item->text();
    bool ok = false;
    const QString name = CTemplateNameDialog::getName(this,
        { tr("mo ban xin xi"), tr("qing shu ru mo ban de wen jian ming :"),
            fileName.section(QLatin1Char('.'), 0, 0), tr("que ding"), tr("qu xiao") },
        &ok);
    if (!ok)
        return;
    switch (CConfigTemplate::rename(m_templateDir, fileName, name)) {
    case CConfigTemplate::Result::InvalidName:
        CMessageBox::show(this, QMessageBox::Warning, tr("cuo wu"),
            tr("mo ban ming cheng bu neng wei kong ,ye bu neng bao han \"/\""), tr("que ding"));
        return;
    case CConfigTemplate::Result::Exists:
        CMessageBox::show(this, QMessageBox::Warning, tr("cuo wu"),
            tr("wen jian ming chong fu ,bao cun shi bai."), tr("que ding"));
        return;
    case CConfigTemplate::Result::Failed:
        // The list shows what the folder holds now (the file may be gone).
        templateFilesChanged();
        CMessageBox::show(
            this, QMessageBox::Warning, tr("cuo wu"), tr("mo ban chong ming ming shi bai"), tr("que ding"));
        return;
    case CConfigTemplate::Result::Done:
        templateFilesChanged();
        return;
    }
}

void CSettingFileManager::OnDeleteBtnClick()
{
    const QListWidgetItem *item = m_templateList->currentItem();
    if (!item)
        return;
    const QString fileName = item->text();
    const QString question
        = QString("%1 %2 %3").arg(tr("que ding shan chu ming wei "), fileName, tr(" de wen jian ma ?"));
    if (CMessageBox::show(this, QMessageBox::Question, tr("ti shi"), question, tr("que ding"), tr("qu xiao"))
        != QMessageBox::Ok)
        return;
    const bool removed = CConfigTemplate::remove(m_templateDir, fileName);
    templateFilesChanged();
    if (!removed) {
        CMessageBox::show(
            this, QMessageBox::Warning, tr("cuo wu"), tr("mo ban shan chu shi bai"), tr("que ding"));
    }
}

void CSettingFileManager::refreshTemplateList()
{
    m_templateList->clear();
    m_templateList->addItems(CConfigTemplate::managerList(m_templateDir));
    // A long name is cut in the list: whole in the tip.
    for (int row = 0; row < m_templateList->count(); ++row)
        m_templateList->item(row)->setToolTip(m_templateList->item(row)->text());
}

void CSettingFileManager::templateFilesChanged()
{
    refreshTemplateList();
    emit templatesChanged();
}

void CSettingFileManager::setRestartHandler(RestartHandler handler)
{
    s_restartHandler = std::move(handler);
}

void CSettingFileManager::restartApplication()
{
    if (s_restartHandler) {
        s_restartHandler();
        return;
    }
    // The new instance must find the guard free; this one only quits when
    // the event loop comes back.
    if (CSingleInstance *guard = CSingleInstance::current())
        guard->release();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList());
    QCoreApplication::quit();
}
