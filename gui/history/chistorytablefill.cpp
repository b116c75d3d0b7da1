#include "gui/history/chistorytablefill.h"

#include "core/history/ctempdbmanager.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
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
    // A sorting table would move the row while its cells are being set.
    const bool sorting = table->isSortingEnabled();
    table->setSortingEnabled(false);
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const CHistoryRow &r = rows.at(row);
        auto *id = new QTableWidgetItem;
        id->setData(Qt::DisplayRole, r.id);
        auto *name = new QTableWidgetItem(r.dataName);
        auto *desc = new QTableWidgetItem(r.wayDesc);
        // Stored as "yyyy-MM-dd hh:mm:ss", shown as the samples' times are.
        const QDateTime start = QDateTime::fromString(r.tripStart, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        auto *tripStart = new QTableWidgetItem(
            start.isValid() ? QLocale::c().toString(start, QStringLiteral("yyyy/MM/dd hh:mm")) : QString());
        auto *alarms = new QTableWidgetItem(r.alarmed ? yes : no);
        alarms->setForeground(r.alarmed ? QColor(Qt::red) : QColor(0, 140, 0));
        auto *serial = new QTableWidgetItem(r.deviceNo);
        int column = 0;
        for (QTableWidgetItem *item : { id, name, desc, tripStart, alarms, serial }) {
            // A table of the design's three columns gets those.
            if (column >= table->columnCount()) {
                delete item;
                continue;
            }
            item->setTextAlignment(Qt::AlignCenter);
            // The whole text where the column cuts it.
            if (column > 0)
                item->setToolTip(item->text());
            table->setItem(row, column++, item);
        }
    }
    table->setSortingEnabled(sorting);
}
