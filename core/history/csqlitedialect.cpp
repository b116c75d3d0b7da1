// The embedded history on SQLite: the table statements as the history file
// has always had them, ids from last_insert_rowid(), and the samples through
// SQLite's own statements where the platform lets us reach them.
#include "core/history/csqldialect.h"
#include "core/record/ctempdata.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#ifdef VESMIRA_SQLITE_STATEMENTS
#include "core/history/csqlitestatement.h"
#endif

namespace {

// Samples above which building their index on opening an older history is
// announced (about a second's work).
const int ManySamples = 1000000;

// SQLite's result codes for a damaged file (extended codes share the low byte).
const int SqliteCorrupt = 11;
const int SqliteNotADatabase = 26;

class CSqliteDialect : public CSqlDialect {
public:
    QString driver() const override { return QStringLiteral("QSQLITE"); }

    void connected(QSqlDatabase &database) override
    {
        // SQLite's own lower() changes ASCII letters only.
#ifdef VESMIRA_SQLITE_STATEMENTS
        m_fold = CSqliteStatement::addFoldFunction(database, "vesmira_fold", &CSqlDialect::foldCase);
#else
        Q_UNUSED(database);
#endif
        if (!m_fold)
            qDebug() << "search: no Unicode case folding on this SQLite";
    }

    QString foldSql(const QString &expression, const QString &) const override
    {
        return (m_fold ? QStringLiteral("vesmira_fold(") : QStringLiteral("lower(")) + expression
            + QLatin1Char(')');
    }

    bool isDamage(const QSqlError &error) const override
    {
        bool ok = false;
        const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
        return ok && (code == SqliteCorrupt || code == SqliteNotADatabase);
    }

    QList<Table> tables() const override
    {
        return {
            { "t_record",
                "create table IF NOT EXISTS t_record(id INTEGER PRIMARY KEY AUTOINCREMENT ,data_name "
                "varchar(50) ,startTime varchar(50) ,wayId varchar(10), capacity int ,currentRecord int, "
                "tempMax varchar(50) ,tempMin varchar(50) , shiduMax varchar(50),shiduMin varchar(50) , "
                "alarmStatus int ,pdfPath varchar(200),wayDesc varchar(200));" },
            { "t_record_data",
                "create table IF NOT EXISTS t_record_data(id INTEGER PRIMARY KEY AUTOINCREMENT,temp "
                "varchar(50),shidu varchar(50),recordTime varchar(50),t_reocrd_id int);" },
            { "t_record_summery",
                "create table IF NOT EXISTS t_record_summery(id INTEGER PRIMARY KEY AUTOINCREMENT "
                ",deviceModel "
                "varchar(50) , deviceSensor varchar(50),deviceNo varchar(50),deviceTime "
                "varchar(50),deviceZone "
                "varchar(50),recordStartModel varchar(50),recordStopModel varchar(50),delayStart "
                "varchar(50),startAt varchar(50),stopAt varchar(50),tempHigh varchar(50),normalRecordSpace "
                "varchar(50),tempLow varchar(50),alarmSpace varchar(50),tempAdj varchar(50),alarmDelay "
                "varchar(50),isLongPressed varchar(50),isRecycleRecord varchar(50),isSettingClearRecord "
                "varchar(50),isRestart varchar(50),tempMax varchar(50),recordStartAt varchar(50),tempMin "
                "varchar(50),recordStopAt varchar(50),tempAvg varchar(50),recordTimes "
                "varchar(50),alarmTimeLen "
                "varchar(50),recordTimeLen varchar(50),alarmCount varchar(50),recordCount "
                "varchar(50),alarmType "
                "varchar(50),wayDesc varchar(150),wayId varchar(50),t_reocrd_id int,containTemp "
                "int,containHumidity int,mkt varchar(50),lcd_mode varchar(50));" },
            // The report a record was read from: its name, size and SHA-256
            // (the bytes stay in data_files), and the trip's first sample
            // time as "yyyy-MM-dd hh:mm:ss" for the search by date.
            { "t_record_report",
                "create table IF NOT EXISTS t_record_report(id INTEGER PRIMARY KEY AUTOINCREMENT,t_reocrd_id "
                "int,fileName varchar(200),fileSize int,sha256 varchar(64),content blob,tripStart "
                "varchar(19));",
                false },
            // Records kept here while the shared history could not be
            // reached, until they are copied there: the URL tried (never
            // with a password) and why it failed the last time.
            { "t_record_pending",
                "create table IF NOT EXISTS t_record_pending(id INTEGER PRIMARY KEY "
                "AUTOINCREMENT,t_reocrd_id int,url varchar(500),lastError varchar(500));",
                false },
            // A record's rows are found by its id, not by reading them all:
            // the samples in the order they were stored.
            { "t_record_data_record",
                "create index IF NOT EXISTS t_record_data_record on t_record_data(t_reocrd_id, id);", false },
            { "t_record_summery_record",
                "create index IF NOT EXISTS t_record_summery_record on t_record_summery(t_reocrd_id);",
                false },
            { "t_record_report_record",
                "create index IF NOT EXISTS t_record_report_record on t_record_report(t_reocrd_id);", false },
        };
    }

    void createTables(QSqlDatabase &database, const Notice &notice) const override
    {
        QSqlQuery query(database);
        // A history written before the index: building it reads every
        // sample once.
        if (notice && query.exec("select 1 from sqlite_master where name = 't_record_data'") && query.next()
            && query.exec("select 1 from sqlite_master where name = 't_record_data_record'") && !query.next()
            && query.exec("select max(id) from t_record_data") && query.next()
            && query.value(0).toLongLong() > ManySamples) {
            notice(QStringLiteral("indexing the %1 samples of the history %2 (once)")
                       .arg(query.value(0).toLongLong())
                       .arg(database.databaseName()));
        }
        query.finish();
        CSqlDialect::createTables(database, notice);
        // The pending list of an older file has no column for the reason.
        if (query.exec("select 1 from pragma_table_info('t_record_pending') where name = 'lastError'")
            && !query.next() && !query.exec("alter table t_record_pending add column lastError varchar(500)"))
            qDebug() << "t_record_pending:" << query.lastError();
    }

    int insertedId(QSqlQuery &query) const override
    {
        // One row per record comes back; only the first is read.
        query.setForwardOnly(true);
        if (!query.exec("select last_insert_rowid() from t_record ") || !query.next()) {
            qDebug() << "InsertrRecordParam  no id " << query.lastError();
            return 0;
        }
        return query.value(0).toInt();
    }

#ifdef VESMIRA_SQLITE_STATEMENTS
    // Per row QSqlQuery costs more than SQLite itself; the statements below
    // are the same, run on SQLite directly (see CSqliteStatement).
    bool insertSamples(QSqlDatabase &database, const CTempData &data, int recordId, bool hasHumidity) override
    {
        CSqliteStatement insert(database, insertSampleSql);
        if (!insert.isValid())
            return CSqlDialect::insertSamples(database, data, recordId, hasHumidity);
        const int temp = insert.parameterIndex(":temp");
        const int shidu = insert.parameterIndex(":shidu");
        const int recordTime = insert.parameterIndex(":recordTime");
        const int link = insert.parameterIndex(":t_reocrd_id");
        const QByteArray noHumidity("0");
        // Reused from sample to sample.
        QByteArray tempText;
        QByteArray shiduText;
        QByteArray timeText;
        for (int i = 0; i < data.size(); ++i) {
            data.utf8(i, tempText, shiduText, timeText);
            if (!hasHumidity)
                shiduText = noHumidity;
            insert.bindText(temp, tempText);
            insert.bindText(shidu, shiduText);
            insert.bindText(recordTime, timeText);
            insert.bindInt(link, recordId);
            // The first sample that fails stops the insert (a full disk
            // fails every one after it anyway).
            if (!insert.exec()) {
                lastError = QSqlError(QStringLiteral("insert t_record_data"), insert.lastError(),
                    QSqlError::StatementError, QString::number(insert.errorCode()));
                qDebug().noquote() << "insert t_record_data error at sample" << i + 1 << "of" << data.size()
                                   << ':' << insert.lastError();
                return false;
            }
        }
        return true;
    }

    bool eachSample(QSqlDatabase &database, int recordId, const SampleVisitor &visit) override
    {
        CSqliteStatement select(database, selectSamplesSql);
        if (!select.isValid())
            return CSqlDialect::eachSample(database, recordId, visit);
        // Columns: id, temp, shidu, recordTime, t_reocrd_id.
        select.bindInt(select.parameterIndex(":t_reocrd_id"), recordId);
        while (select.next())
            visit(select.text(1), select.text(2), select.text(3));
        if (select.failed()) {
            lastError = QSqlError(QStringLiteral("select t_record_data"), select.lastError(),
                QSqlError::StatementError, QString::number(select.errorCode()));
            qDebug() << lastError;
            return false;
        }
        return true;
    }
#endif

    void afterRollback(QSqlDatabase &database) const override
    {
        // After a failed write SQLite may leave the restoring of the file to
        // its next reader (the journal stays behind, the file keeps the pages
        // written so far). Read once, so that the file is as it was now, not
        // only when the next statement comes, and the space it took is free
        // again.
        QSqlQuery restore(database);
        if (!restore.exec("select count(*) from sqlite_master"))
            qDebug() << "restore:" << restore.lastError();
    }

private:
    bool m_fold = false;
};

} // namespace

std::unique_ptr<CSqlDialect> CSqlDialect::sqlite()
{
    return std::make_unique<CSqliteDialect>();
}
