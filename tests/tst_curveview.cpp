// The curve of both record pages against the record's alarm limits, its
// read-out under the pointer, and the comparison of stored trips from the
// history list to its window.
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/ccompareview.h"
#include "gui/view/ccurvetracer.h"
#include "gui/view/cdevicedatainfo.h"
#include "helpers/fakedrives.h"

#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <ctime>
#include <qcustomplot.h>

namespace {

const QDateTime Start(QDate(2023, 3, 1), QTime(8, 0), Qt::UTC);

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
        record->data.dataList << new TempDataItem(
            temps.at(i), humidities.value(i), start.addSecs(60 * i).toString("yyyy/MM/dd hh:mm:ss"));
    return record;
}

QCPItemStraightLine *line(QCustomPlot *plot, const QString &name)
{
    for (int i = 0; i < plot->itemCount(); ++i) {
        if (plot->item(i)->objectName() == name)
            return qobject_cast<QCPItemStraightLine *>(plot->item(i));
    }
    return nullptr;
}

int markCount(QCustomPlot *plot, const QString &name)
{
    for (int i = 0; i < plot->plottableCount(); ++i) {
        if (plot->plottable(i)->objectName() == name)
            return qobject_cast<QCPCurve *>(plot->plottable(i))->dataCount();
    }
    return 0;
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
        QTest::newRow("data view, °C") << false << false << "°C";
        QTest::newRow("history detail, °F as printed") << true << false << "°F";
        QTest::newRow("data view, humidity") << false << true << "°C";
        QTest::newRow("history detail, humidity") << true << true << "°C";
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
        // The first sample is not plotted; 255 is no reading.
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
            QCOMPARE(limit->point1->value(), values[i]);
            QCOMPARE(limit->point2->value(), values[i]);
            QCOMPARE(limit->point1->valueAxis(), i < 2 ? plot->yAxis : plot->yAxis2);
            QCOMPARE(limit->pen().style(), Qt::DashLine);
            QCOMPARE(limit->pen().color(), plot->graph(i / 2)->pen().color());
        }
        QCOMPARE(markCount(plot, "tempAlarmMarks"), 2);
        QCOMPARE(markCount(plot, "humidityAlarmMarks"), humidity ? 2 : 0);

        // Drawn again for another record: the old lines and marks are gone.
        view->showRecord(makeRecord("°C", { 100, -100, 100, 0 }, { "1", "2", "3" }));
        QCOMPARE(plot->itemCount(), 4 + 2); // the read-out's four items and two limit lines
        QCOMPARE(line(plot, "tempHighLine")->point1->value(), 100.0);
        QCOMPARE(markCount(plot, "tempAlarmMarks"), 0);
    }

    // The read-out follows the pointer to the nearest sample, shows its real
    // time after a stop, stays on the end points beyond them, disappears
    // outside the plot, and repaints its own layer only.
    void tracerFollowsPointer()
    {
        CHistoryRecordContent view;
        auto record = makeRecord(
            "°C", { 8, 2, 80, 20 }, { "1", "2", "3", "4", "5", "6" }, { "41", "42", "43", "44", "45", "46" });
        // A stop of 3 hours before the fifth sample.
        for (int i = 4; i < 6; ++i) {
            TempDataItem *item = record->data.dataList[i];
            item->recordTime = Start.addSecs(10800 + 60 * i).toString("yyyy/MM/dd hh:mm:ss");
            item->readTime();
        }
        view.resize(1000, 700);
        view.show();
        view.showRecord(record);
        view.tabWidget()->setCurrentIndex(1);
        QCustomPlot *plot = view.plot();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
        plot->replot();
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
            { area.left() + 1.0, "2023/03/01 08:01:00\nTemperature: 2℃\nHumidity: 42%" },
            { pixel(3) + 2, "2023/03/01 08:03:00\nTemperature: 4℃\nHumidity: 44%" },
            // The curve goes on at 08:04; the sample is three hours later.
            { pixel(4), "2023/03/01 11:04:00\nTemperature: 5℃\nHumidity: 45%" },
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
    // and compare without a crash (a single sample is no point of the curve
    // but is one of the comparison).
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
            QVERIFY(!view.curveTracer()->isShown());
            compare.showRecords({ record.get() });
            QCOMPARE(compare.comparison().trips.at(0).elapsed.size(), temps.size());
        }
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
        QCOMPARE(compare->text(), QString("&Compare"));
        QCOMPARE(menu->actions().at(menu->actions().size() - 2)->objectName(), QString("infoAction"));
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

        CCompareView *shown = window.findChild<CCompareView *>();
        QVERIFY(shown && shown->isWindow());
        QCustomPlot *plot = shown->plot();
        QCOMPARE(plot->graphCount(), 3);
        QCOMPARE(plot->legend->itemCount(), 3);
        QCOMPARE(plot->graph(2)->name(), names.at(2));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(plot->graph(i)->data()->begin()->key, 0.0);
        QCOMPARE(line(plot, "tempHighLine")->point1->value(), 8.0);
        QCOMPARE(line(plot, "tempHighLine")->pen().color(), plot->graph(0)->pen().color());
        delete shown;
    }
};

QTEST_MAIN(TestCurveView)
#include "tst_curveview.moc"
