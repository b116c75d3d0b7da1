#include "gui/view/ccompareview.h"

#include "core/record/csummarydisplay.h"
#include "gui/view/cdatacurve.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <qcustomplot.h>

CCompareView::CCompareView(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("CCompareView");
    setWindowTitle(tr("ji lu dui bi"));
    resize(1000, 640);

    m_title = new QLabel(this);
    m_title->setObjectName("compareTitleLab");
    m_title->setStyleSheet("font-size: 14pt; font-weight: bold;");
    m_plot = new QCustomPlot(this);
    m_plot->setObjectName("compareCurvePlot");

    const QFont font(QStringLiteral("黑体"), 12, QFont::Normal, false);
    m_plot->legend->setVisible(true);
    m_plot->legend->setFont(font);
    m_plot->legend->setBrush(QBrush(QColor(255, 255, 255, 200)));
    m_plot->legend->setBorderPen(Qt::NoPen);
    for (QCPAxis *axis : { m_plot->xAxis, m_plot->yAxis }) {
        axis->setLabelFont(font);
        axis->setTickLabelFont(font);
    }
    // Elapsed hours may pass 24: the largest unit of the format runs on.
    QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
    ticker->setTimeFormat(QStringLiteral("%h:%m"));
    ticker->setTickCount(9);
    m_plot->xAxis->setTicker(ticker);
    m_plot->xAxis->setLabel(tr("jing guo shi jian (shi:fen)"));
    m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    connect(m_plot, SIGNAL(mousePress(QMouseEvent *)), this, SLOT(mousePress(QMouseEvent *)));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_plot, 1);
}

QColor CCompareView::tripColour(int n)
{
    // Ten colours told apart at a glance; the first is the data view's green.
    static const QColor colours[CCompareData::MaxTrips] = { QColor(0, 160, 0), QColor(31, 119, 180),
        QColor(214, 39, 40), QColor(255, 127, 14), QColor(148, 103, 189), QColor(140, 86, 75),
        QColor(227, 119, 194), QColor(127, 127, 127), QColor(188, 189, 34), QColor(23, 190, 207) };
    return colours[qBound(0, n, CCompareData::MaxTrips - 1)];
}

void CCompareView::showRecords(const QVector<const CRecord *> &records)
{
    m_data = CCompareData::compute(records);
    m_plot->clearItems();
    m_plot->clearPlottables();

    m_title->setText(tr("dui bi %1 tiao ji lu").arg(m_data.trips.size()));
    m_plot->yAxis->setLabel(CSummaryDisplay::temperatureAxisLabel(m_data.tempUnit));

    for (int n = 0; n < m_data.trips.size(); ++n) {
        const CCompareTrip &trip = m_data.trips.at(n);
        QCPGraph *graph = m_plot->addGraph(m_plot->xAxis, m_plot->yAxis);
        // A trip shown in the other unit says so beside its name.
        graph->setName(trip.convertedFrom.isEmpty()
                ? trip.name
                : QStringLiteral("%1 (%2 → %3)")
                      .arg(trip.name, trip.convertedFrom, CCompareData::unitSign(m_data.tempUnit)));
        graph->setData(trip.elapsed, trip.temps, true);
        graph->setLineStyle(QCPGraph::lsLine);
        // One pixel wide: a wider line goes through the painter's general
        // stroker, which makes ten trips of 10,000 samples ten times slower
        // to draw.
        graph->setPen(QPen(tripColour(n), 1));
    }
    if (!m_data.trips.isEmpty()) {
        const QColor first = tripColour(0);
        CDataCurve::addLimitLine(m_plot, m_plot->yAxis, m_data.limits.tempHigh, first, "tempHighLine");
        CDataCurve::addLimitLine(m_plot, m_plot->yAxis, m_data.limits.tempLow, first, "tempLowLine");
    }
    restoreRanges();
}

void CCompareView::restoreRanges()
{
    // The whole of the longest trip, and the temperatures with the first
    // record's limits, so that the limit lines are always in view.
    double low = m_data.tempMin;
    double high = m_data.tempMax;
    if (!m_data.trips.isEmpty()) {
        low = qMin(low, qMin(m_data.limits.tempLow, m_data.limits.tempHigh));
        high = qMax(high, qMax(m_data.limits.tempLow, m_data.limits.tempHigh));
    }
    m_plot->yAxis->setRange(low - 2, high + 2);
    m_plot->xAxis->setRange(0, m_data.elapsedMax > 0 ? m_data.elapsedMax : 60);
    m_plot->replot();
}

void CCompareView::mousePress(QMouseEvent *mevent)
{
    if (mevent->button() == Qt::RightButton)
        restoreRanges();
}
