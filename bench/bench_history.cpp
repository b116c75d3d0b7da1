// A history of years of trips, grown by SQL on both engines: 200 trips of
// 48,640 samples and 10,000 trips of 1,000. Opening the history, reopening,
// deleting, comparing ten and exporting one trip cost what they cost in a
// history of that one trip (target: within 1.5x; opening and reopening <= 50
// ms), and copying the 10,000 trips into the shared history <= 30 ms per
// trip, flat from the first thousand to the last. Run beside a throwaway
// server: bash scripts/with-postgres.sh build/bench/bench_history (without
// one only the embedded history is measured). Takes about ten minutes and
// a few GB in the temporary folder.
#include "bench/historygenerator.h"
#include "core/export/cexportcsv.h"
#include "core/export/cexportrange.h"
#include "core/history/chistorylocation.h"
#include "core/history/chistorystore.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <functional>

namespace {

// Milliseconds.
struct Figures {
    double open = 0, reopen = 0, remove = 0, compare = 0, exportTrip = 0;
};

double timed(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

// The best of three runs.
double best(const std::function<void()> &step)
{
    double result = -1;
    for (int run = 0; run < 3; ++run) {
        const double ms = timed(step);
        result = result < 0 ? ms : qMin(result, ms);
    }
    return result;
}

using HistoryGenerator::generate;
using HistoryGenerator::run;

} // namespace

class BenchHistory : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pgUrl;
    QString m_copySource; // the embedded 10,000-trip history, for copy10000

    // A fresh history: the embedded file path, or a new database on the
    // server; empty tables made by CTempDbManager, the samples' index left
    // out (as in a history written before it), then filled.
    QString create(const QString &engine, const QString &name, int trips, int samples)
    {
        QString where;
        QSqlDatabase db;
        const QString connection = "generate-" + name;
        if (engine == "sqlite") {
            where = m_dir.filePath(name + ".db");
            QFile::remove(where);
            QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
            {
                CTempDbManager manager(where);
            }
            QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
            db = QSqlDatabase::addDatabase("QSQLITE", connection);
            db.setDatabaseName(where);
            db.open();
            run(db, "pragma synchronous = off");
        } else {
            QSqlDatabase admin = pgConnection("admin-" + name, "vesmira_test");
            run(admin, "drop database if exists " + name);
            run(admin, "create database " + name);
            admin.close();
            where = QString(m_pgUrl).replace("/vesmira_test", "/" + name);
            {
                CTempDbManager manager(CHistoryLocation::parse(where));
            }
            db = pgConnection(connection, name);
        }
        run(db, "drop index t_record_data_record");
        if (!db.transaction())
            qFatal("no transaction");
        generate(db, engine == "postgres", trips, samples);
        db.commit();
        if (engine == "postgres")
            run(db, "vacuum analyze");
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        return where;
    }

    QSqlDatabase pgConnection(const QString &connection, const QString &database)
    {
        const CHistoryLocation location = CHistoryLocation::parse(m_pgUrl);
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", connection);
        db.setHostName(location.host());
        db.setPort(location.port());
        db.setUserName(location.user());
        db.setDatabaseName(database);
        if (!db.open())
            qFatal("%s", qPrintable(db.lastError().text()));
        return db;
    }

    static std::unique_ptr<CTempDbManager> open(const QString &engine, const QString &where)
    {
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        return engine == "sqlite" ? std::make_unique<CTempDbManager>(where)
                                  : std::make_unique<CTempDbManager>(CHistoryLocation::parse(where));
    }

    // The steps on trip `id` of the history at where (ids id..id+10 exist).
    Figures measure(const QString &engine, const QString &where, int id, int trips)
    {
        Figures f;
        f.open = best([&] { open(engine, where); });
        auto db = open(engine, where);
        CRecord record;
        f.reopen = best([&] { db->readRecord(id, record); });
        // Ten trips side by side (the one trip ten times where there is one).
        const int compared = qMin(10, trips);
        f.compare = best([&] {
            for (int i = 0; i < 10; ++i) {
                CRecord other;
                db->readRecord(id + i % compared, other);
            }
        });
        const QString csv = m_dir.filePath("trip.csv");
        f.exportTrip = best([&] {
            CRecord trip;
            db->readRecord(id, trip);
            CExportCsv exporter;
            const CExportRange::Range range = CExportRange::presetRange(trip.data);
            CExportRange::exportRecord(
                trip, range.start, range.end, csv, exporter, CExportRange::PresetRange);
        });
        // Deleted once: the last trip.
        f.remove = timed([&] { db->DeleteRecordById(id + compared - 1); });
        return f;
    }

    // A step against the same step in the one-trip history (ratio: whether
    // that target applies) and against a limit (0: none).
    static void report(const QString &what, double many, double one, bool ratio, double limit)
    {
        const double times = many / qMax(one, 0.001);
        const bool over = (ratio && times > 1.5) || (limit > 0 && many > limit);
        QStringList targets;
        if (ratio)
            targets << "<= 1.5x";
        if (limit > 0)
            targets << QStringLiteral("<= %1 ms").arg(limit);
        qInfo("  %-22s %8.1f ms; one-trip history %8.1f ms: %5.2fx (target %s)%s", qPrintable(what), many,
            one, times, qPrintable(targets.join(", ")), over ? "  over target" : "");
    }

private slots:
    void initTestCase()
    {
        if (!qEnvironmentVariableIsSet("VESMIRA_DEBUG"))
            QLoggingCategory::setFilterRules("*.debug=false");
        m_pgUrl = qEnvironmentVariable("VESMIRA_TEST_PG");
    }

    void steps_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("trips");
        QTest::addColumn<int>("samples");
        for (const char *engine : { "sqlite", "postgres" }) {
            QTest::newRow(qPrintable(QString("%1 200x48640").arg(engine))) << engine << 200 << 48640;
            QTest::newRow(qPrintable(QString("%1 10000x1000").arg(engine))) << engine << 10000 << 1000;
        }
    }

    void steps()
    {
        QFETCH(QString, engine);
        QFETCH(int, trips);
        QFETCH(int, samples);
        if (engine == "postgres" && m_pgUrl.isEmpty())
            QSKIP("run through scripts/with-postgres.sh");
        const QString name = QStringLiteral("h%1x%2").arg(trips).arg(samples);
        QElapsedTimer timer;
        timer.start();
        const QString many = create(engine, name, trips, samples);
        const qint64 generated = timer.elapsed();
        QString notice;
        CTempDbManager::setNoticeHandler([&notice](const QString &text) { notice = text; });
        const double indexing = timed([&] { open(engine, many); });
        CTempDbManager::setNoticeHandler({});
        const QString one = create(engine, name + "one", 1, samples);
        open(engine, one).reset();
        qInfo("%s, %d trips x %d samples (%lld samples; generated in %lld s)", qPrintable(engine), trips,
            samples, qint64(trips) * samples, generated / 1000);
        qInfo("  first opening builds the samples' index once: %.0f ms%s", indexing,
            notice.isEmpty() ? "" : qPrintable(" (told: \"" + notice + "\")"));
        const Figures big = measure(engine, many, trips / 2, trips);
        const Figures small = measure(engine, one, 1, 1);
        report("open the history", big.open, small.open, false, 50);
        report("reopen a trip", big.reopen, small.reopen, true, 50);
        report("compare 10 trips", big.compare, small.compare, true, 0);
        report("export a trip (CSV)", big.exportTrip, small.exportTrip, true, 0);
        report("delete a trip", big.remove, small.remove, true, 0);
        if (engine == "sqlite" && trips == 10000)
            m_copySource = many;
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    }

    // The embedded 10,000-trip history into an empty shared one, then
    // again (nothing copied): time per trip for each thousand.
    void copy10000()
    {
        if (m_pgUrl.isEmpty() || m_copySource.isEmpty())
            QSKIP("needs the server and the embedded 10,000-trip history of steps()");
        {
            QSqlDatabase admin = pgConnection("admin-copy", "vesmira_test");
            run(admin, "drop database if exists copied");
            run(admin, "create database copied");
        }
        QSqlDatabase::removeDatabase("admin-copy");
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        CTempDbManager local(m_copySource);
        CTempDbManager shared(CHistoryLocation::parse(QString(m_pgUrl).replace("/vesmira_test", "/copied")));
        QVERIFY(shared.isOpen());
        QElapsedTimer total;
        QElapsedTimer block;
        QVector<double> perTrip;
        int lines = 0;
        total.start();
        block.start();
        const CHistoryStore::SyncResult result = CHistoryStore::copyAll(local, shared, [&](const QString &) {
            if (++lines % 1000 == 0) {
                perTrip.append(block.nsecsElapsed() / 1e6 / 1000);
                block.restart();
            }
        });
        const qint64 ms = total.elapsed();
        // steps() deleted one of them.
        const int trips = local.LoadAllRecords().size();
        QCOMPARE(result.copied, trips);
        QStringList blocks;
        for (double b : perTrip)
            blocks << QString::number(b, 'f', 1);
        const double worst = *std::max_element(perTrip.cbegin(), perTrip.cend());
        qInfo("copy %d trips of 1,000 samples to PostgreSQL: %lld s, %.1f ms per trip (target <= 30 ms, "
              "flat)%s",
            trips, ms / 1000, double(ms) / trips, worst > 30 ? "  over target" : "");
        qInfo("  ms per trip, each thousand: %s", qPrintable(blocks.join(' ')));
        total.restart();
        QCOMPARE(CHistoryStore::copyAll(local, shared, {}).alreadyThere, trips);
        qInfo("  copied again, nothing to copy: %lld s", total.elapsed() / 1000);
    }
};

QTEST_GUILESS_MAIN(BenchHistory)
#include "bench_history.moc"
