#include "core/compliance/cauditmodel.h"

#include "core/compliance/ccompliance.h"

CAuditModel::CAuditModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CAuditModel::show(CCompliance *compliance, const CAuditFilter &filter)
{
    beginResetModel();
    m_compliance = compliance;
    m_filter = filter;
    m_filter.afterSeq = 0;
    m_filter.limit = Chunk;
    m_entries.clear();
    m_more = compliance != nullptr;
    endResetModel();
    // The first page at once: a view asks for more only as it scrolls.
    if (m_more)
        fetchMore(QModelIndex());
}

QString CAuditModel::columnTitle(int column)
{
    switch (Column(column)) {
    case Seq:
        return tr("No.");
    case Time:
        return tr("Date and time");
    case User:
        return tr("User");
    case Desk:
        return tr("Desk");
    case Action:
        return tr("Action");
    case Record:
        return tr("Record");
    case Details:
        return tr("Details");
    case Reason:
        return tr("Reason");
    case ColumnCount:
        break;
    }
    return QString();
}

QStringList CAuditModel::cells(const CAuditEntry &e)
{
    return { QString::number(e.seq), e.timeText(), e.user, e.desk, e.action,
        e.recordId > 0 ? QString::number(e.recordId) : QString(), e.details, e.reason };
}

int CAuditModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int CAuditModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CAuditModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const CAuditEntry &e = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cells(e).value(index.column());
    case Qt::ToolTipRole:
        // The whole text of a long cell, and the entry's hash.
        if (index.column() == Details || index.column() == Reason)
            return cells(e).value(index.column());
        if (index.column() == Seq)
            return tr("SHA-256 %1").arg(e.hash);
        return QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == Seq || index.column() == Record)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CAuditModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnTitle(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool CAuditModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more;
}

void CAuditModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !m_more || !m_compliance)
        return;
    m_filter.afterSeq = m_entries.isEmpty() ? 0 : m_entries.last().seq;
    const QVector<CAuditEntry> page = m_compliance->auditEntries(m_filter);
    m_more = page.size() == Chunk;
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_entries.size(), m_entries.size() + page.size() - 1);
    m_entries += page;
    endInsertRows();
}
