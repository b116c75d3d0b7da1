#ifndef CAUDITMODEL_H
#define CAUDITMODEL_H

#include "core/compliance/caudittrail.h"

#include <QAbstractTableModel>
#include <QVector>

class CCompliance;

// The entries of an audit filter for a table view, oldest first, fetched
// from the history a page at a time as the view scrolls (a trail of years
// is never read whole to be shown).
class CAuditModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Seq, Time, User, Desk, Action, Record, Details, Reason, ColumnCount };
    static constexpr int Chunk = 500;

    explicit CAuditModel(QObject *parent = nullptr);

    // The entries of filter in compliance (not owned; null: none). Its
    // afterSeq and limit are the model's own.
    void show(CCompliance *compliance, const CAuditFilter &filter);
    const CAuditEntry &entry(int row) const { return m_entries.at(row); }

    // A column's title in the interface language, and the texts of an
    // entry's cells (also what an export of the list prints).
    static QString columnTitle(int column);
    static QStringList cells(const CAuditEntry &entry);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    CCompliance *m_compliance = nullptr;
    CAuditFilter m_filter;
    QVector<CAuditEntry> m_entries;
    bool m_more = false;
};

#endif // CAUDITMODEL_H
