#include "core/record/ctempdatamodel.h"

#include <QColor>

CTempDataModel::CTempDataModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

namespace {
bool beyond(const QString &text, double high, double low)
{
    // A text that is not a number reads as 0, as everywhere in the record.
    const double value = text.toDouble();
    return value > high || value < low;
}
} // namespace

void CTempDataModel::setSamples(
    const CTempData &data, double tempHigh, double tempLow, double humidityHigh, double humidityLow)
{
    beginResetModel();
    const int count = qMin(data.dataList.size(), int(MaxRows));
    m_rows.clear();
    m_rows.reserve(count);
    m_tempRed.fill(false, count);
    m_humidityRed.fill(false, count);
    for (int i = 0; i < count; ++i) {
        const TempDataItem *item = data.dataList.at(i);
        m_rows.append(*item);
        if (beyond(item->temp, tempHigh, tempLow))
            m_tempRed.setBit(i);
        if (beyond(item->shidu, humidityHigh, humidityLow))
            m_humidityRed.setBit(i);
    }
    endResetModel();
}

void CTempDataModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_tempRed.clear();
    m_humidityRed.clear();
    endResetModel();
}

int CTempDataModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int CTempDataModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant CTempDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const TempDataItem &item = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return index.row() + 1;
        case 1:
            return item.recordTime;
        case 2:
            return item.temp;
        case 3:
            return item.shidu;
        }
        break;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if ((index.column() == 2 && m_tempRed.testBit(index.row()))
            || (index.column() == 3 && m_humidityRed.testBit(index.row())))
            return QColor(Qt::red);
        break;
    }
    return QVariant();
}

QVariant CTempDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
        return m_headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool CTempDataModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= 4
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_headers[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}
