// The history database: rows as stored (checked with SQL: the application
// reads them back by position), reloading, the history list, deleting, and
// a writer killed in the middle of a long insert.
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

// Each row of a query as "value|value|...", NULL as "NULL".
QStringList rows(const QString &sql, const QString &connection = QSqlDatabase::defaultConnection)
{
    QSqlQuery query(QSqlDatabase::database(connection));
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    QStringList result;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << (query.value(i).isNull() ? QString("NULL") : query.value(i).toString());
        result << row.join('|');
    }
    return result;
}

#define FIELD(name) qMakePair(QStringLiteral(#name), &s.name)
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

// The names (or the values) of the first n text fields.
QStringList fields(CSummeryParam &s, int n, bool names = false)
{
    QStringList out;
    for (const auto &field : textFields(s).mid(0, n))
        out << (names ? field.first : *field.second);
    return out;
}

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

// The samples as "temp|shidu|time" lines.
QString samplesText(const CTempData &data)
{
    QStringList out;
    for (const TempDataItem &item : data)
        out << item.temp + '|' + item.shidu + '|' + item.recordTime;
    return out.join('\n');
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
            CTempDbManager db(path);
            // Names, order and types of the columns are the file format.
            CSummeryParam s;
            QStringList summary { "id|integer" };
            for (const QString &name : fields(s, 33, true))
                summary << name + (name == "wayDesc" ? "|varchar(150)" : "|varchar(50)");
            summary += QStringList { "t_reocrd_id|int", "containTemp|int", "containHumidity|int",
                "mkt|varchar(50)", "lcd_mode|varchar(50)" };
            const QString columns = "select name, lower(type) from pragma_table_info('%1')";
            QCOMPARE(rows(columns.arg("t_record")).join(','),
                QString(
                    "id|integer,data_name|varchar(50),startTime|varchar(50),wayId|varchar(10),capacity|int,"
                    "currentRecord|int,tempMax|varchar(50),tempMin|varchar(50),shiduMax|varchar(50),shiduMin|"
                    "varchar(50),alarmStatus|int,pdfPath|varchar(200),wayDesc|varchar(200)"));
            QCOMPARE(rows(columns.arg("t_record_data")).join(','),
                QString(
                    "id|integer,temp|varchar(50),shidu|varchar(50),recordTime|varchar(50),t_reocrd_id|int"));
            QCOMPARE(rows(columns.arg("t_record_summery")), summary);
            fillSummary(s);
            QCOMPARE(db.InsertRecordParam(&s, "kept"), 1);
        }
        cleanup();
        {
            // Started again: the rows are kept.
            CTempDbManager db(path);
            QCOMPARE(rows("select id, data_name from t_record"), QStringList { "1|kept" });
        }
        cleanup();

        // A database that cannot be opened: every call fails quietly.
        QFile blocker(m_dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        CTempDbManager broken(blocker.fileName() + "/dravik.db");
        CSummeryParam s;
        QCOMPARE(broken.InsertRecordParam(&s, "lost", "/data_files/r.csv"), 0);
        QVERIFY(broken.LoadAllRecords().isEmpty() && broken.GetPdfPathById(1).isEmpty());
    }

    // The rows of a record stored whole and step by step, read back; the
    // rows of empty fields; alarmStatus; the limits read from the stored texts.
    void storedRowsAndReadBack()
    {
        CTempDbManager db(CTempDbManager::databasePath(m_dir.filePath("rows")));
        CSummeryParam humid;
        fillSummary(humid);
        const QString pdfPath = "/app/data_files/RZ_20210506.csv";
        CTempData samples;
        samples.append(TempDataItem("25.1", "55.0", "2021/5/6 08:00:00"));
        samples.append(TempDataItem("-3.0", QString(), "2021/5/6 08:05:00"));
        // The whole record in one transaction, and step by step: the same rows.
        const int whole = db.InsertRecord(&humid, "A0001_20210506080910123", &samples, 1, pdfPath);
        const int steps = db.InsertRecordParam(&humid, "A0001_20210506080910123", pdfPath);
        QVERIFY(db.InsertRecordData(&samples, steps, 1));
        for (const int id : { whole, steps }) {
            const QString n = QString::number(id);
            QCOMPARE(rows("select *, typeof(capacity), typeof(alarmStatus) from t_record where id = " + n),
                QStringList(QStringList(
                    { n, "A0001_20210506080910123", humid.recordStartAt, humid.wayId, "3", "3", humid.tempMax,
                        humid.tempMin, "0", "0", "1", pdfPath, humid.wayDesc, "integer", "integer" })
                                .join('|')));
            // Every summary column holds the field of its name.
            QCOMPARE(rows("select " + fields(humid, 35, true).join(',')
                         + ", containTemp, containHumidity, typeof(t_reocrd_id) from t_record_summery where "
                           "t_reocrd_id = "
                         + n),
                QStringList((fields(humid, 35) + QStringList({ "1", "1", "integer" })).join('|')));
            // The samples in list order, a missing humidity as '' (not NULL).
            QCOMPARE(rows("select temp, shidu, recordTime, typeof(t_reocrd_id) from t_record_data where "
                          "t_reocrd_id = "
                         + n + " order by id"),
                QStringList({ "25.1|55.0|2021/5/6 08:00:00|integer", "-3.0||2021/5/6 08:05:00|integer" }));
        }

        // Read back: model and number, the limits (humidity high and low,
        // temperature high and low) with their unit from the printed ones;
        // summary and samples replace what was there.
        CSummeryParam summary;
        CTempData data;
        const auto readBack = [&db, &summary, &data](int id) {
            double l[4] = { -99, -99, -99, -99 };
            QString model, number;
            summary = CSummeryParam();
            db.ReadAllDataByRecordId(l[0], l[1], l[2], l[3], model, number, &summary, &data, id);
            QStringList limits;
            for (const double limit : l)
                limits << QString::number(limit, 'g', 17);
            return model + '|' + number + '|' + limits.join(' ') + ' ' + summary.tempUnit;
        };
        data.append(TempDataItem("stale", "stale", "stale"));
        QCOMPARE(readBack(whole),
            humid.deviceModel + '|' + humid.deviceNo + QString::fromUtf8("|90 20 40 -10.5 °C"));
        QCOMPARE(fields(summary, 35), fields(humid, 35));
        QVERIFY(summary.firmwareVersion.isEmpty() && summary.battery.isEmpty()); // not stored
        QCOMPARE(summary.containHumidity, 1);
        QCOMPARE(samplesText(data), samplesText(samples));
        // Without a unit the temperature limits stay.
        const char *const limits[][4] = { { "40.0°C  90.0%RH", "-10.5°C  20.0%RH", "1", "90 20 40 -10.5 °C" },
            { "104.0°F,95%", "14°F,5%", "1", "95 5 104 14 °F" }, { "8.0℃", "2.0℃", "0", "0 0 8 2 ℃" },
            { "46.5℉", "35.5℉", "0", "0 0 46.5 35.5 ℉" }, { "8.0", "2.0", "0", "0 0 -99 -99 " } };
        for (const auto &c : limits) {
            CSummeryParam s;
            s.tempHigh = QString::fromUtf8(c[0]);
            s.tempLow = QString::fromUtf8(c[1]);
            s.containHumidity = QByteArray(c[2]).toInt();
            QCOMPARE(readBack(db.InsertRecordParam(&s, "limits")), "||" + QString::fromUtf8(c[3]));
            QVERIFY(data.isEmpty());
        }

        // Temperature only, every field empty: '' everywhere (never NULL),
        // "0" for humidity; only 1 means humidity.
        CSummeryParam bare;
        bare.recordCount = "n/a";
        const int bareId = db.InsertRecordParam(&bare, QString());
        db.InsertRecordData(&samples, bareId, 0);
        const QString key = QString::number(bareId);
        for (const QString &sql : { "select * from t_record where id = " + key,
                 "select * from t_record_summery where t_reocrd_id = " + key,
                 "select * from t_record_data where t_reocrd_id = " + key })
            QVERIFY2(!rows(sql).join('|').contains("NULL"), qPrintable(sql));
        QCOMPARE(rows("select data_name, capacity, alarmStatus, shiduMax, pdfPath from t_record where id = "
                     + key),
            QStringList { "|0|0|0|" });
        db.InsertRecordData(&samples, bareId, 2);
        QCOMPARE(
            rows("select shidu, count(*) from t_record_data where t_reocrd_id = " + key + " group by shidu"),
            QStringList { "0|4" });
    }

    void historyListAndDelete()
    {
        CTempDbManager db(CTempDbManager::databasePath(m_dir.filePath("list")));
        QVERIFY(db.LoadAllRecords().isEmpty());
        for (int i = 1; i <= 3; ++i) {
            CSummeryParam s;
            s.wayDesc = "trip " + QString::number(i);
            CTempData data;
            for (int k = 0; k < 4; ++k)
                data.append(TempDataItem("1", "2", "3"));
            QCOMPARE(
                db.InsertRecord(&s, "N" + QString::number(i), &data, 1, "/r" + QString::number(i) + ".pdf"),
                i);
        }
        const auto list = [&db] {
            QStringList result;
            for (const CHistoryRow &row : db.LoadAllRecords())
                result << QString::number(row.id) + ' ' + row.dataName + ' ' + row.wayDesc;
            return result.join(", ");
        };
        QCOMPARE(list(), QString("3 N3 trip 3, 2 N2 trip 2, 1 N1 trip 1")); // newest first
        QCOMPARE(db.GetPdfPathById(2) + '|' + db.GetPdfPathById(42), QString("/r2.pdf|"));

        db.DeleteRecordById(2);
        QCOMPARE(list(), QString("3 N3 trip 3, 1 N1 trip 1"));
        QCOMPARE(rows("select t_reocrd_id, count(*) from t_record_data group by t_reocrd_id")
                + rows("select t_reocrd_id from t_record_summery"),
            QStringList({ "1|4", "3|4", "1", "3" }));
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
        QSet<int> completed; // the ids the writer said it stored
        bool insideTransaction = false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", m_dir.path()); // the reports it leaves
        int attempt = 0;
        for (; attempt < 8 && !insideTransaction; ++attempt) {
            QProcess writer;
            writer.setProcessEnvironment(environment);
            writer.setStandardErrorFile(QProcess::nullDevice());
            writer.start(HISTORYWRITER, { path, "-1", QString::number(samples) });
            // After one record of this run is stored, wait for the next to begin.
            bool stored = false;
            for (bool begun = false; !begun;) {
                QVERIFY2(writer.waitForReadyRead(60000), "the writer stopped");
                while (writer.canReadLine() && !begun) {
                    const QByteArray line = writer.readLine();
                    if (line.startsWith("stored "))
                        completed.insert(line.mid(7).trimmed().toInt());
                    stored = stored || line.startsWith("stored ");
                    begun = stored && line.startsWith("begin ");
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
        QCOMPARE(rows("pragma integrity_check", "check"), QStringList { "ok" });
        // Per record: id, summaries, samples.
        int unreported = 0; // stored, but killed before it said so: at most one a run
        for (const QString &record :
            rows("select id, (select count(*) from t_record_summery where t_reocrd_id = t_record.id), "
                 "(select count(*) from t_record_data where t_reocrd_id = t_record.id) from t_record",
                "check")) {
            const QStringList r = record.split('|');
            QCOMPARE(r.at(1) + '|' + r.at(2), QString("1|%1").arg(samples)); // never none, never a part
            unreported += completed.remove(r.at(0).toInt()) ? 0 : 1;
        }
        QVERIFY(completed.isEmpty() && unreported <= attempt);
        QCOMPARE(rows("select count(*) from t_record_data where t_reocrd_id not in (select id from t_record)",
                     "check"),
            QStringList { "0" });
        check = QSqlDatabase();
        QSqlDatabase::removeDatabase("check");
    }
};

QTEST_GUILESS_MAIN(TestTempDbManager)
#include "tst_tempdbmanager.moc"
