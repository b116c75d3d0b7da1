#include "gui/compliance/csignaturepanel.h"

#include "core/compliance/ccompliance.h"
#include "gui/compliance/ccomplianceui.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CSignaturePanel::CSignaturePanel(CComplianceUi *compliance, QWidget *parent)
    : QWidget(parent)
    , m_compliance(compliance)
{
    setObjectName("signaturePanel");
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName("signatureTable");
    m_table->setHorizontalHeaderLabels(
        { tr("Meaning"), tr("Signed by"), tr("Date and time"), tr("Comment") });
    m_table->verticalHeader()->setVisible(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The comment takes what is left, on as many lines as it needs.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_table->setWordWrap(true);
    m_note = new QLabel(this);
    m_note->setObjectName("signatureNoteLab");
    m_note->setWordWrap(true);
    m_sign = new QPushButton(tr("&Sign..."), this);
    m_sign->setObjectName("signRecordBtn");
    connect(m_sign, &QPushButton::clicked, this, [this] {
        if (m_id > 0 && m_compliance->signRecord(this, m_id))
            refresh();
    });
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_note, 1);
    bottom->addWidget(m_sign);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);
    connect(m_compliance, &CComplianceUi::sessionChanged, this, &CSignaturePanel::refresh);
    refresh();
}

void CSignaturePanel::showRecord(int id)
{
    m_id = id;
    refresh();
}

void CSignaturePanel::refresh()
{
    const QVector<CSignatureInfo> list = m_id > 0 && m_compliance->compliance()
        ? m_compliance->compliance()->signatures(m_id)
        : QVector<CSignatureInfo>();
    m_table->setRowCount(list.size());
    for (int row = 0; row < list.size(); ++row) {
        const CSignatureInfo &s = list.at(row);
        const QStringList cells { CSignatureBook::meaningTitle(s.meaning),
            s.printedName + QStringLiteral(" (") + s.user + ')', s.signedAtText(), s.comment };
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            item->setToolTip(column == 0
                    ? tr("Content SHA-256 %1, audit entry %2").arg(s.contentHash).arg(s.auditSeq)
                    : cells.at(column));
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeRowsToContents();
    if (m_id <= 0)
        m_note->setText(tr("No record is shown."));
    else if (list.isEmpty())
        m_note->setText(tr("Record %1 is not signed yet.").arg(m_id));
    else
        m_note->setText(
            tr("Record %1 is signed: it cannot be renamed, and only an administrator deletes it, with a "
               "reason.")
                .arg(m_id));
    m_sign->setVisible(m_compliance->may(CDuty::SignRecord));
    m_sign->setEnabled(m_id > 0);
}
