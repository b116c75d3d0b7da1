// Cancel in the middle of a long step leaves nothing half done: a read
// cancelled while it copies, parses or stores (embedded or shared history)
// keeps no record and no local copy; an export or a save-as cancelled leaves
// no file, and a file that was at the target as it was; the window's read
// cancelled from its progress dialog keeps nothing and shows what it showed.
#include "core/device/cloggerreader.h"
#include "core/export/cexportcsv.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/export/creportsaveas.h"
#include "core/history/chistorystore.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/ctaskprogress.h"
#include "core/report/gbkcodeutils.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/view/cdevicedatainfo.h"
#include "helpers/historyengines.h"
#include "helpers/historyfaults.h"
#include "helpers/testfiles.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The files in dir.
QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestCancel : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_report;
    QStringList m_messages;

private slots:
    void initTestCase()
    {
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
        // Long enough for every loop of a step to look at its progress
        // several times.
        m_report = m_dir.filePath("LONG.csv");
        QVERIFY(writeFile(m_report, longCsvReport(20000)));
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            m_messages << request.text;
            return QMessageBox::Ok;
        });
    }

    // Cancelled once the step has told `at` thousandths: 0 while the report
    // is copied, in the parse (20 to 300) and while the samples are stored.
    void readCancelled_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("at");
        for (const char *engine : { "sqlite", "postgres" }) {
            QTest::newRow(qPrintable(QString("%1 copy").arg(engine))) << engine << 0;
            QTest::newRow(qPrintable(QString("%1 parse").arg(engine))) << engine << 150;
            QTest::newRow(qPrintable(QString("%1 store").arg(engine))) << engine << 500;
        }
    }

    void readCancelled()
    {
        QFETCH(QString, engine);
        QFETCH(int, at);
        SKIP_WITHOUT_POSTGRES(engine);
        QTemporaryDir app;
        auto history = openEngine(engine, app.path());
        QVERIFY(history->isOpen());
        CHistoryStore store(
            app.path(), CHistoryLocation::parse(engine == "postgres" ? postgresUrl() : QString()));
        int told = -1;
        CTaskProgress *self = nullptr;
        CTaskProgress task([&](int permille) {
            told = permille;
            if (permille >= at)
                self->cancel();
        });
        self = &task;
        CRecord record;
        QCOMPARE(readLogger(m_report, app.path(), store, record, {}, &task).status, CReadOutcome::Cancelled);
        QVERIFY(told >= at);
        // The parse stops where it was cancelled, not at the report's end.
        if (at == 150)
            QVERIFY2(record.data.size() < 20000, qPrintable(QString::number(record.data.size())));
        QCOMPARE(history->recordCount(), 0);
        QCOMPARE(store.embedded()->recordCount(), 0); // nothing kept for later either
        QCOMPARE(filesIn(app.path() + "/data_files"), QStringList());
        history.reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    }

    // PDF and CSV, to a new file and over an earlier one; the save-as of
    // the report.
    void exportCancelled()
    {
        CRecord record;
        QVERIFY(readReport(m_report, record) != ReportKind::None);
        const CExportRange::Range range = CExportRange::presetRange(record.data);
        for (const bool earlier : { false, true }) {
            for (const QString suffix : { "pdf", "csv" }) {
                QTemporaryDir out;
                const QString target = out.filePath("report." + suffix);
                if (earlier)
                    QVERIFY(writeFile(target, "before"));
                CTaskProgress *self = nullptr;
                CTaskProgress task([&](int permille) {
                    if (permille >= 300)
                        self->cancel();
                });
                self = &task;
                CExportPdf pdf;
                CExportCsv csv;
                CRecordExporter &exporter = suffix == "pdf" ? static_cast<CRecordExporter &>(pdf) : csv;
                QCOMPARE(CExportRange::exportRecord(record, range.start, range.end, target, exporter,
                             CExportRange::ChosenRange, &task),
                    CExportRange::Cancelled);
                QCOMPARE(filesIn(out.path()), earlier ? QStringList { "report." + suffix } : QStringList());
                QCOMPARE(QFileInfo(target).size(), earlier ? 6 : 0);
            }
        }
        QTemporaryDir out;
        CTaskProgress task;
        task.cancel();
        QVERIFY(!CReportSaveAs::copyReport(m_report, out.filePath("saved.csv"), &task));
        QCOMPARE(filesIn(out.path()), QStringList());
    }

    // The read's dialog has a Cancel button; pressed (or Esc) while the
    // record waits to be stored (the history held by another writer),
    // nothing is kept.
    void windowReadCancelled_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Esc") << true;
    }

    void windowReadCancelled()
    {
        QFETCH(bool, escape);
        QTemporaryDir app;
        applicationDir = app.path();
        languageCode = "en";
        openEngine("sqlite", app.path()).reset();
        CDravik window;
        QSqlDatabase blocker = QSqlDatabase::addDatabase("QSQLITE", "blocker");
        blocker.setDatabaseName(CTempDbManager::databasePath(app.path()));
        QVERIFY(blocker.open());
        QSqlQuery(blocker).exec("begin immediate");
        bool pressed = false;
        QTimer press;
        connect(&press, &QTimer::timeout, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QProgressDialog *>(widget);
                auto *cancel = dialog ? dialog->findChild<QPushButton *>() : nullptr;
                // Esc reaches the dialog once it is the active window.
                if (!pressed && cancel && dialog->isVisible() && (!escape || dialog->isActiveWindow())) {
                    pressed = true;
                    if (escape)
                        QTest::keyClick(dialog, Qt::Key_Escape);
                    else
                        cancel->click();
                    QSqlQuery(blocker).exec("rollback");
                }
            }
        });
        press.start(10);
        window.openReportFiles({ m_report });
        QVERIFY(pressed);
        QVERIFY(m_messages.isEmpty());
        QVERIFY(!window.record());
        QVERIFY(!window.dataPage()->record());
        QCOMPARE(window.database()->recordCount(), 0);
        QCOMPARE(filesIn(app.path() + "/data_files"), QStringList());
        blocker.close();
        blocker = QSqlDatabase();
        QSqlDatabase::removeDatabase("blocker");
    }
};

QTEST_MAIN(TestCancel)
#include "tst_cancel.moc"
