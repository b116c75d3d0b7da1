// Finding a trip on the history page: the search field, the trip start range,
// "alarms only" and the header clicks, on the embedded history (the same
// matching runs in SQL on the shared one, tst_sharedhistory).
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "gui/history/chistoryrecord.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QtTest>

class TestHistorySearch : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    CTempDbManager *db = nullptr;
    QTranslator english;

    void store(const QString &name, const QString &deviceNo, const QString &wayId, const QString &wayDesc,
        const QString &firstSample, const QString &alarmCount)
    {
        CRecord record;
        record.name = name;
        record.summary.clear();
        record.summary.deviceNo = deviceNo;
        record.summary.wayId = wayId;
        record.summary.wayDesc = wayDesc;
        record.summary.alarmCount = alarmCount;
        record.data.append(TempDataItem { "20.0", "", firstSample });
        QVERIFY(db->storeRecord(record));
    }

    // Declared after a page, it lets the search field's clear button finish
    // fading in before the page goes (an animation cut off by the page's end
    // is never freed).
    struct Settle {
        ~Settle() { QTest::qWait(300); }
    };

    // The names the list shows, top to bottom.
    static QStringList names(const CHistoryRecord &page)
    {
        QStringList out;
        for (int row = 0; row < page.table()->rowCount(); ++row)
            out << page.table()->item(row, 1)->text();
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(english.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&english);
        db = new CTempDbManager(CTempDbManager::databasePath(dir.path()));
        store("EH21050012_1", "EH21050012", "TR2105060005", "Cold room A", "2021/05/06 00:00:00", "0");
        store("EH21050013_2", "EH21050013", "TR2105060006", QString::fromUtf8("疫苗 冷链（A线）"),
            "2021/05/07 12:30:00", "3");
        store("ZZ99000001_3", "ZZ99000001", "XC000001", "Pharmacy COLD store", "2021/05/08 23:59:59", "0");
        store("AA00000007_4", "AA00000007", "XC000002", "Frozen fish", "2021/05/09 00:00:00", "12");
    }

    void cleanupTestCase()
    {
        delete db;
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shown");
        const QStringList all = { "AA00000007_4", "ZZ99000001_3", "EH21050013_2", "EH21050012_1" };
        QTest::newRow("empty: everything, newest first") << "" << all;
        QTest::newRow("description, any case") << "cold" << QStringList { "ZZ99000001_3", "EH21050012_1" };
        QTest::newRow("no match") << "nothing like this" << QStringList();
    }

    // The list follows the search field as it is typed (what matches:
    // tst_sharedhistory, on both engines).
    void search()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        CHistoryRecord page;
        Settle settle;
        page.setDatabase(db);
        page.reload();
        page.searchEdit()->clear();
        QTest::keyClicks(page.searchEdit(), text);
        QCOMPARE(names(page), shown);
        // How many of all, and a hint when none.
        QCOMPARE(page.countLabel()->text(), QString("%1 of 4 trips").arg(shown.size()));
        QCOMPARE(page.noMatchLabel()->isHidden(), !shown.isEmpty());
    }

    // Trip start, alarms (coloured) and serial number beside the design's
    // columns, centred; every text whole in its tip; ids sort as numbers.
    void columns()
    {
        CHistoryRecord page;
        Settle settle;
        page.setDatabase(db);
        page.reload();
        QTableWidget *table = page.table();
        QStringList cells;
        for (int column = 1; column < table->columnCount(); ++column)
            cells << table->item(2, column)->text();
        QCOMPARE(cells,
            QStringList({ "EH21050013_2", QString::fromUtf8("疫苗 冷链（A线）"), "2021/05/07 12:30", "Yes",
                "EH21050013" }));
        QCOMPARE(table->item(2, 4)->foreground().color(), QColor(Qt::red));
        QCOMPARE(table->item(3, 4)->text(), QString("No"));
        QCOMPARE(table->item(2, 2)->toolTip(), table->item(2, 2)->text());
        QCOMPARE(table->item(2, 3)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(table->item(2, 0)->data(Qt::DisplayRole).type(), QVariant::Int);
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QString("Serial number"));
    }

    // Alarms only, the range of trip starts (whole days, both ends in), and
    // the two together with a search.
    void alarmsAndDates()
    {
        CHistoryRecord page;
        Settle settle;
        page.setDatabase(db);
        page.reload();
        page.alarmsOnlyCheck()->setChecked(true);
        QCOMPARE(names(page), QStringList({ "AA00000007_4", "EH21050013_2" }));
        page.alarmsOnlyCheck()->setChecked(false);

        page.fromDateEdit()->setDate(QDate(2021, 5, 6));
        page.toDateEdit()->setDate(QDate(2021, 5, 8));
        QCOMPARE(names(page).size(), 4); // not applied until switched on
        page.dateRangeCheck()->setChecked(true);
        QCOMPARE(names(page), QStringList({ "ZZ99000001_3", "EH21050013_2", "EH21050012_1" }));
        page.alarmsOnlyCheck()->setChecked(true);
        QTest::keyClicks(page.searchEdit(), "EH");
        QCOMPARE(names(page), QStringList { "EH21050013_2" });
        page.dateRangeCheck()->setChecked(false);
        page.alarmsOnlyCheck()->setChecked(false);
        QCOMPARE(names(page), QStringList({ "EH21050013_2", "EH21050012_1" }));
    }

    // A search that matches more than the list shows: the first ones, and a
    // line that says so. Every record again once the search is cleared.
    void manyMatches()
    {
        QSqlDatabase sql = QSqlDatabase::database();
        sql.transaction();
        QSqlQuery insert(sql);
        insert.prepare("insert into t_record(data_name, wayDesc) values(?, 'bulk')");
        for (int i = 0; i < CHistoryRecord::MaxFoundRows + 5; ++i) {
            insert.addBindValue(QString("BULK_%1").arg(i));
            QVERIFY(insert.exec());
        }
        sql.commit();
        CHistoryRecord page;
        Settle settle;
        page.setDatabase(db);
        page.reload();
        QVERIFY(page.moreLabel()->isHidden());
        QTest::keyClicks(page.searchEdit(), "bulk");
        QCOMPARE(page.table()->rowCount(), CHistoryRecord::MaxFoundRows);
        QVERIFY(!page.moreLabel()->isHidden());
        QCOMPARE(page.countLabel()->text(),
            QString("1000+ of %1 trips").arg(CHistoryRecord::MaxFoundRows + 5 + 4));
        QTest::keyClicks(page.searchEdit(), "_100");
        QCOMPARE(names(page).size(), 6); // BULK_100 .. BULK_1004: all shown
        QVERIFY(page.moreLabel()->isHidden());
        page.searchEdit()->clear();
        QCOMPARE(page.table()->rowCount(), CHistoryRecord::MaxFoundRows + 5 + 4);
        QSqlQuery("delete from t_record where wayDesc = 'bulk'");
    }

    // A header click sorts by its column, a second one the other way.
    void headerSorts()
    {
        CHistoryRecord page;
        Settle settle;
        page.setDatabase(db);
        page.reload();
        QHeaderView *header = page.table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(names(page).join(' '), QString("AA00000007_4 EH21050012_1 EH21050013_2 ZZ99000001_3"));
        // Each click and the order after it: trip start, alarms (none first,
        // then by id), serial number twice (the other way).
        const QVector<QPair<int, QString>> clicks = {
            { 1, "ZZ99000001_3 EH21050013_2 EH21050012_1 AA00000007_4" },
            { 0, "EH21050012_1 EH21050013_2 ZZ99000001_3 AA00000007_4" },
            { 4, "EH21050012_1 ZZ99000001_3 EH21050013_2 AA00000007_4" },
            { 5, "AA00000007_4 EH21050012_1 EH21050013_2 ZZ99000001_3" },
            { 5, "ZZ99000001_3 EH21050013_2 EH21050012_1 AA00000007_4" },
        };
        for (const auto &click : clicks) {
            page.OnHeaderClicked(click.first);
            QCOMPARE(names(page).join(' '), click.second);
        }
        page.OnHeaderClicked(0);
        // The search keeps the order chosen.
        QTest::keyClicks(page.searchEdit(), "cold");
        QCOMPARE(names(page), QStringList({ "EH21050012_1", "ZZ99000001_3" }));
    }
};

QTEST_MAIN(TestHistorySearch)
#include "tst_historysearch.moc"
