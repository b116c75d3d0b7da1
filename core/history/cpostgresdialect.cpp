// The shared history on PostgreSQL: the tables of the embedded history with
// the same names, columns and column order, ids from identity columns (two
// desks storing at once never get the same id), the report's bytes kept in
// the database, samples inserted many rows per statement, and changes
// announced on a notification channel.
//
// PostgreSQL's text cannot hold the character U+0000, which a report may
// carry (a trip ID "TR\0X", a sample value). Such a text is stored with
// each U+0000 replaced by U+2400 SYMBOL FOR NULL ("TR␀X"), and read back as
// stored; every other text is stored unchanged. The report's bytes keep the
// original, so a record re-read from its report has it exactly.
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

// Taken while missing tables or indexes are created: two desks starting at
// once would otherwise both try to create the same table.
const char SchemaLock[] = "select pg_advisory_xact_lock(7302514031)";

// Text stands for U+0000 in a stored text.
const QChar NulStandIn(0x2400);

// The names of tables that exist in the connection's schema.
QStringList existing(QSqlDatabase &database, const QStringList &names)
{
    QStringList found;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select relname from pg_class where relnamespace = current_schema()::regnamespace "
                  "and relname = any(string_to_array(:names, ','))");
    query.bindValue(":names", names.join(QLatin1Char(',')).toLower());
    if (!query.exec()) {
        qDebug() << "catalog:" << query.lastError();
        return found;
    }
    while (query.next())
        found << query.value(0).toString();
    return found;
}

class CPostgresDialect : public CSqlDialect {
public:
    QString driver() const override { return QStringLiteral("QPSQL"); }

    void connected(QSqlDatabase &database) override
    {
        // lower() follows the database's character type, which may know
        // ASCII letters only ("C"); ICU's root locale folds every script
        // alike at every site.
        QSqlQuery query(database);
        m_icu = query.exec("select 1 from pg_collation where collname = 'und-x-icu'") && query.next();
        if (!m_icu)
            qDebug() << "search: this PostgreSQL has no ICU; case folding follows the database's locale";
    }

    QString foldSql(const QString &expression, const QString &forPattern) const override
    {
        const QString lower
            = QStringLiteral("lower((%1)%2)")
                  .arg(expression, m_icu ? QStringLiteral(" collate \"und-x-icu\"") : QString());
        // The replacements cost as much as the lower case: only where a
        // match could go through them.
        if (!forPattern.contains(QLatin1Char('s')) && !forPattern.contains(QChar(0x03C3)))
            return lower;
        return QStringLiteral("translate(replace(%1, 'ß', 'ss'), 'ς', 'σ')").arg(lower);
    }

    QString text(const QString &value) const override
    {
        if (!value.contains(QChar(0)))
            return value;
        QString mapped = value;
        return mapped.replace(QChar(0), NulStandIn);
    }

    bool isTransient(const QSqlError &error) const override
    {
        // deadlock_detected, serialization_failure
        return error.nativeErrorCode() == QLatin1String("40P01")
            || error.nativeErrorCode() == QLatin1String("40001");
    }

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
            // A copy finds a record already there by its report's digest.
            { "t_record_report_sha256",
                "create index if not exists t_record_report_sha256 on t_record_report(sha256)", false },
        };
    }

    // Creating a table or an index, even one that exists, locks the table
    // against the inserts of the desks storing at that moment, and two
    // such desks can deadlock: a desk only looks in the catalog, and
    // creates what is missing under a lock of its own.
    void createTables(QSqlDatabase &database, const Notice &) const override
    {
        QList<Table> wanted = tables();
        QStringList names;
        for (const Table &table : wanted)
            names << table.name;
        if (existing(database, names).size() == names.size())
            return;
        if (!database.transaction()) {
            qDebug() << "Error: Fail to create the tables:" << database.lastError();
            return;
        }
        QSqlQuery query(database);
        // "relation already exists, skipping" is no news.
        query.exec("set local client_min_messages to warning");
        if (!query.exec(SchemaLock))
            qDebug() << "schema lock:" << query.lastError();
        // Another desk may have created them while this one waited.
        const QStringList there = existing(database, names);
        for (const Table &table : wanted) {
            if (!there.contains(table.name.toLower()))
                createTable(query, table);
        }
        query.finish();
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
    bool insertSamples(QSqlDatabase &database, const CTempData &data, int recordId, bool hasHumidity) override
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
            field.setValue(this->text(text.isNull() ? QString("") : text));
            return driver->formatValue(field);
        };
        const QString tail = QLatin1Char(',') + QString::number(recordId) + QLatin1String("),");
        const QString noHumidity = literal(QStringLiteral("0"));
        QSqlQuery query(database);
        QString sql;
        for (int first = 0; first < data.size(); first += SamplesPerInsert) {
            if (!goOn(first, data.size()))
                return false;
            const int end = qMin(data.size(), first + SamplesPerInsert);
            sql = QStringLiteral("insert into t_record_data(temp,shidu,recordTime,t_reocrd_id) values ");
            sql.reserve(sql.size() + (end - first) * 48);
            for (int i = first; i < end; ++i) {
                sql += QLatin1Char('(') + literal(data.temp(i)) + QLatin1Char(',')
                    + (hasHumidity ? literal(data.shidu(i)) : noHumidity) + QLatin1Char(',')
                    + literal(data.recordTime(i)) + tail;
            }
            sql.chop(1);
            if (!query.exec(sql)) {
                lastError = query.lastError();
                qDebug() << "insert t_record_data error at samples" << first + 1 << "to" << end << "of"
                         << data.size() << ':' << query.lastError();
                return false;
            }
        }
        return true;
    }

    // The server returns rows in no particular order unless told.
    bool eachSample(QSqlDatabase &database, int recordId, const SampleVisitor &visit) override
    {
        return readSampleRows(database, recordId, visit,
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
            lastError = notify.lastError();
            qDebug() << "notify:" << lastError;
            return false;
        }
        return true;
    }

    bool lock(QSqlDatabase &database, const QString &key) const override
    {
        QSqlQuery lock(database);
        lock.prepare("select pg_advisory_xact_lock(hashtext(:key))");
        lock.bindValue(":key", text(key));
        if (!lock.exec()) {
            lastError = lock.lastError();
            qDebug() << "lock:" << lastError;
            return false;
        }
        return true;
    }

private:
    bool m_icu = false;
};

} // namespace

std::unique_ptr<CSqlDialect> CSqlDialect::postgres()
{
    return std::make_unique<CPostgresDialect>();
}
