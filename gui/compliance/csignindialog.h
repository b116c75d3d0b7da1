#ifndef CSIGNINDIALOG_H
#define CSIGNINDIALOG_H

#include "core/compliance/ccompliance.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The sign-in of compliance mode: user and password, checked by the caller's
// check (CCompliance::signIn, or resume after the idle lock); a refusal
// (wrong password, a locked account) is shown in the dialog, which stays
// open. Ends with Accepted once the check passed, or with Other when the
// user chose the second button: Quit at sign-in, Sign out when the session
// is locked. Escape and the window's close button do not end it.
class CSignInDialog : public QDialog {
    Q_OBJECT
public:
    enum Mode { SignIn, Unlock };
    static constexpr int Other = 2;
    using Check = std::function<CComplianceResult(const QString &user, const QString &password)>;

    // Unlock: user is the locked session's, shown and not changed; idleMinutes
    // says why.
    CSignInDialog(
        Mode mode, const QString &user, int idleMinutes, const Check &check, QWidget *parent = nullptr);

    QLineEdit *userEdit() const { return m_user; }
    QLineEdit *passwordEdit() const { return m_password; }
    QLabel *messageLabel() const { return m_message; }
    QPushButton *signInButton() const { return m_signIn; }
    QPushButton *otherButton() const { return m_other; }

public slots:
    void reject() override;

private:
    void OnSignInClick();

    Check m_check;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_signIn = nullptr;
    QPushButton *m_other = nullptr;
};

#endif // CSIGNINDIALOG_H
