#include "gui/app/caboutsoftinfo.h"

#include "core/record/appglobals.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutSoftInfo::CAboutSoftInfo(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("CAboutSoftInfo");
    setWindowTitle(tr("关于"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *logo = new QLabel(this);
    logo->setObjectName("logoLab");
    logo->setPixmap(QIcon(":/CDravik/image/logo_neut.ico").pixmap(64, 64));
    // The product name follows the configured language; it is not translated.
    auto *name = new QLabel(languageCode == QLatin1String("en") ? QStringLiteral("Vesmira")
                                                                : QStringLiteral("记录仪产品上位机软件"),
        this);
    name->setObjectName("productNameLab");
    name->setStyleSheet("font-size: 16pt; font-weight: bold;");
    auto *description = new QLabel(tr("<html><head/><body><p><span style=\" "
                                      "font-size:12pt;\">记录仪产品上位机软件</span></p></body></html>"),
        this);
    description->setObjectName("productDescLab");
    auto *version = new QLabel(tr("V1.0.10"), this);
    version->setObjectName("versionLab");
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName("okBtn");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(description);
    text->addWidget(version);
    auto *top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}
