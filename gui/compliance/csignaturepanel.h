#ifndef CSIGNATUREPANEL_H
#define CSIGNATUREPANEL_H

#include <QWidget>

class CComplianceUi;
class QLabel;
class QPushButton;
class QTableWidget;

// The signatures tab of the history detail page in compliance mode: who
// signed the record shown, when, with what meaning and comment, and the
// Sign button for a role that may sign.
class CSignaturePanel : public QWidget {
    Q_OBJECT
public:
    explicit CSignaturePanel(CComplianceUi *compliance, QWidget *parent = nullptr);

    // The record whose signatures are shown; 0: none.
    void showRecord(int id);
    int recordId() const { return m_id; }
    // Reads the signatures again; the button follows the session's role.
    void refresh();

    QTableWidget *table() const { return m_table; }
    QPushButton *signButton() const { return m_sign; }
    QLabel *noteLabel() const { return m_note; }

private:
    CComplianceUi *m_compliance;
    int m_id = 0;
    QTableWidget *m_table = nullptr;
    QPushButton *m_sign = nullptr;
    QLabel *m_note = nullptr;
};

#endif // CSIGNATUREPANEL_H
