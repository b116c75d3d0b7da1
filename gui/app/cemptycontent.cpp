#include "gui/app/cemptycontent.h"

#include <QFrame>
#include <QVBoxLayout>

CEmptyContent::CEmptyContent(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("CEmptyContent");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *titleBar = new QFrame(this);
    titleBar->setObjectName("emptyContentTitleBar");
    titleBar->setFixedHeight(48);
    titleBar->setStyleSheet("#emptyContentTitleBar{background-color: rgb(108, 108, 108);}");
    auto *frame = new QFrame(this);
    frame->setObjectName("emptyContentFrame");
    frame->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(titleBar);
    layout->addWidget(frame, 1);
}
