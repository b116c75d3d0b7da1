// History database throughput on a real file. Budgets: InsertRecordData of a
// 48,640-sample record <= 150 ms, ReadAllDataByRecordId of it <= 100 ms,
// LoadAllRecords over 5,000 records <= 200 ms.
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int kSamples = 48640;

void fillSamples(CTempData &data)
{
    for (int i = 0; i < kSamples; ++i) {
        const int s = i % 86400;
        data.append(TempDataItem { QString::number(20 + (i % 150) / 10.0, 'f', 1),
            QString::number(40 + (i % 300) / 10.0, 'f', 1),
            QString::asprintf("2021/5/%d %02d:%02d:%02d", 1 + i / 86400, s / 3600, s / 60 % 60, s % 60) });
    }
}

} // namespace

class BenchDb : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Thousands of inserts would flood the output with their log lines.
    void initTestCase() { QLoggingCategory::setFilterRules("*.debug=false"); }

    void cleanup() { QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection); }

    void insertRecordData48640()
    {
        CTempDbManager db(m_dir.filePath("insert.db"));
        CSummeryParam summary;
        summary.containHumidity = 1;
        CTempData data;
        fillSamples(data);
        const int id = db.InsertRecordParam(&summary, "bench");
        QBENCHMARK
        {
            db.InsertRecordData(&data, id, 1);
        }
    }

    void readAllDataByRecordId48640()
    {
        QFile::remove(m_dir.filePath("read.db"));
        CTempDbManager db(m_dir.filePath("read.db"));
        CSummeryParam summary;
        summary.containHumidity = 1;
        summary.tempHigh = QString::fromUtf8("40.0°C,90.0%RH");
        CTempData data;
        fillSamples(data);
        const int id = db.InsertRecordParam(&summary, "bench");
        db.InsertRecordData(&data, id, 1);

        CRecord back;
        QBENCHMARK
        {
            db.readRecord(id, back);
        }
        QCOMPARE(back.data.size(), kSamples);
        QCOMPARE(back.data.last().recordTime, data.last().recordTime);
    }

    void loadAllRecords5000()
    {
        // QBENCHMARK may run the function more than once: start empty each time.
        QFile::remove(m_dir.filePath("list.db"));
        CTempDbManager db(m_dir.filePath("list.db"));
        // Every record is a transaction of its own: without waiting for the
        // disk at each, filling the list takes a second, not minutes.
        QSqlQuery("PRAGMA synchronous = OFF");
        for (int i = 0; i < 5000; ++i) {
            CSummeryParam summary;
            summary.wayDesc = QString::fromUtf8("冷链运输 %1").arg(i);
            db.InsertRecordParam(&summary,
                QStringLiteral("A%1_20210506080910123").arg(i, 5, 10, QLatin1Char('0')),
                QStringLiteral("/opt/vesmira/data_files/A%1.pdf").arg(i));
        }

        QVector<CHistoryRow> rows;
        QBENCHMARK
        {
            rows = db.LoadAllRecords();
        }
        QCOMPARE(rows.size(), 5000);
        QCOMPARE(rows.first().id, 5000);
    }
};

QTEST_GUILESS_MAIN(BenchDb)
#include "bench_db.moc"
