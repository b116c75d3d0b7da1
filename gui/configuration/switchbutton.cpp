#include "gui/configuration/switchbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

SwitchButton::SwitchButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void SwitchButton::setTextOn(const QString &text)
{
    m_textOn = text;
    updateGeometry();
    update();
}

void SwitchButton::setTextOff(const QString &text)
{
    m_textOff = text;
    updateGeometry();
    update();
}

void SwitchButton::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    update();
    emit checkedChanged(checked);
}

QSize SwitchButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int text = qMax(metrics.horizontalAdvance(m_textOn), metrics.horizontalAdvance(m_textOff));
    const int height = metrics.height() + 10;
    return QSize(text + height + 16, height);
}

QSize SwitchButton::minimumSizeHint() const
{
    return sizeHint();
}

void SwitchButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = track.height() / 2;
    const QColor on = isEnabled() ? QColor(0, 117, 175) : QColor(150, 170, 185);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_checked ? on : QColor(200, 200, 200));
    painter.drawRoundedRect(track, radius, radius);

    const qreal knobSize = track.height() - 4;
    const qreal knobX = m_checked ? track.right() - 2 - knobSize : track.left() + 2;
    const QRectF knob(knobX, track.top() + 2, knobSize, knobSize);
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);

    // The text stands on the side the knob left free.
    QRectF textRect = track.adjusted(radius / 2, 0, -radius / 2, 0);
    if (m_checked)
        textRect.setRight(knob.left());
    else
        textRect.setLeft(knob.right());
    painter.setPen(m_checked ? Qt::white : QColor(80, 80, 80));
    painter.drawText(textRect, Qt::AlignCenter, m_checked ? m_textOn : m_textOff);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track, radius, radius);
    }
}

void SwitchButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        setChecked(!m_checked);
}

void SwitchButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        setChecked(!m_checked);
    else
        QWidget::keyPressEvent(event);
}
