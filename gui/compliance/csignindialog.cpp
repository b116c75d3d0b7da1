#include "gui/compliance/csignindialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSignInDialog::CSignInDialog(
    Mode mode, const QString &user, int idleMinutes, const Check &check, QWidget *parent)
    : QDialog(parent)
    , m_check(check)
{
    setObjectName(mode == SignIn ? "signInDialog" : "unlockDialog");
    setWindowTitle(mode == SignIn ? tr("Sign in") : tr("Session locked"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *intro = new QLabel(mode == SignIn
            ? tr("Compliance mode is on: every reading, change and signature is recorded under your "
                 "account. Sign in to go on.")
            : tr("The session of %1 was locked after %n minutes without use. Enter your password to go "
                 "on, or sign out.",
                "", idleMinutes)
                  .arg(user),
        this);
    intro->setWordWrap(true);
    m_user = new QLineEdit(user, this);
    m_user->setObjectName("userEdit");
    m_user->setReadOnly(mode == Unlock);
    m_password = new QLineEdit(this);
    m_password->setObjectName("passwordEdit");
    m_password->setEchoMode(QLineEdit::Password);
    m_message = new QLabel(this);
    m_message->setObjectName("signInMessageLab");
    m_message->setWordWrap(true);
    m_message->setStyleSheet("color: rgb(200, 0, 0);");
    m_message->hide();

    auto *form = new QFormLayout;
    form->addRow(tr("&User:"), m_user);
    form->addRow(tr("&Password:"), m_password);

    auto *buttons = new QDialogButtonBox(this);
    m_signIn
        = buttons->addButton(mode == SignIn ? tr("&Sign in") : tr("Un&lock"), QDialogButtonBox::AcceptRole);
    m_signIn->setObjectName("signInBtn");
    m_signIn->setDefault(true);
    m_other
        = buttons->addButton(mode == SignIn ? tr("&Quit") : tr("Sign &out"), QDialogButtonBox::RejectRole);
    m_other->setObjectName("signInOtherBtn");
    connect(m_signIn, &QPushButton::clicked, this, &CSignInDialog::OnSignInClick);
    connect(m_other, &QPushButton::clicked, this, [this] { done(Other); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    (mode == SignIn && user.isEmpty() ? m_user : m_password)->setFocus();
}

void CSignInDialog::reject()
{
    // Nobody gets past the dialog without a decision.
}

void CSignInDialog::OnSignInClick()
{
    const CComplianceResult result = m_check(m_user->text().trimmed(), m_password->text());
    m_password->clear();
    if (result) {
        accept();
        return;
    }
    m_message->setText(result.error);
    m_message->show();
    adjustSize();
    m_password->setFocus();
}
