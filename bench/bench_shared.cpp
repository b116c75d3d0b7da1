// The shared history on PostgreSQL over a local socket; run beside the
// throwaway server: bash scripts/with-postgres.sh build/bench/bench_shared
// Budgets: store a 48,640-sample temperature/humidity record <= 300 ms,
// reopen it <= 200 ms, list 5,000 records <= 200 ms, copy a 1,000-record
// embedded history <= 60 s.
#include "core/history/chistorylocation.h"
#include "core/history/chistorystore.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void fillSamples(CRecord &record, int count)
{
    record.summary.containTemp = 1;
    record.summary.containHumidity = 1;
    record.summary.tempHigh = QString::fromUtf8("40.0°C,90.0%RH");
    for (int i = 0; i < count; ++i) {
        const int s = i % 86400;
        record.data.append(TempDataItem(QString::number(20 + (i % 150) / 10.0, 'f', 1),
            QString::number(40 + (i % 300) / 10.0, 'f', 1),
            QString::asprintf("2021/05/%02d %02d:%02d:%02d", 1 + i / 86400, s / 3600, s / 60 % 60, s % 60)));
    }
}

void resetServer()
{
    QProcess::execute("sh",
        { "-c",
            qEnvironmentVariable("VESMIRA_TEST_PG_ADMIN")
                + " -c 'drop table if exists t_record, t_record_data, t_record_summery, t_record_report'" });
}

} // namespace

class BenchShared : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    CHistoryLocation m_location;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("*.debug=false");
        m_location = CHistoryLocation::parse(qEnvironmentVariable("VESMIRA_TEST_PG"));
        if (!m_location.isShared())
            QSKIP("run through scripts/with-postgres.sh");
    }

    void storeAndReopen48640()
    {
        resetServer();
        CTempDbManager db(m_location);
        QVERIFY(db.isOpen());
        CRecord record;
        fillSamples(record, 48640);
        record.name = "bench";
        QElapsedTimer timer;
        qint64 best = -1;
        for (int run = 0; run < 5; ++run) {
            timer.start();
            QVERIFY(db.storeRecord(record));
            const qint64 ms = timer.elapsed();
            best = best < 0 ? ms : qMin(best, ms);
        }
        qInfo("store 48,640 samples: %lld ms (best of 5)", best);
        CRecord back;
        best = -1;
        for (int run = 0; run < 5; ++run) {
            timer.start();
            QVERIFY(db.readRecord(record.id, back));
            const qint64 ms = timer.elapsed();
            best = best < 0 ? ms : qMin(best, ms);
        }
        qInfo("reopen 48,640 samples: %lld ms (best of 5)", best);
        QCOMPARE(back.data.size(), 48640);
    }

    void list5000()
    {
        resetServer();
        CTempDbManager db(m_location);
        for (int i = 0; i < 5000; ++i) {
            CRecord record;
            record.summary.wayDesc = QString::fromUtf8("冷链运输 %1").arg(i);
            record.name = QStringLiteral("A%1_20210506080910123").arg(i, 5, 10, QLatin1Char('0'));
            QVERIFY(db.storeRecord(record));
        }
        QElapsedTimer timer;
        qint64 best = -1;
        QVector<CHistoryRow> rows;
        for (int run = 0; run < 5; ++run) {
            timer.start();
            rows = db.LoadAllRecords();
            best = best < 0 ? timer.elapsed() : qMin(best, timer.elapsed());
        }
        qInfo("list 5,000 records: %lld ms (best of 5)", best);
        CHistoryFilter filter;
        filter.text = QString::fromUtf8("运输 49");
        timer.start();
        const int found = db.findRecords(filter).size();
        qInfo("search 5,000 records: %lld ms (%d found)", timer.elapsed(), found);
        QCOMPARE(rows.size(), 5000);
    }

    void copy1000()
    {
        resetServer();
        const QString appDir = m_dir.filePath("desk");
        {
            CTempDbManager local(CTempDbManager::databasePath(appDir));
            QSqlQuery("PRAGMA synchronous = OFF");
            for (int i = 0; i < 1000; ++i) {
                CRecord record;
                fillSamples(record, 480);
                record.summary.deviceNo = QString::number(i);
                record.reportPath = m_dir.filePath(QString("r%1.csv").arg(i));
                QFile report(record.reportPath);
                QVERIFY(report.open(QIODevice::WriteOnly));
                report.write(QByteArray(20000, char('a' + i % 26)));
                report.close();
                record.reportDigest = CRecord::fileDigest(record.reportPath);
                record.name = QString("D%1_20210506080910123").arg(i);
                QVERIFY(local.storeRecord(record));
            }
        }
        CTempDbManager local(CTempDbManager::databasePath(appDir));
        CTempDbManager shared(m_location);
        QElapsedTimer timer;
        timer.start();
        const CHistoryStore::SyncResult result = CHistoryStore::copyAll(local, shared, {});
        qInfo("copy 1,000 records of 480 samples and a 20 KB report: %lld ms", timer.elapsed());
        QCOMPARE(result.copied, 1000);
        timer.start();
        QCOMPARE(CHistoryStore::copyAll(local, shared, {}).alreadyThere, 1000);
        qInfo("copy again (nothing copied): %lld ms", timer.elapsed());
    }
};

QTEST_GUILESS_MAIN(BenchShared)
#include "bench_shared.moc"
