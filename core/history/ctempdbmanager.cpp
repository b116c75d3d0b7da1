#include "core/history/ctempdbmanager.h"

#include "core/history/chistorylocation.h"
#include "core/history/csqldialect.h"
#include "core/record/crecord.h"
#include "core/record/summaryfields.h"

#include <QAtomicInt>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>

namespace {

const char kInsertRecordSql[]
    = "insert into t_record(data_name,startTime,wayId,capacity,currentRecord,tempMax,tempMin,shiduMax,"
      "shiduMin,alarmStatus,pdfPath,wayDesc) values(:data_name,:startTime,:wayId,:capacity,:currentRecord,"
      ":tempMax,:tempMin,:shiduMax,:shiduMin,:alarmStatus,:pdfPath,:wayDesc)";

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
    for (const TempDataItem *sample : data.dataList) {
        const CRecordTime &t = sample->time;
        if (t.isValid())
            return QString::asprintf(
                "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    }
    return QString("");
}

// A LIKE pattern for "holds text", lower case, its wildcards escaped.
QString containsPattern(const QString &text)
{
    QString escaped = text.toLower();
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

CTempDbManager::CTempDbManager(const QString &dbPath, QObject *parent)
    : QObject(parent)
    , dbPath(dbPath)
    , dialect(CSqlDialect::sqlite())
{
    CreateConnection();
    pdfPath = QString("");
}

CTempDbManager::CTempDbManager(const CHistoryLocation &location, QObject *parent)
    : QObject(parent)
    , dialect(CSqlDialect::postgres())
{
    openShared(location);
    pdfPath = QString("");
}

// The embedded connection stays registered and open: it belongs to the
// process. A shared one is this manager's own.
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

void CTempDbManager::openShared(const CHistoryLocation &location)
{
    static QAtomicInt serial;
    m_connection = QStringLiteral("vesmira_shared_history_%1").arg(serial.fetchAndAddRelaxed(1) + 1);
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
    if (m_connection.isEmpty())
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
    dialect->createTables(database);
    listen();
    return true;
}

void CTempDbManager::listen()
{
    if (dialect->channel().isEmpty())
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
    if (QSqlDatabase::contains(QSqlDatabase::defaultConnection)) {
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

    dialect->createTables(database);
}

bool CTempDbManager::storeRecord(CRecord &record)
{
    pdfPath = record.reportPath;
    // A record is either in the history with every sample and its report
    // or not at all: a process killed, a disk full or a server lost in the
    // middle leaves no half record.
    record.id = 0;
    if (!begin("InsertRecord"))
        return false;
    const int id = insertWhole(record);
    record.id = finishTransaction(id != 0, "InsertRecord") ? id : 0;
    return record.id != 0;
}

int CTempDbManager::insertWhole(const CRecord &record)
{
    const int id = insertHeader(record.summary, record.name);
    const bool stored = id != 0 && insertSummary(record.summary, id)
        && dialect->insertSamples(database, record.data, id, record.hasHumidity()) && insertReport(record, id)
        && dialect->announce(database, QStringLiteral("store %1").arg(id));
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
    query.bindValue(":fileName", path.isEmpty() ? QString("") : info.fileName());
    query.bindValue(":fileSize", size);
    query.bindValue(":sha256", stored(digest));
    query.bindValue(":content", hasBytes ? QVariant(bytes) : QVariant(QVariant::ByteArray));
    query.bindValue(":tripStart", tripStart(record.data));
    if (!query.exec()) {
        qDebug() << "insert t_record_report error " << query.lastError();
        return false;
    }
    return true;
}

CTempDbManager::CopyResult CTempDbManager::copyRecord(CRecord &record)
{
    if (record.reportDigest.isEmpty())
        record.reportDigest = CRecord::fileDigest(record.reportPath);
    if (!begin("copyRecord"))
        return CopyFailed;
    // Two desks copying the same record wait for each other here, so that
    // the second finds the first one's copy.
    QSqlQuery query(database);
    bool ok = dialect->lock(database, record.name);
    if (ok) {
        query.setForwardOnly(true);
        query.prepare("select r.id from t_record r join t_record_report p on p.t_reocrd_id = r.id "
                      "where r.data_name = :name and p.sha256 = :sha256 order by r.id");
        query.bindValue(":name", stored(record.name));
        query.bindValue(":sha256", stored(record.reportDigest.toLower()));
        ok = query.exec();
        if (!ok)
            qDebug() << "copyRecord:" << query.lastError();
    }
    if (ok && query.next()) {
        const int existing = query.value(0).toInt();
        query.finish();
        if (!finishTransaction(true, "copyRecord"))
            return CopyFailed;
        record.id = existing;
        return AlreadyThere;
    }
    query.finish();
    pdfPath = record.reportPath;
    const int id = ok ? insertWhole(record) : 0;
    if (!finishTransaction(id != 0, "copyRecord"))
        return CopyFailed;
    record.id = id;
    return Copied;
}

int CTempDbManager::findCopy(const QString &name, const QString &digest)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select r.id from t_record r join t_record_report p on p.t_reocrd_id = r.id "
                  "where r.data_name = :name and p.sha256 = :sha256 order by r.id");
    query.bindValue(":name", stored(name));
    query.bindValue(":sha256", stored(digest.toLower()));
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

int CTempDbManager::findReport(const QString &digest, QString *name)
{
    if (digest.isEmpty())
        return 0;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select r.id, r.data_name from t_record r join t_record_report p on p.t_reocrd_id = r.id "
                  "where p.sha256 = :sha256 order by r.id limit 1");
    query.bindValue(":sha256", digest.toLower());
    if (!query.exec()) {
        qDebug() << "findReport:" << query.lastError();
        return 0;
    }
    if (!query.next())
        return 0;
    if (name)
        *name = query.value(1).toString();
    return query.value(0).toInt();
}

bool CTempDbManager::reportFile(int id, CReportFile &file, bool withContent)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("select fileName, fileSize, sha256%1 from t_record_report where t_reocrd_id = "
                       ":id order by id")
            .arg(withContent ? QStringLiteral(", content") : QString()));
    query.bindValue(":id", id);
    if (!query.exec()) {
        qDebug() << query.lastError();
        return false;
    }
    if (!query.next())
        return false;
    file = CReportFile();
    file.fileName = query.value(0).toString();
    file.size = query.value(1).toLongLong();
    file.sha256 = query.value(2).toString();
    if (withContent && !query.isNull(3)) {
        file.content = query.value(3).toByteArray();
        file.hasContent = true;
    }
    return true;
}

QString CTempDbManager::localReport(const CRecord &record, const QString &dataDir)
{
    CReportFile file;
    const bool known = reportFile(record.id, file, false);
    const QString digest = record.reportDigest.isEmpty() ? file.sha256 : record.reportDigest;
    // Only a plain name: the name comes from the database, which other
    // desks write ("../../x" must not leave dataDir).
    const QString name = QFileInfo(file.fileName).fileName();
    const bool plainName
        = known && !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
    const QString inDataDir = plainName ? dataDir + QLatin1Char('/') + name : QString();
    QStringList candidates;
    for (const QString &path : { record.reportPath, inDataDir }) {
        if (!path.isEmpty() && QFileInfo(path).isFile() && !candidates.contains(path))
            candidates << path;
    }
    for (const QString &path : candidates) {
        if (digest.isEmpty() || CRecord::checkReport(path, digest) == CReportCheck::Unchanged)
            return path;
    }
    // No unchanged copy here: the bytes kept with the record, if they are
    // the report read.
    if (plainName && !QFileInfo::exists(inDataDir) && reportFile(record.id, file, true) && file.hasContent
        && (digest.isEmpty() || CRecord::digest(file.content).compare(digest, Qt::CaseInsensitive) == 0)) {
        QDir().mkpath(dataDir);
        QSaveFile out(inDataDir);
        if (out.open(QIODevice::WriteOnly) && out.write(file.content) == file.content.size() && out.commit())
            return inDataDir;
        qDebug() << "cannot write" << inDataDir << out.errorString();
    }
    return candidates.value(0, record.reportPath);
}

QString CTempDbManager::localReport(int id, const QString &dataDir, QString *digest)
{
    CRecord record;
    record.id = id;
    record.reportPath = GetPdfPathById(id);
    CReportFile file;
    if (reportFile(id, file, false))
        record.reportDigest = file.sha256;
    if (digest)
        *digest = record.reportDigest;
    if (record.reportPath.isEmpty() && file.fileName.isEmpty())
        return QString();
    return localReport(record, dataDir);
}

bool CTempDbManager::markPending(int id, const QString &url)
{
    QSqlQuery query(database);
    query.prepare("insert into t_record_pending(t_reocrd_id,url) values(:id,:url)");
    query.bindValue(":id", id);
    query.bindValue(":url", stored(url));
    if (!query.exec()) {
        qDebug() << "markPending:" << query.lastError();
        return false;
    }
    return true;
}

QVector<int> CTempDbManager::pendingRecords(const QString &url)
{
    QVector<int> ids;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select distinct t_reocrd_id from t_record_pending where url = :url order by t_reocrd_id");
    query.bindValue(":url", stored(url));
    if (!query.exec()) {
        qDebug() << "pendingRecords:" << query.lastError();
        return ids;
    }
    while (query.next())
        ids.append(query.value(0).toInt());
    return ids;
}

bool CTempDbManager::clearPending(int id, const QString &url)
{
    QSqlQuery query(database);
    query.prepare("delete from t_record_pending where t_reocrd_id = :id and url = :url");
    query.bindValue(":id", id);
    query.bindValue(":url", stored(url));
    if (!query.exec()) {
        qDebug() << "clearPending:" << query.lastError();
        return false;
    }
    return true;
}

bool CTempDbManager::containsRecord(int id)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select id from t_record where id = :id");
    query.bindValue(":id", id);
    return query.exec() && query.next();
}

QString CTempDbManager::recordName(int id)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select data_name from t_record where id = :id");
    query.bindValue(":id", id);
    if (!query.exec() || !query.next())
        return QString();
    return stored(query.value(0).toString());
}

QVector<CHistoryRow> CTempDbManager::findRecords(const CHistoryFilter &filter)
{
    // Each condition on the summary (device number) or the report row (trip
    // start) is a subquery that runs once, not per record: the embedded
    // history has no index on the link columns. A record stored before the
    // report table existed has no trip start.
    QStringList where;
    if (!filter.text.isEmpty()) {
        // lower() on both sides: SQLite's LIKE ignores the case of ASCII
        // letters only, PostgreSQL's none.
        where << "(lower(r.data_name) like :t1 escape '\\' or lower(r.wayId) like :t2 escape '\\'"
                 " or lower(r.wayDesc) like :t3 escape '\\' or r.id in (select s.t_reocrd_id from "
                 "t_record_summery s where lower(s.deviceNo) like :t4 escape '\\'))";
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
        const QString pattern = containsPattern(filter.text);
        for (const char *name : { ":t1", ":t2", ":t3", ":t4" })
            query.bindValue(name, pattern);
    }
    const QString form = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    if (filter.from.isValid())
        query.bindValue(":from", QLocale::c().toString(filter.from, form));
    if (filter.to.isValid())
        query.bindValue(":to", QLocale::c().toString(filter.to, form));
    if (!(plain ? query.exec(sql) : query.exec())) {
        qDebug() << "findRecords:" << query.lastError();
        return rows;
    }
    while (query.next())
        rows.append(
            CHistoryRow { query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toInt() == 1, query.value(5).toString() });
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

int CTempDbManager::InsertRecord(
    const CSummeryParam *summaryParam, const QString &dataName, const CTempData *data, int hasHumidity)
{
    if (!summaryParam || !data)
        return 0;
    // A record is either in the history with every sample or not at all: a
    // process killed or a disk full in the middle leaves no half record.
    if (!begin("InsertRecord"))
        return 0;
    const int id = insertHeader(*summaryParam, dataName);
    const bool stored = id != 0 && insertSummary(*summaryParam, id)
        && dialect->insertSamples(database, *data, id, hasHumidity == 1);
    return finishTransaction(stored, "InsertRecord") ? id : 0;
}

int CTempDbManager::InsertRecordParam(const CSummeryParam *summaryParam, const QString &dataName)
{
    if (!summaryParam || !begin("InsertRecordParam"))
        return 0;
    const int id = insertHeader(*summaryParam, dataName);
    const bool stored = id != 0 && insertSummary(*summaryParam, id);
    return finishTransaction(stored, "InsertRecordParam") ? id : 0;
}

bool CTempDbManager::InsertRecordSummery(const CSummeryParam *summaryParam, int recordId)
{
    // A single statement is a transaction of its own.
    return summaryParam && insertSummary(*summaryParam, recordId);
}

bool CTempDbManager::InsertRecordData(const CTempData *data, int recordId, int hasHumidity)
{
    if (!data || !begin("InsertRecordData"))
        return false;
    return finishTransaction(
        dialect->insertSamples(database, *data, recordId, hasHumidity == 1), "InsertRecordData");
}

bool CTempDbManager::begin(const char *operation)
{
    if (database.transaction())
        return true;
    // No transaction, no header: logged as the header insert failing.
    qDebug().noquote() << operation << "begin failed";
    qDebug().noquote() << "InsertrRecordParam  insert error " << database.lastError() << "  pdfPath is "
                       << pdfPath;
    return false;
}

int CTempDbManager::insertHeader(const CSummeryParam &summary, const QString &dataName)
{
    const int count = summary.recordCount.toInt(nullptr, 10);
    QSqlQuery query(database);
    query.prepare(dialect->insertRecord(kInsertRecordSql));
    query.bindValue(":data_name", stored(dataName));
    query.bindValue(":startTime", stored(summary.recordStartAt));
    query.bindValue(":wayId", stored(summary.wayId));
    query.bindValue(":capacity", count);
    query.bindValue(":currentRecord", count);
    query.bindValue(":tempMax", stored(summary.tempMax));
    query.bindValue(":tempMin", stored(summary.tempMin));
    query.bindValue(":shiduMax", QString("0"));
    query.bindValue(":shiduMin", QString("0"));
    query.bindValue(":alarmStatus", summary.alarmCount.toInt() != 0 ? 1 : 0);
    query.bindValue(":pdfPath", stored(pdfPath));
    query.bindValue(":wayDesc", stored(summary.wayDesc));
    if (!query.exec()) {
        qDebug().noquote() << "InsertrRecordParam  insert error " << query.lastError() << "  pdfPath is "
                           << pdfPath;
        return 0;
    }
    qDebug() << "inserted OK!";
    return dialect->insertedId(query);
}

bool CTempDbManager::insertSummary(const CSummeryParam &summary, int recordId)
{
    QSqlQuery query(database);
    query.prepare(insertSummarySql());
    for (const CSummaryField *field : storedFields())
        query.bindValue(QLatin1Char(':') + QLatin1String(field->name), stored(field->of(summary)));
    query.bindValue(":t_reocrd_id", recordId);
    query.bindValue(":containTemp", summary.containTemp);
    query.bindValue(":containHumidity", summary.containHumidity);
    if (!query.exec()) {
        qDebug() << "insert tRecordSummery error " << query.lastError();
        return false;
    }
    qDebug() << "inserted tRecordSummery OK!";
    return true;
}

bool CTempDbManager::finishTransaction(bool ok, const char *operation)
{
    if (ok && database.commit())
        return true;
    if (ok)
        qDebug() << operation << "commit error" << database.lastError();
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
        qDebug() << " ====  ReadAllDataByRecordId" << query.lastError();
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
    return found;
}

bool CTempDbManager::readRecord(int id, CRecord &record)
{
    record = CRecord();
    QSqlQuery header(database);
    header.setForwardOnly(true);
    header.prepare("select * from t_record  where id = :id ;");
    header.bindValue(":id", id);
    if (!header.exec() || !header.next()) {
        if (header.lastError().isValid())
            qDebug() << header.lastError();
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
    return dialect->readSamples(database, id, record.data) && summary;
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
    dialect->readSamples(database, recordId, *data);
}

QVector<CHistoryRow> CTempDbManager::LoadAllRecords()
{
    QVector<CHistoryRow> rows;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec("select * from t_record  order by id desc ;")) {
        qDebug() << query.lastError();
        return rows;
    }
    while (query.next()) {
        CHistoryRow row;
        row.id = query.value(0).toInt();
        row.dataName = query.value(1).toString();
        row.wayDesc = query.value(12).toString();
        rows.append(row);
    }
    return rows;
}

QString CTempDbManager::GetPdfPathById(int id)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select * from t_record  where id = :id ;");
    query.bindValue(":id", id);
    if (!query.exec()) {
        qDebug() << query.lastError();
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
    if (!database.transaction()) {
        qDebug() << database.lastError();
        return false;
    }
    QSqlQuery query(database);
    query.prepare("update t_record set data_name = :name where id=:id");
    query.bindValue(":name", stored(name));
    query.bindValue(":id", id);
    bool renamed = query.exec();
    if (!renamed)
        qDebug() << query.lastError();
    query.finish();
    renamed = renamed && dialect->announce(database, QStringLiteral("rename %1").arg(id));
    return finishTransaction(renamed, "UpdateRecordName");
}

bool CTempDbManager::DeleteRecordById(int id)
{
    // Record, summary and samples go together: a failure half-way leaves
    // all three tables as they were.
    if (!database.transaction()) {
        qDebug() << database.lastError();
        return false;
    }
    const bool deleted = deleteRows(database, "delete from t_record where id= :id ", ":id", id)
        && deleteRows(
            database, "delete from t_record_summery where t_reocrd_id= :t_record_id", ":t_record_id", id)
        && deleteRows(
            database, "delete from t_record_data where t_reocrd_id = :t_record_id ", ":t_record_id", id)
        && deleteRows(
            database, "delete from t_record_report where t_reocrd_id = :t_record_id", ":t_record_id", id)
        && dialect->announce(database, QStringLiteral("delete %1").arg(id));
    return finishTransaction(deleted, "DeleteRecordById");
}
