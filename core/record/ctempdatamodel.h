#ifndef CTEMPDATAMODEL_H
#define CTEMPDATAMODEL_H

#include "core/record/ctempdata.h"

#include <QAbstractTableModel>
#include <QBitArray>
#include <QVector>

// The data list: number, time, temperature and humidity of each sample.
// A value beyond its alarm limits is painted red; a value equal to a limit is
// not. The model keeps its own copy of the samples (implicitly shared), so
// the record may be read again while the list still shows the old one; a
// row's texts are made when the view asks for them.
class CTempDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The list shows at most this many rows; the curve is not limited.
    static constexpr int MaxRows = 48640;

    explicit CTempDataModel(QObject *parent = nullptr);

    // Replaces the rows. Limits: temperature high/low, humidity high/low.
    void setSamples(
        const CTempData &data, double tempHigh, double tempLow, double humidityHigh, double humidityLow);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;

    bool isTemperatureAlarm(int row) const { return m_tempRed.testBit(row); }
    bool isHumidityAlarm(int row) const { return m_humidityRed.testBit(row); }

private:
    CTempData m_data;
    int m_count = 0;
    QBitArray m_tempRed;
    QBitArray m_humidityRed;
    QString m_headers[4];
};

#endif // CTEMPDATAMODEL_H
