#include "gui/app/cdeviceconnect.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

CDeviceConnect::CDeviceConnect(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("CDeviceConnect");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 32, 24, 24);
    layout->setSpacing(16);

    auto *heading = new QLabel(tr("设备连接成功"), this);
    heading->setObjectName("deviceConnectTitleLab");
    heading->setStyleSheet("font-size: 16pt; font-weight: bold; color: rgb(0, 117, 175);");
    heading->setWordWrap(true);
    auto *status = new QLabel(tr("设备成功连接于计算机"), this);
    status->setObjectName("deviceConnectStatusLab");
    status->setStyleSheet("color: rgb(0, 170, 0); font-size: 12pt;");
    status->setWordWrap(true);
    auto *explanation = new QLabel(tr("<html><head/><body><p>可以直接以操作U盘的方式读取PDF文档，"
                                      "也可以在上位机软件中通过相应的操作来查看数据。</p></body></html>"),
        this);
    explanation->setObjectName("deviceConnectExplainLab");
    explanation->setWordWrap(true);
    explanation->setStyleSheet("color: rgb(90, 90, 90);");

    auto *picture = new QLabel(this);
    picture->setObjectName("devicePictureLab");
    picture->setAlignment(Qt::AlignCenter);
    QImage image;
    if (image.load(":/CDravik/image/device.png"))
        picture->setPixmap(QPixmap::fromImage(image));

    m_downloadBtn = new QPushButton(QIcon(":/CDravik/image/download.png"), tr("下载数据"), this);
    m_downloadBtn->setObjectName("downloadUsbDataBtn");
    m_downloadBtn->setMinimumHeight(40);
    connect(m_downloadBtn, SIGNAL(clicked()), this, SLOT(OnDownloadUsbDataBtnClick()));

    layout->addWidget(heading);
    layout->addWidget(status);
    layout->addWidget(explanation);
    layout->addWidget(picture);
    layout->addWidget(m_downloadBtn);
    layout->addStretch(1);
}

void CDeviceConnect::OnDownloadUsbDataBtnClick()
{
    m_downloadBtn->setEnabled(false);
    emit readAgainRequested();
    m_downloadBtn->setEnabled(true);
}
