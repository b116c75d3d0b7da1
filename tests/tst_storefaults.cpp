// The history store under real faults: the application's db folder on a tiny
// tmpfs that fills up or is mounted read-only. Reading a logger, renaming and
// deleting either change the history completely or, reported to the user,
// not at all.
#include "core/device/cloggerreader.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/reportparse.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecord.h"
#include "gui/view/cdevicedatainfo.h"
#include "helpers/fakedrives.h"
#include "helpers/faultfs.h"
#include "helpers/historyfaults.h"

#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

class TestStoreFaults : public QObject {
    Q_OBJECT

    FakeDrives drives;
    QTranslator english;
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QString textAnswer;

    // An application directory whose db folder is the small disk.
    static bool useDiskForHistory(const QTemporaryDir &app, const SmallTmpfs &disk)
    {
        applicationDir = app.path();
        return QFile::link(disk.path(), app.path() + "/db");
    }

    // Parses a test report and stores it as the reading flow does.
    static int store(CTempDbManager &db, const char *report)
    {
        const QString copy = QStringLiteral(VESMIRA_TEST_DATA "/reports/") + report;
        CRecord record;
        readReport(copy, record);
        record.reportPath = copy;
        record.name = CLoggerReader::recordName(record.summary.deviceNo, QDateTime::currentDateTime());
        return db.storeRecord(record) ? record.id : 0;
    }

    // A record of count samples stored directly, for a delete that needs room.
    static int storeSamples(CTempDbManager &db, int count)
    {
        CSummeryParam summary;
        summary.deviceNo = QString::number(count);
        CTempData data;
        for (int i = 0; i < count; ++i)
            data.append(TempDataItem { "21.5", "0", QStringLiteral("2021/5/6 %1").arg(i) });
        return db.InsertRecord(&summary, summary.deviceNo, &data, 0);
    }

    static void selectRecord(CHistoryRecord *list, int row)
    {
        list->reload();
        list->table()->setCurrentCell(row, 0);
    }

private slots:
    void initTestCase()
    {
        languageCode = "en";
        QVERIFY(english.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&english);
        drives.exportEnvironment();
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            messages << request.text;
            return answer;
        });
        CDialogs::TestHandlers handlers;
        handlers.text = [this](const QString &, const QString &, const QString &, bool *ok) {
            *ok = true;
            return textAnswer;
        };
        CDialogs::setTestHandlers(handlers);
    }

    void init()
    {
        messages.clear();
        answer = QMessageBox::Ok;
    }

    // Each test opens the history of its own disk.
    void cleanup() { QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection); }

    // A logger whose report does not fit on the disk: the error box, no
    // list or curve, and the history exactly as before the read.
    void readWithFailingStore()
    {
        SmallTmpfs disk(256 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        QTemporaryDir app;
        QVERIFY(useDiskForHistory(app, disk));
        CDravik window;
        QVERIFY(store(*window.database(), "en-th.csv") > 0);
        const QString dbPath = app.path() + "/db/dravik.db";
        const QByteArray file = fileContent(dbPath);
        const QStringList before = historyRows(dbPath);
        QCOMPARE(before.value(0), QString("integrity ok"));

        const QString root = drives.addDrive("LONGLOGGER", "STM");
        FakeDrives::write(root + "/setting.ini", QByteArray(102, '\0'));
        FakeDrives::write(root + "/LONG.csv", longCsvReport(20000));
        drives.plug(root);
        // The read ends with the data view shown.
        QTRY_VERIFY_WITH_TIMEOUT(window.rightStack()->currentWidget() == (QWidget *)window.dataPage(), 30000);
        QCOMPARE(messages,
            QStringList { "The record could not be stored in the history database; the history is unchanged. "
                          "Please check the free disk space.\nHistory: database or disk is full" });
        QCOMPARE(window.record()->data.size(), 20000); // read, but not stored
        QVERIFY(fileContent(dbPath) == file);
        QCOMPARE(historyRows(dbPath), before);
        window.historyList()->reload();
        QCOMPARE(window.historyList()->table()->rowCount(), 1);
        drives.unplug(root);
    }

    // A report name too long for a file name once the copy's time stamp is
    // added loses whole characters from its end: Chinese ones (three bytes)
    // and emoji (four bytes, two UTF-16 units), the limit falling at every
    // place within one.
    void longReportNameCut()
    {
        const QDateTime now(QDate(2024, 3, 5), QTime(8, 0));
        for (const QString &unit : { QString::fromUtf8("报"), QString::fromUtf8("😀") }) {
            for (int pad = 0; pad < 4; ++pad) {
                const QString copy
                    = CLoggerReader::localCopyName(QString(pad, 'a') + unit.repeated(100) + ".csv", now);
                const QByteArray bytes = QFile::encodeName(copy);
                QVERIFY2(bytes.size() <= 255 && bytes.size() > 255 - 4, qPrintable(copy));
                QCOMPARE(QFile::decodeName(bytes), copy); // no half character
                QVERIFY(copy.startsWith(QString(pad, 'a') + unit.repeated(50)) && copy.endsWith(".csv"));
            }
        }
    }

    // A report copy that does not fit into data_files: the message names the
    // copy and the reason, not the logger; nothing is left there.
    void readWithFullDataFiles()
    {
        SmallTmpfs disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        QTemporaryDir app;
        applicationDir = app.path();
        QVERIFY(QFile::link(disk.path(), app.path() + "/data_files"));
        QVERIFY(disk.fill());
        CDravik window;
        const QString root = drives.addDrive("FULLCOPY", "STM");
        FakeDrives::write(root + "/REPORT.csv", fileContent(VESMIRA_TEST_DATA "/reports/en-th.csv"));
        drives.plug(root);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 5000);
        QVERIFY2(messages.first().startsWith(
                     "The report could not be copied to this computer (" + app.path() + "/data_files/REPORT-")
                && messages.first().endsWith("): No space left on device"),
            qPrintable(messages.first()));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "filler" });
        drives.unplug(root);
    }

    // Rename and delete on a read-only mount: each reported, nothing changed;
    // writable again, both go through without a word.
    void renameAndDeleteOnReadOnlyDatabase()
    {
        SmallTmpfs disk(1024 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        QTemporaryDir app;
        QVERIFY(useDiskForHistory(app, disk));
        CDravik window;
        QVERIFY(store(*window.database(), "en-temp.csv") > 0);
        QVERIFY(store(*window.database(), "zh-th.csv") > 0);
        const QString dbPath = app.path() + "/db/dravik.db";
        const QStringList before = historyRows(dbPath);
        CHistoryRecord *list = window.historyList();
        selectRecord(list, 0);
        const QString name = list->table()->item(0, 1)->text();

        // No file of the disk may be open for writing while it is remounted.
        QSqlDatabase::database().close();
        QVERIFY(disk.setReadOnly(true));
        QVERIFY(QSqlDatabase::database().isOpen());
        textAnswer = "renamed";
        list->onRefreshAction();
        QCOMPARE(messages, QStringList { "Rename failed; the data record is unchanged." });
        QCOMPARE(list->table()->item(0, 1)->text(), name);
        selectRecord(list, 0);
        list->onDelHistoryAction();
        QCOMPARE(messages,
            QStringList(
                { "Rename failed; the data record is unchanged.", "Are you sure to delete this data record?",
                    "Delete failed; the data record is unchanged." }));
        QCOMPARE(list->table()->rowCount(), 2);
        QCOMPARE(historyRows(dbPath), before);

        QSqlDatabase::database().close();
        QVERIFY(disk.setReadOnly(false));
        QVERIFY(QSqlDatabase::database().isOpen());
        messages.clear();
        selectRecord(list, 0);
        list->onRefreshAction();
        QCOMPARE(list->table()->item(0, 1)->text(), QString("renamed"));
        selectRecord(list, 0);
        list->onDelHistoryAction();
        QCOMPARE(messages, QStringList { "Are you sure to delete this data record?" });
        QCOMPARE(list->table()->rowCount(), 1);
    }

    // The disk fills up while the samples of a record are deleted, after its
    // header and summary: all three tables stay as they were.
    void deleteFailingHalfWay()
    {
        SmallTmpfs disk(4 * 1024 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QString dbPath = disk.filePath("dravik.db");
        CTempDbManager db(dbPath);
        QVERIFY(storeSamples(db, 10) > 0);
        const int large = storeSamples(db, 20000);
        QVERIFY(large > 0);
        QVERIFY(storeSamples(db, 10) > 0);
        const QByteArray file = fileContent(dbPath);
        const QStringList before = historyRows(dbPath);

        // Room for the journal of a few pages, not for that of every page of the samples.
        QVERIFY(disk.fill());
        QFile filler(disk.filePath("filler"));
        QVERIFY(filler.resize(filler.size() - 64 * 1024));
        const bool deleted = db.DeleteRecordById(large);
        QVERIFY(fileContent(dbPath) == file);
        QCOMPARE(historyRows(dbPath), before);
        QVERIFY(!deleted);

        QVERIFY(filler.remove());
        QVERIFY(db.DeleteRecordById(large));
        QCOMPARE(historyRows(dbPath).size(), before.size() - 2 - 20000);
    }

    // A history damaged on disk: an error naming the file at start, not an
    // empty history, and the file left exactly as it was.
    void damagedHistoryAtStart()
    {
        QTemporaryDir app;
        applicationDir = app.path();
        const QString dbPath = CTempDbManager::databasePath(app.path());
        FakeDrives::write(dbPath, "not a database!!" + QByteArray(8192, 'x'));
        const QByteArray before = fileContent(dbPath);
        {
            CDravik window;
            QTRY_COMPARE(messages.size(), 1);
            QVERIFY2(messages.first().startsWith("The history " + dbPath + " is damaged"),
                qPrintable(messages.first()));
            QVERIFY(window.database()->isDamaged());
        }
        QVERIFY(fileContent(dbPath) == before);
    }
};

QTEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
