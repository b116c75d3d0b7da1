// At home on every desktop: every page fits a 1024x600 panel in both
// languages (scrolling where a page is taller), a report file opened by hand
// is read as a logger's is, the keys do what they say, and the window comes
// back where it was left.
#include "core/compliance/ccompliance.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordconfig.h"
#include "core/report/gbkcodeutils.h"
#include "gui/app/cdeviceconnect.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cfilemenu.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/crecentreports.h"
#include "gui/compliance/cauditpage.h"
#include "gui/compliance/ccomplianceui.h"
#include "gui/configuration/cdevicesetting.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/cdevicedatainfo.h"
#include "helpers/fakedrives.h"

#include <QSqlQuery>
#include <QtTest>
#include <QtWidgets>
#include <sys/stat.h>

namespace {

QString report(const QString &name)
{
    return VESMIRA_TEST_DATA "/reports/" + name;
}

// The visible widgets that the window cuts off: outside the window or
// outside their parent, unless a scroll area holds them (its viewport shows
// them by scrolling).
QStringList outOfSight(QWidget *window)
{
    QStringList out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        bool scrolled = false;
        for (QWidget *p = w->parentWidget(); p != window && !scrolled; p = p->parentWidget())
            scrolled = qobject_cast<QAbstractScrollArea *>(p) != nullptr;
        const QRect onWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!scrolled
            && (!window->rect().contains(onWindow) || !w->parentWidget()->rect().contains(w->geometry())))
            out << QString("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return out;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir appDir;
    FakeDrives drives; // no logger: reports come by hand
    QTranslator appTexts;
    QTranslator qtTexts;
    QStringList messages;

    static int stored(CDravik &window) { return window.database()->recordCount(); }

    void useLanguage(const QString &language)
    {
        languageCode = language;
        QCoreApplication::removeTranslator(&appTexts);
        QCoreApplication::removeTranslator(&qtTexts);
        const bool en = language == "en";
        QVERIFY(appTexts.load(en ? ":/CDravik/dravik_en.qm" : ":/CDravik/dravik_zh.qm"));
        QVERIFY(qtTexts.load(en ? ":/CDravik/qtbase_en.qm" : ":/CDravik/qt_zh_CN.qm"));
        QCoreApplication::installTranslator(&qtTexts);
        QCoreApplication::installTranslator(&appTexts);
    }

    static void showActive(QWidget &window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

private slots:
    void initTestCase()
    {
        applicationDir = appDir.path();
        CRecordConfig::instance()->load(); // config/record-config.ini of appDir
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
        drives.exportEnvironment();
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            messages << request.text + (request.file.isEmpty() ? QString() : " -> " + request.file);
            return QMessageBox::Ok;
        });
    }

    void init()
    {
        useLanguage("en");
        messages.clear();
    }

    void fitsTheScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("screen");
        QTest::newRow("Chinese, 1024x600 panel") << "zh_CN" << QSize(1024, 600);
        QTest::newRow("English, 1024x600 panel") << "en" << QSize(1024, 600);
        QTest::newRow("English, 1366x768 laptop") << "en" << QSize(1366, 768);
    }

    // Every page and tab, with a trip of 170 characters on the history page:
    // the window keeps the screen's size and shows every widget (or scrolls
    // to it). VESMIRA_SCREENSHOTS=DIR keeps a picture of each.
    void fitsTheScreen()
    {
        QFETCH(QString, language);
        QFETCH(QSize, screen);
        useLanguage(language);
        CDravik window;
        window.resize(screen);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto checkWindow = [&](QWidget &shown, const QString &what) {
            QApplication::processEvents();
            QTest::qWait(20);
            if (qEnvironmentVariableIsSet("VESMIRA_SCREENSHOTS"))
                shown.grab().save(qEnvironmentVariable("VESMIRA_SCREENSHOTS") + "/" + language + "-"
                    + QString::number(screen.width()) + "-" + what + ".png");
            const QStringList cut = outOfSight(&shown);
            QVERIFY2(shown.size() == screen && cut.isEmpty(),
                qPrintable(what + QString(": %1 wide, cut off: ").arg(shown.width()) + cut.join("; ")));
        };
        const auto check = [&](const QString &what) { checkWindow(window, what); };
        check("searching");
        window.leftStack()->setCurrentWidget(window.connectPage());
        check("connected");

        window.TestDeviceSettingAction(false);
        CDeviceSetting *setting = window.settingPage();
        setting->setControlsEnabled(true);
        setting->setHumidityApplies(true);
        setting->setCalibrationVisible(true);
        check("configuration-basic");
        setting->findChild<QRadioButton *>("highConfigModelRb")->setChecked(true);
        auto *tabs = setting->findChild<QTabWidget *>("otherSettingTab");
        if (auto *page = setting->findChild<QScrollArea *>("highPage"))
            page->ensureWidgetVisible(tabs); // for the pictures
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            check(QString("configuration-advanced-tab%1").arg(tab + 1));
        }

        window.openReportFiles({ report("zh-th.pdf") }); // stored by the first row, shown by the others
        QVERIFY(window.record() && window.record()->id > 0);
        for (int tab = 0; tab < window.dataPage()->tabWidget()->count(); ++tab) {
            window.dataPage()->tabWidget()->setCurrentIndex(tab);
            check(QString("data-view-tab%1").arg(tab + 1));
        }

        // A trip renamed to 170 characters: cut in the title, whole in its tip.
        const QString name = QString(window.record()->summary.deviceNo
            + " Cold chain Shanghai-Chengdu, pallet 12 of "
              "40, vaccines 2-8 C, reefer truck HU-4711")
                                 .leftJustified(170, '.');
        QVERIFY(window.database()->UpdateRecordName(name, window.record()->id));
        window.HistoryRecordAction(false);
        window.openStoredRecord(window.record()->id, name);
        CHistoryRecordContent *detail = window.historyDetail();
        QCOMPARE(detail->titleLabel()->toolTip(), name);
        for (int tab = 0; tab < detail->tabWidget()->count(); ++tab) {
            detail->tabWidget()->setCurrentIndex(tab);
            check(QString("history-tab%1").arg(tab + 1));
        }
        QVERIFY(detail->titleLabel()->width() < detail->titleLabel()->fontMetrics().horizontalAdvance(name));

        // Compliance mode, switched on for the test and off again: the audit
        // page and the signatures tab of the detail page.
        {
            CTempDbManager history(CTempDbManager::databasePath(applicationDir));
            CComplianceOptions options;
            options.passwordIterations = 1000;
            CCompliance compliance(history, options);
            QVERIFY(compliance.enable("anna", "Anna Berg", "anna-secret-1"));
            CDravik compliant;
            compliant.resize(screen);
            compliant.show();
            QVERIFY(QTest::qWaitForWindowExposed(&compliant));
            QVERIFY(compliant.compliance()->signIn("anna", "anna-secret-1"));
            compliant.compliance()->showAuditPage();
            compliant.compliance()->auditPage()->OnVerifyBtnClick();
            checkWindow(compliant, "audit-page");
            compliant.HistoryRecordAction(false);
            compliant.openStoredRecord(window.record()->id, name);
            QTabWidget *tabs = compliant.historyDetail()->tabWidget();
            tabs->setCurrentIndex(tabs->count() - 1);
            checkWindow(compliant, "history-signatures");
            CSession anna;
            QVERIFY(compliance.signIn("anna", "anna-secret-1", anna));
            QVERIFY(compliance.disable(anna, "screen test done"));
        }
        useLanguage("en");
    }

    // File > Open report (Ctrl+O), a file dropped on the window and
    // `vesmira REPORT` each store one record, as a logger's read does; odd
    // files are refused with the logger's checks and keep nothing.
    void reportsOpenedByHand()
    {
        CDravik window;
        showActive(window);
        const int before = stored(window);
        CDialogs::TestHandlers dialogs;
        dialogs.openFile = [](const QString &, const QString &, const QString &filter) {
            return filter.contains("*.csv") ? report("en-th.csv") : QString();
        };
        CDialogs::setTestHandlers(dialogs);
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        CDialogs::setTestHandlers({});
        QCOMPARE(stored(window), before + 1);
        QVERIFY(window.rightStack()->currentWidget() == (QWidget *)window.dataPage());
        QVERIFY(window.localReportPath().startsWith(appDir.path() + "/data_files/en-th-"));

        QMimeData mime;
        mime.setUrls({ QUrl::fromLocalFile(report("zh-temp.pdf")) });
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        QTRY_COMPARE(stored(window), before + 2);
        // Newest first, at most eight, kept for the next start.
        QCOMPARE(window.fileMenu()->recentReports()->files().mid(0, 2),
            QStringList({ report("zh-temp.pdf"), report("en-th.csv") }));
        QCOMPARE(messages, QStringList());

        // A FIFO, a file of another kind, one that is gone: the reason, no copy, no record.
        const QString fifo = appDir.filePath("REPORT.csv");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString other = appDir.filePath("notes.xls");
        QVERIFY(QFile(other).open(QIODevice::WriteOnly));
        const int copies = QDir(appDir.filePath("data_files")).count();
        window.openReportFiles({ fifo, other, appDir.filePath("gone.csv") });
        QTRY_COMPARE(messages.size(), 3);
        const QString told = messages.join('\n');
        for (const char *why : { "REPORT.csv is not a regular file",
                 "notes.xls is not a PDF, CSV or TXT report", "gone.csv could not be read (no such file)" })
            QVERIFY2(told.contains(why), qPrintable(told));
        QCOMPARE(stored(window), before + 2);
        QCOMPARE(QDir(appDir.filePath("data_files")).count(), copies);

        // The program itself, started on a report, in an application
        // directory of its own (its database is the one next to it).
        QTemporaryDir app;
        QVERIFY(QDir(app.path()).mkpath("config"));
        QVERIFY(QFile::copy(VESMIRA_EXE, app.filePath("vesmira")));
        QVERIFY(QFile::copy(VESMIRA_APP_DIR "/config/gbk_code.txt", app.filePath("config/gbk_code.txt")));
        QProcess vesmira;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const char *name : { "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME" })
            env.insert(name, app.path());
        vesmira.setProcessEnvironment(env);
        vesmira.start(app.filePath("vesmira"), { report("en-temp.txt") });
        QVERIFY(vesmira.waitForStarted());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "theirs");
            db.setDatabaseName(app.filePath("db/dravik.db"));
            const auto records = [&] {
                QSqlQuery count(db.open() ? "select count(*) from t_record" : "", db);
                return count.next() ? count.value(0).toInt() : 0;
            };
            QTRY_COMPARE_WITH_TIMEOUT(records(), 1, 10000);
        }
        QSqlDatabase::removeDatabase("theirs");
        vesmira.kill();
        vesmira.waitForFinished();
        QCOMPARE(QDir(app.filePath("data_files")).entryList(QDir::Files).size(), 1);
    }

    // Ctrl+E and Ctrl+Shift+E export the record on screen (Esc closes the
    // export dialog), F5 reloads the history, Del deletes the selected
    // records after the question, Enter opens the current one.
    void keys()
    {
        CDravik window;
        window.openReportFiles({ report("en-temp.csv") });
        showActive(window);
        QStringList dialogs;
        const std::function<void()> escapeNextDialog = [&] {
            QTimer::singleShot(10, [&] {
                // Not the progress of a step (on a slow machine): Esc cancels it.
                QWidget *modal = QApplication::activeModalWidget();
                if (!modal || qobject_cast<QProgressDialog *>(modal))
                    return escapeNextDialog();
                dialogs << modal->metaObject()->className();
                QTest::keyClick(modal, Qt::Key_Escape);
            });
        };
        QSignalSpy pdf(window.dataPage()->exportPdfButton(), &QPushButton::clicked);
        escapeNextDialog();
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(pdf.count(), 1);
        window.HistoryRecordAction(false);
        QSignalSpy csv(window.historyDetail()->exportCsvButton(), &QPushButton::clicked);
        window.openStoredRecord(window.record()->id, "shown");
        escapeNextDialog();
        showActive(window); // again, after the dialog
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(csv.count(), 1);
        QCOMPARE(dialogs, QStringList({ "ExportOption", "ExportOption" })); // both closed by Esc
        QCOMPARE(messages, QStringList());

        QTableWidget *table = window.historyList()->table();
        const int rows = table->rowCount();
        CRecord copy = *window.record();
        QVERIFY(window.database()->storeRecord(copy) && window.database()->storeRecord(copy));
        QCOMPARE(table->rowCount(), rows);
        showActive(window);
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(table->rowCount(), rows + 2);

        table->setFocus();
        table->selectRow(1);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(window.historyDetail()->titleLabel()->text(), table->item(1, 1)->text());
        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_Delete);
        table->setSelectionMode(QAbstractItemView::MultiSelection);
        table->selectRow(0);
        table->selectRow(1);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(messages,
            QStringList({ "Are you sure to delete this data record?",
                "Are you sure to delete the 2 selected data records?" }));
        QCOMPARE(table->rowCount(), rows - 1);
        QCOMPARE(stored(window), rows - 1);

        // Every menu and button has its Alt key (not the tool bar's icons, nor
        // the restore-defaults button, which never shows).
        QStringList without;
        for (QMenu *menu : window.findChildren<QMenu *>())
            without << menu->title();
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
            without << (qobject_cast<QToolButton *>(button) || button->isHidden() ? "&" : button->text());
        without = without.filter(QRegularExpression("^[^&]*[A-Za-z][^&]*$"));
        QVERIFY2(without.isEmpty(), qPrintable(without.join(" | ")));

        // Tab on the configuration page goes down the fields, also out of a description.
        window.TestDeviceSettingAction(false);
        window.settingPage()->setControlsEnabled(true);
        window.settingPage()->findChild<QRadioButton *>("highConfigModelRb")->setChecked(true);
        showActive(window);
        QStringList order;
        window.settingPage()->findChild<QWidget *>("runwayIdTxt")->setFocus();
        for (int i = 0; i < 4; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order,
            QStringList({ "runwayIdTxt", "runwayDescTxt", "settingFilePathCB", "openSettingPathBtn" }));
        QCOMPARE(window.settingPage()->findChild<QTextEdit *>("runwayDescTxt")->toPlainText(), QString());
    }

    // Geometry, the history splitter and the last tabs come back at the next
    // start, from the application configuration.
    void placesRoundTrip()
    {
        // A desktop font, so that a normal window fits the 800x600 test screen.
        const QFont font = QApplication::font();
        QApplication::setFont(QFont(font.family(), 8));
        const QRect geometry(20, 30, 780, 520);
        QList<int> sizes;
        {
            CDravik window;
            window.showRestored();
            QVERIFY(window.isMaximized()); // the first start
            window.showNormal();
            window.setGeometry(geometry);
            window.HistoryRecordAction(false);
            auto *splitter = window.findChild<QSplitter *>("splitter");
            splitter->setSizes({ 500, 280 });
            sizes = splitter->sizes();
            window.dataPage()->tabWidget()->setCurrentIndex(2);
            window.settingPage()->findChild<QTabWidget *>("otherSettingTab")->setCurrentIndex(0);
            QVERIFY(window.close());
        }
        CDravik window;
        window.showRestored();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), geometry);
        QVERIFY(!window.isMaximized());
        window.HistoryRecordAction(false); // the splitter gets its width on screen
        QTRY_COMPARE(window.findChild<QSplitter *>("splitter")->sizes(), sizes);
        QCOMPARE(window.dataPage()->tabWidget()->currentIndex(), 2);
        QCOMPARE(window.settingPage()->findChild<QTabWidget *>("otherSettingTab")->currentIndex(), 0);
        QApplication::setFont(font);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
