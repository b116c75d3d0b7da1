#ifndef CSQLDIALECT_H
#define CSQLDIALECT_H

#include <QString>
#include <QStringList>
#include <memory>

class CTempData;
class QSqlDatabase;
class QSqlQuery;

// What differs between the database engines of the history; everything
// else (the statements of every operation, transactions, the mapping of
// rows to records) is CTempDbManager's, the same for all of them.
class CSqlDialect {
public:
    virtual ~CSqlDialect() = default;

    // The Qt driver ("QSQLITE").
    virtual QString driver() const = 0;

    // The tables of the history, created when missing: the statements in
    // order, each with the table it makes (for the debug lines; the tables
    // added after the first three log only a failure).
    struct Table {
        QString name;
        QString create;
        bool logged = true;
    };
    virtual QList<Table> tables() const = 0;
    // Runs the statements of tables(); an engine shared by several desks
    // keeps two of them from creating at once.
    virtual void createTables(QSqlDatabase &database) const;

    // The insert of a record header as this engine runs it (an engine may
    // have it return the new id), and the new id once it ran; 0 on failure.
    virtual QString insertRecord(const QString &insert) const { return insert; }
    virtual int insertedId(QSqlQuery &query) const = 0;

    // Every sample of a record, in list order, inside the caller's
    // transaction; false at the first failure. hasHumidity false stores "0"
    // as the humidity. The rows are those of
    //   insert into t_record_data(temp,shidu,recordTime,t_reocrd_id) values (...)
    virtual bool insertSamples(
        QSqlDatabase &database, const CTempData &data, int recordId, bool hasHumidity) const;
    // The engine's reason for the last insertSamples that failed ("database
    // or disk is full").
    QString sampleError() const { return m_sampleError; }
    // The samples of a record in the order they were stored (the list is
    // replaced), their times read; false when the statement failed.
    virtual bool readSamples(QSqlDatabase &database, int recordId, CTempData &data) const;

    // After a transaction was rolled back.
    virtual void afterRollback(QSqlDatabase &database) const;

    // Whether t_record_report keeps the report's bytes (content); otherwise
    // only its name, size and digest, the file staying in data_files.
    virtual bool keepsReportBytes() const { return false; }
    // The notification channel on which other desks hear of a change; empty
    // when the engine has none.
    virtual QString channel() const { return QString(); }
    // Inside the transaction of a change: the listeners of channel() hear
    // of it when it commits. False when that failed.
    virtual bool announce(QSqlDatabase &database, const QString &change) const;
    // Inside a transaction: waits until no other connection holds key, and
    // holds it until the transaction ends (two desks copying one record).
    virtual bool lock(QSqlDatabase &database, const QString &key) const;

    // The two sample statements every engine runs.
    static const char insertSampleSql[];
    static const char selectSamplesSql[];

    // The embedded history: SQLite, one file.
    static std::unique_ptr<CSqlDialect> sqlite();
    // A history shared by several desks: PostgreSQL (QPSQL).
    static std::unique_ptr<CSqlDialect> postgres();

protected:
    mutable QString m_sampleError;

    // The samples of recordId through select (bound ":t_reocrd_id"), whose
    // temperature, humidity and time stand from column tempColumn on.
    static bool readSampleRows(
        QSqlDatabase &database, int recordId, CTempData &data, const QString &select, int tempColumn);
};

#endif // CSQLDIALECT_H
