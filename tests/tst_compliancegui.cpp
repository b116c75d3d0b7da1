// Compliance mode in the window: no trace of it while it is off; the
// sign-in with its refusals and lockout; the idle lock on a fake clock; what
// each role is offered; the reasons of rename and delete; a signature from
// the history detail page and the export that shows it; the audit page's
// filter, verification and exports.
#include "core/compliance/cauditmodel.h"
#include "core/compliance/ccompliance.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordconfig.h"
#include "core/report/gbkcodeutils.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/compliance/cauditpage.h"
#include "gui/compliance/ccomplianceui.h"
#include "gui/compliance/creasondialog.h"
#include "gui/compliance/csignaturepanel.h"
#include "gui/compliance/csigndialog.h"
#include "gui/compliance/csignindialog.h"
#include "gui/export/cexporthook.h"
#include "gui/export/exportoption.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "helpers/fakedrives.h"
#include "helpers/pdfreader.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

namespace {

const QString AnnaPassword = QStringLiteral("anna-secret-1");
const QString OlgaPassword = QStringLiteral("olga-secret-1");
const QString TomPassword = QStringLiteral("tom-secret-12");

QString report(const QString &name)
{
    return VESMIRA_TEST_DATA "/reports/" + name;
}

// Runs act on the next modal dialog of type T once it is up (inside its exec).
template <typename T> void answer(const std::function<void(T *)> &act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

} // namespace

class TestComplianceGui : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<QTemporaryDir> m_app;
    FakeDrives m_drives;
    QTranslator m_texts;
    QStringList m_messages;
    QDateTime m_now;

    // The history of this test's application directory in compliance mode:
    // anna (admin), olga (operator), tom (reviewer).
    void enableCompliance()
    {
        CTempDbManager db(CTempDbManager::databasePath(applicationDir));
        CCompliance compliance(db, options());
        const CComplianceResult enabled = compliance.enable("anna", "Anna Berg", AnnaPassword);
        QVERIFY2(enabled, qPrintable(enabled.error));
        CSession anna;
        QVERIFY(compliance.signIn("anna", AnnaPassword, anna));
        QVERIFY(compliance.addUser(anna, "olga", "Olga Ivanova", CRole::Operator, OlgaPassword));
        QVERIFY(compliance.addUser(anna, "tom", "Tom Lee", CRole::Reviewer, TomPassword));
    }

    CComplianceOptions options()
    {
        CComplianceOptions o;
        o.clock = [this] { return m_now; };
        o.passwordIterations = 1000;
        o.anchorPath = applicationDir + "/anchors.txt";
        return o;
    }

    // A record of the report stored through the window under its session.
    static int stored(CDravik &window, const QString &name = "en-th.csv")
    {
        window.openReportFiles({ report(name) });
        return window.record() ? window.record()->id : 0;
    }

    static QVector<CAuditEntry> trail(CDravik &window, const QString &action = QString())
    {
        CAuditFilter filter;
        filter.action = action;
        return window.compliance()->compliance()->auditEntries(filter);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_texts.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&m_texts);
        languageCode = "en";
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
        m_drives.exportEnvironment();
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            m_messages << request.text;
            return QMessageBox::Ok;
        });
        CComplianceUi::setOptionsOverride(options());
    }

    void init()
    {
        // The embedded history keeps Qt's default connection: each test's
        // history is a file of its own.
        if (QSqlDatabase::contains(QSqlDatabase::defaultConnection)) {
            QSqlDatabase::database(QSqlDatabase::defaultConnection, false).close();
            QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        }
        m_app = std::make_unique<QTemporaryDir>(m_root.filePath(QTest::currentTestFunction()));
        applicationDir = m_app->path();
        CRecordConfig::instance()->load();
        m_messages.clear();
        m_now = QDateTime(QDate(2025, 5, 20), QTime(9, 0), Qt::OffsetFromUTC, 7200);
    }

    // Off (the default): no sign-in, no menu, no tab, no export hook.
    void offChangesNothing()
    {
        CDravik window;
        QVERIFY(!window.compliance()->isOn());
        QVERIFY(window.compliance()->signInAtStart());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!window.findChild<QMenu *>("menuCompliance"));
        QCOMPARE(window.historyDetail()->tabWidget()->count(), 3);
        QVERIFY(!CExportHook::installed());
        QVERIFY(stored(window) > 0);
        QMenu *menu = window.historyList()->buildContextMenu();
        QVERIFY(menu->findChild<QAction *>("delHistoryAction")->isVisible());
        delete menu;
        QVERIFY(!QFileInfo::exists(applicationDir + "/anchors.txt"));
        QCOMPARE(m_messages, QStringList());
    }

    // Wrong passwords are refused in the dialog, the fifth locks the account
    // for good; Quit ends the start; a right password signs in.
    void signInAtStart()
    {
        enableCompliance();
        CDravik window;
        QVERIFY(window.compliance()->isOn());
        QVERIFY(!window.compliance()->isReady());
        QStringList told;
        answer<CSignInDialog>([&told](CSignInDialog *dialog) {
            dialog->userEdit()->setText("olga");
            for (int i = 0; i < 6; ++i) {
                dialog->passwordEdit()->setText(i < 5 ? "wrong-password" : OlgaPassword);
                dialog->signInButton()->click();
                told << dialog->messageLabel()->text();
            }
            dialog->otherButton()->click(); // Quit
        });
        QVERIFY(!window.compliance()->signInAtStart());
        QCOMPARE(told.first(), QString("Unknown user or wrong password."));
        const QString locked
            = "The account olga is locked after 5 wrong passwords; an administrator must unlock it.";
        QCOMPARE(told.mid(4), QStringList({ locked, locked }));

        answer<CSignInDialog>([](CSignInDialog *dialog) {
            dialog->userEdit()->setText("tom");
            dialog->passwordEdit()->setText(TomPassword);
            dialog->signInButton()->click();
        });
        QVERIFY(window.compliance()->signInAtStart());
        QVERIFY(window.compliance()->isReady());
        QCOMPARE(window.compliance()->signedInLabel()->text(), QString("Signed in as Tom Lee (Reviewer)"));
        // The lockout's entries: tst_compliance.
        QCOMPARE(trail(window, "sign-in").last().user, QString("tom"));
    }

    // After the idle time any press brings up the unlock dialog (the press
    // itself does nothing), the pages are hidden and what waits runs after
    // the password.
    void idleLock()
    {
        enableCompliance();
        CDravik window;
        window.show();
        CComplianceUi *ui = window.compliance();
        QVERIFY(ui->signIn("olga", OlgaPassword));
        m_now = m_now.addSecs(14 * 60);
        QTest::keyClick(&window, Qt::Key_Shift); // use: the idle time starts again
        m_now = m_now.addSecs(14 * 60);
        ui->checkIdle();
        QVERIFY(ui->isReady() && !ui->signInDialog());
        m_now = m_now.addSecs(2 * 60);
        QVERIFY(!ui->isReady());
        int ran = 0;
        ui->whenReady([&ran] { ++ran; });
        QVERIFY(ui->signInDialog());
        QCOMPARE(ran, 0);
        QVERIFY(!window.centralWidget()->isVisible());
        CSignInDialog *dialog = ui->signInDialog();
        QVERIFY(dialog->userEdit()->isReadOnly());
        QCOMPARE(dialog->userEdit()->text(), QString("olga"));
        dialog->passwordEdit()->setText("wrong-password");
        dialog->signInButton()->click();
        QCOMPARE(ran, 0);
        dialog->passwordEdit()->setText(OlgaPassword);
        dialog->signInButton()->click();
        QCOMPARE(ran, 1);
        QVERIFY(ui->isReady() && !ui->signInDialog());
        QVERIFY(window.centralWidget()->isVisible());
        QCOMPARE(trail(window, "sign-in").last().details, QString("after the idle lock"));
    }

    // What each role is offered: sign, delete, users; rename and the audit
    // page for all. A refusal names the user and role.
    void roleGating_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("sign");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("users");
        QTest::newRow("operator") << "olga" << OlgaPassword << false << false << false;
        QTest::newRow("reviewer") << "tom" << TomPassword << true << false << false;
        QTest::newRow("admin") << "anna" << AnnaPassword << true << true << true;
    }
    void roleGating()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, sign);
        QFETCH(bool, remove);
        QFETCH(bool, users);
        enableCompliance();
        CDravik window;
        CComplianceUi *ui = window.compliance();
        QVERIFY(ui->signIn(user, password));
        const int id = stored(window);
        window.HistoryRecordAction(false);
        window.openStoredRecord(id, window.record()->name);
        QCOMPARE(ui->signaturePanel()->recordId(), id);
        QCOMPARE(ui->signaturePanel()->signButton()->isVisibleTo(ui->signaturePanel()), sign);
        QMenu *menu = window.historyList()->buildContextMenu();
        QCOMPARE(menu->findChild<QAction *>("delHistoryAction")->isVisible(), remove);
        QVERIFY(menu->findChild<QAction *>("renameHistoryAction")->isVisible());
        delete menu;
        QCOMPARE(ui->usersAction()->isVisible(), users);
        QVERIFY(ui->auditAction()->isVisible() && ui->signOutAction()->isVisible());
        if (!remove) {
            QVERIFY(ui->deleteRecords(&window, { id }).isEmpty());
            QCOMPARE(m_messages.last(),
                QString("%1 (%2) may not delete records.")
                    .arg(user, CSession::roleTitle(ui->session().role())));
        }
        QCOMPARE(trail(window, "read").size(), 1);
        QCOMPARE(trail(window, "reopen").size(), 1);
    }

    // Rename and delete ask for a reason (OK greyed without one); the audit
    // trail keeps it.
    void reasons()
    {
        enableCompliance();
        CDravik window;
        QVERIFY(window.compliance()->signIn("anna", AnnaPassword));
        const int id = stored(window);
        window.HistoryRecordAction(false);
        QTableWidget *table = window.historyList()->table();
        table->setCurrentCell(0, 0);
        answer<CReasonDialog>([](CReasonDialog *dialog) {
            dialog->nameEdit()->setText("cold chain 7");
            QVERIFY(!dialog->okButton()->isEnabled());
            dialog->reasonEdit()->setPlainText("clearer name");
            dialog->okButton()->click();
        });
        window.historyList()->onRefreshAction();
        QCOMPARE(window.database()->recordName(id), QString("cold chain 7"));
        QCOMPARE(trail(window, "rename").last().reason, QString("clearer name"));

        answer<CReasonDialog>([](CReasonDialog *dialog) {
            dialog->reasonEdit()->setPlainText("duplicate read");
            dialog->okButton()->click();
        });
        QSignalSpy deleted(window.historyList(), &CHistoryRecord::recordDeleted);
        window.historyList()->onDelHistoryAction();
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(window.database()->recordCount(), 0);
        QCOMPARE(trail(window, "delete").last().reason, QString("duplicate read"));
        QCOMPARE(m_messages, QStringList());
    }

    // Signing from the detail page writes one signature and one chained
    // entry; the PDF exported from there shows it with the trail's head, and
    // the export is audited.
    void signFromDetailPage()
    {
        enableCompliance();
        CDravik window;
        CComplianceUi *ui = window.compliance();
        QVERIFY(ui->signIn("tom", TomPassword));
        const int id = stored(window);
        window.HistoryRecordAction(false);
        window.openStoredRecord(id, window.record()->name);
        const qint64 before = ui->compliance()->auditHead().seq;
        answer<CSignDialog>([](CSignDialog *dialog) {
            dialog->meaningCombo()->setCurrentIndex(1); // approved
            dialog->commentEdit()->setText("Within 2-8 °C");
            dialog->passwordEdit()->setText(TomPassword);
            dialog->signButton()->click();
        });
        ui->signaturePanel()->signButton()->click();
        QCOMPARE(ui->compliance()->signatures(id).size(), 1);
        const CAuditEntry head = ui->compliance()->auditHead();
        QCOMPARE(head.seq, before + 1);
        QCOMPARE(ui->signaturePanel()->table()->item(0, 0)->text(), QString("Approved"));

        const QString target = applicationDir + "/signed.pdf";
        answer<ExportOption>([target](ExportOption *dialog) {
            dialog->findChild<QLineEdit *>("pathEdit")->setText(target);
            dialog->findChild<QPushButton *>("sureBtn")->click();
        });
        window.historyDetail()->exportPdfButton()->click();
        PdfReader pdf;
        QVERIFY2(pdf.load(target), qPrintable(pdf.error));
        QVERIFY(pdf.dump().contains("Tom Lee, 2025-05-20 09:00:00 UTC+02:00"));
        QVERIFY(pdf.dump().contains(QString("entry %1, SHA-256 %2").arg(head.seq).arg(head.hash)));
        QVERIFY(trail(window, "export").value(0).details.contains("signed.pdf"));
    }

    // The audit page narrows by record, user, action and days; Verify tells
    // what the check found (a changed sample: tst_compliance and
    // tst_clicompliance); the exports write the entries.
    void auditPage()
    {
        enableCompliance();
        CDravik window;
        CComplianceUi *ui = window.compliance();
        QVERIFY(ui->signIn("tom", TomPassword));
        const int id = stored(window);
        QVERIFY(ui->compliance()->sign(ui->session(), id, TomPassword, CMeaning::Reviewed, QString()));
        ui->auditAction()->trigger();
        CAuditPage *page = ui->auditPage();
        QVERIFY(window.topStack()->currentWidget() == page);
        const int all = ui->compliance()->auditHead().seq;
        QCOMPARE(page->model()->rowCount(), all);
        page->recordSpin()->setValue(id);
        QCOMPARE(page->model()->rowCount(), 2); // read, sign
        page->recordSpin()->setValue(0);
        page->userCombo()->setCurrentText("anna");
        QCOMPARE(page->model()->rowCount(), 4); // compliance-on, sign-in, two user-add
        page->userCombo()->setCurrentText(QString());
        page->actionCombo()->setCurrentIndex(page->actionCombo()->findData("sign"));
        QCOMPARE(page->model()->rowCount(), 1);
        page->actionCombo()->setCurrentIndex(0);
        page->fromEdit()->setDate(m_now.date().addDays(-1));
        page->toEdit()->setDate(m_now.date().addDays(-1));
        page->datesCheck()->setChecked(true);
        QCOMPARE(page->model()->rowCount(), 0);
        page->toEdit()->setDate(m_now.date());
        QCOMPARE(page->model()->rowCount(), all);

        page->verifyButton()->click();
        QCOMPARE(page->verifyLabel()->text(),
            QString("%1 entries, chain intact, 1 signed records unchanged").arg(all));

        // The exports of the filter's entries.
        page->datesCheck()->setChecked(false);
        page->userCombo()->setCurrentText("tom");
        const int toms = page->model()->rowCount();
        CDialogs::TestHandlers dialogs;
        QString target;
        dialogs.saveFile = [&target](const QString &, const QString &, const QString &) { return target; };
        CDialogs::setTestHandlers(dialogs);
        target = applicationDir + "/audit.csv";
        page->OnExportCsvBtnClick();
        QFile csv(target);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QVERIFY(lines.at(0).endsWith("Audit trail\r"));
        QCOMPARE(lines.at(7), QByteArray("No.,Date and time,User,Desk,Action,Record,Details,Reason\r"));
        QCOMPARE(lines.size(), 8 + toms + 1);
        target = applicationDir + "/audit.pdf";
        page->OnExportPdfBtnClick();
        CDialogs::setTestHandlers({});
        PdfReader pdf;
        QVERIFY2(pdf.load(target), qPrintable(pdf.error));
        QVERIFY(pdf.dump().contains("Verification: "));
    }
};

QTEST_MAIN(TestComplianceGui)
#include "tst_compliancegui.moc"
