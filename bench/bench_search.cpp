// Finding a trip as the user types: the history page's search field, from
// the key to the filled list. Budgets: 5,000 records of the embedded history
// <= 50 ms per keystroke; 100,000 records of the shared history <= 200 ms
// (run beside a throwaway server: bash scripts/with-postgres.sh
// build/bench/bench_search; without one the shared part is skipped).
#include "core/history/chistorylocation.h"
#include "core/history/ctempdbmanager.h"
#include "gui/history/chistoryrecord.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

class BenchSearch : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // Types a description word key by key, then deletes it again; prints
    // the median and the worst time from key to list.
    static void typeAndMeasure(CTempDbManager &db, const char *what)
    {
        CHistoryRecord page;
        page.setDatabase(&db);
        page.reload();
        QVector<qint64> times;
        QElapsedTimer timer;
        for (const char *text : { "c", "co", "col", "cold", "cold ", "cold r", "cold ro", "cold roo",
                 "cold room", "cold roo", "cold r", "cold", "c", "", "7", "77", "777" }) {
            timer.start();
            page.searchEdit()->setText(QString::fromUtf8(text));
            times.append(timer.nsecsElapsed());
        }
        QStringList each;
        for (qint64 t : times)
            each << QString::number(t / 1e6, 'f', 1);
        qInfo("%s: per keystroke (ms): %s", what, qPrintable(each.join(' ')));
        std::sort(times.begin(), times.end());
        qInfo("%s: %d keystrokes, median %.1f ms, worst %.1f ms, %d rows for \"777\"", what,
            int(times.size()), times.at(times.size() / 2) / 1e6, times.last() / 1e6,
            page.table()->rowCount());
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("*.debug=false"); }

    void embedded5000()
    {
        CTempDbManager db(CTempDbManager::databasePath(m_dir.path()));
        QSqlDatabase sql = QSqlDatabase::database();
        sql.transaction();
        QSqlQuery record(sql), summary(sql), report(sql);
        record.prepare(
            "insert into t_record(id, data_name, wayId, alarmStatus, wayDesc) values(?, ?, ?, ?, ?)");
        summary.prepare("insert into t_record_summery(deviceNo, t_reocrd_id) values(?, ?)");
        report.prepare("insert into t_record_report(t_reocrd_id, tripStart) values(?, ?)");
        for (int i = 1; i <= 5000; ++i) {
            record.addBindValue(i);
            record.addBindValue(QString("EH%1_20210506080910123").arg(i, 8, 10, QChar('0')));
            record.addBindValue(QString("TR%1").arg(i));
            record.addBindValue(i % 7 == 0 ? 1 : 0);
            record.addBindValue(
                i % 3 ? QString("Cold room %1").arg(i) : QString::fromUtf8("疫苗 冷链 %1").arg(i));
            record.exec();
            summary.addBindValue(QString("EH%1").arg(i, 8, 10, QChar('0')));
            summary.addBindValue(i);
            summary.exec();
            report.addBindValue(i);
            report.addBindValue(QString("2021-05-%1 08:00:00").arg(1 + i % 28, 2, 10, QChar('0')));
            report.exec();
        }
        sql.commit();
        typeAndMeasure(db, "embedded history, 5,000 records");
    }

    void shared100000()
    {
        const CHistoryLocation location = CHistoryLocation::parse(qEnvironmentVariable("VESMIRA_TEST_PG"));
        if (!location.isShared())
            QSKIP("run through scripts/with-postgres.sh");
        CTempDbManager db(location); // creates the tables
        const QString fill = QStringLiteral("insert into t_record(data_name, wayId, alarmStatus, wayDesc) "
                                            "select 'EH' || lpad(i::text, 8, '0') "
                                            "|| '_20210506080910123', 'TR' || i, (i % 7 = 0)::int, case when "
                                            "i % 3 = 0 then '疫苗 冷链 ' || i else "
                                            "'Cold room ' || i end from generate_series(1, 100000) i; "
                                            "insert into t_record_summery(deviceNo, t_reocrd_id) select 'EH' "
                                            "|| lpad(id::text, 8, '0'), id from "
                                            "t_record; "
                                            "insert into t_record_report(t_reocrd_id, tripStart) select id, "
                                            "'2021-05-' || lpad((1 + id % 28)::text, "
                                            "2, '0') || ' 08:00:00' from t_record; analyze;");
        QCOMPARE(QProcess::execute(
                     "sh", { "-c", qEnvironmentVariable("VESMIRA_TEST_PG_ADMIN") + " -c \"" + fill + "\"" }),
            0);
        typeAndMeasure(db, "shared history, 100,000 records");
    }
};

QTEST_MAIN(BenchSearch)
#include "bench_search.moc"
