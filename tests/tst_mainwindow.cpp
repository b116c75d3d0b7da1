// The main window reading loggers end to end, on a fake mount table and sysfs
// tree: plugging in and out, the pages shown, the records stored.
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdatamodel.h"
#include "gui/app/cdeviceconnect.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/configuration/cdevicesetting.h"
#include "gui/view/cdevicedatainfo.h"
#include "helpers/fakedrives.h"
#include "helpers/historyfaults.h"
#include "helpers/testfiles.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QtTest>
#include <qcustomplot.h>

namespace {

QString report(const QString &name)
{
    return VESMIRA_TEST_DATA "/reports/" + name;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir appDir;
    FakeDrives drives;
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QTranslator english;
    int loggers = 0;

    // A logger drive holding its configuration file and the reports given
    // ("name on the drive=test report", separated by blanks).
    QString logger(const QString &reports = QString())
    {
        const QString root = drives.addDrive(QString("LOGGER%1").arg(++loggers), "STM");
        FakeDrives::write(root + "/setting.ini", QByteArray(102, '\0'));
        for (const QString &file : reports.split(' ', Qt::SkipEmptyParts))
            QFile::copy(report(file.section('=', 1)), root + "/" + file.section('=', 0, 0));
        return root;
    }

    static int storedRecords(CDravik &window) { return window.database()->LoadAllRecords().size(); }

    static bool readAndShown(CDravik &window)
    {
        return window.loggerRead() && window.leftStack()->currentWidget() == (QWidget *)window.connectPage()
            && window.rightStack()->currentWidget() == (QWidget *)window.dataPage();
    }

    static bool searching(CDravik &window)
    {
        return !window.loggerRead() && window.leftStack()->currentWidget() == (QWidget *)window.searchPage()
            && window.rightStack()->currentWidget() == (QWidget *)window.emptyPage();
    }

    void unplug(CDravik &window, const QString &root)
    {
        drives.unplug(root);
        QTRY_VERIFY_WITH_TIMEOUT(searching(window), 5000);
    }

private slots:
    void initTestCase()
    {
        applicationDir = appDir.path();
        languageCode = "en";
        QVERIFY(english.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&english);
        drives.exportEnvironment();
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            messages << request.text;
            return answer;
        });
    }

    void init()
    {
        messages.clear();
        answer = QMessageBox::Ok;
    }

    // A logger plugged in before the start, read again by the download
    // button, unplugged; then a temperature logger with a USB stick beside it.
    // (The choice among several reports is tested row by row in tst_cliread:
    // the main window reads through the same step.)
    void loggersReadOneAfterAnother()
    {
        // The smallest report is read: the CSV, not the larger TXT that sorts first.
        const QString root = logger("A.txt=en-th.txt en-th.csv=en-th.csv");
        drives.plug(root);
        CDravik window;
        const int before = storedRecords(window);
        QVERIFY(searching(window));
        QVERIFY(!window.settingPage()->controlsEnabled());
        // Read about a second after the start.
        QTRY_VERIFY_WITH_TIMEOUT(readAndShown(window), 5000);
        QVERIFY(messages.isEmpty());
        QCOMPARE(window.currentDrivePath(), root);
        QCOMPARE(storedRecords(window), before + 1);
        QVERIFY(window.settingPage()->controlsEnabled());
        QCOMPARE(window.containHumidity(), 1);

        // The local copy: base name, 17 digits of the copy time, suffix; the
        // record name: serial number and 17 digits of the time of storing.
        const QString copy = window.localReportPath();
        QVERIFY2(
            QRegularExpression("/data_files/en-th-\\d{17}\\.csv$").match(copy).hasMatch(), qPrintable(copy));
        QCOMPARE(readAll(copy), readAll(root + "/en-th.csv"));
        const QString title = window.dataPage()->titleLabel()->text();
        QVERIFY2(QRegularExpression("^EH21050014_\\d{17}$").match(title).hasMatch(), qPrintable(title));
        // Temperature/humidity form: the humidity column is shown.
        QCOMPARE(window.dataPage()->listModel()->rowCount(), 30);
        QVERIFY(!window.dataPage()->listView()->isColumnHidden(3));

        // The download button reads again (a copy of its own), but the same
        // report is not stored twice: the window says so and shows the
        // stored record.
        QTest::qWait(5); // another millisecond for the names
        window.connectPage()->downloadButton()->click();
        QCOMPARE(storedRecords(window), before + 1);
        QCOMPARE(messages, QStringList { "Already in the history as " + title });
        messages.clear();
        QVERIFY(window.localReportPath() != copy && QFile::exists(copy));
        QCOMPARE(window.dataPage()->titleLabel()->text(), title);

        // Unplugged: back to searching, the configuration page disabled, also
        // when the emptied mount point stays behind; the record stays in memory.
        drives.unplug(root, false);
        QTRY_VERIFY_WITH_TIMEOUT(searching(window), 5000);
        QVERIFY(!window.settingPage()->controlsEnabled());
        QVERIFY(!window.record()->data.isEmpty());

        // A temperature logger: the humidity column hidden.
        const QString second = logger("zh-temp.pdf=zh-temp.pdf");
        drives.plug(second);
        QTRY_VERIFY_WITH_TIMEOUT(readAndShown(window), 5000);
        QCOMPARE(window.containHumidity(), 0);
        QVERIFY(window.dataPage()->listView()->isColumnHidden(3));
        const int stored = storedRecords(window);

        // Another USB stick arrives: the logger keeps its drive, nothing is
        // read; its removal changes nothing.
        const QString stick = drives.addDrive("STICK", "SanDisk");
        drives.plug(stick);
        QTest::qWait(300);
        QCOMPARE(window.currentDrivePath(), second);
        QCOMPARE(storedRecords(window), stored);
        drives.unplug(stick);
        QTest::qWait(300);
        QVERIFY(readAndShown(window) && window.settingPage()->controlsEnabled());
        unplug(window, second);
    }

    // A record longer than the list says how much of it the list shows; a
    // report refused after it (FIFOs and huge files: tst_hostilereports)
    // is named in the error box and leaves nothing of it in the data view.
    void listNoteAndRefusedReport()
    {
        CDravik window;
        const QString root = logger();
        FakeDrives::write(root + "/LONG.csv", longCsvReport(48641));
        drives.plug(root);
        QTRY_VERIFY_WITH_TIMEOUT(readAndShown(window), 30000);
        CDeviceDataInfo *view = window.dataPage();
        QCOMPARE(view->listModel()->rowCount(), 48640);
        QVERIFY(!view->listNote()->isHidden());
        QCOMPARE(view->listNote()->text(), QString("Showing the first 48,640 of 48,641 samples"));
        QVERIFY(!view->plot()->isHidden());
        unplug(window, root);

        const QString empty = logger();
        FakeDrives::write(empty + "/REPORT.csv", QByteArray());
        drives.plug(empty);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 5000);
        QVERIFY2(messages.first().contains("REPORT")
                && messages.first().contains("holds neither a device number nor any sample"),
            qPrintable(messages.first()));
        QVERIFY(!view->record() && view->listNote()->isHidden() && view->plot()->isHidden());
        QCOMPARE(view->titleLabel()->text() + view->valueLabel("deviceNo")->text(), QString());
        QCOMPARE(view->listModel()->rowCount(), 0);
        unplug(window, empty);
    }

    // Nothing to read: the error box, once; the data view's buttons say
    // there is no record.
    void noReportOnTheDrive()
    {
        CDravik window;
        const QString root = logger();
        drives.plug(root);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 5000);
        QCOMPARE(messages.first(),
            QString("Error occurs when reading device data, please check if device fails."));
        QVERIFY(
            window.loggerRead() && window.leftStack()->currentWidget() == (QWidget *)window.connectPage());

        // A further arrival does not read again; the download button does.
        const QString stick = drives.addDrive("STICK2", "Kingston");
        drives.plug(stick);
        QTest::qWait(300);
        QCOMPARE(messages.size(), 1);
        window.connectPage()->downloadButton()->click();
        QCOMPARE(messages.size(), 2);
        QVERIFY(window.connectPage()->downloadButton()->isEnabled());

        messages.clear();
        window.dataPage()->OnExportPdfBtnClick();
        window.dataPage()->OnSaveAsPdfPathBtnClick();
        QCOMPARE(messages,
            (QStringList { "Failed to export file, no corresponding data loaded.",
                "Save as file failed, no corresponding historical data was loaded." }));
        drives.unplug(stick);
        unplug(window, root);
    }

    void actionsAndClosePrompt()
    {
        CDravik window;
        window.show();
        // The configuration page without a logger: humidity off, left side searching.
        window.TestDeviceSettingAction(false);
        QVERIFY(window.rightStack()->currentWidget() == (QWidget *)window.settingPage());
        QVERIFY(window.leftStack()->currentWidget() == (QWidget *)window.searchPage());
        QVERIFY(!window.settingPage()->humidityApplies());
        // History and back.
        window.HistoryRecordAction(false);
        QCOMPARE(window.topStack()->currentIndex(), 1);
        window.TestRearchDeviceAction(false);
        QCOMPARE(window.topStack()->currentIndex(), 0);
        QVERIFY(searching(window));

        answer = QMessageBox::Cancel;
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(messages.last(), QString("Are you sure you want to exit the software?"));
        answer = QMessageBox::Ok;
        QVERIFY(window.close());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
