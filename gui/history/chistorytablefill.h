#ifndef CHISTORYTABLEFILL_H
#define CHISTORYTABLEFILL_H

class CTempDbManager;
class QTableWidget;

// Fills the history list table with every stored record, newest first: column
// 0 the record id (as a number, so the column sorts numerically), column 1 the
// record name, column 2 the trip description, all centred. The table is
// emptied first and stays empty when the database cannot be read.
void LoadAllRecords(CTempDbManager *manager, QTableWidget *table);

#endif // CHISTORYTABLEFILL_H
