#include "configuration/csettingfilemanager.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

CSettingFileManager::CSettingFileManager(CDravik *window, QWidget *parent)
    : QDialog(parent)
    , m_mainWindow(window)
{
    setObjectName("CSettingFileManager");
    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
