#ifndef CAUDITPAGE_H
#define CAUDITPAGE_H

#include "core/compliance/caudittrail.h"
#include "core/export/ctableexport.h"

#include <QWidget>

class CAuditModel;
class CComplianceUi;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

// The audit page of compliance mode: the entries of the audit trail, oldest
// first, narrowed by record, user, action and a range of days as the user
// changes the filter; Verify walks the chain and every signed record and
// says what it found; the entries of the filter export to PDF and CSV, with
// the filter, the verification and the trail's head above them.
class CAuditPage : public QWidget {
    Q_OBJECT
public:
    explicit CAuditPage(CComplianceUi *compliance, QWidget *parent = nullptr);

    // Reads the entries of the filter again (and the users for its list).
    void reload();
    CAuditFilter filter() const;
    // The report an export of the filter's entries writes.
    CTableReport report();

    QSpinBox *recordSpin() const { return m_record; }
    QComboBox *userCombo() const { return m_user; }
    QComboBox *actionCombo() const { return m_action; }
    QCheckBox *datesCheck() const { return m_dates; }
    QDateEdit *fromEdit() const { return m_from; }
    QDateEdit *toEdit() const { return m_to; }
    QTableView *view() const { return m_view; }
    CAuditModel *model() const { return m_model; }
    QLabel *verifyLabel() const { return m_verified; }
    QPushButton *verifyButton() const { return m_verify; }

public slots:
    void OnVerifyBtnClick();
    void OnExportPdfBtnClick();
    void OnExportCsvBtnClick();

private:
    void exportTo(bool pdf);
    QString verificationText(bool *intact);

    CComplianceUi *m_compliance;
    QSpinBox *m_record = nullptr;
    QComboBox *m_user = nullptr;
    QComboBox *m_action = nullptr;
    QCheckBox *m_dates = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QTableView *m_view = nullptr;
    CAuditModel *m_model = nullptr;
    QLabel *m_verified = nullptr;
    QPushButton *m_verify = nullptr;
    bool m_reloading = false;
};

#endif // CAUDITPAGE_H
