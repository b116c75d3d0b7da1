#include "gui/history/chistorytablefill.h"

#include "core/history/ctempdbmanager.h"

#include <QTableWidget>

void LoadAllRecords(CTempDbManager *manager, QTableWidget *table)
{
    table->clearContents();
    table->setRowCount(0);
    FillHistoryTable(table, manager->LoadAllRecords());
}

void FillHistoryTable(QTableWidget *table, const QVector<CHistoryRow> &rows)
{
    table->clearContents();
    table->setRowCount(0);

    // A sorting table would move the row while its cells are being set.
    const bool sorting = table->isSortingEnabled();
    table->setSortingEnabled(false);
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        auto *id = new QTableWidgetItem;
        id->setData(Qt::DisplayRole, rows.at(row).id);
        auto *name = new QTableWidgetItem(rows.at(row).dataName);
        auto *desc = new QTableWidgetItem(rows.at(row).wayDesc);
        for (QTableWidgetItem *item : { id, name, desc })
            item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, 0, id);
        table->setItem(row, 1, name);
        table->setItem(row, 2, desc);
    }
    table->setSortingEnabled(sorting);
}
