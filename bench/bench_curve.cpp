// The data view's curve: a full redraw at 48,640 and at 1,000,000 samples
// (temperature/humidity, with a stop and alarm marks), the read-out
// following the pointer over the 48,640-sample curve, and ten trips of
// 10,000 samples compared.
//
//   QT_QPA_PLATFORM=offscreen bench_curve [MOVES]
//
// A redraw is one full replot of the plot, as every drag, zoom and resize
// asks for it. Each pointer move is timed from the mouse event to the widget
// painted (the event loop run until idle). For reference the same moves are
// timed with a full replot of the plot instead of the read-out's own layer.
#include "core/record/ccomparedata.h"
#include "core/record/crecord.h"
#include "gui/view/ccompareview.h"
#include "gui/view/ccurvetracer.h"
#include "gui/view/cdevicedatainfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <qcustomplot.h>

namespace {

// Samples every 60 s from start; a stop of a day after the first half; some
// readings beyond the limits 2..8 °C and 20..80 %.
std::shared_ptr<CRecord> makeRecord(int count, const QDateTime &start, bool humidity)
{
    auto record = std::make_shared<CRecord>();
    record->summary.tempUnit = QStringLiteral("°C");
    record->summary.containHumidity = humidity ? 1 : 0;
    record->limits = { 8, 2, 80, 20 };
    record->name = QStringLiteral("ID%1").arg(start.toString("yyyyMMddhhmm"));
    // Texts from a UTC time: formatting a local time asks the zone each time.
    const QDateTime utcStart(start.date(), start.time(), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        const int stop = i >= count / 2 ? 86400 : 0;
        const double temp = 5 + 4 * std::sin(i / 500.0);
        const double humid = 50 + 35 * std::cos(i / 700.0);
        record->data.append(QString::number(temp, 'f', 1),
            humidity ? QString::number(humid, 'f', 1) : QString(),
            start.addSecs(60LL * i + stop).toString("yyyy/MM/dd hh:mm:ss"));
    }
    return record;
}

struct Figures {
    double median, p95, max, mean;
};

Figures figures(QVector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    double sum = 0;
    for (qint64 v : ns)
        sum += v;
    return { ns.at(ns.size() / 2) / 1e6, ns.at(ns.size() * 95 / 100) / 1e6, ns.last() / 1e6,
        sum / ns.size() / 1e6 };
}

void printMoves(const char *what, const Figures &f)
{
    std::printf(
        "%-36s median %6.3f  p95 %6.3f  max %6.3f  mean %6.3f ms\n", what, f.median, f.p95, f.max, f.mean);
}

// Moves the pointer across the plot's axis rectangle and back; fullReplot
// replots the whole plot on each move as a plot without layers would.
QVector<qint64> sweep(QCustomPlot *plot, int moves, bool fullReplot)
{
    const QRect area = plot->axisRect()->rect();
    QVector<qint64> ns;
    ns.reserve(moves);
    QElapsedTimer timer;
    for (int i = 0; i < moves; ++i) {
        const int step = i % (2 * area.width());
        const int x = area.left() + (step < area.width() ? step : 2 * area.width() - step - 1);
        const QPointF pos(x, area.top() + (i * 7) % area.height());
        timer.start();
        QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        if (fullReplot)
            plot->replot();
        QCoreApplication::processEvents();
        ns.append(timer.nsecsElapsed());
    }
    return ns;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int moves = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;
    const QDateTime start(QDate(2023, 3, 1), QTime(8, 0));

    // 1. Full redraws of 48,640 and 1,000,000 samples on the data view.
    struct Target {
        int samples;
        double ms;
    };
    for (const Target &target : { Target { 48640, 30 }, Target { 1000000, 100 } }) {
        CDeviceDataInfo view;
        view.resize(1400, 900);
        view.show();
        const auto record = makeRecord(target.samples, start, true);
        QElapsedTimer timer;
        timer.start();
        view.showRecord(record);
        view.tabWidget()->setCurrentIndex(1);
        QCoreApplication::processEvents();
        std::printf("%-36s %8.1f ms  (list, curve and first paint)\n",
            qPrintable(QStringLiteral("show %1 samples").arg(target.samples)), timer.nsecsElapsed() / 1e6);
        QCustomPlot *plot = view.plot();
        plot->replot();
        QVector<qint64> ns;
        for (int i = 0; i < 15; ++i) {
            timer.start();
            plot->replot();
            ns.append(timer.nsecsElapsed());
        }
        const Figures redraw = figures(ns);
        std::printf("%-36s median %6.1f  max %6.1f ms   target <= %.0f ms%s\n",
            qPrintable(QStringLiteral("full redraw, %1 samples").arg(target.samples)), redraw.median,
            redraw.max, target.ms, redraw.median > target.ms ? "   over target" : "");
        if (target.samples != 48640)
            continue;
        sweep(plot, 50, false); // warm up
        printMoves("pointer move, read-out layer", figures(sweep(plot, moves, false)));
        std::printf("  (read-out shown after the sweep: %s)\n", view.curveTracer()->isShown() ? "yes" : "no");
        printMoves("pointer move, full replot (ref.)", figures(sweep(plot, qMin(moves, 200), true)));
    }

    // 2. Ten trips of 10,000 samples compared.
    std::vector<std::shared_ptr<CRecord>> trips;
    QVector<const CRecord *> records;
    for (int i = 0; i < CCompareData::MaxTrips; ++i) {
        trips.push_back(makeRecord(10000, start.addDays(17 * i).addSecs(311 * i), false));
        records.append(trips.back().get());
    }
    QElapsedTimer timer;
    QVector<qint64> computeNs, showNs;
    for (int run = 0; run < 7; ++run) {
        timer.start();
        const CCompareData data = CCompareData::compute(records);
        computeNs.append(timer.nsecsElapsed());
        timer.start();
        CCompareView compare;
        compare.resize(1400, 900);
        compare.showRecords(records);
        compare.show();
        QCoreApplication::processEvents();
        showNs.append(timer.nsecsElapsed());
    }
    const Figures compute = figures(computeNs);
    const Figures show = figures(showNs);
    std::printf(
        "%-36s median %6.1f  max %6.1f ms\n", "compare 10 x 10,000: series", compute.median, compute.max);
    std::printf(
        "%-36s median %6.1f  max %6.1f ms\n", "compare 10 x 10,000: window shown", show.median, show.max);
    return 0;
}
