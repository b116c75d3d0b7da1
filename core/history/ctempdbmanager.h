#ifndef CTEMPDBMANAGER_H
#define CTEMPDBMANAGER_H

#include "core/record/crecordstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringView>
#include <QVector>
#include <functional>
#include <memory>

class CHistoryJournal;
class CHistoryLocation;
class CRecord;
enum class CReportCheck;
class CSqlDialect;
class CSummeryParam;
class CTempData;

// One line of the history list: what the list page shows of a record.
struct CHistoryRow {
    int id = 0;
    QString dataName;
    QString wayDesc;
    // Filled by findRecords only: the trip's first sample time as
    // "yyyy-MM-dd hh:mm:ss" (empty when not known), whether the record has
    // alarms, and the logger's serial number.
    QString tripStart;
    bool alarmed = false;
    QString deviceNo;
};

// What the history list asks for: records whose name, device number, trip
// ID or trip description holds text (case-insensitive; empty: every
// record), whose trip started within [from, to] (local time as the logger
// printed it; an invalid bound is open), optionally only those with alarms,
// in the order of one column.
struct CHistoryFilter {
    enum Column { Id, Name, Description, Start, Alarms, Serial };
    QString text;
    QDateTime from;
    QDateTime to;
    bool alarmsOnly = false;
    Column sortColumn = Id;
    Qt::SortOrder sortOrder = Qt::DescendingOrder;
    // At most this many rows (the first in the order); 0: all of them.
    int limit = 0;
};

// The report file kept with a record (t_record_report).
struct CReportFile {
    QString fileName; // the local copy's name where it was read
    qint64 size = 0;
    QString sha256; // hex; empty when not known
    QByteArray content; // the bytes, when the history keeps them and they were asked for
    bool hasContent = false;
};

// A record of the embedded history that waits for the shared history: the
// URL last tried (never with a password) and why that failed.
struct CPendingRecord {
    int id = 0;
    QString name;
    QString url;
    QString lastError;
};

// The history database (db/dravik.db): the single owner of the connection and
// of every SQL statement of the application.
//
// Three tables: t_record (one row per record read), t_record_summery (the
// record's summary, one row) and t_record_data (one row per sample). The child
// tables link to t_record.id through the column t_reocrd_id; that spelling is
// part of the file format, as is the column order (rows are read back by
// position). Texts are stored as '' when empty, never as NULL. What differs
// between database engines sits behind CSqlDialect; the operations here are
// the same for every engine.
//
// The embedded history is SQLite on Qt's default connection; a shared one
// (PostgreSQL, several desks on one database) has a connection of its own,
// keeps the report's bytes too and tells every desk of a change
// (historyChanged). A fourth table, t_record_report, keeps per record the
// report's file name, size and SHA-256; the embedded history also keeps
// t_record_pending, the records waiting to be copied to a shared history.
//
// Every operation runs on the caller's thread, which must be the thread
// that made the manager. Whatever changes the history
// does so in one transaction, all of it or nothing: a failed statement or
// commit rolls back, is written to the debug output and is reported by the
// return value (id 0 or false), so that the caller can tell the user.
class CTempDbManager : public QObject, public CRecordStore {
    Q_OBJECT
public:
    // Opens (or creates) the embedded history at dbPath on Qt's default
    // connection. An existing default connection is taken over as it is.
    // A connection serves only the thread that opened it: on any other
    // thread than the application's main one (the window's worker) the
    // manager opens a connection of its own to the same file.
    explicit CTempDbManager(const QString &dbPath, QObject *parent = nullptr);
    // Opens (or sets up) the shared history of location on a connection of
    // its own; isOpen() and lastError() tell whether that worked.
    explicit CTempDbManager(const CHistoryLocation &location, QObject *parent = nullptr);
    ~CTempDbManager() override;

    // Open and usable: a damaged file is not.
    bool isOpen() const { return database.isOpen() && !m_damaged; }
    bool isShared() const { return m_shared; }
    // The file of the embedded history, the URL of a shared one.
    QString path() const { return dbPath; }
    // The file the embedded connection is open on (Qt's default connection
    // taken over keeps the file it was opened on), the URL of a shared one:
    // what another thread opens to reach the same history.
    QString openedPath() const
    {
        return m_shared || database.databaseName().isEmpty() ? dbPath : database.databaseName();
    }
    // The embedded file cannot be read as a history (not a database, pages
    // damaged): found on opening, or by any statement later. It is then
    // left exactly as it is; every change is refused and lastError() names
    // the file.
    bool isDamaged() const { return m_damaged; }
    // What SQLite found damaged ("file is not a database").
    QString damage() const { return m_damage; }
    // Why opening, the last reconnect, store or copy failed; plain English.
    QString lastError() const { return m_error; }
    // Why the last store failed (the engine's words, "database or disk is
    // full"): lastError().
    QString storeError() const override { return m_error; }
    // Where a step of opening that takes long (building the samples' index
    // of an older history) is announced; the debug output when none is set.
    static void setNoticeHandler(const std::function<void(const QString &text)> &handler);
    // The journal told of every store, copy, rename and deletion inside its
    // transaction (none: nullptr, the default). Not owned.
    void setJournal(CHistoryJournal *journal) { m_journal = journal; }
    // The connection, for a layer above that keeps tables of its own in the
    // history (the compliance layer's users, audit trail and signatures).
    QSqlDatabase connection() const { return database; }

    // A shared history: true when the server answers, after opening the
    // connection again if it had been lost. The embedded one: isOpen().
    bool reconnect();

    // The database path below an application directory: appDir + "/db/dravik.db".
    // Creates the "db" directory when it is missing.
    static QString databasePath(const QString &appDir);

    void CreateConnection();

    // The record as a whole: header (with record.reportPath), summary and
    // samples under record.name, in one transaction; sets record.id. False,
    // and the history exactly as it was, when any insert or the commit
    // failed.
    bool storeRecord(CRecord &record) override;
    // storeRecord, marked as waiting for the shared history (url, the
    // reason it was not reached) in the same transaction.
    bool storePending(CRecord &record, const QString &url, const QString &why);
    // A stored record: summary, samples (times read), limits derived from the
    // summary's printed limits (which also give its tempUnit), report path,
    // name and id. False when the record does not exist or its rows cannot be
    // read. Without withSamples record.data stays empty (readSamples hands
    // them out one by one).
    bool readRecord(int id, CRecord &record, bool withSamples = true);
    // The samples of a stored record in their order, each handed to visit as
    // it is read (temperature, humidity and time texts), none of them kept.
    // False when they could not be read, also part-way through.
    using SampleVisitor = std::function<void(QStringView temp, QStringView shidu, QStringView recordTime)>;
    bool readSamples(int id, const SampleVisitor &visit);

    // The whole record copied from another history, unless one of the same
    // name with the same report digest is there already (then record.id is
    // that one's id). The digest is taken from the report file when the
    // record has none.
    enum CopyResult { Copied, AlreadyThere, CopyFailed };
    CopyResult copyRecord(CRecord &record);
    // The id of a record of that name whose report has that digest; 0 when
    // there is none (or the query failed: *ok false).
    int findCopy(const QString &name, const QString &digest, bool *ok = nullptr);
    // The first record whose report has that digest, whatever its name.
    int findReport(const QString &digest, QString *name) override;

    // Tells whoever lists this history that another connection changed it.
    void announceChange() { emit historyChanged(); }

    // The report kept with a record; withContent also fetches its bytes
    // (where the history keeps them). False when there is none.
    bool reportFile(int id, CReportFile &file, bool withContent);
    // A readable local copy of a stored record's report: its own path, the
    // file of the same name in dataDir, or the bytes kept in the history
    // written there (never over an existing file). A copy whose digest is
    // known and differs is taken only when no other is found, so that the
    // caller sees the change (CRecord::checkReport). Empty when there is
    // none at all. *check, when asked for, says what the copy returned is
    // against the digest (Missing: there is none).
    QString localReport(const CRecord &record, const QString &dataDir, CReportCheck *check = nullptr);
    // The same for a record known by its id only; its digest comes back in
    // *digest when asked for.
    QString localReport(
        int id, const QString &dataDir, QString *digest = nullptr, CReportCheck *check = nullptr);

    // The records of this (embedded) history not yet in the configured
    // shared history, whatever its URL was when they were kept, oldest
    // first.
    QVector<CPendingRecord> pendingList();
    QVector<int> pendingRecords();
    bool clearPending(int id);
    // A copy that failed again: the URL tried and why.
    bool setPendingError(int id, const QString &url, const QString &why);

    // Whether a record of that id is stored.
    bool containsRecord(int id);
    // Its name; a null string when there is no such record.
    QString recordName(int id);
    // The records of a filter; the rows of LoadAllRecords for an empty one.
    QVector<CHistoryRow> findRecords(const CHistoryFilter &filter);
    // How many records there are; -1 when the history cannot be read.
    int recordCount();

    // The record's parts one by one; each runs in a transaction of its own,
    // or inside the one of the operation that calls it (InsertRecord,
    // storeRecord, copyRecord), which then commits or rolls back all of it.
    //
    // Header (t_record, with pdfPath the report file kept with the record),
    // summary and samples together; the new record id, 0 on failure.
    int InsertRecord(const CSummeryParam *summary, const QString &dataName, const CTempData *data,
        int hasHumidity, const QString &pdfPath = QString());
    // The record header (t_record, with pdfPath) and its summary, together or
    // not at all. Returns the new record id, 0 on failure.
    int InsertRecordParam(
        const CSummeryParam *summary, const QString &dataName, const QString &pdfPath = QString());
    // One summary row; false when it was not stored.
    bool InsertRecordSummery(const CSummeryParam *summary, int recordId);
    // Every sample in list order: all of them or, returning false, none.
    // hasHumidity is 1 for a temperature/humidity record; otherwise the
    // humidity is stored as "0".
    bool InsertRecordData(const CTempData *data, int recordId, int hasHumidity);
    // readRecord in the old shape: the limits as out-parameters (the humidity
    // pair first), the device model and number apart.
    void ReadAllDataByRecordId(double &humidityHigh, double &humidityLow, double &tempHigh, double &tempLow,
        QString &deviceModel, QString &deviceNo, CSummeryParam *summary, CTempData *data, int recordId);

    // All records, newest first (the history list; the page fills its table
    // through LoadAllRecords(CTempDbManager *, QTableWidget *)).
    QVector<CHistoryRow> LoadAllRecords();

    // The report file stored with a record; empty when the record does not exist.
    QString GetPdfPathById(int id);
    // false when the update or its commit failed (the name is then
    // unchanged). A missing id is no failure.
    bool UpdateRecordName(const QString &name, int id);
    // Deletes the record, its summary and its samples in one transaction;
    // false when a statement or the commit failed, and then nothing is
    // deleted. A missing id is no failure.
    bool DeleteRecordById(int id);

signals:
    // A desk stored, renamed or deleted a record of the shared history (this
    // one too). Needs the event loop. A change made through another
    // manager of the same embedded history (the window's worker) is told
    // with announceChange().
    void historyChanged();

private:
    // Tries of a store or copy that another desk's transaction made fail.
    static constexpr int TransientTries = 3;

    void openShared(const CHistoryLocation &location);
    bool checkSound();
    void markDamaged(const QString &why);
    // A failed statement: logged, kept for the messages, and a damaged
    // file found.
    void note(const QSqlError &error, const char *operation);
    static QString errorText(const QSqlError &error);
    // What made a store or copy fail after tries tries, for lastError().
    QString failure(int tries) const;
    // A text as bound into a statement: '' for a null text, and as the
    // engine can keep it.
    QString bound(const QString &text) const;
    bool storeWhole(CRecord &record, const QString *pendingUrl, const QString *why);
    CopyResult copyOnce(CRecord &record);
    bool insertPending(int id, const QString &url, const QString &why);
    void scrubPendingUrls();
    void listen();
    // The whole record with its report row inside the caller's
    // transaction; its id, 0 on failure.
    int insertWhole(const CRecord &record);
    bool insertReport(const CRecord &record, int recordId);
    // The first record whose report has that digest, of that name when name
    // is given; 0 when there is none or the query failed (*ok false).
    int findByDigest(
        const QString &digest, const QString *name, QString *foundName, bool *ok, const char *operation);
    // Opens a transaction, or joins the caller's (see finishTransaction).
    // pdfPath: the report of the record stored, for the failure's log line.
    bool begin(const char *operation, const QString &pdfPath = QString());
    // The journal's word on a change inside the open transaction; a refusal
    // becomes the reason of the failure.
    bool journaled(int kind, int recordId, const QString &name);
    bool readSummary(int recordId, CSummeryParam &summary);
    // Commits when ok, otherwise (or when the commit fails) rolls back and
    // has the file restored at once; true when the transaction was committed.
    // Inside a caller's transaction only ok comes back, and a part that
    // failed makes the caller's transaction roll back.
    bool finishTransaction(bool ok, const char *operation);

    QString dbPath;
    QSqlDatabase database;
    std::unique_ptr<CSqlDialect> dialect;
    QString m_connection; // empty: Qt's default connection (embedded)
    bool m_shared = false;
    QString m_listener; // the connection that listens for changes
    QString m_error;
    QSqlError m_lastSqlError;
    bool m_damaged = false;
    QString m_damage;
    CHistoryJournal *m_journal = nullptr;
    int m_transactionDepth = 0; // begin()s not yet finished
    bool m_partFailed = false; // a part inside the open transaction failed
};

#endif // CTEMPDBMANAGER_H
