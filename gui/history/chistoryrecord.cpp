#include "gui/history/chistoryrecord.h"

#include "core/export/creportsaveas.h"
#include "core/history/creportreopen.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/ccomparedata.h"
#include "core/record/crecord.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/ctaskrunner.h"
#include "gui/compliance/ccomplianceui.h"
#include "gui/export/cexporthook.h"
#include "gui/history/chistorytablefill.h"

#include <QCheckBox>
#include <QCursor>
#include <QDateEdit>
#include <QDebug>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

CHistoryRecord::CHistoryRecord(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("CHistoryRecord");
    resize(400, 600);
    setMinimumWidth(360);
    auto *title = new QLabel(tr("<html><head/><body><p>记录仪历史数据</p></body></html>"), this);
    title->setObjectName("historyRecordTitleLab");
    title->setStyleSheet("font-size: 14pt; font-weight: bold; color: rgb(0, 117, 175); padding: 8px;");

    m_table = new QTableWidget(0, 6, this);
    m_table->setObjectName("historyRecordTable");
    m_table->setHorizontalHeaderLabels({ tr("xu hao"), tr("shu ju ming cheng"), tr("xing cheng miao shu"),
        tr("xing cheng kai shi"), tr("bao jing"), tr("xu lie hao") });
    const int w = width();
    m_table->setColumnWidth(0, int(0.15 * w));
    m_table->setColumnWidth(1, int(0.5 * w));
    m_table->setColumnWidth(2, int(0.65 * w));
    // Beside the design's three: trip start, alarms and serial number, shown
    // before the description, which stays last and stretches to the edge.
    m_table->setColumnWidth(3, int(0.33 * w));
    m_table->setColumnWidth(4, int(0.15 * w));
    m_table->setColumnWidth(5, int(0.3 * w));
    m_table->horizontalHeader()->moveSection(2, 5);
    m_table->horizontalHeaderItem(4)->setToolTip(tr("ji lu shi fou you bao jing"));
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setVisible(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(OnHistoryTableMenuSlot(QPoint)));
    connect(m_table, SIGNAL(cellDoubleClicked(int, int)), this, SLOT(OnHistoryCellDoubleClick(int, int)));

    // Finding a trip: the list follows every change at once.
    m_search = new QLineEdit(this);
    m_search->setObjectName("historySearchEdit");
    m_search->setPlaceholderText(tr("sou suo ming cheng, she bei hao, xing cheng ID, xing cheng miao shu"));
    m_search->setClearButtonEnabled(true);
    m_alarmsOnly = new QCheckBox(tr("jin xian shi bao jing ji lu"), this);
    m_alarmsOnly->setObjectName("historyAlarmsOnlyCheck");
    m_dateRange = new QCheckBox(tr("xing cheng kai shi ri qi"), this);
    m_dateRange->setObjectName("historyDateRangeCheck");
    m_from = new QDateEdit(QDate::currentDate().addMonths(-1), this);
    m_from->setObjectName("historyFromDateEdit");
    m_to = new QDateEdit(QDate::currentDate(), this);
    m_to->setObjectName("historyToDateEdit");
    for (QDateEdit *edit : { m_from, m_to }) {
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, &CHistoryRecord::reload);
    }
    connect(m_search, &QLineEdit::textChanged, this, &CHistoryRecord::reload);
    connect(m_alarmsOnly, &QCheckBox::toggled, this, &CHistoryRecord::reload);
    connect(m_dateRange, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        reload();
    });
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    m_table->horizontalHeader()->setSectionsClickable(true);
    connect(m_table->horizontalHeader(), SIGNAL(sectionClicked(int)), this, SLOT(OnHeaderClicked(int)));

    auto *finder = new QGridLayout;
    finder->setContentsMargins(8, 0, 8, 4);
    finder->addWidget(m_search, 0, 0, 1, 3);
    m_count = new QLabel(this);
    m_count->setObjectName("historyCountLabel");
    finder->addWidget(m_count, 0, 3);
    finder->addWidget(m_dateRange, 1, 0, 1, 3);
    finder->addWidget(m_from, 2, 0);
    finder->addWidget(new QLabel(QStringLiteral("-"), this), 2, 1);
    finder->addWidget(m_to, 2, 2);
    finder->setColumnStretch(0, 1);
    finder->setColumnStretch(2, 1);
    finder->addWidget(m_alarmsOnly, 3, 0, 1, 3);
    m_more = new QLabel(this);
    m_more->setObjectName("historyMoreLabel");
    m_more->setWordWrap(true);
    m_more->hide();
    finder->addWidget(m_more, 4, 0, 1, 4);
    m_noMatch = new QLabel(
        tr("mei you pi pei de xing cheng. qing qing chu sou suo nei rong huo fang kuan ri qi fan wei."),
        this);
    m_noMatch->setObjectName("historyNoMatchLabel");
    m_noMatch->setWordWrap(true);
    m_noMatch->setStyleSheet("color: rgb(160, 90, 0);");
    m_noMatch->hide();
    finder->addWidget(m_noMatch, 5, 0, 1, 4);

    // Keys of the list: F5 anywhere on the history page; Del and Enter where
    // the list has the focus (the search field keeps its own Del).
    connect(
        new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &CHistoryRecord::reload);
    auto *del = new QShortcut(QKeySequence::Delete, m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, SIGNAL(activated()), this, SLOT(onDelHistoryAction()));
    for (const int key : { Qt::Key_Return, Qt::Key_Enter }) {
        auto *open = new QShortcut(QKeySequence(key), m_table, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, SIGNAL(activated()), this, SLOT(onInfoAction()));
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addLayout(finder);
    layout->addWidget(m_table);
}

CHistoryFilter CHistoryRecord::filter() const
{
    CHistoryFilter f;
    f.text = m_search->text().trimmed();
    f.alarmsOnly = m_alarmsOnly->isChecked();
    if (m_dateRange->isChecked()) {
        // Whole days, both ends included.
        f.from = QDateTime(m_from->date(), QTime(0, 0, 0));
        f.to = QDateTime(m_to->date(), QTime(23, 59, 59));
    }
    f.sortColumn = m_sortColumn;
    f.sortOrder = m_sortOrder;
    return f;
}

void CHistoryRecord::OnHeaderClicked(int column)
{
    static const CHistoryFilter::Column columns[] = { CHistoryFilter::Id, CHistoryFilter::Name,
        CHistoryFilter::Description, CHistoryFilter::Start, CHistoryFilter::Alarms, CHistoryFilter::Serial };
    if (column < 0 || column >= int(sizeof columns / sizeof columns[0]))
        return;
    if (m_sortColumn == columns[column])
        m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        m_sortOrder = Qt::AscendingOrder;
    m_sortColumn = columns[column];
    m_table->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    reload();
}

void CHistoryRecord::setDatabase(CTempDbManager *db)
{
    if (m_db)
        disconnect(m_db, nullptr, this, nullptr);
    m_db = db;
    if (m_db)
        connect(m_db, &CTempDbManager::historyChanged, this, &CHistoryRecord::reload);
}

void CHistoryRecord::reload()
{
    if (!m_db)
        return;
    // A reload that another desk caused keeps the row the user is on.
    int current = 0;
    const bool hadCurrent = currentRecord(&current, nullptr);
    CHistoryFilter f = filter();
    const bool searching = !f.text.isEmpty() || f.alarmsOnly || f.from.isValid();
    m_more->hide();
    bool more = false;
    if (!searching && f.sortColumn == CHistoryFilter::Id && f.sortOrder == Qt::DescendingOrder) {
        // Unfiltered and newest first is the plain list of every record.
        LoadAllRecords(m_db, m_table);
    } else {
        // A search shows its first matches; one more row tells that there
        // are more (the list would take longer to fill than to type).
        if (searching)
            f.limit = MaxFoundRows + 1;
        QVector<CHistoryRow> rows = m_db->findRecords(f);
        if (searching && rows.size() > MaxFoundRows) {
            rows.resize(MaxFoundRows);
            m_more->setText(tr(
                "zhi xian shi qian %1 tiao pi pei de ji lu, qing shu ru geng duo nei rong suo xiao fan wei")
                                .arg(MaxFoundRows));
            m_more->show();
            more = true;
        }
        FillHistoryTable(m_table, rows);
    }
    const int total = searching ? m_db->recordCount() : m_table->rowCount();
    const QString shown
        = more ? QStringLiteral("%1+").arg(MaxFoundRows) : QString::number(m_table->rowCount());
    m_count->setText(tr("%1 / %n xing cheng", "", qMax(total, 0)).arg(shown));
    m_noMatch->setVisible(searching && m_table->rowCount() == 0);
    for (int row = 0; hadCurrent && row < m_table->rowCount(); ++row) {
        if (m_table->item(row, 0) && m_table->item(row, 0)->text().toInt() == current) {
            m_table->setCurrentCell(row, m_table->currentColumn() < 0 ? 0 : m_table->currentColumn());
            break;
        }
    }
}

QMenu *CHistoryRecord::buildContextMenu()
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *remove = menu->addAction(tr("shan cheu"));
    remove->setObjectName("delHistoryAction");
    // Compliance mode offers only what the role allows.
    remove->setVisible(!m_compliance || m_compliance->may(CDuty::DeleteRecord));
    QAction *rename = menu->addAction(tr("chong ming ming"));
    rename->setObjectName("renameHistoryAction");
    QAction *saveAs = menu->addAction(tr("file save as"));
    saveAs->setObjectName("fileSaveAsAction");
    menu->addSeparator();
    QAction *info = menu->addAction(tr("cha kan xiang qing"));
    info->setObjectName("infoAction");
    connect(remove, SIGNAL(triggered()), this, SLOT(onDelHistoryAction()));
    connect(rename, SIGNAL(triggered()), this, SLOT(onRefreshAction()));
    connect(saveAs, SIGNAL(triggered()), this, SLOT(onFileSaveAsAction()));
    connect(info, SIGNAL(triggered()), this, SLOT(onInfoAction()));
    QAction *compare = menu->addAction(tr("dui bi"));
    compare->setObjectName("compareAction");
    connect(compare, SIGNAL(triggered()), this, SLOT(onCompareAction()));
    return menu;
}

void CHistoryRecord::OnHistoryTableMenuSlot(QPoint)
{
    QMenu *menu = buildContextMenu();
    CDialogs::execMenu(menu, QCursor::pos());
    menu->deleteLater();
}

bool CHistoryRecord::currentRecord(int *id, QString *name) const
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_table->rowCount() || !m_table->item(row, 0))
        return false;
    *id = m_table->item(row, 0)->text().toInt();
    if (name)
        *name = m_table->item(row, 1) ? m_table->item(row, 1)->text() : QString();
    return true;
}

QVector<int> CHistoryRecord::selectedRecords() const
{
    QVector<int> ids;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows()) {
        if (m_table->item(index.row(), 0))
            ids.append(m_table->item(index.row(), 0)->text().toInt());
    }
    int id = 0;
    if (ids.isEmpty() && currentRecord(&id, nullptr))
        ids.append(id);
    return ids;
}

void CHistoryRecord::onDelHistoryAction()
{
    // The question of one record, or how many are selected.
    const QVector<int> ids = selectedRecords();
    if (m_compliance && m_compliance->isOn()) {
        for (const int id : m_compliance->deleteRecords(this, ids))
            emit recordDeleted(id);
        reload();
        return;
    }
    const QString question = ids.size() > 1
        ? tr("que ding yao shan chu xuan zhong de %1 tiao shu ju ji lu ma ?").arg(ids.size())
        : tr("que ding yao shan chu chi tiao shu ju ji lu ma ?");
    const auto answer = CMessageBox::show(
        this, QMessageBox::Question, tr("ti shi"), question, tr("que ding"), tr("qu xiao"));
    if (answer != QMessageBox::Ok || ids.isEmpty() || !m_db)
        return;
    bool deleted = true;
    for (int id : ids) {
        if (m_db->DeleteRecordById(id))
            emit recordDeleted(id); // the detail page lets go of it
        else
            deleted = false;
    }
    reload();
    if (!deleted)
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("shan chu shi bai ,shu ju ji lu mei you gai bian "), tr("que ding"));
}

void CHistoryRecord::onRefreshAction()
{
    int id = 0;
    QString name;
    if (!currentRecord(&id, &name) || !m_db)
        return;
    if (m_compliance && m_compliance->isOn()) {
        m_compliance->renameRecord(this, id, name);
        reload();
        return;
    }
    bool ok = false;
    const QString newName = CDialogs::getText(this, tr("shu ju chong ming ming"),
        tr("qing shu ru xin de shu ju ming cheng :"), name, tr("que ding"), tr("qu xiao"), &ok);
    if (!ok)
        return;
    const bool renamed = m_db->UpdateRecordName(newName, id);
    reload();
    if (!renamed)
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("chong ming ming shi bai ,shu ju ji lu mei you gai bian "), tr("que ding"));
}

void CHistoryRecord::onInfoAction()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_table->rowCount())
        return;
    openRow(row);
}

void CHistoryRecord::OnHistoryCellDoubleClick(int row, int)
{
    openRow(row);
}

void CHistoryRecord::openRow(int row)
{
    if (!m_table->item(row, 0))
        return;
    const int id = m_table->item(row, 0)->text().toInt();
    qDebug() << " idItem " << id;
    const QString name = m_table->item(row, 1) ? m_table->item(row, 1)->text() : QString();
    emit openRequested(id, name);
}

void CHistoryRecord::onFileSaveAsAction()
{
    int id = 0;
    if (!currentRecord(&id, nullptr) || !m_db)
        return;
    // Reopened as every caller reopens a stored report (read at another
    // desk, it comes from the shared history), off the GUI thread.
    const CTaskRunner::HistoryKey key = CTaskRunner::keyOf(*m_db);
    const QString dataDir = applicationDir + "/data_files";
    CReopenOutcome outcome;
    if (!CTaskRunner::run(this, tr("zheng zai du qu bao gao wen jian ..."), [&](CTaskRunner::Context &c) {
            CRecord report;
            outcome = CReportReopen::reopen(
                c.history(key), id, dataDir, CReportReopen::ReportFile, report, &c.progress);
        }))
        return;
    const QFileInfo info(outcome.path);
    switch (outcome.status) {
    case CReopenOutcome::Reopened:
        break;
    case CReopenOutcome::NoRecord:
    case CReopenOutcome::NoReport:
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("ling cun wei wen jian shi bai ,mei you jia zai xiang ying de li shi shu ju"), tr("que ding"));
        return;
    case CReopenOutcome::Changed:
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
            tr("bao gao wen jian %1 zai du qu hou bei xiu gai guo (SHA-256 bu fu), wei dao chu")
                .arg(info.fileName()),
            tr("que ding"));
        return;
    default:
        // The stored copy has gone from data_files (or is no file to
        // copy): said instead of offering a save that cannot succeed.
        CMessageBox::show(
            this, QMessageBox::Critical, tr("cuo wu"), tr("bao gao wen jian yi bu cun zai"), tr("que ding"));
        return;
    }
    qDebug() << info.fileName();
    const QString target = CDialogs::getSaveFileName(this, tr("wen jian ling cun wei"), info.fileName(),
        CReportSaveAs::fileFilter(QStringLiteral("%1 Files (*.%2)"), outcome.path));
    if (target.isEmpty())
        return;
    // An existing file is never overwritten: the copy then fails.
    bool copied = false;
    if (CTaskRunner::run(this, tr("zheng zai fu zhi bao gao wen jian ..."),
            [&](CTaskRunner::Context &c) {
                copied = CReportSaveAs::copyReport(outcome.path, target, &c.progress);
            })
        && copied) {
        if (CExportHook *hook = CExportHook::installed())
            hook->written(this, id, outcome.path, target);
        CMessageBox::show(this, QMessageBox::Information, tr("xin xi"),
            tr("wen jian ling cun wei cao zuo cheng gong"), tr("que ding"));
    }
}

void CHistoryRecord::onCompareAction()
{
    QVector<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows()) {
        if (m_table->item(index.row(), 0))
            rows.append(index.row());
    }
    if (rows.isEmpty())
        return;
    if (rows.size() > CCompareData::MaxTrips) {
        CMessageBox::show(this, QMessageBox::Warning, tr("ti shi"),
            tr("zui duo ke dui bi %1 tiao ji lu, yi xuan zhong %2 tiao.")
                .arg(CCompareData::MaxTrips)
                .arg(rows.size()),
            tr("que ding"));
        return;
    }
    // In the list's order, whatever order the rows were picked in.
    std::sort(rows.begin(), rows.end());
    QVector<int> ids;
    QStringList names;
    for (int row : rows) {
        ids.append(m_table->item(row, 0)->text().toInt());
        names.append(m_table->item(row, 1) ? m_table->item(row, 1)->text() : QString());
    }
    emit compareRequested(ids, names);
}
