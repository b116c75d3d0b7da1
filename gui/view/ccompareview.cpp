#include "gui/view/ccompareview.h"

#include "core/record/appglobals.h"
#include "core/record/csummarydisplay.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cmessagebox.h"
#include "gui/view/ccurvegraph.h"
#include "gui/view/cdatacurve.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace {

// The limits belong to no trip: a grey that none of the trips' colours is.
const QColor limitColour(96, 96, 96);

QString humidityText()
{
    return QCoreApplication::translate("CDeviceDataInfo", "湿度");
}

} // namespace

CCompareView::CCompareView(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("CCompareView");
    setWindowTitle(tr("ji lu dui bi"));
    resize(1000, 640);

    m_title = new QLabel(this);
    m_title->setObjectName("compareTitleLab");
    m_title->setStyleSheet("font-size: 14pt; font-weight: bold;");
    m_humidity = new QCheckBox(humidityText(), this);
    m_humidity->setObjectName("compareHumidityCheck");
    m_humidity->hide();
    connect(m_humidity, SIGNAL(toggled(bool)), this, SLOT(OnHumiditySwitchToggled(bool)));
    m_exportPng = new QPushButton(tr("dao chu PNG"), this);
    m_exportPng->setObjectName("comparePngBtn");
    connect(m_exportPng, SIGNAL(clicked()), this, SLOT(OnExportPngBtnClick()));
    m_plot = new QCustomPlot(this);
    m_plot->setObjectName("compareCurvePlot");
    m_note = new QLabel(this);
    m_note->setObjectName("curveNoteLab");
    m_note->setStyleSheet("color: rgb(110, 110, 110);");
    m_note->hide();

    const QFont font(QStringLiteral("黑体"), 12, QFont::Normal, false);
    m_plot->legend->setVisible(true);
    m_plot->legend->setFont(font);
    m_plot->legend->setBrush(QBrush(QColor(255, 255, 255, 200)));
    m_plot->legend->setBorderPen(Qt::NoPen);
    // Below the plot, two entries a row: inside it the legend of ten trips
    // and two limits would hide the curves and the upper limit.
    m_plot->plotLayout()->addElement(1, 0, m_plot->legend);
    m_plot->plotLayout()->setRowStretchFactor(1, 0.001);
    m_plot->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    m_plot->legend->setWrap(2);
    for (QCPAxis *axis : { m_plot->xAxis, m_plot->yAxis }) {
        axis->setLabelFont(font);
        axis->setTickLabelFont(font);
    }
    // Elapsed hours may pass 24: the largest unit of the format runs on.
    QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
    ticker->setTimeFormat(QStringLiteral("%h:%m"));
    ticker->setTickCount(9);
    m_plot->xAxis->setTicker(ticker);
    CDataCurve::fitTimeTicks(m_plot, 9, QStringLiteral("000:00"));
    m_plot->xAxis->setLabel(tr("jing guo shi jian (shi:fen)"));
    m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    connect(m_plot, SIGNAL(mousePress(QMouseEvent *)), this, SLOT(mousePress(QMouseEvent *)));

    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, SIGNAL(activated()), this, SLOT(close()));

    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_humidity);
    top->addWidget(m_exportPng);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_plot, 1);
    layout->addWidget(m_note);
}

QColor CCompareView::tripColour(int n)
{
    // Ten colours told apart at a glance; the first is the data view's green.
    static const QColor colours[CCompareData::MaxTrips] = { QColor(0, 160, 0), QColor(31, 119, 180),
        QColor(214, 39, 40), QColor(255, 127, 14), QColor(148, 103, 189), QColor(140, 86, 75),
        QColor(227, 119, 194), QColor(127, 127, 127), QColor(188, 189, 34), QColor(23, 190, 207) };
    return colours[qBound(0, n, CCompareData::MaxTrips - 1)];
}

QPen CCompareView::tripPen(int n)
{
    // Drawn in order, each trip over the ones before: a solid line below,
    // broken ones above it, so that trips with the same curve all show.
    static const Qt::PenStyle styles[]
        = { Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine };
    // One pixel wide: a wider line goes through the painter's general
    // stroker, which makes ten trips of 10,000 samples ten times slower to
    // draw.
    return QPen(tripColour(n), 1, styles[qMax(0, n) % 5]);
}

void CCompareView::showRecords(const QVector<const CRecord *> &records)
{
    showComparison(CCompareData::compute(records));
}

void CCompareView::showComparison(const CCompareData &data)
{
    m_data = data;
    m_title->setText(tr("dui bi %1 tiao ji lu").arg(m_data.trips.size()));
    const QSignalBlocker quiet(m_humidity);
    m_humidity->setChecked(false);
    m_humidity->setVisible(m_data.humidity);
    const int unreadable = m_data.unreadableTimes();
    m_note->setText(CDataCurve::unreadableNote(unreadable));
    m_note->setVisible(unreadable > 0);
    drawCurves();
}

void CCompareView::OnHumiditySwitchToggled(bool)
{
    drawCurves();
}

void CCompareView::drawCurves()
{
    const bool humidity = m_humidity->isChecked() && m_data.humidity;
    m_plot->clearItems();
    m_plot->clearPlottables();
    m_plot->yAxis->setLabel(humidity ? humidityText() + QStringLiteral("(%)")
                                     : CSummaryDisplay::temperatureAxisLabel(m_data.tempUnit));

    for (int n = 0; n < m_data.trips.size(); ++n) {
        const CCompareTrip &trip = m_data.trips.at(n);
        auto *graph = new CCurveGraph(m_plot->xAxis, m_plot->yAxis);
        // A trip shown in the other unit says so beside its name.
        graph->setName(trip.convertedFrom.isEmpty() || humidity
                ? trip.name
                : QStringLiteral("%1 (%2 → %3)")
                      .arg(trip.name, trip.convertedFrom, CCompareData::unitSign(m_data.tempUnit)));
        graph->setPen(tripPen(n));
        if (humidity && !trip.hasHumidity()) {
            // A temperature-only trip has no humidity curve to name.
            graph->removeFromLegend();
            continue;
        }
        graph->setData(trip.elapsed, humidity ? trip.humidities : trip.temps, true);
        graph->setBreaks(trip.breaks);
    }
    if (!m_data.trips.isEmpty()) {
        const QLocale locale;
        const QString unit = humidity ? QStringLiteral("%") : CCompareData::unitSign(m_data.tempUnit);
        const double high = humidity ? m_data.limits.humidityHigh : m_data.limits.tempHigh;
        const double low = humidity ? m_data.limits.humidityLow : m_data.limits.tempLow;
        const QString prefix = humidity ? QStringLiteral("humidity") : QStringLiteral("temp");
        addLimit(high, tr("shang xian %1").arg(locale.toString(high, 'f', 1) + unit), prefix + "HighLine");
        addLimit(low, tr("xia xian %1").arg(locale.toString(low, 'f', 1) + unit), prefix + "LowLine");
    }
    restoreRanges();
}

void CCompareView::addLimit(double value, const QString &name, const QString &objectName)
{
    CDataCurve::addLimitLine(m_plot, m_plot->yAxis, value, limitColour, objectName);
    // The line is an item, and items have no legend entry: an empty curve
    // with the line's pen names it there.
    auto *entry = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    entry->setObjectName(objectName + QStringLiteral("Legend"));
    entry->setName(name);
    entry->setPen(QPen(limitColour, 1.5, Qt::DashLine));
    entry->setSelectable(QCP::stNone);
}

void CCompareView::restoreRanges()
{
    // The whole of the longest trip, and the values with the limits, so
    // that the limit lines are always in view.
    const bool humidity = m_humidity->isChecked() && m_data.humidity;
    double low = humidity ? m_data.humidityMin : m_data.tempMin;
    double high = humidity ? m_data.humidityMax : m_data.tempMax;
    if (!m_data.trips.isEmpty()) {
        const double limitHigh = humidity ? m_data.limits.humidityHigh : m_data.limits.tempHigh;
        const double limitLow = humidity ? m_data.limits.humidityLow : m_data.limits.tempLow;
        low = qMin(low, qMin(limitLow, limitHigh));
        high = qMax(high, qMax(limitLow, limitHigh));
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

bool CCompareView::exportPng(const QString &path, QString *error) const
{
    const QPixmap picture = m_plot->toPixmap();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void CCompareView::OnExportPngBtnClick()
{
    const QString start = QDir(applicationDir + QStringLiteral("/export"))
                              .filePath(m_data.trips.isEmpty() ? QStringLiteral("compare.png")
                                                               : m_data.trips.first().name + "_compare.png");
    const QString path = CDialogs::getSaveFileName(this, tr("dao chu PNG"), start, tr("PNG tu pian (*.png)"));
    if (path.isEmpty())
        return;
    QString error;
    if (exportPng(path, &error)) {
        CMessageBox::show(
            this, QMessageBox::Information, tr("xin xi"), tr("wen jian dao chu cheng gong"), tr("que ding"));
    } else {
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("PNG wen jian xie ru shi bai: %1").arg(error), tr("que ding"));
    }
}
