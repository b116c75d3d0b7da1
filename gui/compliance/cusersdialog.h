#ifndef CUSERSDIALOG_H
#define CUSERSDIALOG_H

#include <QDialog>

class CComplianceUi;
class QPushButton;
class QSpinBox;
class QTableWidget;

// An administrator's dialog of compliance mode: the accounts (name, printed
// name, role, state) with Add, Disable, Unlock and Set password; the idle
// time of the lock; and switching compliance mode off, with a reason.
class CUsersDialog : public QDialog {
    Q_OBJECT
public:
    CUsersDialog(CComplianceUi *compliance, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QSpinBox *idleSpin() const { return m_idle; }

    // A new password typed twice (at least CCompliance::MinPasswordLength
    // characters, both the same); false when cancelled.
    static bool askNewPassword(QWidget *parent, const QString &title, const QString &text, QString *password);

private:
    void reload();
    // The account of the current row; empty when none.
    QString currentUser() const;
    void addUser();
    void disableUser();
    void unlockUser();
    void setPassword();
    void applyIdle();
    void switchOff();

    CComplianceUi *m_compliance;
    QTableWidget *m_table = nullptr;
    QSpinBox *m_idle = nullptr;
};

#endif // CUSERSDIALOG_H
