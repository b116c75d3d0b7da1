#include "gui/view/ccurvetracer.h"

#include "core/record/ccomparedata.h"
#include "core/record/crecord.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <qcustomplot.h>

namespace {
const char *const LayerName = "tracer";
} // namespace

CCurveTracer::CCurveTracer(QCustomPlot *plot, QObject *parent)
    : QObject(parent)
    , m_plot(plot)
{
    m_layer = plot->layer(QLatin1String(LayerName));
    if (!m_layer) {
        // On top of everything. The overlay layer below it (the selection
        // rectangle, which this plot does not use) shares the buffer of the
        // layers under it: each repaint of the widget copies one buffer less.
        QCPLayer *top = plot->layer(plot->layerCount() - 1);
        plot->addLayer(QLatin1String(LayerName), top, QCustomPlot::limAbove);
        m_layer = plot->layer(QLatin1String(LayerName));
        if (QCPLayer *overlay = plot->layer(QStringLiteral("overlay")))
            overlay->setMode(QCPLayer::lmLogical);
    }
    m_layer->setMode(QCPLayer::lmBuffered);
    plot->setMouseTracking(true);
    plot->installEventFilter(this);
    connect(plot, SIGNAL(mouseMove(QMouseEvent *)), this, SLOT(onMouseMove(QMouseEvent *)));
}

void CCurveTracer::createItems()
{
    const QPen markPen(Qt::black, 1.5);
    m_tempMark = new QCPItemTracer(m_plot);
    m_tempMark->position->setAxes(m_plot->xAxis, m_plot->yAxis);
    m_humidityMark = new QCPItemTracer(m_plot);
    m_humidityMark->position->setAxes(m_plot->xAxis, m_plot->yAxis2);
    for (QCPItemTracer *mark : { m_tempMark.data(), m_humidityMark.data() }) {
        mark->setStyle(QCPItemTracer::tsCircle);
        mark->setSize(9);
        mark->setPen(markPen);
        mark->setBrush(QColor(255, 255, 255, 160));
    }

    m_keyLine = new QCPItemStraightLine(m_plot);
    // A plain hairline: a dotted, smoothed line across the plot costs more
    // than the rest of the read-out together.
    m_keyLine->setPen(QPen(QColor(150, 150, 150), 0));
    m_keyLine->setAntialiased(false);
    for (QCPItemPosition *end : { m_keyLine->point1, m_keyLine->point2 })
        end->setAxes(m_plot->xAxis, m_plot->yAxis);

    // The label hangs on the temperature mark (offsets in pixels), so that
    // it moves with it when the user drags or zooms.
    m_label = new QCPItemText(m_plot);
    m_label->position->setParentAnchor(m_tempMark->position);
    m_label->position->setType(QCPItemPosition::ptAbsolute);
    m_label->setTextAlignment(Qt::AlignLeft);
    m_label->setPadding(QMargins(6, 4, 6, 4));
    m_label->setBrush(QColor(255, 255, 255, 230));
    m_label->setPen(QPen(QColor(120, 120, 120)));
    m_label->setClipToAxisRect(false);

    for (QCPAbstractItem *item :
        std::initializer_list<QCPAbstractItem *> { m_keyLine, m_tempMark, m_humidityMark, m_label }) {
        item->setLayer(m_layer);
        item->setSelectable(false);
        item->setVisible(false);
    }
}

void CCurveTracer::setCurve(const std::shared_ptr<const CRecord> &record, const CCurveData &curve)
{
    m_record = record;
    m_curve = curve;
    m_humidity = record && record->hasHumidity() && curve.humidities.size() == curve.keys.size();
    m_unitSign = record ? CCompareData::unitSign(record->summary.tempUnit) : QString();
    if (m_unitSign.isEmpty() && record)
        m_unitSign = record->summary.tempUnit;
    m_point = -1;
    // Drawing cleared the plot's items, the old read-out with them; what is
    // left goes now (the label first: it hangs on a mark).
    for (QCPAbstractItem *item :
        std::initializer_list<QCPAbstractItem *> { m_label, m_keyLine, m_tempMark, m_humidityMark }) {
        if (item)
            m_plot->removeItem(item);
    }
    createItems();
}

QString CCurveTracer::labelText(const TempDataItem &sample, const QString &unitSign, bool withHumidity)
{
    // The time as the data list reads it; a text that is no time as printed.
    const QString time = sample.time.isValid() ? sample.time.toText() : sample.recordTime;
    QString text = time + QLatin1Char('\n') + QCoreApplication::translate("CDeviceDataInfo", "温度")
        + QStringLiteral(": ") + sample.temp + unitSign;
    if (withHumidity)
        text += QLatin1Char('\n') + QCoreApplication::translate("CDeviceDataInfo", "湿度")
            + QStringLiteral(": ") + sample.shidu + QLatin1Char('%');
    return text;
}

QString CCurveTracer::text() const
{
    return m_point >= 0 && m_label ? m_label->text() : QString();
}

int CCurveTracer::followPointer(const QPointF &pos)
{
    const QRect area = m_plot->axisRect()->rect();
    int point = -1;
    if (m_record && m_label && area.contains(pos.toPoint()))
        point = m_curve.nearestPoint(m_plot->xAxis->pixelToCoord(pos.x()));
    if (point < 0) {
        hide();
        return -1;
    }
    if (point == m_point)
        return point;
    m_point = point;

    const double key = m_curve.keys.at(point);
    const int sample = m_curve.samples.at(point);
    const bool known = sample >= 0 && sample < m_record->data.size();
    m_tempMark->position->setCoords(key, m_curve.temps.at(point));
    m_tempMark->setVisible(true);
    if (m_humidity) {
        m_humidityMark->position->setCoords(key, m_curve.humidities.at(point));
        m_humidityMark->setVisible(m_plot->yAxis2->visible());
    }
    m_keyLine->point1->setCoords(key, 0);
    m_keyLine->point2->setCoords(key, 1);
    m_keyLine->setVisible(true);
    m_label->setText(known ? labelText(m_record->data.at(sample), m_unitSign, m_humidity) : QString());

    // The label beside the mark, on the side with more room.
    const bool left = m_plot->xAxis->coordToPixel(key) > area.center().x();
    const bool below = m_plot->yAxis->coordToPixel(m_curve.temps.at(point)) < area.center().y();
    m_label->setPositionAlignment(
        (left ? Qt::AlignRight : Qt::AlignLeft) | (below ? Qt::AlignTop : Qt::AlignBottom));
    m_label->position->setCoords(left ? -12 : 12, below ? 12 : -12);
    m_label->setVisible(true);
    m_layer->replot();
    return point;
}

void CCurveTracer::hide()
{
    if (m_point < 0)
        return;
    m_point = -1;
    for (QCPAbstractItem *item :
        std::initializer_list<QCPAbstractItem *> { m_keyLine, m_tempMark, m_humidityMark, m_label }) {
        if (item)
            item->setVisible(false);
    }
    m_layer->replot();
}

void CCurveTracer::onMouseMove(QMouseEvent *event)
{
    followPointer(event->localPos());
}

bool CCurveTracer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_plot && event->type() == QEvent::Leave)
        hide();
    return QObject::eventFilter(watched, event);
}
