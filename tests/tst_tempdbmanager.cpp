// The history database: rows as stored (checked with SQL: the application
// reads them back by position), reloading, the history list, renaming,
// deleting, and a writer killed in the middle of a long insert.
#include "core/history/csqlitestatement.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

QStringList g_log; // the debug output while a LogCapture lives

struct LogCapture {
    QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { g_log << text; });
    LogCapture() { g_log.clear(); }
    ~LogCapture() { qInstallMessageHandler(previous); }
};

QList<QVariantList> rows(const QString &sql, const QString &connection = QSqlDatabase::defaultConnection)
{
    QSqlQuery query(QSqlDatabase::database(connection));
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    QList<QVariantList> result;
    while (query.next()) {
        result.append(QVariantList());
        for (int i = 0; i < query.record().count(); ++i)
            result.last() << query.value(i);
    }
    return result;
}

int scalar(const QString &sql, const QString &connection = QSqlDatabase::defaultConnection)
{
    return rows(sql, connection).value(0).value(0).toInt();
}

QString columns(const QString &table)
{
    QStringList result;
    for (const QVariantList &row : rows("pragma table_info(" + table + ")"))
        result << row.at(1).toString() + ' ' + row.at(2).toString().toLower();
    return result.join(',');
}

#define FIELD(name)                                                                                          \
    {                                                                                                        \
#name, &s.name                                                                                       \
    }
// The summary's text fields by name; the first 35 have a column of the same name.
QVector<QPair<QString, QString *>> textFields(CSummeryParam &s)
{
    return { FIELD(deviceModel), FIELD(deviceSensor), FIELD(deviceNo), FIELD(deviceTime), FIELD(deviceZone),
        FIELD(recordStartModel), FIELD(recordStopModel), FIELD(delayStart), FIELD(startAt), FIELD(stopAt),
        FIELD(tempHigh), FIELD(normalRecordSpace), FIELD(tempLow), FIELD(alarmSpace), FIELD(tempAdj),
        FIELD(alarmDelay), FIELD(isLongPressed), FIELD(isRecycleRecord), FIELD(isSettingClearRecord),
        FIELD(isRestart), FIELD(tempMax), FIELD(recordStartAt), FIELD(tempMin), FIELD(recordStopAt),
        FIELD(tempAvg), FIELD(recordTimes), FIELD(alarmTimeLen), FIELD(recordTimeLen), FIELD(alarmCount),
        FIELD(recordCount), FIELD(alarmType), FIELD(wayDesc), FIELD(wayId), FIELD(mkt), FIELD(lcd_mode),
        FIELD(firmwareVersion), FIELD(tempUnit), FIELD(fileFormat), FIELD(language), FIELD(battery) };
}
#undef FIELD

// A temperature/humidity record with a text of its own in every field.
void fillSummary(CSummeryParam &s)
{
    for (const auto &field : textFields(s))
        *field.second = field.first + QString::fromUtf8(" – °");
    s.tempHigh = QString::fromUtf8("40.0°C,90.0%RH");
    s.tempLow = QString::fromUtf8("-10.5°C,20.0%RH");
    s.recordCount = "3";
    s.alarmCount = "2";
    s.containHumidity = 1;
}

void addSample(CTempData &data, const QString &temp, const QString &shidu, const QString &time)
{
    data.dataList.append(new TempDataItem { temp, shidu, time });
}

} // namespace

class TestTempDbManager : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Every test starts without a default connection.
    void cleanup() { QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection); }

    void freshDirectoryAndReopen()
    {
        const QString appDir = m_dir.filePath("fresh");
        const QString path = CTempDbManager::databasePath(appDir);
        QCOMPARE(path, appDir + "/db/dravik.db");
        QVERIFY(QFileInfo(appDir + "/db").isDir());
        {
            LogCapture log;
            CTempDbManager db(path);
            QCOMPARE(g_log,
                QStringList({ "t_record Table created!", "t_record_data Table created!",
                    "t_record_summery Table created!" }));
            QVERIFY(db.pdfPath.isEmpty());
            const QSqlDatabase connection = QSqlDatabase::database();
            QCOMPARE(connection.connectionName(), QString("qt_sql_default_connection"));
            QCOMPARE(connection.userName() + '/' + connection.password(), QString("t_record/472913"));

            // Names, order and types of the columns are the file format.
            QCOMPARE(columns("t_record"),
                QString("id integer,data_name varchar(50),startTime varchar(50),"
                        "wayId varchar(10),capacity int,currentRecord int,tempMax "
                        "varchar(50),tempMin varchar(50),shiduMax varchar(50),shiduMin "
                        "varchar(50),alarmStatus int,pdfPath varchar(200),wayDesc "
                        "varchar(200)"));
            QCOMPARE(columns("t_record_data"),
                QString(
                    "id integer,temp varchar(50),shidu varchar(50),recordTime varchar(50),t_reocrd_id int"));
            CSummeryParam s;
            QStringList summary { "id integer" };
            for (const auto &field : textFields(s).mid(0, 33))
                summary << field.first + (field.first == "wayDesc" ? " varchar(150)" : " varchar(50)");
            summary << "t_reocrd_id int"
                    << "containTemp int"
                    << "containHumidity int"
                    << "mkt varchar(50)"
                    << "lcd_mode varchar(50)";
            QCOMPARE(columns("t_record_summery"), summary.join(','));
            QCOMPARE(scalar("select count(*) from sqlite_master where type = 'index'"), 0);
            fillSummary(s);
            QCOMPARE(db.InsertRecordParam(&s, "kept"), 1);
        }
        cleanup();
        {
            // Started again: the rows are kept. A default connection that
            // exists already is taken over as it is.
            CTempDbManager db(path);
            CTempDbManager second(m_dir.filePath("elsewhere.db"));
            QCOMPARE(QSqlDatabase::database().databaseName(), path);
            QCOMPARE(rows("select id, data_name from t_record"), QList<QVariantList>({ { 1, "kept" } }));
        }
        cleanup();

        // A database that cannot be opened: logged; every later call fails quietly.
        QFile blocker(m_dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        LogCapture log;
        CTempDbManager broken(blocker.fileName() + "/dravik.db");
        QVERIFY(g_log.value(0).startsWith("Error: Failed to connect database."));
        QCOMPARE(g_log.size(), 1); // no table created
        CSummeryParam s;
        broken.pdfPath = "/data_files/r.csv";
        QCOMPARE(broken.InsertRecordParam(&s, "lost"), 0);
        QVERIFY(g_log.last().startsWith("InsertrRecordParam  insert error "));
        QVERIFY(g_log.last().endsWith("  pdfPath is  /data_files/r.csv"));
        QVERIFY(broken.LoadAllRecords().isEmpty());
        QCOMPARE(broken.GetPdfPathById(1), QString());
        QVERIFY(!CSqliteStatement(QSqlDatabase::database(), "select 1").isValid());
    }

    void storedRows()
    {
        CTempDbManager db(CTempDbManager::databasePath(m_dir.filePath("rows")));
        CSummeryParam humid;
        fillSummary(humid);
        db.pdfPath = "/app/data_files/RZ_20210506.csv";
        const int id = db.InsertRecordParam(&humid, "A0001_20210506080910123");
        CTempData samples;
        addSample(samples, "25.1", "55.0", "2021/5/6 08:00:00");
        addSample(samples, "-3.0", QString(), "2021/5/6 08:05:00");
        db.InsertRecordData(&samples, id, 1);

        QCOMPARE(rows("select *, typeof(capacity), typeof(alarmStatus) from t_record"),
            QList<QVariantList>(
                { { id, "A0001_20210506080910123", humid.recordStartAt, humid.wayId, 3, 3, humid.tempMax,
                    humid.tempMin, "0", "0", 1, db.pdfPath, humid.wayDesc, "integer", "integer" } }));
        QCOMPARE(db.pdfPath, QString("/app/data_files/RZ_20210506.csv")); // not reset
        // Every summary column holds the field of its name.
        QSqlQuery query(QSqlDatabase::database());
        QVERIFY(query.exec("select * from t_record_summery") && query.next());
        for (const auto &field : textFields(humid).mid(0, 35))
            QCOMPARE(query.value(field.first), QVariant(*field.second));
        QCOMPARE(query.record().count(), 39);
        QCOMPARE(QVariantList({ query.value("t_reocrd_id"), query.value("containTemp"),
                     query.value("containHumidity") }),
            QVariantList({ id, 1, 1 }));
        // The samples, in list order, a missing humidity as '' (not NULL);
        // they went through SQLite directly, QSqlQuery being the fallback.
        QVERIFY(CSqliteStatement(QSqlDatabase::database(), "select 1").isValid());
        QCOMPARE(rows("select temp, shidu, recordTime, t_reocrd_id, typeof(t_reocrd_id) from t_record_data"),
            QList<QVariantList>({ { "25.1", "55.0", "2021/5/6 08:00:00", id, "integer" },
                { "-3.0", "", "2021/5/6 08:05:00", id, "integer" } }));

        // The whole record in one transaction writes the very rows of the steps above.
        const int whole = db.InsertRecord(&humid, "A0001_20210506080910123", &samples, 1);
        QCOMPARE(whole, id + 1);
        QStringList summaryColumns;
        for (const auto &field : textFields(humid).mid(0, 35))
            summaryColumns << field.first;
        summaryColumns << "containTemp"
                       << "containHumidity"
                       << "typeof(t_reocrd_id)";
        for (const QString &sql :
            { QString(
                  "select data_name, startTime, wayId, capacity, currentRecord, tempMax, tempMin, shiduMax, "
                  "shiduMin, alarmStatus, pdfPath, wayDesc, typeof(capacity) from t_record where id = %1"),
                "select " + summaryColumns.join(',') + " from t_record_summery where t_reocrd_id = %1",
                QString("select temp, shidu, recordTime, typeof(t_reocrd_id) from t_record_data "
                        "where t_reocrd_id = %1 order by id") })
            QCOMPARE(rows(sql.arg(whole)), rows(sql.arg(id)));

        // Temperature only, every field empty: '' everywhere, "0" for humidity.
        CSummeryParam bare;
        bare.recordCount = "n/a";
        db.pdfPath = QString();
        const int bareId = db.InsertRecordParam(&bare, QString());
        db.InsertRecordData(&samples, bareId, 0);
        const QString key = QString::number(bareId);
        for (const QString &sql : { "select * from t_record where id = " + key,
                 "select * from t_record_summery where t_reocrd_id = " + key,
                 "select * from t_record_data where t_reocrd_id = " + key }) {
            for (const QVariantList &row : rows(sql))
                QVERIFY2(std::none_of(row.cbegin(), row.cend(), [](const QVariant &v) { return v.isNull(); }),
                    qPrintable(sql));
        }
        QCOMPARE(rows("select data_name, capacity, alarmStatus, shiduMax, pdfPath from t_record where id = "
                     + key),
            QList<QVariantList>({ { "", 0, 0, "0", "" } }));
        QCOMPARE(rows("select shidu from t_record_data where t_reocrd_id = " + key),
            QList<QVariantList>({ { "0" }, { "0" } }));
        // Only 1 means humidity; an empty list stores nothing.
        CTempData none;
        db.InsertRecordData(&none, bareId, 1);
        db.InsertRecordData(&samples, bareId, 2);
        QCOMPARE(scalar("select count(*) from t_record_data where shidu = '0'"), 4);

        // alarmStatus: 1 only for a non-zero number of alarms.
        for (const auto &alarm : { qMakePair(QString("0"), 0), qMakePair(QString("3"), 1),
                 qMakePair(QString("abc"), 0), qMakePair(QString(), 0) }) {
            CSummeryParam s;
            s.alarmCount = alarm.first;
            const QString alarmId = QString::number(db.InsertRecordParam(&s, "alarm"));
            QCOMPARE(scalar("select alarmStatus from t_record where id = " + alarmId), alarm.second);
        }
    }

    void readBack()
    {
        CTempDbManager db(CTempDbManager::databasePath(m_dir.filePath("read")));
        CSummeryParam stored;
        fillSummary(stored);
        const int id = db.InsertRecordParam(&stored, "R1");
        CTempData samples;
        for (int i = 0; i < 50; ++i)
            addSample(samples, QString::number(20 + i % 7) + ".5", QString::number(40 + i),
                "t" + QString::number(i));
        db.InsertRecordData(&samples, id, 1);

        CSummeryParam summary;
        CTempData data;
        addSample(data, "stale", "stale", "stale");
        double l[4] = { -99, -99, -99, -99 }; // humidity high, low, temperature high, low
        QString model;
        QString number;
        db.ReadAllDataByRecordId(l[0], l[1], l[2], l[3], model, number, &summary, &data, id);
        QCOMPARE(model + '|' + number, stored.deviceModel + '|' + stored.deviceNo);
        const auto expected = textFields(stored);
        const auto actual = textFields(summary);
        for (int i = 0; i < 35; ++i)
            QCOMPARE(*actual.at(i).second, *expected.at(i).second);
        QVERIFY(summary.firmwareVersion.isEmpty() && summary.battery.isEmpty()); // not stored
        QCOMPARE(summary.containHumidity, 1);
        QCOMPARE(summary.tempUnit, QString::fromUtf8("°C"));
        QCOMPARE(QVector<double>(l, l + 4), QVector<double>({ 90, 20, 40, -10.5 }));
        QCOMPARE(data.dataList.size(), 50);
        for (int i = 0; i < 50; ++i) {
            const TempDataItem *a = data.dataList.at(i);
            const TempDataItem *b = samples.dataList.at(i);
            QCOMPARE(a->temp + a->shidu + a->recordTime, b->temp + b->shidu + b->recordTime);
        }

        // The limits parsed back from the stored texts.
        struct Case {
            const char *high, *low;
            int humidity;
            QVector<double> limits;
            const char *unit;
        };
        const Case cases[] = {
            { "40.0°C  90.0%RH", "-10.5°C  20.0%RH", 1, { 90, 20, 40, -10.5 },
                "°C" }, // two blanks for the comma
            { "104.0°F,95%", "14°F,5%", 1, { 95, 5, 104, 14 }, "°F" },
            { "8.0℃", "2.0℃", 0, { 0, 0, 8, 2 }, "℃" }, { "46.5℉", "35.5℉", 0, { 0, 0, 46.5, 35.5 }, "℉" },
            { "8.0", "2.0", 0, { 0, 0, -99, -99 }, "" }, // no unit: the temperature limits stay
        };
        for (const Case &c : cases) {
            CSummeryParam s;
            s.tempHigh = QString::fromUtf8(c.high);
            s.tempLow = QString::fromUtf8(c.low);
            s.containHumidity = c.humidity;
            const int caseId = db.InsertRecordParam(&s, c.high);
            CSummeryParam back;
            double m[4] = { -99, -99, -99, -99 };
            db.ReadAllDataByRecordId(m[0], m[1], m[2], m[3], model, number, &back, &data, caseId);
            QCOMPARE(QVector<double>(m, m + 4), c.limits);
            QCOMPARE(back.tempUnit, QString::fromUtf8(c.unit));
            QVERIFY(data.dataList.isEmpty());
        }
    }

    void historyListRenameDelete()
    {
        CTempDbManager db(CTempDbManager::databasePath(m_dir.filePath("list")));
        QVERIFY(db.LoadAllRecords().isEmpty());
        for (int i = 1; i <= 3; ++i) {
            CSummeryParam s;
            s.wayDesc = "trip " + QString::number(i);
            db.pdfPath = "/r" + QString::number(i) + ".pdf";
            QCOMPARE(db.InsertRecordParam(&s, "N" + QString::number(i)), i);
            CTempData data;
            for (int k = 0; k < 4; ++k)
                addSample(data, "1", "2", "3");
            db.InsertRecordData(&data, i, 1);
        }
        const auto list = [&db] {
            QStringList result;
            for (const CHistoryRow &row : db.LoadAllRecords())
                result << QString::number(row.id) + ' ' + row.dataName + ' ' + row.wayDesc;
            return result;
        };
        QCOMPARE(list(), QStringList({ "3 N3 trip 3", "2 N2 trip 2", "1 N1 trip 1" })); // newest first
        QCOMPARE(db.GetPdfPathById(2), QString("/r2.pdf"));
        QCOMPARE(db.GetPdfPathById(42), QString());
        db.UpdateRecordName(QString::fromUtf8("北京 → 上海"), 2);
        QCOMPARE(list().at(1), QString::fromUtf8("2 北京 → 上海 trip 2"));

        db.DeleteRecordById(2);
        QCOMPARE(list(), QStringList({ "3 N3 trip 3", "1 N1 trip 1" }));
        QCOMPARE(rows("select t_reocrd_id, count(*) from t_record_data group by t_reocrd_id"),
            QList<QVariantList>({ { 1, 4 }, { 3, 4 } }));
        QCOMPARE(rows("select t_reocrd_id from t_record_summery"), QList<QVariantList>({ { 1 }, { 3 } }));
        {
            // A missing id: nothing changes, nothing is logged.
            LogCapture log;
            db.DeleteRecordById(42);
            db.UpdateRecordName("x", 42);
            QCOMPARE(g_log, QStringList());
        }
        QCOMPARE(list(), QStringList({ "3 N3 trip 3", "1 N1 trip 1" }));
        QCOMPARE(scalar("select count(*) from t_record_data"), 8);
        // Ids are never reused, so a deleted record's leftovers cannot come back.
        db.DeleteRecordById(3);
        CSummeryParam s;
        QCOMPARE(db.InsertRecordParam(&s, "N4"), 4);
    }

    // A writer that stores like the reading flow, killed (SIGKILL) in the
    // middle of a 200,000-sample record: the database stays sound, and every
    // record in it has its summary and all its samples; the interrupted one
    // is absent (or complete, when the kill came after its commit).
    void killedWriterLeavesConsistentDatabase()
    {
        const QString path = CTempDbManager::databasePath(m_dir.filePath("killed"));
        const int samples = 200000;
        QMap<int, QString> completed; // id -> device number
        QSet<QString> interrupted; // the record each run was killed in
        bool insideTransaction = false;
        for (int attempt = 0; attempt < 8 && !insideTransaction; ++attempt) {
            QProcess writer;
            writer.setStandardErrorFile(QProcess::nullDevice());
            writer.start(DBINSERTER, { path, QString::number(samples) });
            // After one record of this run is stored, wait for the next to begin.
            bool runCompleted = false;
            for (QString device; device.isEmpty();) {
                QVERIFY2(writer.waitForReadyRead(60000), "the writer stopped");
                while (writer.canReadLine()) {
                    const QStringList words = QString::fromUtf8(writer.readLine().trimmed()).split(' ');
                    if (words.value(0) == "end") {
                        QVERIFY(words.value(1).toInt() > 0);
                        completed.insert(words.value(1).toInt(), words.value(2));
                        runCompleted = true;
                    } else if (words.value(0) == "begin" && runCompleted) {
                        device = words.value(1);
                        interrupted.insert(device);
                    }
                }
            }
            // Into the sample insert, at a different point each time.
            QTest::qSleep(40 + 120 * (attempt % 4));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(10000));
            // A rollback journal with content: killed after pages had changed.
            insideTransaction = QFileInfo(path + "-journal").size() > 0;
        }
        QVERIFY2(insideTransaction, "the writer was never caught inside its transaction");

        QSqlDatabase check = QSqlDatabase::addDatabase("QSQLITE", "check");
        check.setDatabaseName(path);
        QVERIFY(check.open());
        QCOMPARE(rows("pragma integrity_check", "check"), QList<QVariantList>({ { "ok" } }));
        const QList<QVariantList> records
            = rows("select id, (select count(*) from t_record_summery where t_reocrd_id = t_record.id), "
                   "(select deviceNo from t_record_summery where t_reocrd_id = t_record.id), "
                   "(select count(*) from t_record_data where t_reocrd_id = t_record.id), "
                   "(select recordTime from t_record_data where t_reocrd_id = t_record.id "
                   "order by id desc limit 1) from t_record",
                "check");
        for (const QVariantList &record : records) {
            const int id = record.at(0).toInt();
            const QString device = record.at(2).toString();
            QCOMPARE(record.at(1).toInt(), 1);
            QCOMPARE(record.at(3).toInt(), samples); // never none, never a part
            QCOMPARE(record.at(4).toString(), device + 't' + QString::number(samples - 1));
            if (completed.contains(id))
                QCOMPARE(completed.take(id), device);
            else
                QVERIFY(interrupted.contains(device)); // stored, but killed before it said so
        }
        QVERIFY(completed.isEmpty());
        QCOMPARE(
            scalar("select count(*) from t_record_data where t_reocrd_id not in (select id from t_record)",
                "check"),
            0);
        check = QSqlDatabase();
        QSqlDatabase::removeDatabase("check");
    }
};

QTEST_GUILESS_MAIN(TestTempDbManager)
#include "tst_tempdbmanager.moc"
