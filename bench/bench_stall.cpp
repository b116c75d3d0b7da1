// The window's event loop while a million-sample report is read into the
// history, reopened, compared and exported: for each step the longest time
// between two turns of the loop (target: at most 100 ms) and how long the
// step took. Run it offscreen, or under Xvfb with --shots to see it:
//
//   QT_QPA_PLATFORM=offscreen bench_stall [REPORT] [--trips N] [--shots DIR]
//
// REPORT defaults to the report of a million samples that
// scripts/make-test-reports.py --large DIR 1000000 writes (made here when
// not given). --trips N first fills the history with N trips of 48,640
// samples (200: a quality desk's history of years). --shots DIR saves the
// screen (xcb) with the read's progress dialog halfway and each step's result.
#include "bench/historygenerator.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/export/exportoption.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/ccompareview.h"
#include "gui/view/cdevicedatainfo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <functional>

namespace {

const double TargetMs = 100;

// The longest gap between two turns of the event loop while a step runs: a
// timer that wants to fire every millisecond notes when it could.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        m_timer.setInterval(1);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (now - m_last > m_longest) {
                m_longest = now - m_last;
                m_at = m_last;
            }
            m_last = now;
        });
    }

    // Runs step and the events it leaves; prints the figures.
    void measure(const char *what, const std::function<void()> &step)
    {
        QCoreApplication::processEvents();
        m_clock.start();
        m_last = 0;
        m_longest = 0;
        m_timer.start();
        step();
        QCoreApplication::processEvents();
        m_timer.stop();
        const double longest = qMax(m_longest, m_clock.nsecsElapsed() - m_last) / 1e6;
        // Where in the step the stall began tells which part of it stalls.
        std::printf("%-36s longest stall %6.1f ms (target <= %.0f ms)%s; step %7.1f ms, stall at %.0f ms\n",
            what, longest, TargetMs, longest > TargetMs ? "  over target" : "", m_clock.nsecsElapsed() / 1e6,
            m_at / 1e6);
        std::fflush(stdout);
    }

    // Counts from now again: what the benchmark itself did since the last
    // turn of the loop is left out.
    void restart() { m_last = m_clock.nsecsElapsed(); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    qint64 m_at = 0;
};

// Answers the next export dialog with target and its save button.
void answerExport(const QString &target)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, target] {
        auto *dialog = qobject_cast<ExportOption *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->deleteLater();
        timer->stop();
        dialog->findChild<QLineEdit *>("pathEdit")->setText(target);
        dialog->findChild<QPushButton *>("sureBtn")->click();
    });
    timer->start();
}

// The screen as it is now, when asked for.
void shoot(const QString &dir, const QString &name)
{
    if (dir.isEmpty())
        return;
    QCoreApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/" + name + ".png");
}

// Trips of the generator appended to the embedded history at path.
void fillHistory(const QString &path, int trips)
{
    QElapsedTimer timer;
    timer.start();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fill");
        db.setDatabaseName(path);
        db.open();
        HistoryGenerator::run(db, "pragma synchronous = off");
        db.transaction();
        HistoryGenerator::generate(db, false, trips, 48640);
        db.commit();
    }
    QSqlDatabase::removeDatabase("fill");
    std::printf("history: %d trips of 48,640 samples generated in %.0f s\n", trips, timer.elapsed() / 1e3);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet("VESMIRA_DEBUG"))
        QLoggingCategory::setFilterRules("*.debug=false");
    QString report;
    QString shots;
    int trips = 0;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == "--trips" && i + 1 < args.size())
            trips = args.at(++i).toInt();
        else if (args.at(i) == "--shots" && i + 1 < args.size())
            shots = QDir(args.at(++i)).absolutePath();
        else
            report = args.at(i);
    }
    // The English interface, as the window of a desk set to English shows it.
    languageCode = "en";
    QTranslator english;
    if (english.load(":/CDravik/dravik_en.qm"))
        QCoreApplication::installTranslator(&english);
    QTemporaryDir work;
    applicationDir = work.path() + "/app";
    QDir().mkpath(applicationDir + "/db");
    if (report.isEmpty()) {
        QProcess make;
        make.start("python3",
            { QStringLiteral(VESMIRA_TEST_DATA "/../../scripts/make-test-reports.py"), "--large", work.path(),
                "1000000" });
        if (!make.waitForFinished(300000) || make.exitCode() != 0) {
            std::fprintf(stderr, "bench_stall: cannot make the report\n");
            return 1;
        }
        report = work.path() + "/large-th-1000000.csv";
    }
    CMessageBox::setHandler([](const CMessageBox::Request &request) {
        std::printf("  (message: %s)\n", qPrintable(request.text.left(100)));
        return QMessageBox::Ok;
    });
    CDialogs::TestHandlers handlers;
    handlers.saveFile = [&work](const QString &, const QString &start, const QString &) {
        return work.filePath("saved-" + QFileInfo(start).fileName());
    };
    CDialogs::setTestHandlers(handlers);

    const QString history = CTempDbManager::databasePath(applicationDir);
    {
        CTempDbManager tables(history);
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    if (trips > 0)
        fillHistory(history, trips);

    CDravik window;
    window.resize(1366, 768);
    window.show();
    QCoreApplication::processEvents();
    std::printf(
        "report: %s (%lld bytes)\n", qPrintable(QFileInfo(report).fileName()), QFileInfo(report).size());

    StallMeter meter;
    // 0. Cancel pressed while the samples are stored: how long until the
    // read has ended, and nothing may be kept.
    {
        const int records = window.database()->recordCount();
        QElapsedTimer clock;
        qint64 pressed = -1;
        QTimer canceller;
        QObject::connect(&canceller, &QTimer::timeout, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QProgressDialog *>(widget);
                if (pressed < 0 && dialog && dialog->isVisible() && dialog->value() >= 600) {
                    pressed = clock.elapsed();
                    dialog->findChild<QPushButton *>()->click();
                }
            }
        });
        canceller.start(5);
        meter.measure("read cancelled while storing", [&] {
            clock.start();
            window.openReportFiles({ report });
        });
        std::printf(
            "  Cancel pressed at %lld ms, the read ended %lld ms later; records %d (before %d), local "
            "copies %d\n",
            pressed, clock.elapsed() - pressed, window.database()->recordCount(), records,
            int(QDir(applicationDir + "/data_files").entryList(QDir::Files).size()));
    }

    // 1. The read, from File > Open report to the data view.
    // The read's dialog on the screen, halfway through the read.
    QTimer halfway;
    bool shot = false;
    if (!shots.isEmpty()) {
        halfway.setInterval(50);
        QObject::connect(&halfway, &QTimer::timeout, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QProgressDialog *>(widget);
                if (!shot && dialog && dialog->isVisible() && dialog->value() >= 450) {
                    shot = true;
                    shoot(shots, "1-reading-progress");
                    meter.restart(); // the shot's own time is no stall of the window
                }
            }
        });
        halfway.start();
    }
    meter.measure("read 1,000,000 samples", [&] { window.openReportFiles({ report }); });
    const std::shared_ptr<CRecord> record = window.record();
    if (!record || record->id == 0) {
        std::fprintf(stderr, "bench_stall: the report was not stored\n");
        return 1;
    }
    std::printf("  record %d: %d samples\n", record->id, int(record->data.size()));
    window.dataPage()->tabWidget()->setCurrentIndex(1);
    shoot(shots, "2-read-done-curve");

    // 2. The stored record on the history page.
    window.HistoryRecordAction(false);
    meter.measure("open the stored record", [&] { window.openStoredRecord(record->id, record->name); });
    shoot(shots, "3-history-detail");

    // 3. Compared with the newest trips before it.
    QVector<int> ids { record->id };
    QStringList names { record->name };
    for (int id = record->id - 1; id > 0 && ids.size() < 4; --id) {
        ids << id;
        names << window.database()->recordName(id);
    }
    meter.measure(qPrintable(QString("compare %1 trips").arg(ids.size())),
        [&] { window.compareStoredRecords(ids, names); });
    shoot(shots, "4-compare");
    meter.measure("close the comparison", [&] {
        for (CCompareView *view : window.findChildren<CCompareView *>())
            view->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });

    // 4. Exports of the data view and of the history page.
    window.TestRearchDeviceAction(false);
    answerExport(work.filePath("view.csv"));
    meter.measure("export CSV (data view)", [&] { window.dataPage()->OnExportCsvBtnClick(); });
    answerExport(work.filePath("view.pdf"));
    meter.measure("export PDF (data view)", [&] { window.dataPage()->OnExportPdfBtnClick(); });
    window.HistoryRecordAction(false);
    answerExport(work.filePath("history.pdf"));
    meter.measure(
        "export PDF (history page, reopened)", [&] { window.historyDetail()->OnExportPdfBtnClick(); });
    meter.measure("save as (history page)", [&] { window.historyDetail()->OnSaveAsOriginalPdfBtnClick(); });
    window.historyDetail()->tabWidget()->setCurrentIndex(1);
    shoot(shots, "5-exported");
    std::printf("files: %lld, %lld, %lld bytes\n", QFileInfo(work.filePath("view.pdf")).size(),
        QFileInfo(work.filePath("view.csv")).size(), QFileInfo(work.filePath("history.pdf")).size());
    return 0;
}
