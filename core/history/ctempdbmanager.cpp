#include "core/history/ctempdbmanager.h"

#include "core/history/csqldialect.h"
#include "core/record/crecord.h"
#include "core/record/summaryfields.h"

#include <QDebug>
#include <QDir>
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

// The connection stays registered and open: it belongs to the process.
CTempDbManager::~CTempDbManager() = default;

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

    // A failure does not stop the next table.
    QSqlQuery query(database);
    for (const CSqlDialect::Table &table : dialect->tables()) {
        if (query.exec(table.create))
            qDebug().noquote() << table.name + " Table created!";
        else
            qDebug().noquote() << "Error: Fail to create table " + table.name + "." << query.lastError();
    }
}

bool CTempDbManager::storeRecord(CRecord &record)
{
    pdfPath = record.reportPath;
    record.id = InsertRecord(&record.summary, record.name, &record.data, record.summary.containHumidity);
    return record.id != 0;
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
    while (query.next())
        rows.append(
            CHistoryRow { query.value(0).toInt(), query.value(1).toString(), query.value(12).toString() });
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
    const bool renamed = query.exec();
    if (!renamed)
        qDebug() << query.lastError();
    query.finish();
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
            database, "delete from t_record_data where t_reocrd_id = :t_record_id ", ":t_record_id", id);
    return finishTransaction(deleted, "DeleteRecordById");
}
