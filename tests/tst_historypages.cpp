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
#include "gui/history/chistorytablefill.h"
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

    // The list table, newest first, its ids sorting as numbers; filled
    // again, the same rows; a database that cannot be read empties it.
    void tableFill()
    {
        QTemporaryDir dir;
        {
            CTempDbManager db(CTempDbManager::databasePath(dir.path()));
            for (int i = 1; i <= 12; ++i) {
                CSummeryParam summary;
                summary.wayDesc = QString::fromUtf8("冷链 %1").arg(i);
                db.InsertRecordParam(&summary, QString("A%1").arg(i));
            }
            QTableWidget table(1, 3);
            table.setItem(0, 0, new QTableWidgetItem("stale"));
            table.setSortingEnabled(true);
            table.sortByColumn(0, Qt::DescendingOrder);
            LoadAllRecords(&db, &table);
            db.DeleteRecordById(5);
            LoadAllRecords(&db, &table);
            QStringList shown;
            for (int row = 0; row < table.rowCount(); ++row) {
                QVERIFY(table.item(row, 0)->data(Qt::DisplayRole).type() == QVariant::Int);
                for (int column = 0; column < 3; ++column) {
                    shown << table.item(row, column)->text();
                    QCOMPARE(table.item(row, column)->textAlignment(), int(Qt::AlignCenter));
                }
            }
            QCOMPARE(shown.mid(0, 6) + shown.mid(21),
                QStringList(
                    { "12", "A12", QString::fromUtf8("冷链 12"), "11", "A11", QString::fromUtf8("冷链 11"),
                        "4", "A4", QString::fromUtf8("冷链 4"), "3", "A3", QString::fromUtf8("冷链 3"), "2",
                        "A2", QString::fromUtf8("冷链 2"), "1", "A1", QString::fromUtf8("冷链 1") }));
            QCOMPARE(table.rowCount(), 11);
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        {
            CTempDbManager broken(blocker.fileName() + "/dravik.db");
            QTableWidget table(2, 3);
            LoadAllRecords(&broken, &table);
            QCOMPARE(table.rowCount(), 0);
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    }

    void emptyHistoryAndMenu()
    {
        CDravik window;
        CHistoryRecord *list = window.historyList();
        list->reload();
        QCOMPARE(list->table()->rowCount(), 0);
        QMenu *menu = list->buildContextMenu();
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(texts, QStringList({ "Delete", "Rename", "File save as", "-", "View details", "Compare" }));
        // Without a current row every action does nothing (delete still asks).
        for (QAction *action : menu->actions())
            action->trigger();
        QCOMPARE(messages, QStringList { "Are you sure to delete this data record?" });
        QVERIFY(dialogs.isEmpty());
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
        QCOMPARE(list->table()->item(0, 0)->text().toInt(), humid); // newest first

        list->OnHistoryCellDoubleClick(rowOf(list->table(), temp), 1);
        QCOMPARE(detail->titleLabel()->text(), list->table()->item(rowOf(list->table(), temp), 1)->text());
        QVERIFY(detail->listView()->isColumnHidden(3));
        QCOMPARE(detail->listModel()->rowCount(), 30);
        QCOMPARE(detail->summaryTable()->rowCount(), 21);
        QCOMPARE(
            detail->summaryTable()->item(1, 3)->text() + "|" + detail->summaryTable()->item(1, 4)->text(),
            QString("Serial Number|EH21050013"));

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
        list->reload();
        const QString firstName = list->table()->item(rowOf(list->table(), first), 1)->text();
        auto nameOf = [list](int id) { return list->table()->item(rowOf(list->table(), id), 1)->text(); };

        // Rename, preset with the current name; a duplicate name is allowed;
        // cancelled, nothing changes.
        selectRecord(list, second);
        textAnswer = firstName;
        list->onRefreshAction();
        QVERIFY(dialogs.last().startsWith("Data save as|Input new data name:|"));
        QCOMPARE(nameOf(second), firstName);
        selectRecord(list, second);
        textAnswer = "ignored";
        textOk = false;
        list->onRefreshAction();
        QCOMPARE(nameOf(second), firstName);

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
        CHistoryRecordContent *detail = window.historyDetail();

        // A record stored without a report copy; no record shown.
        selectRecord(list, noPath);
        list->onFileSaveAsAction();
        detail->OnExportPdfBtnClick();
        QCOMPARE(messages,
            QStringList({ "File save failure, no corresponding historical data is uploaded",
                "Export failure due to no record is selected." }));

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

        // A report copy that vanished: every entry says so.
        list->OnHistoryCellDoubleClick(rowOf(list->table(), csv), 0);
        QFile::remove(window.database()->GetPdfPathById(csv));
        detail->OnSaveAsOriginalPdfBtnClick();
        detail->OnExportPdfBtnClick();
        selectRecord(list, csv);
        list->onFileSaveAsAction();
        QCOMPARE(messages, QVector<QString>(3, "The report file of this record no longer exists.").toList());
    }
};

QTEST_MAIN(TestHistoryPages)
#include "tst_historypages.moc"
