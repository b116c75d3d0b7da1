#include "gui/compliance/cusersdialog.h"

#include "core/compliance/ccompliance.h"
#include "gui/app/cmessagebox.h"
#include "gui/compliance/ccomplianceui.h"
#include "gui/compliance/creasondialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QDialogButtonBox *okCancel(QDialog *dialog, const QString &okText)
{
    auto *buttons = new QDialogButtonBox(dialog);
    buttons->addButton(okText, QDialogButtonBox::AcceptRole)->setObjectName("usersOkBtn");
    buttons->addButton(CUsersDialog::tr("&Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit *passwordEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

CUsersDialog::CUsersDialog(CComplianceUi *compliance, QWidget *parent)
    : QDialog(parent)
    , m_compliance(compliance)
{
    setObjectName("usersDialog");
    setWindowTitle(tr("Users and settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName("usersTable");
    m_table->setHorizontalHeaderLabels({ tr("Account"), tr("Printed name"), tr("Role"), tr("State") });
    m_table->verticalHeader()->setVisible(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(1, 160);

    const auto button = [this](const QString &text, const char *name, void (CUsersDialog::*slot)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto *column = new QVBoxLayout;
    column->addWidget(button(tr("&Add..."), "addUserBtn", &CUsersDialog::addUser));
    column->addWidget(button(tr("&Disable..."), "disableUserBtn", &CUsersDialog::disableUser));
    column->addWidget(button(tr("Un&lock"), "unlockUserBtn", &CUsersDialog::unlockUser));
    column->addWidget(button(tr("Set pass&word..."), "setPasswordBtn", &CUsersDialog::setPassword));
    column->addStretch(1);
    auto *accounts = new QHBoxLayout;
    accounts->addWidget(m_table, 1);
    accounts->addLayout(column);

    auto *settings = new QGroupBox(tr("Compliance mode of this history"), this);
    m_idle = new QSpinBox(settings);
    m_idle->setObjectName("idleSpin");
    m_idle->setRange(0, 24 * 60);
    m_idle->setSuffix(tr(" min"));
    m_idle->setSpecialValueText(tr("never"));
    m_idle->setValue(m_compliance->compliance()->idleMinutes());
    auto *idleRow = new QHBoxLayout;
    auto *idleLabel = new QLabel(tr("Lock the window af&ter"), settings);
    idleLabel->setBuddy(m_idle);
    idleRow->addWidget(idleLabel);
    idleRow->addWidget(m_idle);
    idleRow->addWidget(button(tr("A&pply"), "applyIdleBtn", &CUsersDialog::applyIdle));
    idleRow->addStretch(1);
    idleRow->addWidget(
        button(tr("Switch compliance mode o&ff..."), "complianceOffBtn", &CUsersDialog::switchOff));
    settings->setLayout(idleRow);

    auto *close = new QDialogButtonBox(this);
    close->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(accounts, 1);
    layout->addWidget(settings);
    layout->addWidget(close);
    resize(680, 420);
    reload();
}

void CUsersDialog::reload()
{
    const QVector<CUserAccount> users = m_compliance->compliance()->users();
    m_table->setRowCount(users.size());
    for (int row = 0; row < users.size(); ++row) {
        const CUserAccount &u = users.at(row);
        const QString state = u.disabled ? tr("disabled") : u.locked ? tr("locked") : tr("active");
        const QStringList cells { u.name, u.printedName, CSession::roleTitle(u.role), state };
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

QString CUsersDialog::currentUser() const
{
    const int row = m_table->currentRow();
    return row >= 0 && m_table->item(row, 0) ? m_table->item(row, 0)->text() : QString();
}

bool CUsersDialog::askNewPassword(
    QWidget *parent, const QString &title, const QString &text, QString *password)
{
    QDialog dialog(parent);
    dialog.setObjectName("newPasswordDialog");
    dialog.setWindowTitle(title);
    auto *label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    QLineEdit *first = passwordEdit(&dialog);
    first->setObjectName("newPasswordEdit");
    QLineEdit *second = passwordEdit(&dialog);
    second->setObjectName("repeatPasswordEdit");
    auto *form = new QFormLayout;
    form->addRow(tr("&New password:"), first);
    form->addRow(tr("&Repeat:"), second);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addLayout(form);
    layout->addWidget(okCancel(&dialog, tr("&OK")));
    while (dialog.exec() == QDialog::Accepted) {
        if (first->text() == second->text()) {
            *password = first->text();
            return true;
        }
        CMessageBox::show(parent, QMessageBox::Warning, title, tr("The two passwords differ."), tr("OK"));
        second->clear();
    }
    return false;
}

void CUsersDialog::addUser()
{
    QDialog dialog(this);
    dialog.setObjectName("addUserDialog");
    dialog.setWindowTitle(tr("Add user"));
    auto *name = new QLineEdit(&dialog);
    name->setObjectName("newUserEdit");
    auto *printed = new QLineEdit(&dialog);
    printed->setObjectName("printedNameEdit");
    auto *role = new QComboBox(&dialog);
    role->setObjectName("roleCombo");
    for (const CRole r : { CRole::Operator, CRole::Reviewer, CRole::Admin })
        role->addItem(CSession::roleTitle(r), int(r));
    QLineEdit *first = passwordEdit(&dialog);
    first->setObjectName("newPasswordEdit");
    QLineEdit *second = passwordEdit(&dialog);
    second->setObjectName("repeatPasswordEdit");
    auto *form = new QFormLayout;
    form->addRow(tr("Account na&me:"), name);
    form->addRow(tr("&Printed name:"), printed);
    form->addRow(tr("R&ole:"), role);
    form->addRow(tr("&Initial password:"), first);
    form->addRow(tr("&Repeat:"), second);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(okCancel(&dialog, tr("&Add")));
    while (dialog.exec() == QDialog::Accepted) {
        CComplianceResult result = first->text() == second->text()
            ? m_compliance->compliance()->addUser(m_compliance->session(), name->text().trimmed(),
                printed->text().trimmed(), CRole(role->currentData().toInt()), first->text())
            : CComplianceResult::failed(tr("The two passwords differ."));
        if (result)
            break;
        CMessageBox::show(this, QMessageBox::Warning, tr("Add user"), result.error, tr("OK"));
    }
    reload();
}

void CUsersDialog::disableUser()
{
    const QString user = currentUser();
    if (user.isEmpty())
        return;
    CReasonDialog dialog(tr("Disable account"),
        tr("Disable the account %1? It cannot sign in any more; what it did and signed stays.").arg(user),
        tr("&Disable"), false, QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CComplianceResult result
        = m_compliance->compliance()->disableUser(m_compliance->session(), user, dialog.reason());
    if (!result)
        CMessageBox::show(this, QMessageBox::Warning, tr("Disable account"), result.error, tr("OK"));
    reload();
}

void CUsersDialog::unlockUser()
{
    const QString user = currentUser();
    if (user.isEmpty())
        return;
    const CComplianceResult result = m_compliance->compliance()->unlockUser(m_compliance->session(), user);
    if (!result)
        CMessageBox::show(this, QMessageBox::Warning, tr("Unlock account"), result.error, tr("OK"));
    reload();
}

void CUsersDialog::setPassword()
{
    const QString user = currentUser();
    QString password;
    if (user.isEmpty()
        || !askNewPassword(this, tr("Set password"),
            tr("The new password of %1 (at least %n characters):", "", CCompliance::MinPasswordLength)
                .arg(user),
            &password))
        return;
    const CComplianceResult result
        = m_compliance->compliance()->changePassword(m_compliance->session(), user, password);
    if (!result)
        CMessageBox::show(this, QMessageBox::Warning, tr("Set password"), result.error, tr("OK"));
}

void CUsersDialog::applyIdle()
{
    const CComplianceResult result
        = m_compliance->compliance()->setIdleMinutes(m_compliance->session(), m_idle->value());
    CMessageBox::show(this, result ? QMessageBox::Information : QMessageBox::Warning, tr("Idle time"),
        result ? tr("The new idle time holds from each user's next sign-in.") : result.error, tr("OK"));
}

void CUsersDialog::switchOff()
{
    CReasonDialog dialog(tr("Switch compliance mode off"),
        tr("Switch compliance mode off for this history? From then on nobody signs in and nothing is audited "
           "until an administrator switches it on again; the audit trail, accounts and signatures stay."),
        tr("Switch &off"), false, QString(), this);
    if (dialog.exec() == QDialog::Accepted && m_compliance->switchOff(this, dialog.reason()))
        accept();
}
