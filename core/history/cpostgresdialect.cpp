// The shared history on PostgreSQL: the tables of the embedded history with
// the same names, columns and column order, ids from identity columns (two
// desks storing at once never get the same id), the report's bytes kept in
// the database, samples inserted many rows per statement, and changes
// announced on a notification channel.
#include "core/history/csqldialect.h"
#include "core/record/ctempdata.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Rows per insert statement: one round trip per row costs a millisecond on
// a local socket, so a long record goes in a few dozen statements.
const int SamplesPerInsert = 2000;

// Taken while the tables are created: two desks starting at once would
// otherwise both try to create the same table.
const char SchemaLock[] = "select pg_advisory_xact_lock(7302514031)";

class CPostgresDialect : public CSqlDialect {
public:
    QString driver() const override { return QStringLiteral("QPSQL"); }

    // Texts without a length limit: SQLite never enforced the lengths, and a
    // record kept at one desk must fit at every other.
    QList<Table> tables() const override
    {
        return {
            { "t_record",
                "create table if not exists t_record(id integer generated always as identity primary key,"
                "data_name varchar,startTime varchar,wayId varchar,capacity integer,currentRecord integer,"
                "tempMax varchar,tempMin varchar,shiduMax varchar,shiduMin varchar,alarmStatus integer,"
                "pdfPath varchar,wayDesc varchar)" },
            { "t_record_data",
                "create table if not exists t_record_data(id bigint generated always as identity primary "
                "key,temp varchar,shidu varchar,recordTime varchar,t_reocrd_id integer)" },
            { "t_record_summery",
                "create table if not exists t_record_summery(id integer generated always as identity "
                "primary key,deviceModel varchar,deviceSensor varchar,deviceNo varchar,deviceTime varchar,"
                "deviceZone varchar,recordStartModel varchar,recordStopModel varchar,delayStart varchar,"
                "startAt varchar,stopAt varchar,tempHigh varchar,normalRecordSpace varchar,tempLow varchar,"
                "alarmSpace varchar,tempAdj varchar,alarmDelay varchar,isLongPressed varchar,"
                "isRecycleRecord varchar,isSettingClearRecord varchar,isRestart varchar,tempMax varchar,"
                "recordStartAt varchar,tempMin varchar,recordStopAt varchar,tempAvg varchar,recordTimes "
                "varchar,alarmTimeLen varchar,recordTimeLen varchar,alarmCount varchar,recordCount varchar,"
                "alarmType varchar,wayDesc varchar,wayId varchar,t_reocrd_id integer,containTemp integer,"
                "containHumidity integer,mkt varchar,lcd_mode varchar)" },
            { "t_record_report",
                "create table if not exists t_record_report(id integer generated always as identity "
                "primary key,t_reocrd_id integer,fileName varchar,fileSize bigint,sha256 varchar(64),"
                "content bytea,tripStart varchar(19))",
                false },
            // A site's history grows to millions of samples: a record's rows
            // are found by its id, not by reading them all.
            { "t_record_data_record",
                "create index if not exists t_record_data_record on t_record_data(t_reocrd_id, id)", false },
            { "t_record_summery_record",
                "create index if not exists t_record_summery_record on t_record_summery(t_reocrd_id)",
                false },
            { "t_record_report_record",
                "create index if not exists t_record_report_record on t_record_report(t_reocrd_id)", false },
        };
    }

    void createTables(QSqlDatabase &database) const override
    {
        if (!database.transaction()) {
            qDebug() << "Error: Fail to create the tables:" << database.lastError();
            return;
        }
        QSqlQuery lock(database);
        // "relation already exists, skipping" is no news at every start.
        lock.exec("set client_min_messages to warning");
        if (!lock.exec(SchemaLock))
            qDebug() << "schema lock:" << lock.lastError();
        lock.finish();
        CSqlDialect::createTables(database);
        if (!database.commit()) {
            qDebug() << "Error: Fail to create the tables:" << database.lastError();
            database.rollback();
        }
    }

    QString insertRecord(const QString &insert) const override { return insert + " returning id"; }

    int insertedId(QSqlQuery &query) const override
    {
        if (!query.next()) {
            qDebug() << "InsertrRecordParam  no id " << query.lastError();
            return 0;
        }
        return query.value(0).toInt();
    }

    // Many rows per statement, each value a literal made by the driver
    // (quotes escaped as the server expects them).
    bool insertSamples(
        QSqlDatabase &database, const CTempData &data, int recordId, bool hasHumidity) const override
    {
        const QSqlDriver *driver = database.driver();
        QSqlField field(QStringLiteral("v"), QVariant::String);
        // Sample texts are numbers and times: quoted as they stand. Anything
        // holding a quote, a backslash or a character outside printable ASCII
        // goes through the driver's escaping.
        const auto literal = [&](const QString &text) {
            bool plain = true;
            for (const QChar c : text) {
                const ushort u = c.unicode();
                if (u < 0x20 || u > 0x7e || u == '\'' || u == '\\') {
                    plain = false;
                    break;
                }
            }
            if (plain)
                return QLatin1Char('\'') + text + QLatin1Char('\'');
            field.setValue(text.isNull() ? QString("") : text);
            return driver->formatValue(field);
        };
        const QString tail = QLatin1Char(',') + QString::number(recordId) + QLatin1String("),");
        const QString noHumidity = literal(QStringLiteral("0"));
        const QList<TempDataItem *> &samples = data.dataList;
        QSqlQuery query(database);
        QString sql;
        for (int first = 0; first < samples.size(); first += SamplesPerInsert) {
            const int end = qMin(samples.size(), first + SamplesPerInsert);
            sql = QStringLiteral("insert into t_record_data(temp,shidu,recordTime,t_reocrd_id) values ");
            sql.reserve(sql.size() + (end - first) * 48);
            for (int i = first; i < end; ++i) {
                const TempDataItem *sample = samples.at(i);
                sql += QLatin1Char('(') + literal(sample->temp) + QLatin1Char(',')
                    + (hasHumidity ? literal(sample->shidu) : noHumidity) + QLatin1Char(',')
                    + literal(sample->recordTime) + tail;
            }
            sql.chop(1);
            if (!query.exec(sql)) {
                qDebug() << "insert t_record_data error at samples" << first + 1 << "to" << end << "of"
                         << samples.size() << ':' << query.lastError();
                m_sampleError = query.lastError().databaseText();
                return false;
            }
        }
        return true;
    }

    // The server returns rows in no particular order unless told.
    bool readSamples(QSqlDatabase &database, int recordId, CTempData &data) const override
    {
        return readSampleRows(database, recordId, data,
            QStringLiteral("select temp, shidu, recordTime from t_record_data where t_reocrd_id = "
                           ":t_reocrd_id order by id"),
            0);
    }

    bool keepsReportBytes() const override { return true; }

    QString channel() const override { return QStringLiteral("vesmira_history"); }

    bool announce(QSqlDatabase &database, const QString &change) const override
    {
        QSqlQuery notify(database);
        notify.prepare("select pg_notify('vesmira_history', :change)");
        notify.bindValue(":change", change);
        if (!notify.exec()) {
            qDebug() << "notify:" << notify.lastError();
            return false;
        }
        return true;
    }

    bool lock(QSqlDatabase &database, const QString &key) const override
    {
        QSqlQuery lock(database);
        lock.prepare("select pg_advisory_xact_lock(hashtext(:key))");
        lock.bindValue(":key", key);
        if (!lock.exec()) {
            qDebug() << "lock:" << lock.lastError();
            return false;
        }
        return true;
    }
};

} // namespace

std::unique_ptr<CSqlDialect> CSqlDialect::postgres()
{
    return std::make_unique<CPostgresDialect>();
}
