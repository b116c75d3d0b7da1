#include "gui/compliance/csigndialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSignDialog::CSignDialog(const QString &what, const Sign &sign, QWidget *parent)
    : QDialog(parent)
    , m_signFunction(sign)
{
    setObjectName("signDialog");
    setWindowTitle(tr("Sign record"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *text = new QLabel(what, this);
    text->setWordWrap(true);
    m_meaning = new QComboBox(this);
    m_meaning->setObjectName("meaningCombo");
    for (const CMeaning meaning : { CMeaning::Reviewed, CMeaning::Approved, CMeaning::Rejected })
        m_meaning->addItem(CSignatureBook::meaningTitle(CSignatureBook::meaningName(meaning)), int(meaning));
    m_comment = new QLineEdit(this);
    m_comment->setObjectName("commentEdit");
    m_comment->setMaxLength(500);
    m_password = new QLineEdit(this);
    m_password->setObjectName("signPasswordEdit");
    m_password->setEchoMode(QLineEdit::Password);
    m_message = new QLabel(this);
    m_message->setObjectName("signMessageLab");
    m_message->setWordWrap(true);
    m_message->setStyleSheet("color: rgb(200, 0, 0);");
    m_message->hide();

    auto *form = new QFormLayout;
    form->addRow(tr("&Meaning:"), m_meaning);
    form->addRow(tr("C&omment:"), m_comment);
    form->addRow(tr("&Password:"), m_password);

    auto *buttons = new QDialogButtonBox(this);
    m_sign = buttons->addButton(tr("&Sign"), QDialogButtonBox::AcceptRole);
    m_sign->setObjectName("signOkBtn");
    QPushButton *cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("signCancelBtn");
    connect(m_sign, &QPushButton::clicked, this, &CSignDialog::OnSignClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    m_password->setFocus();
}

void CSignDialog::OnSignClick()
{
    const CComplianceResult result = m_signFunction(
        CMeaning(m_meaning->currentData().toInt()), m_comment->text().trimmed(), m_password->text());
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
