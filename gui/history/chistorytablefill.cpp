#include "gui/history/chistorytablefill.h"

#include "core/history/ctempdbmanager.h"

#include <QCoreApplication>
#include <QTableWidget>

void LoadAllRecords(CTempDbManager *manager, QTableWidget *table)
{
    table->clearContents();
    table->setRowCount(0);
    // Every record, newest first, with the columns of a search.
    FillHistoryTable(table, manager->findRecords(CHistoryFilter()));
}

void FillHistoryTable(QTableWidget *table, const QVector<CHistoryRow> &rows)
{
    table->clearContents();
    table->setRowCount(0);

    const QString yes = QCoreApplication::translate("CHistoryRecord", "shi");
    const QString no = QCoreApplication::translate("CHistoryRecord", "fou");
    // One brush of each colour for every row (a list may hold 100,000 trips).
    const QBrush red(Qt::red);
    const QBrush green(QColor(0, 140, 0));
    // A sorting table would move the row while its cells are being set.
    const bool sorting = table->isSortingEnabled();
    table->setSortingEnabled(false);
    table->setRowCount(rows.size());
    const int columns = qMin(table->columnCount(), 6);
    for (int row = 0; row < rows.size(); ++row) {
        const CHistoryRow &r = rows.at(row);
        for (int column = 0; column < columns; ++column) {
            auto *item = new QTableWidgetItem;
            switch (column) {
            case 0:
                item->setData(Qt::DisplayRole, r.id);
                break;
            case 1:
            case 2:
                // Name and description: the whole text where the column cuts it.
                item->setText(column == 1 ? r.dataName : r.wayDesc);
                item->setToolTip(item->text());
                break;
            case 3:
                // Stored as "yyyy-MM-dd hh:mm:ss", shown to the minute as the
                // samples' times are written.
                item->setText(r.tripStart.left(16).replace(QLatin1Char('-'), QLatin1Char('/')));
                break;
            case 4:
                item->setText(r.alarmed ? yes : no);
                item->setForeground(r.alarmed ? red : green);
                break;
            case 5:
                item->setText(r.deviceNo);
                break;
            }
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, item);
        }
    }
    table->setSortingEnabled(sorting);
}
