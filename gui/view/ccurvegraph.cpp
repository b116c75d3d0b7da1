#include "gui/view/ccurvegraph.h"

#include <algorithm>
#include <cmath>

namespace {

// A red disc 6 pixels wide, painted once: thousands of marks are copied, not
// each smoothed anew.
const QPixmap &alarmMark(qreal pixelRatio)
{
    static QPixmap mark;
    if (mark.isNull() || mark.devicePixelRatioF() != pixelRatio) {
        const int side = qCeil(8 * pixelRatio);
        mark = QPixmap(side, side);
        mark.setDevicePixelRatio(pixelRatio);
        mark.fill(Qt::transparent);
        QPainter painter(&mark);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        painter.drawEllipse(QPointF(4, 4), 3, 3);
    }
    return mark;
}

} // namespace

CCurveGraph::CCurveGraph(QCPAxis *keyAxis, QCPAxis *valueAxis)
    : QCPGraph(keyAxis, valueAxis)
{
    setAdaptiveSampling(true);
    setLineStyle(lsLine);
}

void CCurveGraph::getOptimizedLineData(QVector<QCPGraphData> *lineData,
    const QCPGraphDataContainer::const_iterator &begin,
    const QCPGraphDataContainer::const_iterator &end) const
{
    // Each stretch between two stops is sampled on its own: a pixel column
    // never mixes the values of both sides of a stop, and a point with a
    // NaN value between the stretches keeps the painter from joining them.
    // (QCPGraph's sampling appends to its vector or replaces what it held,
    // depending on the density: a fresh one for each stretch.)
    const QCPGraphDataContainer::const_iterator first = mDataContainer->constBegin();
    const int from = int(begin - first);
    const int to = int(end - first);
    auto it = std::upper_bound(m_breaks.cbegin(), m_breaks.cend(), from);
    lineData->clear();
    if (it == m_breaks.cend() || *it >= to) {
        QCPGraph::getOptimizedLineData(lineData, begin, end);
        return;
    }
    QVector<QCPGraphData> stretch;
    int start = from;
    for (; it != m_breaks.cend() && *it < to; ++it) {
        stretch.clear();
        QCPGraph::getOptimizedLineData(&stretch, first + start, first + *it);
        *lineData << stretch << QCPGraphData((first + *it)->key, std::nan(""));
        start = *it;
    }
    stretch.clear();
    QCPGraph::getOptimizedLineData(&stretch, first + start, end);
    *lineData << stretch;
}

void CCurveGraph::drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const
{
    // A broken pen keeps its pattern along the whole line.
    if (painter->pen().style() != Qt::SolidLine || mKeyAxis->orientation() != Qt::Horizontal) {
        QCPGraph::drawLinePlot(painter, lines);
        return;
    }
    // The points in groups of one pixel column each: a group of several
    // points becomes a bar over the column's span (whole pixels, so the
    // painter fills it without smoothing), and the step to the next column,
    // when that is a bar too, is added to the span. Other steps are lines.
    struct Group {
        int first, last; // indices into lines
        int column;
        double low, high;
    };
    QVector<Group> groups;
    const int n = lines.size();
    for (int i = 0; i < n;) {
        if (std::isnan(lines.at(i).y())) {
            ++i;
            continue;
        }
        Group group { i, i, int(std::floor(lines.at(i).x())), lines.at(i).y(), lines.at(i).y() };
        int j = i + 1;
        for (; j < n && !std::isnan(lines.at(j).y()) && int(std::floor(lines.at(j).x())) == group.column;
             ++j) {
            group.low = qMin(group.low, lines.at(j).y());
            group.high = qMax(group.high, lines.at(j).y());
        }
        group.last = j - 1;
        groups << group;
        i = j;
    }
    const int width = qMax(1, qRound(painter->pen().widthF()));
    QVector<QLineF> steps;
    QVector<QRect> bars;
    for (int k = 0; k < groups.size(); ++k) {
        Group &group = groups[k];
        const bool joined = k + 1 < groups.size() && groups.at(k + 1).first == group.last + 1;
        const bool bar = group.last > group.first;
        if (joined) {
            const Group &next = groups.at(k + 1);
            if (bar && next.last > next.first && next.column == group.column + 1) {
                group.low = qMin(group.low, lines.at(next.first).y());
                group.high = qMax(group.high, lines.at(next.first).y());
            } else {
                steps << QLineF(lines.at(group.last), lines.at(next.first));
            }
        }
        if (bar) {
            const int top = int(std::floor(group.low - width / 2.0));
            const int bottom = int(std::ceil(group.high + width / 2.0));
            bars << QRect(group.column - (width - 1) / 2, top, width, bottom - top);
        }
    }
    painter->drawLines(steps);
    // Whole pixels need no smoothing, and a smoothed fill takes the slow
    // road of the painter even for them.
    const bool smooth = painter->antialiasing();
    painter->setAntialiasing(false);
    for (const QRect &bar : bars)
        painter->fillRect(bar, painter->pen().color());
    painter->setAntialiasing(smooth);
}

bool CCurveGraph::visiblePoints(int &from, int &to) const
{
    if (!mKeyAxis || !mValueAxis || mDataContainer->isEmpty() || mKeyAxis->range().size() <= 0)
        return false;
    QCPGraphDataContainer::const_iterator begin, end;
    getVisibleDataBounds(begin, end, QCPDataRange(0, dataCount()));
    from = int(begin - mDataContainer->constBegin());
    to = int(end - mDataContainer->constBegin());
    return from < to;
}

QVector<QPointF> CCurveGraph::drawnLine() const
{
    QVector<QPointF> lines;
    getLines(&lines, QCPDataRange(0, dataCount()));
    return lines;
}

QVector<QPointF> CCurveGraph::drawnMarks() const
{
    QVector<QPointF> marks;
    int from, to;
    if (m_alarmPoints.isEmpty() || !visiblePoints(from, to))
        return marks;
    // The marks come in the order of the keys, so column by column: of each
    // column the highest and the lowest mark (a disc hides those between).
    const QCPGraphDataContainer::const_iterator data = mDataContainer->constBegin();
    auto it = std::lower_bound(m_alarmPoints.cbegin(), m_alarmPoints.cend(), from);
    const auto last = std::lower_bound(it, m_alarmPoints.cend(), to);
    QPointF top, bottom;
    int column = 0;
    bool open = false;
    for (; it != last; ++it) {
        const QPointF pixel = coordsToPixels((data + *it)->key, (data + *it)->value);
        const int x = int(std::floor(pixel.x()));
        if (open && x == column) {
            if (pixel.y() < top.y())
                top = pixel;
            if (pixel.y() > bottom.y())
                bottom = pixel;
            continue;
        }
        if (open) {
            marks << top;
            if (bottom != top)
                marks << bottom;
        }
        column = x;
        top = bottom = pixel;
        open = true;
    }
    if (open) {
        marks << top;
        if (bottom != top)
            marks << bottom;
    }
    return marks;
}

void CCurveGraph::draw(QCPPainter *painter)
{
    // The plot's buffers are painted with the high-quality hint, which the
    // raster engine takes for smoothing: with it even the whole-pixel bars
    // of the line would be filled the slow way. Smoothing follows the
    // plot's own antialiasing settings alone.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    painter->setRenderHint(QPainter::HighQualityAntialiasing, false);
    QT_WARNING_POP
    QCPGraph::draw(painter);
    int from, to;
    if (!visiblePoints(from, to))
        return;
    applyScattersAntialiasingHint(painter);
    painter->setPen(Qt::NoPen);

    // A stretch of one sample has no segment: a dot as wide as the line.
    painter->setBrush(mPen.color());
    const double radius = qMax(2.0, mPen.widthF());
    const QCPGraphDataContainer::const_iterator data = mDataContainer->constBegin();
    const int count = dataCount();
    for (int k = -1; k < m_breaks.size(); ++k) {
        const int start = k < 0 ? 0 : m_breaks.at(k);
        const int next = k + 1 < m_breaks.size() ? m_breaks.at(k + 1) : count;
        if (next - start == 1 && start >= from && start < to)
            painter->drawEllipse(coordsToPixels((data + start)->key, (data + start)->value), radius, radius);
    }

    const QPixmap &mark = alarmMark(painter->device() ? painter->device()->devicePixelRatioF() : 1.0);
    for (const QPointF &at : drawnMarks())
        painter->drawPixmap(QPointF(qRound(at.x()) - 4, qRound(at.y()) - 4), mark);
}
