#ifndef CSQLDIALECT_H
#define CSQLDIALECT_H

#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
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

    // Once the connection is open (again), before anything else runs on it.
    virtual void connected(QSqlDatabase &database);

    // The tables and indexes of the history, created when missing: the
    // statements in order, each with the table or index it makes (for the
    // debug lines; those added after the first three log only a failure).
    struct Table {
        QString name;
        QString create;
        bool logged = true;
    };
    virtual QList<Table> tables() const = 0;
    // Runs the statements of tables(); notice is told of a step that takes
    // long (an index built over the samples of an older history). An engine
    // shared by several desks looks in its catalog first and creates only
    // what is missing, under a lock.
    using Notice = std::function<void(const QString &text)>;
    virtual void createTables(QSqlDatabase &database, const Notice &notice) const;

    // Case folding for the search: the SQL expression that folds the case
    // of expression, and the same folding of a text here. Both engines fold
    // alike: Unicode lower case, then "ß" as "ss" and the final "ς" as "σ"
    // ("STRAẞE", "Straße" and "strasse" are one word, "ЖУРНАЛ" is "журнал").
    // forPattern: the folded text the expression is matched against; one
    // without "s" and "σ" matches the lower case alone just as well (an
    // engine may leave the two replacements out then).
    virtual QString foldSql(const QString &expression, const QString &forPattern) const = 0;
    static QString foldCase(const QString &text);

    // A text as this engine can keep it (see the PostgreSQL dialect).
    virtual QString text(const QString &value) const { return value; }

    // Whether a failed statement says that the database file is damaged.
    virtual bool isDamage(const QSqlError &) const { return false; }
    // Whether a failed transaction may succeed when run again (another
    // desk's transaction was chosen to go on: a deadlock, a serialization
    // failure).
    virtual bool isTransient(const QSqlError &) const { return false; }
    // The error of the last failed insertSamples, readSamples, announce or lock.
    mutable QSqlError lastError;

    // The insert of a record header as this engine runs it (an engine may
    // have it return the new id), and the new id once it ran; 0 on failure.
    virtual QString insertRecord(const QString &insert) const { return insert; }
    virtual int insertedId(QSqlQuery &query) const = 0;

    // Every sample of a record, in list order, inside the caller's
    // transaction; false at the first failure. hasHumidity false stores "0"
    // as the humidity. The rows are those of
    //   insert into t_record_data(temp,shidu,recordTime,t_reocrd_id) values (...)
    virtual bool insertSamples(QSqlDatabase &database, const CTempData &data, int recordId, bool hasHumidity);
    // The samples of a record in the order they were stored, each handed to
    // visit as it is read (temperature, humidity and time texts); false when
    // the statement failed, also part-way through the rows.
    using SampleVisitor = std::function<void(QStringView temp, QStringView shidu, QStringView recordTime)>;
    virtual bool eachSample(QSqlDatabase &database, int recordId, const SampleVisitor &visit);
    // The same into a list (replaced), their times read.
    bool readSamples(QSqlDatabase &database, int recordId, CTempData &data);

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
    // Asked every few thousand samples by the loops over a record's samples:
    // false, with lastError saying so, when the step that runs them was
    // cancelled (CTaskProgress); the transaction is then rolled back.
    bool goOn(qint64 done, qint64 total) const;

    // One statement of tables(), logged as createTables logs it; a failure
    // does not stop the next one.
    static void createTable(QSqlQuery &query, const Table &table);

    // The samples of recordId through select (bound ":t_reocrd_id"), whose
    // temperature, humidity and time stand from column tempColumn on.
    bool readSampleRows(QSqlDatabase &database, int recordId, const SampleVisitor &visit,
        const QString &select, int tempColumn);
};

#endif // CSQLDIALECT_H
