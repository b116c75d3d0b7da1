#ifndef CHISTORYRECORD_H
#define CHISTORYRECORD_H

#include "core/history/ctempdbmanager.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

class CComplianceUi;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QTableWidget;

// The history list: every stored record, newest first, with delete, rename,
// save-as of the report file and open. Above it a search field (record name,
// device number, trip ID and description), a range of trip start dates and
// an "alarms only" switch narrow the list as the user types; beside the field
// "n of N trips", and a hint when nothing matches. A click on a column header
// sorts by that column. The matching and the sorting are the history's own
// (CTempDbManager::findRecords, in SQL). It issues no SQL itself; opening a
// record is the main window's (openRequested). Keys: F5 reloads, Del deletes
// the selected records (after the question), Enter opens the current one.
class CHistoryRecord : public QWidget {
    Q_OBJECT
public:
    explicit CHistoryRecord(QWidget *parent = nullptr);

    // The history listed; a shared one reloads the list whenever any desk
    // changes it.
    void setDatabase(CTempDbManager *db);
    // In compliance mode renaming and deleting go through it (a reason, the
    // role's rights); null or off: as ever.
    void setCompliance(CComplianceUi *compliance) { m_compliance = compliance; }
    QTableWidget *table() const { return m_table; }

    // Loads the rows from the database again, through the filter and order
    // shown.
    void reload();
    // The filter and order of the controls.
    CHistoryFilter filter() const;

    QLineEdit *searchEdit() const { return m_search; }
    QCheckBox *alarmsOnlyCheck() const { return m_alarmsOnly; }
    QCheckBox *dateRangeCheck() const { return m_dateRange; }
    QDateEdit *fromDateEdit() const { return m_from; }
    QDateEdit *toDateEdit() const { return m_to; }
    // Shown when a search found more rows than the list shows.
    QLabel *moreLabel() const { return m_more; }
    // "n of N trips"; the hint shown when a search matches nothing.
    QLabel *countLabel() const { return m_count; }
    QLabel *noMatchLabel() const { return m_noMatch; }

    // A search lists at most this many rows (the first in the order).
    static constexpr int MaxFoundRows = 1000;
    // The context menu, made anew for each right click.
    QMenu *buildContextMenu();

signals:
    // Open (double click or View details): the record of a row and its name
    // as listed.
    void openRequested(int id, const QString &name);
    // Compare: the selected records (at most CCompareData::MaxTrips) in the
    // list's order, and their names as listed.
    void compareRequested(const QVector<int> &ids, const QStringList &names);
    // A record was deleted from the history.
    void recordDeleted(int id);

public slots:
    void OnHistoryTableMenuSlot(QPoint pos);
    void onDelHistoryAction();
    void onRefreshAction();
    void onInfoAction();
    void onFileSaveAsAction();
    void OnHistoryCellDoubleClick(int row, int column);
    void onCompareAction();
    // A header click: sorts by that column, the second click the other way.
    void OnHeaderClicked(int column);

private:
    // Id and name of the current row; false when there is none.
    bool currentRecord(int *id, QString *name) const;
    // The ids of the selected rows, or of the current row when none is.
    QVector<int> selectedRecords() const;
    void openRow(int row);

    CTempDbManager *m_db = nullptr;
    CComplianceUi *m_compliance = nullptr;
    QTableWidget *m_table = nullptr;
    QLineEdit *m_search = nullptr;
    QCheckBox *m_alarmsOnly = nullptr;
    QCheckBox *m_dateRange = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QLabel *m_more = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_noMatch = nullptr;
    CHistoryFilter::Column m_sortColumn = CHistoryFilter::Id;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};

#endif // CHISTORYRECORD_H
