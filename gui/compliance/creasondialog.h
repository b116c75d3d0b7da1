#ifndef CREASONDIALOG_H
#define CREASONDIALOG_H

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A change of compliance mode asks why: a question, optionally a new name
// (rename), and the reason the user must type; OK stays greyed until there
// is one (and a name, when asked for).
class CReasonDialog : public QDialog {
    Q_OBJECT
public:
    // name: shown in a field preset to it when withName.
    CReasonDialog(const QString &title, const QString &question, const QString &okText, bool withName,
        const QString &name, QWidget *parent = nullptr);

    QString name() const;
    QString reason() const;
    QLineEdit *nameEdit() const { return m_name; }
    QPlainTextEdit *reasonEdit() const { return m_reason; }
    QPushButton *okButton() const { return m_ok; }

private:
    void updateOk();

    QLineEdit *m_name = nullptr;
    QPlainTextEdit *m_reason = nullptr;
    QPushButton *m_ok = nullptr;
};

#endif // CREASONDIALOG_H
