#include "gui/view/cdatacurve.h"

#include "core/record/crecord.h"
#include "gui/view/ccurvegraph.h"
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

} // namespace

namespace {
QSharedPointer<QCPGraphDataContainer> container(const QVector<double> &keys, const QVector<double> &values)
{
    QVector<QCPGraphData> data(keys.size());
    for (int i = 0; i < keys.size(); ++i)
        data[i] = QCPGraphData(keys.at(i), values.at(i));
    auto made = QSharedPointer<QCPGraphDataContainer>::create();
    made->set(data, true);
    return made;
}
} // namespace

CDataCurve::Prepared CDataCurve::prepare(
    const CTempData &samples, const CAlarmLimits &limits, bool withHumidity)
{
    Prepared prepared;
    prepared.curve = CCurveData::compute(samples, withHumidity);
    const CCurveData &curve = prepared.curve;
    prepared.temps = container(curve.keys, curve.temps);
    prepared.tempAlarms = curve.tempAlarmPoints(limits.tempHigh, limits.tempLow);
    if (withHumidity) {
        prepared.humidities = container(curve.keys, curve.humidities);
        prepared.humidityAlarms = curve.humidityAlarmPoints(limits.humidityHigh, limits.humidityLow);
    }
    return prepared;
}

CCurveData CDataCurve::draw(const CTempData &samples, QCustomPlot *plot, SAXYDataTracker *home,
    const Names &names, bool withHumidity, const CAlarmLimits *limits, const Prepared *prepared)
{
    plot->clearItems();
    plot->clearPlottables();
    plot->replot(QCustomPlot::rpQueuedReplot);
    plot->show();

    const CCurveData curve = prepared ? prepared->curve : CCurveData::compute(samples, withHumidity);

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
    fitTimeTicks(plot, 9, QStringLiteral("0000.00.00"));
    plot->xAxis->setUpperEnding(spikeArrow());
    plot->yAxis->setUpperEnding(spikeArrow());

    const QFont font(QStringLiteral("黑体"), 12, QFont::Normal, false);
    plot->legend->setFont(font);
    setAxisFonts(plot->xAxis, font);
    setAxisFonts(plot->yAxis, font);

    if (!curve.keys.isEmpty()) {
        // Samples of one time only: a minute either side of it.
        const double spread = curve.keys.first() == curve.keys.last() ? 60 : 0;
        home->timeLower = curve.keys.first() - spread;
        home->timeUpper = curve.keys.last() + spread;
        plot->xAxis->setRange(home->timeLower, home->timeUpper);
    }

    auto *tempGraph = new CCurveGraph(plot->xAxis, plot->yAxis);
    tempGraph->setName(names.tempGraph);
    if (prepared)
        tempGraph->setData(prepared->temps);
    else
        tempGraph->setData(curve.keys, curve.temps, true);
    tempGraph->setBreaks(curve.breaks);
    tempGraph->setPen(QPen(Qt::green, 2));

    if (withHumidity) {
        setAxisFonts(plot->xAxis2, font);
        setAxisFonts(plot->yAxis2, font);
        auto *humidityGraph = new CCurveGraph(plot->xAxis, plot->yAxis2);
        humidityGraph->setName(names.humidityGraph);
        if (prepared && prepared->humidities)
            humidityGraph->setData(prepared->humidities);
        else
            humidityGraph->setData(curve.keys, curve.humidities, true);
        humidityGraph->setBreaks(curve.breaks);
        humidityGraph->setPen(QPen(Qt::blue, 2));
        humidityGraph->setVisible(true);
        plot->yAxis2->setUpperEnding(spikeArrow());
        humidityGraph->rescaleValueAxis();
    }

    const QList<QCPAxis *> axes = { plot->yAxis2, plot->xAxis2, plot->yAxis, plot->xAxis };
    plot->axisRect()->setRangeDragAxes(axes);
    plot->axisRect()->setRangeZoomAxes(axes);
    if (limits)
        drawLimits(plot, curve, *limits, withHumidity, prepared);
    plot->replot();
    return curve;
}

CCurveData CDataCurve::drawRecord(const CTempData &samples, const CAlarmLimits &limits, QCustomPlot *plot,
    SAXYDataTracker *home, bool withHumidity, const Prepared *prepared)
{
    if (withHumidity) {
        return draw(samples, plot, home,
            { tr("wen du space-------------------"), tr("湿度") + "(%)", tr("湿度") }, true, &limits,
            prepared);
    }
    const QString name = tr("温度 ");
    return draw(samples, plot, home, { name, name, name }, false, &limits, prepared);
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

void CDataCurve::drawLimits(QCustomPlot *plot, const CCurveData &curve, const CAlarmLimits &limits,
    bool withHumidity, const Prepared *prepared)
{
    auto *tempGraph = plot->graphCount() > 0 ? qobject_cast<CCurveGraph *>(plot->graph(0)) : nullptr;
    const QColor tempColour = tempGraph ? tempGraph->pen().color() : QColor(Qt::green);
    addLimitLine(plot, plot->yAxis, limits.tempHigh, tempColour, QStringLiteral("tempHighLine"));
    addLimitLine(plot, plot->yAxis, limits.tempLow, tempColour, QStringLiteral("tempLowLine"));
    if (tempGraph)
        tempGraph->setAlarmPoints(
            prepared ? prepared->tempAlarms : curve.tempAlarmPoints(limits.tempHigh, limits.tempLow));
    if (!withHumidity)
        return;
    auto *humidityGraph = plot->graphCount() > 1 ? qobject_cast<CCurveGraph *>(plot->graph(1)) : nullptr;
    const QColor humidityColour = humidityGraph ? humidityGraph->pen().color() : QColor(Qt::blue);
    addLimitLine(plot, plot->yAxis2, limits.humidityHigh, humidityColour, QStringLiteral("humidityHighLine"));
    addLimitLine(plot, plot->yAxis2, limits.humidityLow, humidityColour, QStringLiteral("humidityLowLine"));
    if (humidityGraph)
        humidityGraph->setAlarmPoints(prepared
                ? prepared->humidityAlarms
                : curve.humidityAlarmPoints(limits.humidityHigh, limits.humidityLow));
}

QString CDataCurve::unreadableNote(int count)
{
    return count > 0 ? tr("时间无法读取的样本（未绘制）：%1").arg(count) : QString();
}

void CDataCurve::fitTimeTicks(QCustomPlot *plot, int most, const QString &widest)
{
    // Once for a plot, whatever is drawn on it later.
    if (plot->property("fitTimeTicks").toBool())
        return;
    plot->setProperty("fitTimeTicks", true);
    QObject::connect(plot, &QCustomPlot::beforeReplot, plot, [plot, most, widest] {
        QCPAxis *axis = plot->xAxis;
        const int label = QFontMetrics(axis->tickLabelFont()).horizontalAdvance(widest) + 20;
        const int ticks = qBound(2, axis->axisRect()->width() / label, most);
        if (axis->ticker()->tickCount() != ticks)
            axis->ticker()->setTickCount(ticks);
    });
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
