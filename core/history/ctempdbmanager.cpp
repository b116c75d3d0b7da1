#include "core/history/ctempdbmanager.h"

#include "core/history/chistoryjournal.h"
#include "core/history/chistorylocation.h"
#include "core/history/csqldialect.h"
#include "core/record/crecord.h"
#include "core/record/summaryfields.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QVariant>
#include <algorithm>

namespace {

const char kInsertRecordSql[]
    = "insert into t_record(data_name,startTime,wayId,capacity,currentRecord,tempMax,tempMin,shiduMax,"
      "shiduMin,alarmStatus,pdfPath,wayDesc) values(:data_name,:startTime,:wayId,:capacity,:currentRecord,"
      ":tempMax,:tempMin,:shiduMax,:shiduMin,:alarmStatus,:pdfPath,:wayDesc)";

// A record's header by its id (columns by position: 1 the name, 11 the report).
const char kSelectRecordSql[] = "select * from t_record  where id = :id ;";

// The summary fields the history keeps, in the column order of
// t_record_summery (columns 34 to 36 are the link and the two flags).
QVector<const CSummaryField *> storedFields()
{
    QVector<const CSummaryField *> fields;
    for (const CSummaryField &field : CSummaryFields::all()) {
        if (field.column > 0)
            fields.append(&field);
    }
    std::sort(fields.begin(), fields.end(),
        [](const CSummaryField *a, const CSummaryField *b) { return a->column < b->column; });
    return fields;
}

QString insertSummarySql()
{
    QStringList columns;
    for (const CSummaryField *field : storedFields()) {
        if (field->column == 37) // the link and the flags stand before mkt
            columns << "t_reocrd_id"
                    << "containTemp"
                    << "containHumidity";
        columns << QLatin1String(field->name);
    }
    return "insert into t_record_summery(" + columns.join(',') + ") values(:" + columns.join(",:") + ")";
}

// A null QString binds as SQL NULL; the tables keep empty texts as ''.
inline QString stored(const QString &text)
{
    return text.isNull() ? QString("") : text;
}

// The trip's first sample time as the logger printed it, in a form that
// sorts and compares as text: "yyyy-MM-dd hh:mm:ss"; empty without one.
QString tripStart(const CTempData &data)
{
    for (int i = 0; i < data.size(); ++i) {
        const CRecordTime t = data.time(i);
        if (t.isValid())
            return QString::asprintf(
                "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    }
    return QString("");
}

// A LIKE pattern for "holds text", its wildcards escaped.
QString containsPattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// One of the deletes of a record: the statement binds the id to its only placeholder.
bool deleteRows(const QSqlDatabase &database, const char *sql, const char *placeholder, int id)
{
    QSqlQuery query(database);
    query.prepare(sql);
    query.bindValue(placeholder, id);
    if (!query.exec()) {
        qDebug() << query.lastError();
        return false;
    }
    return true;
}

} // namespace

namespace {
CSqlDialect::Notice &noticeHandler()
{
    static CSqlDialect::Notice handler;
    return handler;
}
} // namespace

void CTempDbManager::setNoticeHandler(const std::function<void(const QString &)> &handler)
{
    noticeHandler() = handler;
}

namespace {
void notice(const QString &text)
{
    if (noticeHandler())
        noticeHandler()(text);
    else
        qDebug().noquote() << text;
}
} // namespace

QString CTempDbManager::bound(const QString &text) const
{
    return dialect->text(text.isNull() ? QString("") : text);
}

CTempDbManager::CTempDbManager(const QString &dbPath, QObject *parent)
    : QObject(parent)
    , dbPath(dbPath)
    , dialect(CSqlDialect::sqlite())
{
    CreateConnection();
}

CTempDbManager::CTempDbManager(const CHistoryLocation &location, QObject *parent)
    : QObject(parent)
    , dialect(CSqlDialect::postgres())
    , m_shared(true)
{
    openShared(location);
}

// The embedded connection stays registered and open: it belongs to the
// process. A shared one, or the embedded one of a worker thread, is this
// manager's own.
CTempDbManager::~CTempDbManager()
{
    if (m_connection.isEmpty())
        return;
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
    if (!m_listener.isEmpty())
        QSqlDatabase::removeDatabase(m_listener);
}

namespace {
// A name for a connection of a manager's own.
QString connectionName(const char *kind)
{
    static QAtomicInt serial;
    return QStringLiteral("vesmira_%1_history_%2")
        .arg(QLatin1String(kind))
        .arg(serial.fetchAndAddRelaxed(1) + 1);
}

// Qt's default connection, and the change listener, belong to the main
// thread.
bool onMainThread()
{
    return !QCoreApplication::instance()
        || QThread::currentThread() == QCoreApplication::instance()->thread();
}
} // namespace

void CTempDbManager::openShared(const CHistoryLocation &location)
{
    m_connection = connectionName("shared");
    dbPath = location.url();
    if (!location.isShared()) {
        m_error = QStringLiteral("%1: %2").arg(location.url(), location.error());
        return;
    }
    if (!QSqlDatabase::isDriverAvailable(dialect->driver())) {
        m_error = QStringLiteral("Qt's PostgreSQL driver QPSQL is not installed (Debian: libqt5sql5-psql)");
        return;
    }
    database = QSqlDatabase::addDatabase(dialect->driver(), m_connection);
    database.setHostName(location.host());
    if (location.port() > 0)
        database.setPort(location.port());
    database.setUserName(location.user());
    database.setDatabaseName(location.databaseName());
    database.setConnectOptions(location.connectOptions());
    if (!reconnect())
        qDebug().noquote() << "Error: Failed to connect database." << m_error;
}

bool CTempDbManager::reconnect()
{
    if (!m_shared)
        return database.isOpen();
    if (!database.isValid())
        return false;
    if (database.isOpen()) {
        QSqlQuery ping(database);
        if (ping.exec("select 1"))
            return true;
        // The server went away (or restarted): a new session.
        database.close();
    }
    if (!database.open()) {
        // libpq's own words: "password authentication failed", "database
        // \"x\" does not exist", "connection refused".
        const QSqlError error = database.lastError();
        const QString why = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        m_error = QStringLiteral("cannot open the shared history %1: %2").arg(dbPath, why.simplified());
        return false;
    }
    m_error.clear();
    dialect->connected(database);
    dialect->createTables(database, notice);
    listen();
    return true;
}

void CTempDbManager::listen()
{
    // A worker's connection has nobody to tell.
    if (dialect->channel().isEmpty() || !onMainThread())
        return;
    // A connection of its own that runs no statement: notifications that
    // arrive while a statement runs would wait in the driver until the
    // next one.
    if (m_listener.isEmpty())
        m_listener = m_connection + QStringLiteral("_listen");
    QSqlDatabase listener = QSqlDatabase::contains(m_listener)
        ? QSqlDatabase::database(m_listener, false)
        : QSqlDatabase::cloneDatabase(database, m_listener);
    if (listener.isOpen()) {
        QSqlQuery ping(listener);
        if (ping.exec("select 1"))
            return;
        listener.close();
    }
    if (!listener.open()) {
        qDebug() << "listen:" << listener.lastError();
        return;
    }
    QSqlDriver *driver = listener.driver();
    connect(
        driver,
        QOverload<const QString &, QSqlDriver::NotificationSource, const QVariant &>::of(
            &QSqlDriver::notification),
        this,
        [this](const QString &, QSqlDriver::NotificationSource, const QVariant &) { emit historyChanged(); },
        Qt::UniqueConnection);
    if (!driver->subscribeToNotification(dialect->channel()))
        qDebug() << "listen:" << driver->lastError();
}

QString CTempDbManager::databasePath(const QString &appDir)
{
    const QString dir = appDir + "/db";
    QDir().mkpath(dir);
    return dir + "/dravik.db";
}

void CTempDbManager::CreateConnection()
{
    if (!onMainThread()) {
        m_connection = connectionName("embedded");
        database = QSqlDatabase::addDatabase(dialect->driver(), m_connection);
        database.setDatabaseName(dbPath);
    } else if (QSqlDatabase::contains(QSqlDatabase::defaultConnection)) {
        database = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    } else {
        database = QSqlDatabase::addDatabase(dialect->driver());
        database.setDatabaseName(dbPath);
        database.setUserName("t_record");
        database.setPassword("472913");
    }
    // Reopening an open SQLite connection would close it first and break the
    // queries of whoever opened it.
    if (!database.isOpen() && !database.open()) {
        qDebug() << "Error: Failed to connect database." << database.lastError();
        return;
    }
    dialect->connected(database);
    // A damaged file is left exactly as it is: no table or index is made
    // in it, and nothing reads as an empty history.
    if (!checkSound())
        return;
    dialect->createTables(database, notice);
    scrubPendingUrls();
}

bool CTempDbManager::checkSound()
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    // A file that is no database at all fails here already.
    if (!query.exec("select name from sqlite_master where type = 'table'")) {
        note(query.lastError(), "open");
        return !m_damaged;
    }
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    if (query.lastError().isValid()) {
        note(query.lastError(), "open");
        return !m_damaged;
    }
    // The records' tables page by page; the samples' one is checked as it
    // is read (a full check of years of samples takes seconds).
    for (const QString &table : tables) {
        if (table == QLatin1String("t_record_data") || table.startsWith(QLatin1String("sqlite_")))
            continue;
        if (!query.exec(QStringLiteral("pragma quick_check(\"%1\")").arg(table))) {
            note(query.lastError(), "open");
            if (m_damaged)
                return false;
            continue;
        }
        QStringList problems;
        while (query.next()) {
            if (query.value(0).toString() != QLatin1String("ok"))
                problems << query.value(0).toString();
        }
        if (!problems.isEmpty()) {
            markDamaged(problems.first());
            return false;
        }
    }
    return true;
}

void CTempDbManager::markDamaged(const QString &why)
{
    if (!m_damaged)
        qDebug().noquote() << "history damaged:" << dbPath << why;
    m_damaged = true;
    m_damage = why;
    m_error = QStringLiteral("the history %1 is damaged (%2)").arg(QDir::toNativeSeparators(dbPath), why);
}

void CTempDbManager::note(const QSqlError &error, const char *operation)
{
    qDebug() << operation << error;
    m_lastSqlError = error;
    if (dialect->isDamage(error))
        markDamaged(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

QString CTempDbManager::failure(int tries) const
{
    if (m_damaged)
        return m_error;
    return errorText(m_lastSqlError)
        + (tries > 1 ? QStringLiteral("; tried %1 times").arg(tries) : QString());
}

QString CTempDbManager::errorText(const QSqlError &error)
{
    QString text = (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
    if (!error.nativeErrorCode().isEmpty() && !text.contains(error.nativeErrorCode()))
        text += QStringLiteral(" (%1)").arg(error.nativeErrorCode());
    return text;
}

bool CTempDbManager::storeRecord(CRecord &record)
{
    return storeWhole(record, nullptr, nullptr);
}

bool CTempDbManager::storePending(CRecord &record, const QString &url, const QString &why)
{
    return storeWhole(record, &url, &why);
}

bool CTempDbManager::storeWhole(CRecord &record, const QString *pendingUrl, const QString *why)
{
    // A record is either in the history with every sample and its report
    // (and, kept for a shared history, its pending mark) or not at all: a
    // process killed, a disk full or a server lost in the middle leaves no
    // half record. Another desk's transaction chosen over this one (a
    // deadlock) is no reason to give up at once.
    record.id = 0;
    for (int attempt = 1;; ++attempt) {
        if (!begin("InsertRecord", record.reportPath)) {
            if (!m_damaged)
                m_error = errorText(m_lastSqlError);
            return false;
        }
        int id = insertWhole(record);
        if (id != 0 && pendingUrl && !insertPending(id, *pendingUrl, *why))
            id = 0;
        if (id != 0 && !journaled(CHistoryChange::Stored, id, record.name))
            id = 0;
        if (finishTransaction(id != 0, "InsertRecord")) {
            record.id = id;
            return true;
        }
        if (attempt == TransientTries || !dialect->isTransient(m_lastSqlError)) {
            m_error = failure(attempt);
            return false;
        }
        QThread::msleep(50 * attempt);
    }
}

int CTempDbManager::insertWhole(const CRecord &record)
{
    const int id = InsertRecord(
        &record.summary, record.name, &record.data, record.hasHumidity() ? 1 : 0, record.reportPath);
    bool stored = id != 0 && insertReport(record, id);
    if (stored && !dialect->announce(database, QStringLiteral("store %1").arg(id))) {
        note(dialect->lastError, "announce");
        stored = false;
    }
    return stored ? id : 0;
}

bool CTempDbManager::insertReport(const CRecord &record, int recordId)
{
    const QString &path = record.reportPath;
    const QFileInfo info(path);
    QString digest = record.reportDigest.toLower();
    QByteArray bytes;
    bool hasBytes = false;
    qint64 size = 0;
    if (!path.isEmpty() && info.isFile()) {
        size = info.size();
        if (dialect->keepsReportBytes()) {
            QFile file(path);
            hasBytes = file.open(QIODevice::ReadOnly);
            if (hasBytes) {
                bytes = file.readAll();
                size = bytes.size();
            }
        }
        if (digest.isEmpty())
            digest = hasBytes ? CRecord::digest(bytes) : CRecord::fileDigest(path);
    }
    QSqlQuery query(database);
    query.prepare("insert into t_record_report(t_reocrd_id,fileName,fileSize,sha256,content,tripStart) "
                  "values(:t_reocrd_id,:fileName,:fileSize,:sha256,:content,:tripStart)");
    query.bindValue(":t_reocrd_id", recordId);
    query.bindValue(":fileName", path.isEmpty() ? QString("") : bound(info.fileName()));
    query.bindValue(":fileSize", size);
    query.bindValue(":sha256", bound(digest));
    query.bindValue(":content", hasBytes ? QVariant(bytes) : QVariant(QVariant::ByteArray));
    query.bindValue(":tripStart", tripStart(record.data));
    if (!query.exec()) {
        note(query.lastError(), "insert t_record_report error ");
        return false;
    }
    return true;
}

bool CTempDbManager::containsRecord(int id)
{
    return !recordName(id).isNull();
}

QString CTempDbManager::recordName(int id)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select data_name from t_record where id = :id");
    query.bindValue(":id", id);
    if (!query.exec()) {
        note(query.lastError(), "recordName");
        return QString();
    }
    if (!query.next())
        return QString();
    return stored(query.value(0).toString());
}

QVector<CHistoryRow> CTempDbManager::findRecords(const CHistoryFilter &filter)
{
    // Each condition on the summary (device number) or the report row (trip
    // start) is a subquery that runs once, not per record. A record stored
    // before the report table existed has no trip start.
    QStringList where;
    if (!filter.text.isEmpty()) {
        // Both sides folded alike (foldCase): SQLite's LIKE ignores the
        // case of ASCII letters only, PostgreSQL's none. The three columns
        // of a record are folded as one text, apart by U+0001 (which no
        // search holds), so that each row costs one folding.
        const QString folded = CSqlDialect::foldCase(filter.text).remove(QChar(1));
        const auto like = [&](const QString &expression, const char *placeholder) {
            return dialect->foldSql(expression, folded) + QStringLiteral(" like ")
                + QLatin1String(placeholder) + QStringLiteral(" escape '\\'");
        };
        where << "("
                + like("coalesce(r.data_name, '') || :s1 || coalesce(r.wayId, '') || :s2 || "
                       "coalesce(r.wayDesc, '')",
                    ":t1")
                + " or r.id in (select s.t_reocrd_id from t_record_summery s where "
                + like("s.deviceNo", ":t2") + "))";
    }
    if (filter.from.isValid() || filter.to.isValid()) {
        QStringList range { "p.tripStart <> ''" };
        if (filter.from.isValid())
            range << "p.tripStart >= :from";
        if (filter.to.isValid())
            range << "p.tripStart <= :to";
        where << "r.id in (select p.t_reocrd_id from t_record_report p where " + range.join(" and ") + ")";
    }
    if (filter.alarmsOnly)
        where << "r.alarmStatus = 1";
    QString order;
    switch (filter.sortColumn) {
    case CHistoryFilter::Id:
        order = "r.id";
        break;
    case CHistoryFilter::Name:
        order = "r.data_name";
        break;
    case CHistoryFilter::Description:
        order = "r.wayDesc";
        break;
    case CHistoryFilter::Start:
        order = "coalesce(p.tripStart, '')";
        break;
    case CHistoryFilter::Alarms:
        order = "coalesce(r.alarmStatus, 0)";
        break;
    case CHistoryFilter::Serial:
        order = "coalesce(s.deviceNo, '')";
        break;
    }
    const QString direction = filter.sortOrder == Qt::AscendingOrder ? " asc" : " desc";
    // One report and one summary row per record (a record stored before the
    // report table existed has none); without an index on the link columns
    // SQLite builds an automatic one for the joins, once per query.
    QString sql
        = "select r.id, r.data_name, r.wayDesc, coalesce(p.tripStart, ''), coalesce(r.alarmStatus, 0), "
          "coalesce(s.deviceNo, '') from t_record r left join t_record_report p on p.t_reocrd_id = r.id "
          "left join t_record_summery s on s.t_reocrd_id = r.id";
    if (!where.isEmpty())
        sql += " where " + where.join(" and ");
    sql += " order by " + order + direction + ", r.id" + direction;
    if (filter.limit > 0)
        sql += " limit " + QString::number(filter.limit);

    QVector<CHistoryRow> rows;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    // Every record (no value to bind) runs as it is: a prepared statement
    // costs PostgreSQL's driver half as much again on 100,000 rows.
    const bool plain = filter.text.isEmpty() && !filter.from.isValid() && !filter.to.isValid();
    if (!plain)
        query.prepare(sql);
    if (!filter.text.isEmpty()) {
        const QString pattern = bound(containsPattern(CSqlDialect::foldCase(filter.text).remove(QChar(1))));
        query.bindValue(":t1", pattern);
        query.bindValue(":t2", pattern);
        query.bindValue(":s1", QString(QChar(1)));
        query.bindValue(":s2", QString(QChar(1)));
    }
    const QString form = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    if (filter.from.isValid())
        query.bindValue(":from", QLocale::c().toString(filter.from, form));
    if (filter.to.isValid())
        query.bindValue(":to", QLocale::c().toString(filter.to, form));
    if (!(plain ? query.exec(sql) : query.exec())) {
        note(query.lastError(), "findRecords");
        return rows;
    }
    while (query.next())
        rows.append(
            CHistoryRow { query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toInt() == 1, query.value(5).toString() });
    if (query.lastError().isValid())
        note(query.lastError(), "findRecords");
    return rows;
}

int CTempDbManager::recordCount()
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec("select count(*) from t_record") || !query.next()) {
        qDebug() << "recordCount:" << query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

int CTempDbManager::InsertRecord(const CSummeryParam *summary, const QString &dataName, const CTempData *data,
    int hasHumidity, const QString &pdfPath)
{
    if (!summary || !data)
        return 0;
    // A record is either in the history with every sample or not at all: a
    // process killed or a disk full in the middle leaves no half record.
    if (!begin("InsertRecord", pdfPath))
        return 0;
    const int id = InsertRecordParam(summary, dataName, pdfPath);
    const bool stored = id != 0 && InsertRecordData(data, id, hasHumidity);
    return finishTransaction(stored, "InsertRecord") ? id : 0;
}

int CTempDbManager::InsertRecordParam(
    const CSummeryParam *summary, const QString &dataName, const QString &pdfPath)
{
    if (!summary || !begin("InsertRecordParam", pdfPath))
        return 0;
    int id = 0;
    {
        const int count = summary->recordCount.toInt(nullptr, 10);
        QSqlQuery query(database);
        query.prepare(dialect->insertRecord(kInsertRecordSql));
        query.bindValue(":data_name", bound(dataName));
        query.bindValue(":startTime", bound(summary->recordStartAt));
        query.bindValue(":wayId", bound(summary->wayId));
        query.bindValue(":capacity", count);
        query.bindValue(":currentRecord", count);
        query.bindValue(":tempMax", bound(summary->tempMax));
        query.bindValue(":tempMin", bound(summary->tempMin));
        query.bindValue(":shiduMax", QString("0"));
        query.bindValue(":shiduMin", QString("0"));
        query.bindValue(":alarmStatus", summary->alarmCount.toInt() != 0 ? 1 : 0);
        query.bindValue(":pdfPath", bound(pdfPath));
        query.bindValue(":wayDesc", bound(summary->wayDesc));
        if (query.exec()) {
            qDebug() << "inserted OK!";
            id = dialect->insertedId(query);
        } else {
            qDebug().noquote() << "InsertrRecordParam  insert error " << query.lastError() << "  pdfPath is "
                               << pdfPath;
            note(query.lastError(), "InsertRecordParam");
        }
    }
    const bool stored = id != 0 && InsertRecordSummery(summary, id);
    return finishTransaction(stored, "InsertRecordParam") ? id : 0;
}

bool CTempDbManager::InsertRecordSummery(const CSummeryParam *summary, int recordId)
{
    // A single statement is a transaction of its own.
    if (!summary)
        return false;
    QSqlQuery query(database);
    query.prepare(insertSummarySql());
    for (const CSummaryField *field : storedFields())
        query.bindValue(QLatin1Char(':') + QLatin1String(field->name), bound(field->of(*summary)));
    query.bindValue(":t_reocrd_id", recordId);
    query.bindValue(":containTemp", summary->containTemp);
    query.bindValue(":containHumidity", summary->containHumidity);
    if (!query.exec()) {
        note(query.lastError(), "insert tRecordSummery error ");
        return false;
    }
    qDebug() << "inserted tRecordSummery OK!";
    return true;
}

bool CTempDbManager::InsertRecordData(const CTempData *data, int recordId, int hasHumidity)
{
    if (!data || !begin("InsertRecordData"))
        return false;
    const bool stored = dialect->insertSamples(database, *data, recordId, hasHumidity == 1);
    if (!stored)
        note(dialect->lastError, "InsertRecordData");
    return finishTransaction(stored, "InsertRecordData");
}

bool CTempDbManager::begin(const char *operation, const QString &pdfPath)
{
    // Inside the transaction of a whole record: its parts join it.
    if (m_transactionDepth > 0) {
        ++m_transactionDepth;
        return true;
    }
    // Nothing is written into a damaged file.
    if (m_damaged) {
        qDebug().noquote() << operation << m_error;
        return false;
    }
    if (database.transaction()) {
        m_transactionDepth = 1;
        m_partFailed = false;
        return true;
    }
    m_lastSqlError = database.lastError();
    // No transaction, no header: logged as the header insert failing.
    qDebug().noquote() << operation << "begin failed";
    qDebug().noquote() << "InsertrRecordParam  insert error " << database.lastError() << "  pdfPath is "
                       << pdfPath;
    return false;
}

bool CTempDbManager::journaled(int kind, int recordId, const QString &name)
{
    if (!m_journal || m_journal->journal(database, { CHistoryChange::Kind(kind), recordId, name }))
        return true;
    m_lastSqlError = QSqlError(QString(), m_journal->refusal(), QSqlError::UnknownError);
    m_error = m_journal->refusal();
    qDebug().noquote() << "change refused:" << m_error;
    return false;
}

bool CTempDbManager::finishTransaction(bool ok, const char *operation)
{
    if (m_transactionDepth > 1) {
        --m_transactionDepth;
        m_partFailed = m_partFailed || !ok;
        return ok;
    }
    ok = ok && !m_partFailed;
    m_transactionDepth = 0;
    m_partFailed = false;
    if (ok && database.commit())
        return true;
    if (ok)
        note(database.lastError(), operation);
    // After some errors (a full disk, an I/O error) SQLite has rolled back
    // on its own; the rollback then only finds no transaction to end.
    if (!database.rollback())
        qDebug() << operation << "rollback:" << database.lastError();
    dialect->afterRollback(database);
    return false;
}

bool CTempDbManager::readSummary(int recordId, CSummeryParam &summary)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select * from t_record_summery where t_reocrd_id = :t_record_id ");
    query.bindValue(":t_record_id", recordId);
    if (!query.exec()) {
        note(query.lastError(), " ====  ReadAllDataByRecordId");
        return false;
    }
    // Columns by position: the fields, 34 the link (not copied), 35 and 36
    // the flags.
    bool found = false;
    while (query.next()) {
        for (const CSummaryField *field : storedFields())
            summary.*field->member = query.value(field->column).toString();
        summary.containTemp = query.value(35).toInt();
        summary.containHumidity = query.value(36).toInt();
        found = true;
    }
    if (query.lastError().isValid()) {
        note(query.lastError(), " ====  ReadAllDataByRecordId");
        return false;
    }
    return found;
}

bool CTempDbManager::readRecord(int id, CRecord &record, bool withSamples)
{
    record = CRecord();
    QSqlQuery header(database);
    header.setForwardOnly(true);
    header.prepare(kSelectRecordSql);
    header.bindValue(":id", id);
    if (!header.exec() || !header.next()) {
        if (header.lastError().isValid())
            note(header.lastError(), "readRecord");
        return false;
    }
    record.id = id;
    record.name = header.value(1).toString();
    record.reportPath = header.value(11).toString();
    header.finish();
    CReportFile report;
    if (reportFile(id, report, false))
        record.reportDigest = report.sha256;
    const bool summary = readSummary(id, record.summary);
    record.limits = CAlarmLimits::fromSummary(record.summary);
    if (withSamples && !dialect->readSamples(database, id, record.data)) {
        note(dialect->lastError, "readRecord");
        return false;
    }
    return summary;
}

bool CTempDbManager::readSamples(int id, const SampleVisitor &visit)
{
    if (!dialect->eachSample(database, id, visit)) {
        note(dialect->lastError, "readSamples");
        return false;
    }
    return true;
}

void CTempDbManager::ReadAllDataByRecordId(double &humidityHigh, double &humidityLow, double &tempHigh,
    double &tempLow, QString &deviceModel, QString &deviceNo, CSummeryParam *summary, CTempData *data,
    int recordId)
{
    if (!summary || !data)
        return;
    if (readSummary(recordId, *summary)) {
        deviceModel = summary->deviceModel;
        deviceNo = summary->deviceNo;
    }
    const CAlarmLimits limits
        = CAlarmLimits::fromSummary(*summary, CAlarmLimits { tempHigh, tempLow, humidityHigh, humidityLow });
    tempHigh = limits.tempHigh;
    tempLow = limits.tempLow;
    humidityHigh = limits.humidityHigh;
    humidityLow = limits.humidityLow;
    if (!dialect->readSamples(database, recordId, *data))
        note(dialect->lastError, "ReadAllDataByRecordId");
}

QVector<CHistoryRow> CTempDbManager::LoadAllRecords()
{
    QVector<CHistoryRow> rows;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec("select * from t_record  order by id desc ;")) {
        note(query.lastError(), "LoadAllRecords");
        return rows;
    }
    while (query.next()) {
        CHistoryRow row;
        row.id = query.value(0).toInt();
        row.dataName = query.value(1).toString();
        row.wayDesc = query.value(12).toString();
        rows.append(row);
    }
    if (query.lastError().isValid())
        note(query.lastError(), "LoadAllRecords");
    return rows;
}

QString CTempDbManager::GetPdfPathById(int id)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(kSelectRecordSql);
    query.bindValue(":id", id);
    if (!query.exec()) {
        note(query.lastError(), "GetPdfPathById");
        return QString("");
    }
    if (query.next())
        return query.value(11).toString();
    return QString("");
}

bool CTempDbManager::UpdateRecordName(const QString &name, int id)
{
    // One statement, but in a transaction of ours so that a failure also
    // restores the file at once (finishTransaction).
    if (m_damaged || !database.transaction()) {
        qDebug() << database.lastError();
        return false;
    }
    QSqlQuery query(database);
    query.prepare("update t_record set data_name = :name where id=:id");
    query.bindValue(":name", bound(name));
    query.bindValue(":id", id);
    bool renamed = journaled(CHistoryChange::Renamed, id, name);
    if (renamed && !query.exec()) {
        note(query.lastError(), "UpdateRecordName");
        renamed = false;
    }
    query.finish();
    renamed = renamed && dialect->announce(database, QStringLiteral("rename %1").arg(id));
    return finishTransaction(renamed, "UpdateRecordName");
}

bool CTempDbManager::DeleteRecordById(int id)
{
    // Record, summary and samples go together: a failure half-way leaves
    // all three tables as they were.
    if (m_damaged || !database.transaction()) {
        qDebug() << database.lastError();
        return false;
    }
    const bool deleted = journaled(CHistoryChange::Deleted, id, QString())
        && deleteRows(database, "delete from t_record where id= :id ", ":id", id)
        && deleteRows(
            database, "delete from t_record_summery where t_reocrd_id= :t_record_id", ":t_record_id", id)
        && deleteRows(
            database, "delete from t_record_data where t_reocrd_id = :t_record_id ", ":t_record_id", id)
        && deleteRows(
            database, "delete from t_record_report where t_reocrd_id = :t_record_id", ":t_record_id", id)
        && dialect->announce(database, QStringLiteral("delete %1").arg(id));
    return finishTransaction(deleted, "DeleteRecordById");
}
