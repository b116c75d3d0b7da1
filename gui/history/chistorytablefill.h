#ifndef CHISTORYTABLEFILL_H
#define CHISTORYTABLEFILL_H

#include <QVector>

class CTempDbManager;
struct CHistoryRow;
class QTableWidget;

// Fills the history list table with every stored record, newest first: column
// 0 the record id (as a number, so the column sorts numerically), column 1 the
// record name, column 2 the trip description, then the trip start, whether
// the record has alarms (in red, or "no" in green) and the serial number,
// all centred, name and description also in their cells' tips (a table
// with fewer columns gets the first ones). The table is emptied first and stays empty when the
// database cannot be read.
void LoadAllRecords(CTempDbManager *manager, QTableWidget *table);
// The same with rows the caller found (a search), in their order.
void FillHistoryTable(QTableWidget *table, const QVector<CHistoryRow> &rows);

#endif // CHISTORYTABLEFILL_H
