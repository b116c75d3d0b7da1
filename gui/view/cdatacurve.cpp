#include "gui/view/cdatacurve.h"

#include "core/record/crecord.h"
#include "gui/view/saxydatatracker.h"

#include <qcustomplot.h>

namespace {

const QCPLineEnding spikeArrow()
{
    return QCPLineEnding(QCPLineEnding::esSpikeArrow, 8, 10);
}

void setAxisFonts(QCPAxis *axis, const QFont &font)
{
    axis->setLabelFont(font);
    axis->setTickLabelFont(font);
}

// Red marks on the points of a graph that lie beyond the limits. A curve
// plottable rather than a graph: the marks are no data series of their own
// and stay out of the legend and of the graph count.
void addAlarmMarks(QCustomPlot *plot, QCPAxis *valueAxis, const QVector<double> &keys,
    const QVector<double> &values, const QVector<int> &points, const QString &objectName)
{
    if (points.isEmpty())
        return;
    QVector<double> t, k, v;
    t.reserve(points.size());
    k.reserve(points.size());
    v.reserve(points.size());
    for (int i : points) {
        t.append(t.size());
        k.append(keys.at(i));
        v.append(values.at(i));
    }
    auto *marks = new QCPCurve(plot->xAxis, valueAxis);
    marks->setObjectName(objectName);
    marks->setData(t, k, v, true);
    marks->setLineStyle(QCPCurve::lsNone);
    marks->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, Qt::red, Qt::red, 6));
    marks->setSelectable(QCP::stNone);
    marks->removeFromLegend();
}

} // namespace

CCurveData CDataCurve::draw(const QList<TempDataItem *> &samples, QCustomPlot *plot, SAXYDataTracker *home,
    const Names &names, bool withHumidity, const CAlarmLimits *limits)
{
    plot->clearItems();
    plot->clearPlottables();
    plot->replot(QCustomPlot::rpQueuedReplot);
    plot->show();

    const CCurveData curve = CCurveData::compute(samples, withHumidity);

    if (!withHumidity)
        plot->yAxis2->setVisible(false);

    plot->yAxis->setRange(curve.tempMin - 2, curve.tempMax + 2);
    home->tempLower = curve.tempMin - 2;
    home->tempUpper = curve.tempMax + 2;

    if (withHumidity) {
        plot->yAxis2->setVisible(true);
        plot->yAxis2->setTickLabels(true);
        plot->yAxis2->setLabel(names.humidityAxis);
        plot->yAxis2->setRange(curve.humidityMin - 2, curve.humidityMax + 2);
        home->humidityLower = curve.humidityMin - 2;
        home->humidityUpper = curve.humidityMax + 2;
    }

    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables);

    plot->legend->setVisible(true);
    plot->legend->setBrush(QBrush(QColor(255, 255, 255, 0), Qt::SolidPattern));
    plot->legend->setBorderPen(Qt::NoPen);

    QSharedPointer<QCPAxisTickerDateTime> ticker(new QCPAxisTickerDateTime);
    ticker->setDateTimeFormat("hh:mm:ss\nyyyy.MM.dd");
    ticker->setTickCount(9);
    ticker->setTickStepStrategy(QCPAxisTicker::tssMeetTickCount);
    plot->xAxis->setTicker(ticker);
    plot->xAxis->setUpperEnding(spikeArrow());
    plot->yAxis->setUpperEnding(spikeArrow());

    const QFont font(QStringLiteral("黑体"), 12, QFont::Normal, false);
    plot->legend->setFont(font);
    setAxisFonts(plot->xAxis, font);
    setAxisFonts(plot->yAxis, font);

    if (!curve.keys.isEmpty()) {
        plot->xAxis->setRange(curve.keys.first(), curve.keys.last());
        home->timeLower = curve.keys.first();
        home->timeUpper = curve.keys.last();
    }

    QCPGraph *tempGraph = plot->addGraph(plot->xAxis, plot->yAxis);
    tempGraph->setName(names.tempGraph);
    tempGraph->setData(curve.keys, curve.temps, true);
    tempGraph->setLineStyle(QCPGraph::lsLine);
    tempGraph->setPen(QPen(Qt::green, 2));

    if (withHumidity) {
        setAxisFonts(plot->xAxis2, font);
        setAxisFonts(plot->yAxis2, font);
        QCPGraph *humidityGraph = plot->addGraph(plot->xAxis, plot->yAxis2);
        humidityGraph->setName(names.humidityGraph);
        humidityGraph->setData(curve.keys, curve.humidities, true);
        humidityGraph->setLineStyle(QCPGraph::lsLine);
        humidityGraph->setPen(QPen(Qt::blue, 2));
        humidityGraph->setVisible(true);
        plot->yAxis2->setUpperEnding(spikeArrow());
        humidityGraph->rescaleValueAxis();
    }

    const QList<QCPAxis *> axes = { plot->yAxis2, plot->xAxis2, plot->yAxis, plot->xAxis };
    plot->axisRect()->setRangeDragAxes(axes);
    plot->axisRect()->setRangeZoomAxes(axes);
    if (limits)
        drawLimits(plot, curve, *limits, withHumidity);
    plot->replot();
    return curve;
}

CCurveData CDataCurve::drawRecord(const QList<TempDataItem *> &samples, const CAlarmLimits &limits,
    QCustomPlot *plot, SAXYDataTracker *home, bool withHumidity)
{
    if (withHumidity) {
        return draw(samples, plot, home,
            { tr("wen du space-------------------"), tr("湿度") + "(%)", tr("湿度") }, true, &limits);
    }
    const QString name = tr("温度 ");
    return draw(samples, plot, home, { name, name, name }, false, &limits);
}

void CDataCurve::addLimitLine(
    QCustomPlot *plot, QCPAxis *valueAxis, double value, const QColor &colour, const QString &objectName)
{
    auto *line = new QCPItemStraightLine(plot);
    line->setObjectName(objectName);
    line->setPen(QPen(colour, 1.5, Qt::DashLine));
    line->setSelectable(false);
    for (QCPItemPosition *end : { line->point1, line->point2 }) {
        end->setAxes(plot->xAxis, valueAxis);
        end->setType(QCPItemPosition::ptPlotCoords);
    }
    // A horizontal line: two points at the same value.
    line->point1->setCoords(0, value);
    line->point2->setCoords(1, value);
}

void CDataCurve::drawLimits(
    QCustomPlot *plot, const CCurveData &curve, const CAlarmLimits &limits, bool withHumidity)
{
    const QColor tempColour = plot->graphCount() > 0 ? plot->graph(0)->pen().color() : QColor(Qt::green);
    addLimitLine(plot, plot->yAxis, limits.tempHigh, tempColour, QStringLiteral("tempHighLine"));
    addLimitLine(plot, plot->yAxis, limits.tempLow, tempColour, QStringLiteral("tempLowLine"));
    addAlarmMarks(plot, plot->yAxis, curve.keys, curve.temps,
        curve.tempAlarmPoints(limits.tempHigh, limits.tempLow), QStringLiteral("tempAlarmMarks"));
    if (!withHumidity)
        return;
    const QColor humidityColour = plot->graphCount() > 1 ? plot->graph(1)->pen().color() : QColor(Qt::blue);
    addLimitLine(plot, plot->yAxis2, limits.humidityHigh, humidityColour, QStringLiteral("humidityHighLine"));
    addLimitLine(plot, plot->yAxis2, limits.humidityLow, humidityColour, QStringLiteral("humidityLowLine"));
    addAlarmMarks(plot, plot->yAxis2, curve.keys, curve.humidities,
        curve.humidityAlarmPoints(limits.humidityHigh, limits.humidityLow),
        QStringLiteral("humidityAlarmMarks"));
}

void CDataCurve::restoreHomeRanges(QCustomPlot *plot, const SAXYDataTracker *home)
{
    plot->yAxis->setRange(home->tempLower, home->tempUpper);
    plot->yAxis2->setRange(home->humidityLower, home->humidityUpper);
    plot->xAxis->setRange(home->timeLower, home->timeUpper);
    if (plot->graphCount() > 1)
        plot->graph(1)->rescaleValueAxis();
    plot->replot();
}
