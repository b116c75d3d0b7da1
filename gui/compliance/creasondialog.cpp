#include "gui/compliance/creasondialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CReasonDialog::CReasonDialog(const QString &title, const QString &question, const QString &okText,
    bool withName, const QString &name, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("reasonDialog");
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *text = new QLabel(question, this);
    text->setWordWrap(true);
    auto *form = new QFormLayout;
    if (withName) {
        m_name = new QLineEdit(name, this);
        m_name->setObjectName("reasonNameEdit");
        form->addRow(tr("New &name:"), m_name);
        connect(m_name, &QLineEdit::textChanged, this, &CReasonDialog::updateOk);
    }
    m_reason = new QPlainTextEdit(this);
    m_reason->setObjectName("reasonEdit");
    m_reason->setTabChangesFocus(true);
    m_reason->setFixedHeight(72);
    form->addRow(tr("&Reason:"), m_reason);
    connect(m_reason, &QPlainTextEdit::textChanged, this, &CReasonDialog::updateOk);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    m_ok->setObjectName("reasonOkBtn");
    QPushButton *cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("reasonCancelBtn");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    updateOk();
    (m_name ? static_cast<QWidget *>(m_name) : m_reason)->setFocus();
}

QString CReasonDialog::name() const
{
    return m_name ? m_name->text().trimmed() : QString();
}

QString CReasonDialog::reason() const
{
    return m_reason->toPlainText().trimmed();
}

void CReasonDialog::updateOk()
{
    m_ok->setEnabled(!reason().isEmpty() && (!m_name || !name().isEmpty()));
}
