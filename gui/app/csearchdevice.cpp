#include "gui/app/csearchdevice.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

CSearchDevice::CSearchDevice(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("CSearchDevice");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 32, 24, 24);
    layout->setSpacing(16);

    auto *heading = new QLabel(tr("搜索设备..."), this);
    heading->setObjectName("searchDeviceTitleLab");
    heading->setStyleSheet("font-size: 16pt; font-weight: bold; color: rgb(0, 117, 175);");
    heading->setWordWrap(true);
    auto *instruction = new QLabel(tr("现在请将设备连接于计算机"), this);
    instruction->setObjectName("searchDeviceTipLab");
    instruction->setStyleSheet("font-size: 12pt;");
    instruction->setWordWrap(true);
    auto *explanation = new QLabel(
        tr("<html><head/"
           "><body><p>如果当前连接的是可自动生成PDF报告的设备，那么设备需要在生成报告后才能与上位机通讯，"
           "这个过程大概需要十几秒的时间。</p></body></html>"),
        this);
    explanation->setObjectName("searchDeviceExplainLab");
    explanation->setWordWrap(true);
    explanation->setStyleSheet("color: rgb(90, 90, 90);");

    auto *animation = new QLabel(this);
    animation->setObjectName("searchDeviceMovieLab");
    animation->setAlignment(Qt::AlignCenter);
    m_movie = new QMovie(":/CDravik/image/loading.gif", QByteArray(), this);
    animation->setMovie(m_movie);
    m_movie->start();

    layout->addWidget(heading);
    layout->addWidget(instruction);
    layout->addWidget(explanation);
    layout->addSpacing(24);
    layout->addWidget(animation);
    layout->addStretch(1);
}
