#include "core/record/ctempdatamodel.h"

#include <QColor>

CTempDataModel::CTempDataModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

namespace {
// A text that is not a number reads as 0, as everywhere in the record.
bool beyond(double value, double high, double low)
{
    return value > high || value < low;
}
} // namespace

void CTempDataModel::setSamples(
    const CTempData &data, double tempHigh, double tempLow, double humidityHigh, double humidityLow)
{
    beginResetModel();
    const int count = qMin(data.size(), int(MaxRows));
    m_data = data;
    m_count = count;
    m_tempRed.fill(false, count);
    m_humidityRed.fill(false, count);
    for (int i = 0; i < count; ++i) {
        if (beyond(data.tempValue(i), tempHigh, tempLow))
            m_tempRed.setBit(i);
        if (beyond(data.shiduValue(i), humidityHigh, humidityLow))
            m_humidityRed.setBit(i);
    }
    endResetModel();
}

void CTempDataModel::clear()
{
    beginResetModel();
    m_data.clear();
    m_count = 0;
    m_tempRed.clear();
    m_humidityRed.clear();
    endResetModel();
}

int CTempDataModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int CTempDataModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant CTempDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return index.row() + 1;
        case 1:
            return m_data.recordTime(index.row());
        case 2:
            return m_data.temp(index.row());
        case 3:
            return m_data.shidu(index.row());
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
