// The curve of both record pages against the record's alarm limits, its
// read-out under the pointer, and the comparison of stored trips from the
// history list to its window.
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/ccompareview.h"
#include "gui/view/ccurvegraph.h"
#include "gui/view/ccurvetracer.h"
#include "gui/view/cdevicedatainfo.h"
#include "gui/view/saxydatatracker.h"
#include "helpers/fakedrives.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <cmath>
#include <ctime>
#include <qcustomplot.h>

namespace {

const QDateTime Start(QDate(2023, 3, 1), QTime(8, 0), Qt::UTC);

QString timeText(int seconds)
{
    return Start.addSecs(seconds).toString("yyyy/MM/dd hh:mm:ss");
}

// Samples every 60 s from start; humidities empty for a temperature record.
std::shared_ptr<CRecord> makeRecord(const QString &unit, const CAlarmLimits &limits, const QStringList &temps,
    const QStringList &humidities = QStringList(), const QDateTime &start = Start)
{
    auto record = std::make_shared<CRecord>();
    record->summary.tempUnit = unit;
    record->summary.containHumidity = humidities.isEmpty() ? 0 : 1;
    record->limits = limits;
    record->name = "ID" + start.toString("yyyyMMddhhmm");
    for (int i = 0; i < temps.size(); ++i)
        record->data.append(
            temps.at(i), humidities.value(i), start.addSecs(60 * i).toString("yyyy/MM/dd hh:mm:ss"));
    return record;
}

// The names in a legend (a legend in rows counts its empty cells as items).
QStringList legendNames(QCustomPlot *plot)
{
    QStringList names;
    for (int i = 0; i < plot->legend->itemCount(); ++i) {
        if (auto *item = qobject_cast<QCPPlottableLegendItem *>(plot->legend->item(i)))
            names << item->plottable()->name();
    }
    return names;
}

QCPItemStraightLine *line(QCustomPlot *plot, const QString &name)
{
    for (int i = 0; i < plot->itemCount(); ++i) {
        if (plot->item(i)->objectName() == name)
            return qobject_cast<QCPItemStraightLine *>(plot->item(i));
    }
    return nullptr;
}

CCurveGraph *graph(QCustomPlot *plot, int n)
{
    return n < plot->graphCount() ? qobject_cast<CCurveGraph *>(plot->graph(n)) : nullptr;
}

int markCount(QCustomPlot *plot, int n)
{
    return graph(plot, n) ? graph(plot, n)->alarmPoints().size() : 0;
}

// The samples' own times, in seconds after Start.
void setTimes(CRecord &record, const QVector<int> &seconds)
{
    for (int i = 0; i < seconds.size(); ++i) {
        TempDataItem item = record.data.at(i);
        item.recordTime = seconds.at(i) < 0 ? QString("--:--") : timeText(seconds.at(i));
        record.data.replace(i, item);
    }
}

// Shows a record's curve tab, laid out and painted.
QCustomPlot *showCurve(CRecordView &view, const std::shared_ptr<CRecord> &record)
{
    view.resize(1000, 700);
    view.show();
    view.showRecord(record);
    view.tabWidget()->setCurrentIndex(1);
    if (!QTest::qWaitForWindowExposed(&view))
        return nullptr;
    QCoreApplication::processEvents();
    view.plot()->replot();
    return view.plot();
}

void movePointer(QWidget *plot, const QPointF &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
}

} // namespace

class TestCurveView : public QObject {
    Q_OBJECT

    QTemporaryDir appDir;
    FakeDrives drives;
    QTranslator english;
    QStringList messages;

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
        CRecordTime::resetZoneCache();
        applicationDir = appDir.path();
        drives.exportEnvironment();
        QVERIFY(english.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&english);
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            messages << request.text;
            return QMessageBox::Ok;
        });
    }

    // Both pages draw the limits of the record in its own unit as dashed
    // lines in the graph's colour, and mark the samples beyond them.
    void limitLines_data()
    {
        QTest::addColumn<bool>("history");
        QTest::addColumn<bool>("humidity");
        QTest::addColumn<QString>("unit");
        QTest::newRow("history detail, °F as printed") << true << false << "°F";
        QTest::newRow("data view, humidity") << false << true << "°C";
    }
    void limitLines()
    {
        QFETCH(bool, history);
        QFETCH(bool, humidity);
        QFETCH(QString, unit);
        std::unique_ptr<CRecordView> view;
        if (history)
            view.reset(new CHistoryRecordContent);
        else
            view.reset(new CDeviceDataInfo);
        // 255 is no reading.
        const CAlarmLimits limits
            = unit == "°F" ? CAlarmLimits { 86, 46.4, 0, 0 } : CAlarmLimits { 8, 2, 80, 20 };
        const QStringList temps = unit == "°F" ? QStringList { "99", "86", "86.5", "255", "46.4", "40", "60" }
                                               : QStringList { "99", "8", "8.5", "255", "2", "1", "5" };
        const auto record = makeRecord(unit, limits, temps,
            humidity ? QStringList { "0", "80", "50", "50", "10", "50", "81" } : QStringList());
        view->showRecord(record);
        QCustomPlot *plot = view->plot();

        QCOMPARE(plot->yAxis->label(), unit == "°F" ? QString("Temperature(℉)") : QString("Temperature(℃)"));
        QCOMPARE(plot->graphCount(), humidity ? 2 : 1);
        const QStringList names = { "tempHighLine", "tempLowLine", "humidityHighLine", "humidityLowLine" };
        const double values[] = { limits.tempHigh, limits.tempLow, limits.humidityHigh, limits.humidityLow };
        for (int i = 0; i < names.size(); ++i) {
            QCPItemStraightLine *limit = line(plot, names.at(i));
            QCOMPARE(bool(limit), i < 2 || humidity);
            if (!limit)
                continue;
            QCOMPARE(limit->point1->value() + limit->point2->value(), 2 * values[i]);
            QCOMPARE(limit->point1->valueAxis(), i < 2 ? plot->yAxis : plot->yAxis2);
            QCOMPARE(limit->pen().style(), Qt::DashLine);
            QCOMPARE(limit->pen().color(), plot->graph(i / 2)->pen().color());
        }
        QCOMPARE(markCount(plot, 0), 3);
        QCOMPARE(markCount(plot, 1), humidity ? 3 : 0);

        // Drawn again for another record: the old lines and marks are gone.
        view->showRecord(makeRecord("°C", { 100, -100, 100, 0 }, { "1", "2", "3" }));
        QCOMPARE(plot->itemCount(), 4 + 2); // the read-out's four items and two limit lines
        QCOMPARE(line(plot, "tempHighLine")->point1->value(), 100.0);
        QCOMPARE(markCount(plot, 0), 0);
    }

    // The read-out follows the pointer to the nearest sample (beside a stop,
    // the one nearer in real time), stays on the end points beyond them,
    // disappears outside the plot, and repaints its own layer only.
    void tracerFollowsPointer()
    {
        CHistoryRecordContent view;
        auto record = makeRecord(
            "°C", { 8, 2, 80, 20 }, { "1", "2", "3", "4", "5", "6" }, { "41", "42", "43", "44", "45", "46" });
        // A stop of 3 hours before the fifth sample.
        setTimes(*record, { 0, 60, 120, 180, 10800 + 240, 10800 + 300 });
        QCustomPlot *plot = showCurve(view, record);
        CCurveTracer *tracer = view.curveTracer();
        QSignalSpy fullReplots(plot, SIGNAL(beforeReplot()));

        const QRect area = plot->axisRect()->rect();
        const double y = area.center().y();
        const auto pixel = [plot](int minute) {
            return plot->xAxis->coordToPixel(double(Start.addSecs(60 * minute).toSecsSinceEpoch()));
        };
        struct Case {
            double x;
            const char *label;
        };
        const Case cases[] = {
            { area.left() + 1.0, "2023/03/01 08:00:00\nTemperature: 1℃\nHumidity: 41%" },
            { pixel(90), "2023/03/01 08:03:00\nTemperature: 4℃\nHumidity: 44%" },
            { pixel(100), "2023/03/01 11:04:00\nTemperature: 5℃\nHumidity: 45%" },
            { area.right() - 1.0, "2023/03/01 11:05:00\nTemperature: 6℃\nHumidity: 46%" },
        };
        for (const Case &c : cases) {
            movePointer(plot, QPointF(c.x, y));
            QVERIFY(tracer->isShown());
            QCOMPARE(tracer->text(), QString(c.label));
        }
        movePointer(plot, QPointF(area.left() - 20, y));
        QVERIFY(!tracer->isShown());
        movePointer(plot, QPointF(pixel(2), y));
        QVERIFY(tracer->isShown());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(plot, &leave);
        QVERIFY(!tracer->isShown());
        QCOMPARE(fullReplots.count(), 0);
    }

    // Records without samples or with a single one draw, follow the pointer
    // and compare without a crash (a single sample is a point of both).
    void emptyAndSingleSample()
    {
        CDeviceDataInfo view;
        view.resize(800, 600);
        view.show();
        view.tabWidget()->setCurrentIndex(1);
        CCompareView compare;
        for (const QStringList &temps : { QStringList(), QStringList { "5" } }) {
            const auto record = makeRecord("°C", { 8, 2, 0, 0 }, temps);
            view.showRecord(record);
            view.plot()->replot();
            movePointer(view.plot(), view.plot()->axisRect()->rect().center());
            QCOMPARE(view.curveTracer()->isShown(), !temps.isEmpty());
            compare.showRecords({ record.get() });
            QCOMPARE(compare.comparison().trips.at(0).elapsed.size(), temps.size());
        }
    }

    // Both pages put each sample at the time it carries (tst_curve has the
    // cases): the first sample too, no segment across a stop, and a time
    // that cannot be read leaves its sample out, counted under the curve,
    // instead of squashing the axis.
    void ownTimesOnThePlot_data()
    {
        QTest::addColumn<bool>("history");
        QTest::newRow("data view") << false;
        QTest::newRow("history detail") << true;
    }
    void ownTimesOnThePlot()
    {
        QFETCH(bool, history);
        std::unique_ptr<CRecordView> view(
            history ? static_cast<CRecordView *>(new CHistoryRecordContent) : new CDeviceDataInfo);
        auto record = makeRecord("°C", { 8, 2, 80, 20 }, { "1", "2", "3", "4", "5", "6", "7" },
            { "41", "42", "43", "44", "45", "46", "47" });
        setTimes(*record, { 0, 60, 120, -1, 10800 + 180, 10800 + 240, 10800 + 300 });
        QCustomPlot *plot = showCurve(*view, record);
        const double first = double(Start.toSecsSinceEpoch());
        for (int n = 0; n < 2; ++n) {
            QCOMPARE(plot->graph(n)->dataCount(), 6);
            QCOMPARE(plot->graph(n)->data()->at(0)->key, first);
            QCOMPARE(plot->graph(n)->data()->at(3)->key, first + 10980);
        }
        QCOMPARE(plot->xAxis->range(), QCPRange(first, first + 11100));
        QCOMPARE(view->homeRanges()->timeUpper, first + 11100);
        QCOMPARE(view->curveNote()->text(), QString("Samples without a readable time (not drawn): 1"));
        const QVector<QPointF> line = graph(plot, 0)->drawnLine();
        QCOMPARE(line.size(), 7); // six points and the break after the third
        QVERIFY(qIsNaN(line.at(3).y()));
        // On a narrow plot (a small screen) no time label covers another.
        plot->resize(420, 300);
        plot->replot();
        const QVector<double> ticks = plot->xAxis->tickVector();
        const int label = QFontMetrics(plot->xAxis->tickLabelFont()).horizontalAdvance("0000.00.00");
        for (int i = 1; i < ticks.size(); ++i)
            QVERIFY(plot->xAxis->coordToPixel(ticks[i]) - plot->xAxis->coordToPixel(ticks[i - 1]) > label);
        view->showRecord(makeRecord("°C", { 8, 2, 0, 0 }, { "1", "2" }));
        QVERIFY(view->curveNote()->isHidden());
    }

    // Beyond two samples to a pixel column the curve draws each column by
    // its extremes: every column keeps its lowest and its highest sample,
    // nothing joins the two sides of a stop, the alarm marks are thinned to
    // two a column; zoomed in, the line runs through the samples themselves,
    // and the read-out names the sample nearest to the pointer.
    void decimatedCurve()
    {
        const int count = 100000;
        QStringList temps;
        for (int i = 0; i < count; ++i)
            temps << QString::number(5 + 4 * std::sin(i / 37.0) + (i * 7919 % 13) / 10.0, 'f', 1);
        auto record = makeRecord("°C", { 8, 2, 0, 0 }, temps);
        for (int i = count / 2; i < count; ++i) { // a stop of a day in the middle
            TempDataItem item = record->data.at(i);
            item.recordTime = timeText(60 * i + 86400);
            record->data.replace(i, item);
        }
        CDeviceDataInfo view;
        QCustomPlot *plot = showCurve(view, record);
        CCurveGraph *curve = graph(plot, 0);
        const auto pixel = [curve](int i) {
            return curve->coordsToPixels(curve->data()->at(i)->key, curve->data()->at(i)->value);
        };
        const QVector<QPointF> line = curve->drawnLine();
        QVERIFY(line.size() < 4 * plot->axisRect()->width() + 8);

        QMap<int, QVector<double>> drawn; // the line's ordinates in each pixel column
        for (const QPointF &p : line)
            drawn[int(p.x())] << p.y();
        for (int i = 0; i < count;) {
            const int column = int(pixel(i).x());
            double low = pixel(i).y(), high = low;
            for (++i; i < count && int(pixel(i).x()) == column; ++i) {
                low = qMin(low, pixel(i).y());
                high = qMax(high, pixel(i).y());
            }
            QVERIFY2(drawn.value(column).contains(low) && drawn.value(column).contains(high),
                qPrintable(QString("column %1").arg(column)));
        }
        const int stop = int(std::find_if(line.begin(), line.end(), [](const QPointF &p) {
            return qIsNaN(p.y());
        }) - line.begin());
        QCOMPARE(std::count_if(line.begin(), line.end(), [](const QPointF &p) { return qIsNaN(p.y()); }), 1);
        QVERIFY(line.at(stop - 1).x() < pixel(count / 2 - 1).x() + 1
            && line.at(stop + 1).x() > pixel(count / 2).x() - 1);

        const QVector<QPointF> marks = curve->drawnMarks();
        QVERIFY(marks.size() <= 2 * drawn.size());
        const double highest = curve->coordsToPixels(0, 10.2).y();
        QVERIFY(std::any_of(marks.begin(), marks.end(), [&](const QPointF &m) { return m.y() == highest; }));

        const QRect area = plot->axisRect()->rect();
        movePointer(plot, area.center());
        const double key = plot->xAxis->pixelToCoord(area.center().x());
        const CTempData &data = record->data;
        int nearest = 0;
        for (int i = 1; i < data.size(); ++i) {
            if (qAbs(data.secs(i) - key) < qAbs(data.secs(nearest) - key))
                nearest = i;
        }
        QCOMPARE(view.curveTracer()->text(), CCurveTracer::labelText(data.at(nearest), "℃", false));

        plot->xAxis->setRange(curve->data()->at(1000)->key, curve->data()->at(1040)->key);
        const QVector<QPointF> zoomed = curve->drawnLine();
        QCOMPARE(zoomed.size(), 43); // the visible samples and one beyond each end
        for (int i = 0; i < zoomed.size(); ++i)
            QCOMPARE(zoomed.at(i), pixel(999 + i));
    }

    // Compare is the menu's last entry; it takes the selection in list order,
    // refuses more than ten records with a message, and the main window shows
    // the records it loads in a window of their own.
    void compareFromHistory()
    {
        messages.clear();
        CDravik window;
        CHistoryRecord *list = window.historyList();
        QVector<int> ids;
        for (int i = 0; i < CCompareData::MaxTrips + 1; ++i) {
            auto record = makeRecord("°C", { 8, 2, 0, 0 }, { "3", "4", "5" }, {}, Start.addDays(i));
            record->summary.tempHigh = "8.0°C";
            record->summary.tempLow = "2.0°C";
            QVERIFY(window.database()->storeRecord(*record));
            ids.prepend(record->id);
        }
        list->reload();
        QTableWidget *table = list->table();
        std::unique_ptr<QMenu> menu(list->buildContextMenu());
        QAction *compare = menu->actions().last();
        QSignalSpy requests(list, &CHistoryRecord::compareRequested);

        compare->trigger(); // nothing selected
        table->selectAll();
        compare->trigger();
        QCOMPARE(requests.count(), 0);
        QCOMPARE(messages, QStringList { "At most 10 records can be compared; 11 are selected." });

        table->clearSelection();
        for (int row : { 5, 0, 2 })
            table->selectionModel()->select(
                table->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        compare->trigger();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).value<QVector<int>>(), (QVector<int> { ids[0], ids[2], ids[5] }));
        const QStringList names = requests.at(0).at(1).toStringList();
        QCOMPARE(names.at(1), table->item(2, 1)->text());

        // What the window draws of them: compareWindow.
        CCompareView *shown = window.findChild<CCompareView *>();
        QVERIFY(shown && shown->isWindow());
        QCOMPARE(shown->plot()->graph(2)->name(), names.at(2));
        delete shown;
    }

    // The compare window: the limits dashed in grey and named in the legend,
    // a pen of its own for each trip (identical trips stay apart), a stop as
    // a break, a humidity switch for temperature/humidity records, the plot
    // saved as a PNG (a failure says why), and Esc closes the window.
    void compareWindow()
    {
        const QStringList temps = { "3", "4", "5", "6", "7" };
        const QStringList humidities = { "50", "55", "60", "65", "70" };
        const auto a = makeRecord("°C", { 8, 2, 80, 20 }, temps, humidities);
        const auto b = makeRecord("°C", { 8, 2, 80, 20 }, temps, humidities, Start.addDays(1));
        const auto c = makeRecord("°C", { 30, -30, 0, 0 }, temps, {}, Start.addDays(2));
        setTimes(*c, { 0, 60, 120, -1, 20000 });
        CCompareView compare;
        compare.resize(1000, 640);
        compare.show();
        compare.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&compare));
        compare.showRecords({ a.get(), b.get(), c.get() });
        QCustomPlot *plot = compare.plot();

        QCOMPARE(plot->graphCount(), 3);
        QCOMPARE(legendNames(plot).mid(3), (QStringList { "Upper limit 8.0℃", "Lower limit 2.0℃" }));
        const QPen limit = line(plot, "tempHighLine")->pen();
        QCOMPARE(limit.style(), Qt::DashLine);
        QSet<QPair<QRgb, int>> pens { qMakePair(limit.color().rgb(), 0) };
        for (int i = 0; i < 3; ++i)
            pens << qMakePair(plot->graph(i)->pen().color().rgb(), int(plot->graph(i)->pen().style()));
        QCOMPARE(pens.size(), 4); // the limit's grey is no trip's colour
        QCOMPARE(graph(plot, 2)->breaks(), QVector<int> { 3 });
        QCOMPARE(compare.note()->text(), QString("Samples without a readable time (not drawn): 1"));

        QVERIFY(!compare.humiditySwitch()->isHidden());
        compare.humiditySwitch()->setChecked(true);
        QCOMPARE(plot->yAxis->label(), QString("Humidity(%)"));
        QCOMPARE(plot->graph(1)->data()->at(4)->value, 70.0);
        QCOMPARE(plot->graph(2)->dataCount(), 0); // no humidity, not in the legend
        QCOMPARE(legendNames(plot).size(), 2 + 2);
        QCOMPARE(line(plot, "humidityHighLine")->point1->value(), 80.0);
        compare.showRecords({ c.get() });
        QVERIFY(compare.humiditySwitch()->isHidden());

        QString error;
        QVERIFY(compare.exportPng(appDir.filePath("compare.png"), &error));
        QCOMPARE(QImage(appDir.filePath("compare.png")).size(), plot->size());
        messages.clear();
        CDialogs::setTestHandlers({ [&](const QString &, const QString &, const QString &) {
                                       return appDir.filePath("no/such/folder/compare.png");
                                   },
            {}, {}, {} });
        compare.findChild<QPushButton *>("comparePngBtn")->click();
        CDialogs::setTestHandlers({});
        QCOMPARE(messages.size(), 1);
        QVERIFY2(
            messages.first().startsWith("The PNG file could not be written: "), qPrintable(messages.first()));

        QTest::keyClick(&compare, Qt::Key_Escape);
        QVERIFY(!compare.isVisible());
    }
};

QTEST_MAIN(TestCurveView)
#include "tst_curveview.moc"
