// The history list table filled from the database.
#include "core/history/ctempdbmanager.h"
#include "core/record/csummeryparam.h"
#include "gui/history/chistorytablefill.h"

#include <QSqlDatabase>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestHistoryTableFill : public QObject {
    Q_OBJECT
private slots:
    void fillNewestFirst()
    {
        QTemporaryDir dir;
        {
            CTempDbManager db(CTempDbManager::databasePath(dir.path()));
            for (int i = 1; i <= 12; ++i) {
                CSummeryParam summary;
                summary.wayDesc = QString::fromUtf8("冷链 %1").arg(i);
                db.InsertRecordParam(&summary, QString("A%1").arg(i));
            }
            QTableWidget table(1, 3);
            table.setItem(0, 0, new QTableWidgetItem("stale"));
            table.setSortingEnabled(true);
            table.sortByColumn(0, Qt::DescendingOrder);
            LoadAllRecords(&db, &table);

            QCOMPARE(table.rowCount(), 12);
            QVERIFY(table.isSortingEnabled());
            for (int row = 0; row < 12; ++row) {
                const int id = 12 - row;
                // A number, so that 12 sorts after 2.
                QCOMPARE(table.item(row, 0)->data(Qt::DisplayRole), QVariant(id));
                QCOMPARE(table.item(row, 1)->text(), QString("A%1").arg(id));
                QCOMPARE(table.item(row, 2)->text(), QString::fromUtf8("冷链 %1").arg(id));
                for (int column = 0; column < 3; ++column)
                    QCOMPARE(table.item(row, column)->textAlignment(), int(Qt::AlignCenter));
            }

            // Filled again: the same rows, not twice as many.
            db.DeleteRecordById(5);
            LoadAllRecords(&db, &table);
            QCOMPARE(table.rowCount(), 11);
            QCOMPARE(table.item(7, 0)->data(Qt::DisplayRole), QVariant(4));
        }
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);

        // A database that cannot be read leaves the table empty.
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        CTempDbManager broken(blocker.fileName() + "/dravik.db");
        QTableWidget table(2, 3);
        table.setItem(1, 1, new QTableWidgetItem("stale"));
        LoadAllRecords(&broken, &table);
        QCOMPARE(table.rowCount(), 0);
    }
};

QTEST_MAIN(TestHistoryTableFill)
#include "tst_historytablefill.moc"
