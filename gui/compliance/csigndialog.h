#ifndef CSIGNDIALOG_H
#define CSIGNDIALOG_H

#include "core/compliance/ccompliance.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Signing a record: its meaning (reviewed, approved, rejected), a comment
// and the signer's password once more, handed to sign (CCompliance::sign).
// A refusal is shown in the dialog, which stays open; it ends Accepted once
// the signature is written.
class CSignDialog : public QDialog {
    Q_OBJECT
public:
    using Sign
        = std::function<CComplianceResult(CMeaning meaning, const QString &comment, const QString &password)>;

    // what: the record and the signer, as the dialog names them.
    CSignDialog(const QString &what, const Sign &sign, QWidget *parent = nullptr);

    QComboBox *meaningCombo() const { return m_meaning; }
    QLineEdit *commentEdit() const { return m_comment; }
    QLineEdit *passwordEdit() const { return m_password; }
    QLabel *messageLabel() const { return m_message; }
    QPushButton *signButton() const { return m_sign; }

private:
    void OnSignClick();

    Sign m_signFunction;
    QComboBox *m_meaning = nullptr;
    QLineEdit *m_comment = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_sign = nullptr;
};

#endif // CSIGNDIALOG_H
