#include "gui/compliance/ccomplianceui.h"

#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/ctaskrunner.h"
#include "gui/compliance/cauditpage.h"
#include "gui/compliance/creasondialog.h"
#include "gui/compliance/csignaturepanel.h"
#include "gui/compliance/csigndialog.h"
#include "gui/compliance/csignindialog.h"
#include "gui/compliance/cusersdialog.h"
#include "gui/view/crecordview.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace {

CComplianceOptions &optionsOverride()
{
    static CComplianceOptions options;
    return options;
}

// What counts as use of the program for the idle lock.
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        return true;
    default:
        return false;
    }
}

} // namespace

CComplianceUi::CComplianceUi(CTempDbManager &history, QWidget *window)
    : QObject(window)
    , m_history(history)
    , m_window(window)
{
    // Off: nothing is made, nothing is installed.
    if (!CCompliance::isEnabledIn(history))
        return;
    m_compliance = std::make_unique<CCompliance>(history, optionsOverride());
    CExportHook::install(this);
    // The window's long steps store and copy records on the worker's own
    // connection: journaled there under a copy of the session as it is
    // when the step starts (a step begins only while someone is signed in).
    CTaskRunner::setHistoryGuard([this]() -> CTaskRunner::HistoryGuard {
        if (!isOn())
            return {};
        return [session = m_session, options = optionsOverride()](CTempDbManager &worker) {
            struct Guard {
                CSession session;
                std::unique_ptr<CCompliance> compliance;
            };
            auto guard = std::make_shared<Guard>();
            guard->session = session;
            guard->compliance = std::make_unique<CCompliance>(worker, options);
            guard->compliance->attach(&guard->session);
            return std::shared_ptr<void>(guard);
        };
    });
    qApp->installEventFilter(this);
    m_idleTimer = new QTimer(this);
    m_idleTimer->setInterval(5000);
    connect(m_idleTimer, &QTimer::timeout, this, &CComplianceUi::checkIdle);
    m_idleTimer->start();
}

CComplianceUi::~CComplianceUi()
{
    if (m_compliance && m_session.isSignedIn())
        m_compliance->signOut(m_session);
    tearDown();
}

void CComplianceUi::setOptionsOverride(const CComplianceOptions &options)
{
    optionsOverride() = options;
}

bool CComplianceUi::may(CDuty duty) const
{
    return !isOn() || m_session.may(duty);
}

bool CComplianceUi::isReady() const
{
    return !isOn() || (m_session.isSignedIn() && !m_session.isIdle());
}

void CComplianceUi::whenReady(const std::function<void()> &what)
{
    if (isReady()) {
        what();
        return;
    }
    m_waiting.append(what);
    checkIdle();
}

// ------------------------------------------------------------------ window

void CComplianceUi::install(QMenuBar *menuBar, QStackedWidget *pages, CRecordView *detail)
{
    if (!isOn())
        return;
    m_menuBar = menuBar;
    m_pages = pages;
    m_detail = detail;

    m_menu = new QMenu(tr("&Compliance"), menuBar);
    m_menu->setObjectName("menuCompliance");
    const QList<QAction *> menus = menuBar->actions();
    // Before Help, which stays last.
    menuBar->insertMenu(menus.isEmpty() ? nullptr : menus.last(), m_menu);
    m_auditAction = m_menu->addAction(tr("&Audit trail"), this, &CComplianceUi::showAuditPage);
    m_auditAction->setObjectName("auditTrailAction");
    m_passwordAction
        = m_menu->addAction(tr("Change my &password..."), this, &CComplianceUi::changeOwnPassword);
    m_passwordAction->setObjectName("changePasswordAction");
    m_usersAction = m_menu->addAction(tr("&Users and settings..."), this, [this] {
        CUsersDialog dialog(this, m_window);
        dialog.exec();
    });
    m_usersAction->setObjectName("usersAction");
    m_menu->addSeparator();
    m_signOutAction = m_menu->addAction(tr("Sign &out"), this, &CComplianceUi::signOut);
    m_signOutAction->setObjectName("signOutAction");

    m_corner = new QWidget(menuBar);
    auto *cornerLayout = new QHBoxLayout(m_corner);
    cornerLayout->setContentsMargins(4, 0, 4, 0);
    m_signedIn = new QLabel(m_corner);
    m_signedIn->setObjectName("signedInLab");
    auto *signOut = new QToolButton(m_corner);
    signOut->setObjectName("signOutBtn");
    signOut->setDefaultAction(m_signOutAction);
    signOut->setAutoRaise(true);
    cornerLayout->addWidget(m_signedIn);
    cornerLayout->addWidget(signOut);
    menuBar->setCornerWidget(m_corner, Qt::TopRightCorner);

    m_auditPage = new CAuditPage(this);
    pages->addWidget(m_auditPage);
    m_panel = new CSignaturePanel(this);
    detail->tabWidget()->addTab(m_panel, tr("Signatures"));
    updateParts();
}

QMenu *CComplianceUi::menu() const
{
    return m_menu;
}

CAuditPage *CComplianceUi::auditPage() const
{
    return m_auditPage;
}

CSignaturePanel *CComplianceUi::signaturePanel() const
{
    return m_panel;
}

void CComplianceUi::showAuditPage()
{
    if (!m_auditPage)
        return;
    m_pages->setCurrentWidget(m_auditPage);
    m_auditPage->reload();
}

void CComplianceUi::updateParts()
{
    if (!m_menu)
        return;
    const bool in = m_session.isSignedIn();
    m_signedIn->setText(in
            ? tr("Signed in as %1 (%2)").arg(m_session.printedName(), CSession::roleTitle(m_session.role()))
            : tr("Not signed in"));
    m_signedIn->setToolTip(in
            ? tr("Account %1, signed in at %2")
                  .arg(m_session.user(), m_session.signedInAt().toString(QStringLiteral("HH:mm")))
            : QString());
    m_auditAction->setVisible(in && may(CDuty::ViewRecords));
    m_passwordAction->setVisible(in);
    m_usersAction->setVisible(in && may(CDuty::ManageUsers));
    m_signOutAction->setVisible(in);
    // The menu bar sizes its corner when it is set: again for the new text.
    m_corner->adjustSize();
    m_menuBar->setCornerWidget(m_corner, Qt::TopRightCorner);
}

void CComplianceUi::tearDown()
{
    if (CExportHook::installed() == this)
        CExportHook::install(nullptr);
    CTaskRunner::setHistoryGuard({});
    qApp->removeEventFilter(this);
    if (m_idleTimer)
        m_idleTimer->stop();
    // The parts go when control is back in the event loop: an action of the
    // menu may be the caller.
    for (QObject *part : std::initializer_list<QObject *> {
             m_menu.data(), m_corner.data(), m_auditPage.data(), m_panel.data() }) {
        if (part)
            part->deleteLater();
    }
    if (m_menuBar && m_menuBar->cornerWidget(Qt::TopRightCorner) == m_corner)
        m_menuBar->setCornerWidget(nullptr, Qt::TopRightCorner);
    if (m_auditPage && m_pages) {
        if (m_pages->currentWidget() == m_auditPage)
            m_pages->setCurrentIndex(0);
        m_pages->removeWidget(m_auditPage);
    }
    if (m_panel && m_detail)
        m_detail->tabWidget()->removeTab(m_detail->tabWidget()->indexOf(m_panel));
    m_menu = nullptr;
    m_corner = nullptr;
    m_signedIn = nullptr;
    m_auditPage = nullptr;
    m_panel = nullptr;
    m_auditAction = m_passwordAction = m_usersAction = m_signOutAction = nullptr;
    if (m_compliance)
        m_compliance->attach(nullptr);
    m_compliance.reset();
    m_session = CSession();
    veil(false);
}

// ------------------------------------------------------------------ sign-in

CComplianceResult CComplianceUi::signIn(const QString &user, const QString &password)
{
    if (!isOn())
        return CComplianceResult::failed(CCompliance::tr("Compliance mode is off for this history."));
    const CComplianceResult result = m_compliance->signIn(user, password, m_session);
    if (result)
        signedIn();
    return result;
}

void CComplianceUi::signedIn()
{
    m_compliance->attach(&m_session);
    updateParts();
    emit sessionChanged();
    const QVector<std::function<void()>> waiting = std::exchange(m_waiting, {});
    for (const std::function<void()> &what : waiting)
        what();
}

bool CComplianceUi::signInAtStart()
{
    if (!isOn() || m_session.isSignedIn())
        return true;
    CSignInDialog dialog(
        CSignInDialog::SignIn, QString(), 0,
        [this](const QString &user, const QString &password) {
            return m_compliance->signIn(user, password, m_session);
        },
        m_window);
    m_dialog = &dialog;
    const int result = dialog.exec();
    m_dialog = nullptr;
    if (result != QDialog::Accepted)
        return false;
    signedIn();
    return true;
}

void CComplianceUi::askSignIn()
{
    auto *dialog = new CSignInDialog(
        CSignInDialog::SignIn, QString(), 0,
        [this](const QString &user, const QString &password) {
            return m_compliance->signIn(user, password, m_session);
        },
        m_window);
    // Turned down at the start: the program ends.
    openDialog(dialog, [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
}

void CComplianceUi::openDialog(CSignInDialog *dialog, const std::function<void()> &declined)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog = dialog;
    veil(true);
    connect(dialog, &QDialog::finished, this, [this, declined](int result) {
        m_dialog = nullptr;
        if (result == QDialog::Accepted) {
            veil(false);
            signedIn();
        } else {
            declined();
        }
    });
    dialog->show();
}

void CComplianceUi::signOut()
{
    if (!isOn() || !m_session.isSignedIn())
        return;
    m_compliance->signOut(m_session);
    updateParts();
    emit sessionChanged();
    askSignIn();
}

void CComplianceUi::checkIdle()
{
    if (!isOn() || m_dialog || !m_session.isSignedIn() || !m_session.isIdle())
        return;
    auto *dialog = new CSignInDialog(
        CSignInDialog::Unlock, m_session.user(), m_session.idleMinutes(),
        [this](
            const QString &, const QString &password) { return m_compliance->resume(m_session, password); },
        m_window);
    // Not unlocked: the session ends, and the sign-in dialog asks anew.
    openDialog(dialog, [this] { signOut(); });
}

void CComplianceUi::veil(bool hidden)
{
    auto *main = qobject_cast<QMainWindow *>(m_window);
    if (main && main->centralWidget())
        main->centralWidget()->setVisible(!hidden);
}

bool CComplianceUi::eventFilter(QObject *watched, QEvent *event)
{
    if (!isInput(event->type()) || m_dialog || !m_session.isSignedIn())
        return QObject::eventFilter(watched, event);
    if (!m_session.isIdle()) {
        m_session.touch();
        return false;
    }
    // Locked: the press does nothing but bring up the unlock dialog.
    QTimer::singleShot(0, this, &CComplianceUi::checkIdle);
    return true;
}

void CComplianceUi::changeOwnPassword()
{
    QString password;
    if (CUsersDialog::askNewPassword(m_window, tr("Change my password"),
            tr("The new password of %1 (at least %n characters):", "", CCompliance::MinPasswordLength)
                .arg(m_session.user()),
            &password)
        && told(m_window, m_compliance->changePassword(m_session, m_session.user(), password)))
        CMessageBox::show(m_window, QMessageBox::Information, tr("Compliance mode"),
            tr("Your password was changed."), tr("OK"));
}

// ------------------------------------------------------------------ hooks

bool CComplianceUi::told(QWidget *parent, const CComplianceResult &result)
{
    if (!result)
        CMessageBox::show(parent, QMessageBox::Critical, tr("Compliance mode"), result.error, tr("OK"));
    return result.ok;
}

void CComplianceUi::recordOpened(int id)
{
    if (!isOn())
        return;
    told(m_window, m_compliance->noteReopen(m_session, id));
    if (m_panel)
        m_panel->showRecord(id);
}

void CComplianceUi::recordsCompared(const QVector<int> &ids)
{
    if (!isOn())
        return;
    for (const int id : ids) {
        if (!told(m_window, m_compliance->noteReopen(m_session, id)))
            return;
    }
}

void CComplianceUi::duplicateRead(const CRecord &record)
{
    if (isOn())
        told(m_window, m_compliance->noteDuplicateRead(m_session, record));
}

void CComplianceUi::configurationWritten(const QString &driveRoot, const QByteArray &frame)
{
    if (isOn())
        told(m_window, m_compliance->noteConfiguration(m_session, driveRoot, frame));
}

bool CComplianceUi::renameRecord(QWidget *parent, int id, const QString &name)
{
    if (!isOn() || !told(parent, m_compliance->check(m_session, CDuty::RenameRecord)))
        return false;
    if (m_compliance->isSigned(id))
        return told(parent,
            CComplianceResult::failed(
                CCompliance::tr("Record %1 is signed: a signed record cannot be renamed.").arg(id)));
    CReasonDialog dialog(tr("Rename record"),
        tr("Record %1 gets a new name. The audit trail keeps the old and the new name and your reason.")
            .arg(id),
        tr("Rena&me"), true, name, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return told(parent, m_compliance->renameRecord(m_session, id, dialog.name(), dialog.reason()));
}

QVector<int> CComplianceUi::deleteRecords(QWidget *parent, const QVector<int> &ids)
{
    if (!isOn() || ids.isEmpty() || !told(parent, m_compliance->check(m_session, CDuty::DeleteRecord)))
        return {};
    const QString question = ids.size() == 1
        ? tr("Delete record %1 \"%2\" from the history? The audit trail keeps the deletion and your reason.")
              .arg(ids.first())
              .arg(m_history.recordName(ids.first()))
        : tr("Delete the %n selected records from the history? The audit trail keeps each deletion and your "
             "reason.",
            "", ids.size());
    CReasonDialog dialog(tr("Delete records"), question, tr("&Delete"), false, QString(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QVector<int> deleted;
    QStringList failures;
    for (const int id : ids) {
        const CComplianceResult result = m_compliance->deleteRecord(m_session, id, dialog.reason());
        if (result)
            deleted.append(id);
        else
            failures.append(result.error);
    }
    if (m_panel && deleted.contains(m_panel->recordId()))
        m_panel->showRecord(0);
    if (!failures.isEmpty())
        told(parent, CComplianceResult::failed(failures.join(QLatin1Char('\n'))));
    return deleted;
}

bool CComplianceUi::signRecord(QWidget *parent, int id)
{
    if (!isOn() || !told(parent, m_compliance->check(m_session, CDuty::SignRecord)))
        return false;
    const QString what = tr("You sign record %1 \"%2\" as %3 (%4). Your password confirms the signature.")
                             .arg(id)
                             .arg(m_history.recordName(id), m_session.printedName(), m_session.user());
    CSignDialog dialog(
        what,
        [this, id](CMeaning meaning, const QString &comment, const QString &password) {
            return m_compliance->sign(m_session, id, password, meaning, comment);
        },
        parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CComplianceUi::switchOff(QWidget *parent, const QString &reason)
{
    if (!isOn() || !told(parent, m_compliance->disable(m_session, reason)))
        return false;
    tearDown();
    CMessageBox::show(parent, QMessageBox::Information, tr("Compliance mode"),
        tr("Compliance mode is off for this history. Its audit trail, accounts and signatures stay in it."),
        tr("OK"));
    return true;
}

CReportSignoff CComplianceUi::signoff(int recordId)
{
    CReportSignoff signoff;
    if (!isOn())
        return signoff;
    if (recordId > 0) {
        for (const CSignatureInfo &s : m_compliance->signatures(recordId))
            signoff.signatures.append({ s.printedName, s.signedAtText(), s.meaning, s.comment });
    }
    const CAuditEntry head = m_compliance->auditHead();
    if (head.seq > 0)
        signoff.auditHead = QStringLiteral("entry %1, SHA-256 %2").arg(head.seq).arg(head.hash);
    return signoff;
}

void CComplianceUi::written(QWidget *parent, int recordId, const QString &source, const QString &target)
{
    if (!isOn())
        return;
    const CComplianceResult noted = m_compliance->noteExport(m_session, recordId, source, target);
    if (!noted)
        told(parent,
            CComplianceResult::failed(tr("The file %1 was written, but the audit trail could not note it: %2")
                                          .arg(QDir::toNativeSeparators(target), noted.error)));
}
