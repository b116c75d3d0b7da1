#include "gui/view/cdatacurve.h"

#include "core/record/ccurvedata.h"
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

void CDataCurve::draw(const QList<TempDataItem *> &samples, QCustomPlot *plot, SAXYDataTracker *home,
    const Names &names, bool withHumidity)
{
    plot->clearItems();
    plot->clearGraphs();
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
    plot->replot();
}

void CDataCurve::drawRecord(
    const QList<TempDataItem *> &samples, QCustomPlot *plot, SAXYDataTracker *home, bool withHumidity)
{
    if (withHumidity) {
        draw(samples, plot, home, { tr("wen du space-------------------"), tr("湿度") + "(%)", tr("湿度") },
            true);
    } else {
        const QString name = tr("温度 ");
        draw(samples, plot, home, { name, name, name }, false);
    }
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
