#include "gui/compliance/cauditpage.h"

#include "core/compliance/cauditmodel.h"
#include "core/compliance/ccompliance.h"
#include "core/record/appglobals.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cmessagebox.h"
#include "gui/compliance/ccomplianceui.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The actions an entry can have (CCompliance), for the filter's list.
const char *const Actions[] = { "sign-in", "sign-in-failed", "account-locked", "sign-out", "read", "copy",
    "reopen", "export", "rename", "delete", "configure", "sign", "user-add", "user-disable", "user-unlock",
    "user-password", "setting", "compliance-on", "compliance-off" };

// The PDF's column widths in points (520 in all), in CAuditModel's order.
const int PdfWidths[] = { 28, 76, 44, 40, 56, 30, 176, 70 };

} // namespace

CAuditPage::CAuditPage(CComplianceUi *compliance, QWidget *parent)
    : QWidget(parent)
    , m_compliance(compliance)
{
    setObjectName("auditPage");
    auto *title = new QLabel(tr("Audit trail"), this);
    title->setObjectName("auditTitleLab");
    title->setStyleSheet("font-size: 14pt; font-weight: bold; color: rgb(0, 117, 175);");
    m_verify = new QPushButton(tr("&Verify"), this);
    m_verify->setObjectName("auditVerifyBtn");
    m_verify->setToolTip(tr("Walks the whole chain and every signed record"));
    auto *exportPdf = new QPushButton(tr("Export &PDF..."), this);
    exportPdf->setObjectName("auditExportPdfBtn");
    auto *exportCsv = new QPushButton(tr("Export C&SV..."), this);
    exportCsv->setObjectName("auditExportCsvBtn");
    auto *top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(m_verify);
    top->addWidget(exportPdf);
    top->addWidget(exportCsv);

    m_record = new QSpinBox(this);
    m_record->setObjectName("auditRecordSpin");
    // Narrow enough for a 1024-pixel screen in either language.
    m_record->setRange(0, 9999999);
    m_record->setSpecialValueText(tr("any"));
    m_user = new QComboBox(this);
    m_user->setObjectName("auditUserCombo");
    m_user->setEditable(true);
    m_user->setMinimumContentsLength(8);
    m_user->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_user->lineEdit()->setPlaceholderText(tr("any"));
    m_action = new QComboBox(this);
    m_action->setObjectName("auditActionCombo");
    m_action->setMinimumContentsLength(10);
    m_action->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_action->addItem(tr("any"), QString());
    for (const char *action : Actions)
        m_action->addItem(QLatin1String(action), QLatin1String(action));
    m_dates = new QCheckBox(tr("Da&ys:"), this);
    m_dates->setObjectName("auditDatesCheck");
    m_from = new QDateEdit(QDate::currentDate().addDays(-30), this);
    m_from->setObjectName("auditFromEdit");
    m_to = new QDateEdit(QDate::currentDate(), this);
    m_to->setObjectName("auditToEdit");
    for (QDateEdit *edit : { m_from, m_to }) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setEnabled(false);
    }
    auto *recordLabel = new QLabel(tr("&Record:"), this);
    recordLabel->setBuddy(m_record);
    auto *userLabel = new QLabel(tr("&User:"), this);
    userLabel->setBuddy(m_user);
    auto *actionLabel = new QLabel(tr("&Action:"), this);
    actionLabel->setBuddy(m_action);
    auto *filters = new QHBoxLayout;
    filters->addWidget(recordLabel);
    filters->addWidget(m_record);
    filters->addWidget(userLabel);
    filters->addWidget(m_user);
    filters->addWidget(actionLabel);
    filters->addWidget(m_action);
    filters->addStretch(1);
    // The days, and beside them what Verify found.
    auto *days = new QHBoxLayout;
    days->addWidget(m_dates);
    days->addWidget(m_from);
    days->addWidget(new QLabel(QStringLiteral("-"), this));
    days->addWidget(m_to);

    m_verified = new QLabel(this);
    m_verified->setObjectName("auditVerifyLab");
    m_verified->setWordWrap(true);
    m_verified->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_verified->hide();
    days->addWidget(m_verified, 1);
    days->addStretch();

    m_model = new CAuditModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName("auditTable");
    m_view->setModel(m_model);
    m_view->verticalHeader()->setVisible(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    QHeaderView *header = m_view->horizontalHeader();
    header->setStretchLastSection(true);
    // Wide enough for the title and a typical cell in the page's font.
    const QFontMetrics metrics(m_view->font());
    const QString typical[] = { QStringLiteral("99999"), QStringLiteral("2025-05-20 09:14:03 UTC+02:00"),
        QStringLiteral("operator"), QStringLiteral("desk-01"), QStringLiteral("compliance-off"),
        QStringLiteral("99999"), QString(60, QLatin1Char('x')), QString(20, QLatin1Char('x')) };
    for (int column = 0; column < CAuditModel::ColumnCount; ++column)
        m_view->setColumnWidth(column,
            std::max(metrics.horizontalAdvance(typical[column]),
                metrics.horizontalAdvance(CAuditModel::columnTitle(column)))
                + 16);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(filters);
    layout->addLayout(days);
    layout->addWidget(m_view, 1);

    connect(m_record, QOverload<int>::of(&QSpinBox::valueChanged), this, &CAuditPage::reload);
    connect(m_user, &QComboBox::currentTextChanged, this, &CAuditPage::reload);
    connect(m_action, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CAuditPage::reload);
    connect(m_dates, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        reload();
    });
    connect(m_from, &QDateEdit::dateChanged, this, &CAuditPage::reload);
    connect(m_to, &QDateEdit::dateChanged, this, &CAuditPage::reload);
    connect(m_verify, &QPushButton::clicked, this, &CAuditPage::OnVerifyBtnClick);
    connect(exportPdf, &QPushButton::clicked, this, &CAuditPage::OnExportPdfBtnClick);
    connect(exportCsv, &QPushButton::clicked, this, &CAuditPage::OnExportCsvBtnClick);
}

CAuditFilter CAuditPage::filter() const
{
    CAuditFilter f;
    f.recordId = m_record->value();
    f.user = m_user->currentText().trimmed();
    f.action = m_action->currentData().toString();
    if (m_dates->isChecked()) {
        // Whole days of the desk's calendar, both ends included.
        f.from = QDateTime(m_from->date(), QTime(0, 0));
        f.to = QDateTime(m_to->date(), QTime(23, 59, 59, 999));
    }
    return f;
}

void CAuditPage::reload()
{
    CCompliance *compliance = m_compliance->compliance();
    if (m_reloading || !compliance)
        return;
    m_reloading = true;
    // The accounts for the user list; what is typed stays.
    const QString typed = m_user->currentText();
    m_user->clear();
    for (const CUserAccount &account : compliance->users())
        m_user->addItem(account.name);
    m_user->setCurrentText(typed);
    m_reloading = false;
    m_model->show(compliance, filter());
}

QString CAuditPage::verificationText(bool *intact)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CCompliance::Verification v = m_compliance->compliance()->verify();
    QApplication::restoreOverrideCursor();
    *intact = v.intact;
    return v.intact ? v.summary() : tr("Verification failed: %1").arg(v.problem);
}

void CAuditPage::OnVerifyBtnClick()
{
    if (!m_compliance->compliance())
        return;
    bool intact = false;
    m_verified->setText(verificationText(&intact));
    m_verified->setStyleSheet(
        intact ? "color: rgb(0, 128, 0); font-weight: bold;" : "color: rgb(200, 0, 0); font-weight: bold;");
    m_verified->show();
}

CTableReport CAuditPage::report()
{
    CCompliance *compliance = m_compliance->compliance();
    CTableReport report;
    report.title = tr("Audit trail");
    for (int column = 0; column < CAuditModel::ColumnCount; ++column)
        report.columns.append({ CAuditModel::columnTitle(column), PdfWidths[column] });
    const CAuditFilter f = filter();
    QStringList narrowed;
    if (f.recordId > 0)
        narrowed << tr("record %1").arg(f.recordId);
    if (!f.user.isEmpty())
        narrowed << tr("user %1").arg(f.user);
    if (!f.action.isEmpty())
        narrowed << tr("action %1").arg(f.action);
    if (f.from.isValid())
        narrowed
            << tr("%1 to %2").arg(m_from->date().toString(Qt::ISODate), m_to->date().toString(Qt::ISODate));
    const CSession &session = m_compliance->session();
    const QDateTime now = QDateTime::currentDateTime();
    bool intact = false;
    const QString verified = verificationText(&intact);
    const CAuditEntry head = compliance->auditHead();
    report.lines
        << tr("History %1").arg(compliance->historyId())
        << tr("Entries: %1").arg(narrowed.isEmpty() ? tr("all") : narrowed.join(QStringLiteral(", ")))
        << tr("Printed %1 by %2 (%3) at %4")
               .arg(QLocale::c().toString(now, QStringLiteral("yyyy-MM-dd HH:mm:ss")), session.printedName(),
                   session.user(), CAuditTrail::deskName())
        << (intact ? tr("Verification: %1").arg(verified) : verified)
        << tr("Head of the trail: entry %1, SHA-256 %2").arg(head.seq).arg(head.hash);
    for (const CAuditEntry &entry : compliance->auditEntries(f))
        report.rows.append(CAuditModel::cells(entry));
    return report;
}

void CAuditPage::OnExportPdfBtnClick()
{
    exportTo(true);
}

void CAuditPage::OnExportCsvBtnClick()
{
    exportTo(false);
}

void CAuditPage::exportTo(bool pdf)
{
    if (!m_compliance->compliance())
        return;
    const QString suffix = pdf ? QStringLiteral("pdf") : QStringLiteral("csv");
    const QString folder = applicationDir + QStringLiteral("/export");
    QDir().mkpath(folder);
    const QString proposed = folder + QStringLiteral("/audit-trail-")
        + QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyyMMdd-HHmmss")) + '.'
        + suffix;
    const QString path = CDialogs::getSaveFileName(
        this, tr("Export the audit trail"), proposed, tr("%1 Files (*.%2)").arg(suffix.toUpper(), suffix));
    if (path.isEmpty())
        return;
    const CTableReport table = report();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CTableExport::Result result
        = pdf ? CTableExport::writePdf(table, path) : CTableExport::writeCsv(table, path);
    QApplication::restoreOverrideCursor();
    if (!result.written) {
        CMessageBox::show(this, QMessageBox::Critical, tr("Audit trail"),
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), result.error), tr("OK"));
        return;
    }
    QString text = tr("The audit trail was exported: %n entries.", "", table.rows.size());
    if (result.printedRows < table.rows.size())
        text
            = tr("The PDF holds the first %1 of %2 entries (as many as its pages take); the CSV export holds "
                 "them all.")
                  .arg(result.printedRows)
                  .arg(table.rows.size());
    CMessageBox::showWritten(this, tr("Audit trail"), text, tr("OK"), path);
}
