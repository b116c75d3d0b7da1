// The history list and detail pages on a database of parsed test reports.
#include "core/device/cloggerreader.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdatamodel.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/reportparse.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "helpers/fakedrives.h"
#include "helpers/testfiles.h"

#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <qcustomplot.h>

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

    // The menu of an empty history; the detail page switching between the
    // forms of a temperature and a temperature/humidity record, back on its
    // first tab (what it shows of each report is compared with the data view
    // in tst_reopen); renaming, saving the report as, deleting, each with its
    // dialog and messages.
    void openRenameSaveDelete()
    {
        CDravik window;
        CHistoryRecord *list = window.historyList();
        CHistoryRecordContent *detail = window.historyDetail();
        // Without a current row every menu action does nothing (delete still asks).
        list->reload();
        QCOMPARE(list->table()->rowCount(), 0);
        std::unique_ptr<QMenu> menu(list->buildContextMenu());
        for (QAction *action : menu->actions())
            action->trigger();
        QCOMPARE(messages, QStringList { "Are you sure to delete this data record?" });
        QVERIFY(dialogs.isEmpty());

        const int temp = store(window, "en-temp.csv");
        const int humid = store(window, "zh-th.pdf");
        const int csv = store(window, "en-th.csv");
        const int noPath = store(window, "en-temp.pdf", false);
        list->reload();
        QCOMPARE(list->table()->item(0, 0)->text().toInt(), noPath); // newest first
        const auto nameOf
            = [list](int id) { return list->table()->item(rowOf(list->table(), id), 1)->text(); };

        // A record stored without a report copy; no record shown.
        messages.clear();
        selectRecord(list, noPath);
        list->onFileSaveAsAction();
        detail->OnExportPdfBtnClick();
        QCOMPARE(messages,
            QStringList({ "File save failure, no corresponding historical data is uploaded",
                "Export failure due to no record is selected." }));

        list->OnHistoryCellDoubleClick(rowOf(list->table(), temp), 1);
        QCOMPARE(detail->titleLabel()->text(), nameOf(temp));
        QVERIFY(detail->listView()->isColumnHidden(3));
        QCOMPARE(detail->summaryTable()->item(1, 4)->text(), QString("EH21050013"));
        detail->tabWidget()->setCurrentIndex(2);
        list->table()->setCurrentCell(rowOf(list->table(), humid), 0);
        list->onInfoAction();
        QCOMPARE(detail->tabWidget()->currentIndex(), 0);
        QVERIFY(!detail->listView()->isColumnHidden(3));
        QCOMPARE(detail->record()->summary.containHumidity, 1);
        // A Chinese value in the English interface, as the data view shows it.
        QVERIFY(detail->summaryTable()->item(20, 1)->text().startsWith("["));

        // Rename, preset with the current name; a duplicate name is allowed;
        // cancelled, nothing changes.
        const QString tempName = nameOf(temp);
        const QString humidName = nameOf(humid);
        selectRecord(list, humid);
        textAnswer = tempName;
        list->onRefreshAction();
        QCOMPARE(dialogs.last(), "Data save as|Input new data name:|" + humidName);
        QCOMPARE(nameOf(humid), tempName);
        selectRecord(list, humid);
        textAnswer = "ignored";
        textOk = false;
        list->onRefreshAction();
        QCOMPARE(nameOf(humid), tempName);

        // Save as: the CSV filter, a byte-identical copy, then no overwrite.
        messages.clear();
        selectRecord(list, csv);
        saveTarget = appDir.path() + "/saved.csv";
        list->onFileSaveAsAction();
        QCOMPARE(dialogs.last(), QString("File save as|en-th.csv|CSV Files (*.csv)"));
        QCOMPARE(messages, QStringList { "File save success" });
        QCOMPARE(readAll(saveTarget), readAll(window.database()->GetPdfPathById(csv)));
        list->onFileSaveAsAction();
        QCOMPARE(messages.size(), 1);

        // A report copy that vanished: every entry says so.
        messages.clear();
        list->OnHistoryCellDoubleClick(rowOf(list->table(), csv), 0);
        QFile::remove(window.database()->GetPdfPathById(csv));
        detail->OnSaveAsOriginalPdfBtnClick();
        detail->OnExportPdfBtnClick();
        selectRecord(list, csv);
        list->onFileSaveAsAction();
        QCOMPARE(messages, QVector<QString>(3, "The report file of this record no longer exists.").toList());

        // Delete, cancelled then confirmed: another record leaves the detail
        // page as it is; the record shown goes from it, with its list and
        // curve, and cannot be exported any more.
        const QString shown = detail->titleLabel()->text();
        const int rows = list->table()->rowCount();
        selectRecord(list, csv);
        answer = QMessageBox::Cancel;
        list->onDelHistoryAction();
        QCOMPARE(list->table()->rowCount(), rows);
        answer = QMessageBox::Ok;
        selectRecord(list, temp);
        list->onDelHistoryAction();
        QCOMPARE(detail->titleLabel()->text(), shown);
        QVERIFY(detail->listModel()->rowCount() > 0);
        selectRecord(list, csv);
        list->onDelHistoryAction();
        QCOMPARE(list->table()->rowCount(), rows - 2);
        QCOMPARE(rowOf(list->table(), csv), -1);
        QVERIFY(!detail->record() && detail->plot()->isHidden());
        QCOMPARE(
            detail->titleLabel()->text() + QString::number(detail->listModel()->rowCount()), QString("0"));
        messages.clear();
        detail->OnExportPdfBtnClick();
        QCOMPARE(messages, QStringList { "Export failure due to no record is selected." });
        QVERIFY(window.database()->GetPdfPathById(csv).isEmpty());
    }
};

QTEST_MAIN(TestHistoryPages)
#include "tst_historypages.moc"
