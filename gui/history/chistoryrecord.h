#ifndef CHISTORYRECORD_H
#define CHISTORYRECORD_H

#include <QStringList>
#include <QVector>
#include <QWidget>

class CTempDbManager;
class QMenu;
class QTableWidget;

// The history list: every stored record, newest first, with delete, rename,
// save-as of the report file and open. It issues no SQL itself; opening a
// record is the main window's (openRequested).
class CHistoryRecord : public QWidget {
    Q_OBJECT
public:
    explicit CHistoryRecord(QWidget *parent = nullptr);

    // The history listed; a shared one reloads the list whenever any desk
    // changes it.
    void setDatabase(CTempDbManager *db);
    QTableWidget *table() const { return m_table; }

    // Loads the rows from the database again.
    void reload();
    // The context menu, made anew for each right click.
    QMenu *buildContextMenu();

signals:
    // Open (double click or View details): the record of a row and its name
    // as listed.
    void openRequested(int id, const QString &name);
    // Compare: the selected records (at most CCompareData::MaxTrips) in the
    // list's order, and their names as listed.
    void compareRequested(const QVector<int> &ids, const QStringList &names);

public slots:
    void OnHistoryTableMenuSlot(QPoint pos);
    void onDelHistoryAction();
    void onRefreshAction();
    void onInfoAction();
    void onFileSaveAsAction();
    void OnHistoryCellDoubleClick(int row, int column);
    void onCompareAction();

private:
    // Id and name of the current row; false when there is none.
    bool currentRecord(int *id, QString *name) const;
    void openRow(int row);

    CTempDbManager *m_db = nullptr;
    QTableWidget *m_table = nullptr;
};

#endif // CHISTORYRECORD_H
