// The history list and detail pages on a database of parsed test reports.
#include "core/device/cloggerreader.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/ctempdatamodel.h"
#include "core/report/gbkcodeutils.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "helpers/fakedrives.h"

#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

class TestHistoryPages : public QObject {
    Q_OBJECT

    QTemporaryDir appDir;
    FakeDrives drives; // no logger: the pages alone
    QTranslator english;
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList dialogs;
    QString textAnswer;
    bool textOk = true;
    QString saveTarget;

    // Parses a test report and stores it as the reading flow does; returns the id.
    int store(CDravik &window, const char *report, bool keepPath = true)
    {
        const QString copy = appDir.path() + "/data_files/" + QFileInfo(report).fileName();
        QDir().mkpath(appDir.path() + "/data_files");
        QFile::remove(copy);
        QFile::copy(QStringLiteral(VESMIRA_TEST_DATA "/reports/") + report, copy);
        CRecord record;
        readReport(copy, record);
        record.reportPath = keepPath ? copy : QString();
        record.name = CLoggerReader::recordName(record.summary.deviceNo, QDateTime::currentDateTime());
        return window.database()->storeRecord(record) ? record.id : 0;
    }

    static int rowOf(QTableWidget *table, int id)
    {
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text().toInt() == id)
                return row;
        }
        return -1;
    }

    void selectRecord(CHistoryRecord *list, int id)
    {
        list->reload();
        list->table()->setCurrentCell(rowOf(list->table(), id), 0);
    }

private slots:
    void initTestCase()
    {
        applicationDir = appDir.path();
        languageCode = "en";
        // Chinese PDF reports need the GBK table for their labels.
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
        QVERIFY(english.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&english);
        drives.exportEnvironment();
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            messages << request.text;
            return answer;
        });
        CDialogs::TestHandlers handlers;
        handlers.saveFile = [this](const QString &caption, const QString &start, const QString &filter) {
            dialogs << caption + "|" + start + "|" + filter;
            return saveTarget;
        };
        handlers.text = [this](const QString &title, const QString &label, const QString &text, bool *ok) {
            dialogs << title + "|" + label + "|" + text;
            *ok = textOk;
            return textAnswer;
        };
        CDialogs::setTestHandlers(handlers);
    }

    void init()
    {
        messages.clear();
        dialogs.clear();
        answer = QMessageBox::Ok;
        textOk = true;
    }

    void emptyHistoryAndMenu()
    {
        CDravik window;
        CHistoryRecord *list = window.historyList();
        list->reload();
        QCOMPARE(list->table()->rowCount(), 0);
        QMenu *menu = list->buildContextMenu();
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 6);
        QCOMPARE(actions.at(0)->text(), QString("Delete"));
        QCOMPARE(actions.at(1)->text(), QString("Rename"));
        QCOMPARE(actions.at(2)->text(), QString("File save as"));
        QVERIFY(actions.at(3)->isSeparator());
        QCOMPARE(actions.at(4)->text(), QString("View details"));
        QCOMPARE(actions.at(5)->text(), QString("Compare"));
        // Without a current row every action does nothing (delete still asks).
        for (QAction *action : actions)
            action->trigger();
        QCOMPARE(messages, QStringList { "Are you sure to delete this data record?" });
        QVERIFY(dialogs.isEmpty());
        QCOMPARE(window.historyDetail()->titleLabel()->text(), QString("ID000000_2020630112217841"));
        delete menu;
    }

    void openFillsTheRightForm()
    {
        CDravik window;
        const int temp = store(window, "en-temp.csv");
        const int humid = store(window, "zh-th.pdf");
        CHistoryRecord *list = window.historyList();
        CHistoryRecordContent *detail = window.historyDetail();
        list->reload();
        // Newest first.
        QCOMPARE(list->table()->item(0, 0)->text().toInt(), humid);

        list->OnHistoryCellDoubleClick(rowOf(list->table(), temp), 1);
        QCOMPARE(detail->titleLabel()->text(), list->table()->item(rowOf(list->table(), temp), 1)->text());
        QVERIFY(detail->listView()->isColumnHidden(3));
        QVERIFY(detail->listModel()->rowCount() > 0);
        QCOMPARE(detail->summaryTable()->rowCount(), 21);
        QCOMPARE(detail->summaryTable()->item(7, 3)->text(), QString("Upper Limit"));
        QCOMPARE(detail->summaryTable()->item(0, 0)->background().color(), QColor("#c9c9c9"));
        QCOMPARE(detail->summaryTable()->item(13, 4)->background().color(), QColor("#c9c9c9"));
        QCOMPARE(detail->summaryTable()->item(17, 0)->text(), QString("MKT"));
        QCOMPARE(detail->summaryTable()->item(1, 3)->text(), QString("Serial Number"));
        QVERIFY(!detail->summaryTable()->item(1, 4)->text().isEmpty());

        detail->tabWidget()->setCurrentIndex(2);
        list->table()->setCurrentCell(rowOf(list->table(), humid), 0);
        list->onInfoAction();
        QCOMPARE(detail->tabWidget()->currentIndex(), 0);
        QVERIFY(!detail->listView()->isColumnHidden(3));
        QCOMPARE(detail->record()->summary.containHumidity, 1);
        // A Chinese value in the English interface, as the data view shows it.
        QVERIFY(detail->summaryTable()->item(20, 1)->text().startsWith("["));
    }

    void renameAndDelete()
    {
        CDravik window;
        const int first = store(window, "en-temp.txt");
        const int second = store(window, "zh-temp.csv");
        CHistoryRecord *list = window.historyList();
        const QString firstName = [&] {
            list->reload();
            return list->table()->item(rowOf(list->table(), first), 1)->text();
        }();

        // Rename, preset with the current name; a duplicate name is allowed.
        selectRecord(list, second);
        textAnswer = firstName;
        list->onRefreshAction();
        QVERIFY(dialogs.last().startsWith("Data save as|Input new data name:|"));
        QCOMPARE(list->table()->item(rowOf(list->table(), second), 1)->text(), firstName);
        // Cancelled: nothing changes.
        selectRecord(list, second);
        textAnswer = "ignored";
        textOk = false;
        list->onRefreshAction();
        QCOMPARE(list->table()->item(rowOf(list->table(), second), 1)->text(), firstName);

        // Delete, cancelled then confirmed; the detail page keeps the record.
        list->OnHistoryCellDoubleClick(rowOf(list->table(), second), 0);
        const QString shown = window.historyDetail()->titleLabel()->text();
        const int rows = list->table()->rowCount();
        selectRecord(list, second);
        answer = QMessageBox::Cancel;
        list->onDelHistoryAction();
        QCOMPARE(list->table()->rowCount(), rows);
        answer = QMessageBox::Ok;
        list->onDelHistoryAction();
        QCOMPARE(list->table()->rowCount(), rows - 1);
        QCOMPARE(rowOf(list->table(), second), -1);
        QCOMPARE(window.historyDetail()->titleLabel()->text(), shown);
        QVERIFY(window.database()->GetPdfPathById(second).isEmpty());
    }

    void saveAs()
    {
        CDravik window;
        const int csv = store(window, "en-th.csv");
        const int noPath = store(window, "en-temp.pdf", false);
        CHistoryRecord *list = window.historyList();

        // A record stored without a report copy.
        selectRecord(list, noPath);
        list->onFileSaveAsAction();
        QCOMPARE(messages.last(), QString("File save failure, no corresponding historical data is uploaded"));

        // The CSV filter, a byte-identical copy, then no overwrite.
        selectRecord(list, csv);
        saveTarget = appDir.path() + "/saved.csv";
        list->onFileSaveAsAction();
        QCOMPARE(dialogs.last(), QString("File save as|en-th.csv|CSV Files (*.csv)"));
        QCOMPARE(messages.last(), QString("File save success"));
        QFile original(window.database()->GetPdfPathById(csv));
        QFile saved(saveTarget);
        QVERIFY(original.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), original.readAll());
        messages.clear();
        list->onFileSaveAsAction();
        QVERIFY(messages.isEmpty());

        // The detail page: no record shown, then a report copy that vanished.
        CHistoryRecordContent *detail = window.historyDetail();
        detail->OnExportPdfBtnClick();
        QCOMPARE(messages.last(), QString("Export failure due to no record is selected."));
        list->OnHistoryCellDoubleClick(rowOf(list->table(), csv), 0);
        QFile::remove(window.database()->GetPdfPathById(csv));
        detail->OnSaveAsOriginalPdfBtnClick();
        QCOMPARE(messages.last(), QString("The report file of this record no longer exists."));
        detail->OnExportPdfBtnClick();
        QCOMPARE(messages.last(), QString("The report file of this record no longer exists."));
        selectRecord(list, csv);
        list->onFileSaveAsAction();
        QCOMPARE(messages.last(), QString("The report file of this record no longer exists."));
    }
};

QTEST_MAIN(TestHistoryPages)
#include "tst_historypages.moc"
