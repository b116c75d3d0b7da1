#ifndef CCOMPLIANCEUI_H
#define CCOMPLIANCEUI_H

#include "core/compliance/ccompliance.h"
#include "gui/export/cexporthook.h"

#include <QObject>
#include <QPointer>
#include <QVector>
#include <functional>
#include <memory>

class CAuditPage;
class CRecord;
class CRecordView;
class CSignInDialog;
class CSignaturePanel;
class CTempDbManager;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QTimer;
class QToolButton;
class QWidget;

// Compliance mode in the window. The main window owns one; while compliance
// mode is off for its history it does nothing at all (no sign-in, no menu,
// no tab, every hook returns at once), and the window is as ever.
//
// While it is on it keeps the signed-in session (attached to the history,
// so that the records stored, renamed and deleted are audited under it):
// the sign-in at start (signInAtStart), the idle lock (any key or mouse
// press of the application counts as use; after the idle time the unlock
// dialog asks for the password again), a "Compliance" menu with the audit
// page, the users dialog and sign-out as the role allows, a "signed in as"
// corner of the menu bar, and the signatures tab of the history detail page.
// The window's actions call its hooks (recordOpened, renameRecord, ...); the
// exports go through CExportHook.
//
// A worker thread with its own history connection makes its own CCompliance
// on it and attaches a copy of session().
class CComplianceUi : public QObject, public CExportHook {
    Q_OBJECT
public:
    // history must outlive this object; window is the parent of its dialogs.
    CComplianceUi(CTempDbManager &history, QWidget *window);
    ~CComplianceUi() override;

    // Tests: the clock, cheap password hashes and the anchor file of the
    // next objects made (a default-made value restores the defaults).
    static void setOptionsOverride(const CComplianceOptions &options);

    bool isOn() const { return m_compliance != nullptr; }
    CCompliance *compliance() const { return m_compliance.get(); }
    const CSession &session() const { return m_session; }
    // Whether the user may do duty now: always while compliance mode is off.
    bool may(CDuty duty) const;
    // Someone is signed in and the session is not locked (always while off).
    bool isReady() const;
    // Runs what at once when isReady(), otherwise after the sign-in or unlock.
    void whenReady(const std::function<void()> &what);

    // The window's parts: the Compliance menu and the signed-in corner of
    // menuBar, the audit page among pages, the signatures tab of detail.
    void install(QMenuBar *menuBar, QStackedWidget *pages, CRecordView *detail);

    // The sign-in dialog, modal, until someone signs in: false when the user
    // chose to quit. True at once while off.
    bool signInAtStart();
    // Signs user in (what the dialog checks); the session is attached.
    CComplianceResult signIn(const QString &user, const QString &password);
    void signOut();
    // After the idle time: the unlock dialog (open, not waiting for it).
    void checkIdle();
    // The sign-in or unlock dialog open now; null when none is.
    CSignInDialog *signInDialog() const { return m_dialog; }

    // ------------------------------------------------------ the window's hooks
    // A stored record opened on the detail page: audited, its signatures shown.
    void recordOpened(int id);
    void recordsCompared(const QVector<int> &ids);
    // A logger read whose report was in the history already.
    void duplicateRead(const CRecord &record);
    // A configuration frame written to the logger at driveRoot.
    void configurationWritten(const QString &driveRoot, const QByteArray &frame);
    // The history list's rename and delete in compliance mode: the reason
    // asked, the change made through the compliance rules, a refusal told.
    bool renameRecord(QWidget *parent, int id, const QString &name);
    // The records deleted.
    QVector<int> deleteRecords(QWidget *parent, const QVector<int> &ids);
    // The sign dialog for record id: true when it was signed.
    bool signRecord(QWidget *parent, int id);
    // Switches compliance mode off (an administrator, with a reason): the
    // window is as without it from then on.
    bool switchOff(QWidget *parent, const QString &reason);

    // ------------------------------------------------------ CExportHook
    CReportSignoff signoff(int recordId) override;
    void written(QWidget *parent, int recordId, const QString &source, const QString &target) override;

    // The window's parts (null while off).
    QMenu *menu() const;
    QLabel *signedInLabel() const { return m_signedIn; }
    CAuditPage *auditPage() const;
    CSignaturePanel *signaturePanel() const;
    QAction *auditAction() const { return m_auditAction; }
    QAction *usersAction() const { return m_usersAction; }
    QAction *passwordAction() const { return m_passwordAction; }
    QAction *signOutAction() const { return m_signOutAction; }
    void showAuditPage();

signals:
    // Signed in, out, or again after the lock: the pages offer what the role allows.
    void sessionChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A refusal or failure told over parent; false when there was one.
    bool told(QWidget *parent, const CComplianceResult &result);
    void askSignIn();
    // Shows dialog (sign-in or unlock) over the veiled window: accepted, the
    // session goes on; otherwise declined runs.
    void openDialog(CSignInDialog *dialog, const std::function<void()> &declined);
    // While nobody is signed in or the session is locked, the window's
    // pages are hidden behind the dialog.
    void veil(bool hidden);
    void signedIn();
    void updateParts();
    void changeOwnPassword();
    void tearDown();

    CTempDbManager &m_history;
    QPointer<QWidget> m_window;
    std::unique_ptr<CCompliance> m_compliance;
    CSession m_session;
    QVector<std::function<void()>> m_waiting;
    QTimer *m_idleTimer = nullptr;
    CSignInDialog *m_dialog = nullptr;

    // The window's widgets go first when it closes: guarded.
    QPointer<QMenuBar> m_menuBar;
    QPointer<QStackedWidget> m_pages;
    QPointer<CRecordView> m_detail;
    QPointer<QMenu> m_menu;
    QPointer<QWidget> m_corner;
    QLabel *m_signedIn = nullptr;
    QPointer<CAuditPage> m_auditPage;
    QPointer<CSignaturePanel> m_panel;
    QAction *m_auditAction = nullptr;
    QAction *m_passwordAction = nullptr;
    QAction *m_usersAction = nullptr;
    QAction *m_signOutAction = nullptr;
};

#endif // CCOMPLIANCEUI_H
