#include "core/history/ctempdbmanager.h"

#include "core/history/csqlitestatement.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QDebug>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <array>

namespace {

// The text columns 1 to 33 of t_record_summery, in schema order; the summary
// fields carry the same names.
constexpr int kSummaryTextColumns = 33;
const char *const kSummaryTextColumnNames[kSummaryTextColumns]
    = { "deviceModel", "deviceSensor", "deviceNo", "deviceTime", "deviceZone", "recordStartModel",
          "recordStopModel", "delayStart", "startAt", "stopAt", "tempHigh", "normalRecordSpace", "tempLow",
          "alarmSpace", "tempAdj", "alarmDelay", "isLongPressed", "isRecycleRecord", "isSettingClearRecord",
          "isRestart", "tempMax", "recordStartAt", "tempMin", "recordStopAt", "tempAvg", "recordTimes",
          "alarmTimeLen", "recordTimeLen", "alarmCount", "recordCount", "alarmType", "wayDesc", "wayId" };

template <typename Summary>
std::array<decltype(&std::declval<Summary &>().deviceModel), kSummaryTextColumns> summaryTextFields(
    Summary &s)
{
    return { &s.deviceModel, &s.deviceSensor, &s.deviceNo, &s.deviceTime, &s.deviceZone, &s.recordStartModel,
        &s.recordStopModel, &s.delayStart, &s.startAt, &s.stopAt, &s.tempHigh, &s.normalRecordSpace,
        &s.tempLow, &s.alarmSpace, &s.tempAdj, &s.alarmDelay, &s.isLongPressed, &s.isRecycleRecord,
        &s.isSettingClearRecord, &s.isRestart, &s.tempMax, &s.recordStartAt, &s.tempMin, &s.recordStopAt,
        &s.tempAvg, &s.recordTimes, &s.alarmTimeLen, &s.recordTimeLen, &s.alarmCount, &s.recordCount,
        &s.alarmType, &s.wayDesc, &s.wayId };
}

const char kInsertRecordSql[]
    = "insert into t_record(data_name,startTime,wayId,capacity,currentRecord,tempMax,tempMin,shiduMax,"
      "shiduMin,alarmStatus,pdfPath,wayDesc) values(:data_name,:startTime,:wayId,:capacity,:currentRecord,"
      ":tempMax,:tempMin,:shiduMax,:shiduMin,:alarmStatus,:pdfPath,:wayDesc)";

QString insertSummarySql()
{
    QStringList columns;
    for (const char *name : kSummaryTextColumnNames)
        columns << QLatin1String(name);
    columns << "t_reocrd_id"
            << "containTemp"
            << "containHumidity"
            << "mkt"
            << "lcd_mode";
    return "insert into t_record_summery(" + columns.join(',') + ") values(:" + columns.join(",:") + ")";
}

// A null QString binds as SQL NULL; the tables keep empty texts as ''.
inline QString stored(const QString &text)
{
    return text.isNull() ? QString("") : text;
}

// Locale-independent decimal conversion; anything that is not a number is 0.
double toNumber(const QString &text)
{
    return text.trimmed().toDouble();
}

const QString kUnits[] = { QStringLiteral("\u00B0C"), QStringLiteral("\u2103"), QStringLiteral("\u00B0F"),
    QStringLiteral("\u2109") };

// A temperature/humidity limit such as "40.0°C,90.0%RH", or with two blanks
// (CSV reports) or one (English PDF reports) instead of the comma:
// temperature from the first part, humidity from the second.
void parseCombinedLimit(const QString &text, double &temp, double &humidity, QString &tempUnit)
{
    QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() == 1)
        parts = text.split(QStringLiteral("  "));
    if (parts.size() == 1) {
        // One blank: the humidity part follows the unit mark.
        for (const QString &unit : kUnits) {
            const int pos = text.indexOf(unit);
            const int end = pos + unit.size();
            if (pos > 0 && !text.mid(end).trimmed().isEmpty()) {
                parts = QStringList { text.left(end), text.mid(end) };
                break;
            }
        }
    }
    const QString &first = parts.at(0);
    for (const QString &unit : kUnits) {
        const int pos = first.indexOf(unit);
        if (pos > 0) {
            temp = toNumber(first.left(pos));
            tempUnit = unit;
        }
    }
    if (parts.size() > 1) {
        const QString &second = parts.at(1);
        humidity = toNumber(second.left(second.indexOf(QLatin1Char('%'))));
    }
}

void parseTemperatureLimit(const QString &text, double &temp, QString &tempUnit)
{
    for (const QString &unit : kUnits) {
        const int pos = text.indexOf(unit);
        if (pos >= 0) {
            temp = toNumber(text.left(pos));
            tempUnit = unit;
        }
    }
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
        database = QSqlDatabase::addDatabase("QSQLITE");
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

    QSqlQuery query(database);
    if (query.exec("create table IF NOT EXISTS t_record(id INTEGER PRIMARY KEY AUTOINCREMENT ,data_name "
                   "varchar(50) ,startTime varchar(50) ,wayId varchar(10), capacity int ,currentRecord int, "
                   "tempMax varchar(50) ,tempMin varchar(50) , shiduMax varchar(50),shiduMin varchar(50) , "
                   "alarmStatus int ,pdfPath varchar(200),wayDesc varchar(200));"))
        qDebug() << "t_record Table created!";
    else
        qDebug() << "Error: Fail to create table t_record." << query.lastError();

    if (query.exec("create table IF NOT EXISTS t_record_data(id INTEGER PRIMARY KEY AUTOINCREMENT,temp "
                   "varchar(50),shidu varchar(50),recordTime varchar(50),t_reocrd_id int);"))
        qDebug() << "t_record_data Table created!";
    else
        qDebug() << "Error: Fail to create table t_record_data." << query.lastError();

    if (query.exec(
            "create table IF NOT EXISTS t_record_summery(id INTEGER PRIMARY KEY AUTOINCREMENT ,deviceModel "
            "varchar(50) , deviceSensor varchar(50),deviceNo varchar(50),deviceTime varchar(50),deviceZone "
            "varchar(50),recordStartModel varchar(50),recordStopModel varchar(50),delayStart "
            "varchar(50),startAt varchar(50),stopAt varchar(50),tempHigh varchar(50),normalRecordSpace "
            "varchar(50),tempLow varchar(50),alarmSpace varchar(50),tempAdj varchar(50),alarmDelay "
            "varchar(50),isLongPressed varchar(50),isRecycleRecord varchar(50),isSettingClearRecord "
            "varchar(50),isRestart varchar(50),tempMax varchar(50),recordStartAt varchar(50),tempMin "
            "varchar(50),recordStopAt varchar(50),tempAvg varchar(50),recordTimes varchar(50),alarmTimeLen "
            "varchar(50),recordTimeLen varchar(50),alarmCount varchar(50),recordCount varchar(50),alarmType "
            "varchar(50),wayDesc varchar(150),wayId varchar(50),t_reocrd_id int,containTemp "
            "int,containHumidity int,mkt varchar(50),lcd_mode varchar(50));"))
        qDebug() << "t_record_summery Table created!";
    else
        qDebug() << "Error: Fail to create table t_record_summery." << query.lastError();
}

int CTempDbManager::InsertRecord(
    const CSummeryParam *summaryParam, const QString &dataName, const CTempData *data, int hasHumidity)
{
    if (!summaryParam || !data)
        return 0;
    // A record is either in the history with every sample or not at all: a
    // process killed or a disk full in the middle leaves no half record.
    if (!beginRecordInsert())
        return 0;
    const int id = insertHeader(*summaryParam, dataName);
    const bool stored = id != 0 && insertSummary(*summaryParam, id) && insertSamples(*data, id, hasHumidity);
    return finishTransaction(stored, "InsertRecord") ? id : 0;
}

int CTempDbManager::InsertRecordParam(const CSummeryParam *summaryParam, const QString &dataName)
{
    if (!summaryParam || !beginRecordInsert())
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
    if (!data)
        return false;
    if (!database.transaction()) {
        qDebug() << "insert t_record_data error " << database.lastError();
        return false;
    }
    return finishTransaction(insertSamples(*data, recordId, hasHumidity), "InsertRecordData");
}

bool CTempDbManager::beginRecordInsert()
{
    if (database.transaction())
        return true;
    // No transaction, no header: logged as the header insert failing.
    qDebug().noquote() << "InsertrRecordParam  insert error " << database.lastError() << "  pdfPath is "
                       << pdfPath;
    return false;
}

int CTempDbManager::insertHeader(const CSummeryParam &summary, const QString &dataName)
{
    const int count = summary.recordCount.toInt(nullptr, 10);
    QSqlQuery query(database);
    query.prepare(kInsertRecordSql);
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

    // One row per record comes back; only the first is read.
    query.setForwardOnly(true);
    if (!query.exec("select last_insert_rowid() from t_record ") || !query.next()) {
        qDebug() << "InsertrRecordParam  no id " << query.lastError();
        return 0;
    }
    return query.value(0).toInt();
}

bool CTempDbManager::insertSummary(const CSummeryParam &summary, int recordId)
{
    QSqlQuery query(database);
    query.prepare(insertSummarySql());
    const auto fields = summaryTextFields(summary);
    for (int i = 0; i < kSummaryTextColumns; ++i)
        query.bindValue(QLatin1Char(':') + QLatin1String(kSummaryTextColumnNames[i]), stored(*fields[i]));
    query.bindValue(":t_reocrd_id", recordId);
    query.bindValue(":containTemp", summary.containTemp);
    query.bindValue(":containHumidity", summary.containHumidity);
    query.bindValue(":mkt", stored(summary.mkt));
    query.bindValue(":lcd_mode", stored(summary.lcd_mode));
    if (!query.exec()) {
        qDebug() << "insert tRecordSummery error " << query.lastError();
        return false;
    }
    qDebug() << "inserted tRecordSummery OK!";
    return true;
}

bool CTempDbManager::insertSamples(const CTempData &data, int recordId, int hasHumidity)
{
    const QList<TempDataItem *> samples = data.dataList;
    const char *const sql
        = "insert into t_record_data(temp,shidu,recordTime,t_reocrd_id) values                 "
          "(:temp,:shidu,:recordTime,:t_reocrd_id);";

    // Prepared once, re-bound per sample; the first sample that fails stops
    // the insert (a full disk fails every one after it anyway).
    CSqliteStatement insert(database, sql);
    if (insert.isValid()) {
        const int temp = insert.parameterIndex(":temp");
        const int shidu = insert.parameterIndex(":shidu");
        const int recordTime = insert.parameterIndex(":recordTime");
        const int link = insert.parameterIndex(":t_reocrd_id");
        const QByteArray noHumidity("0");
        for (int i = 0; i < samples.size(); ++i) {
            const TempDataItem *sample = samples.at(i);
            const QByteArray tempText = sample->temp.toUtf8();
            const QByteArray shiduText = hasHumidity == 1 ? sample->shidu.toUtf8() : noHumidity;
            const QByteArray timeText = sample->recordTime.toUtf8();
            insert.bindText(temp, tempText);
            insert.bindText(shidu, shiduText);
            insert.bindText(recordTime, timeText);
            insert.bindInt(link, recordId);
            if (!insert.exec()) {
                qDebug().noquote() << "insert t_record_data error at sample" << i + 1 << "of"
                                   << samples.size() << ':' << insert.lastError();
                return false;
            }
        }
        return true;
    }
    QSqlQuery query(database);
    query.prepare(sql);
    const QVariant id(recordId);
    const QVariant noHumidity(QString("0"));
    for (int i = 0; i < samples.size(); ++i) {
        const TempDataItem *sample = samples.at(i);
        query.bindValue(":temp", stored(sample->temp));
        query.bindValue(":shidu", hasHumidity == 1 ? QVariant(stored(sample->shidu)) : noHumidity);
        query.bindValue(":recordTime", stored(sample->recordTime));
        query.bindValue(":t_reocrd_id", id);
        if (!query.exec()) {
            qDebug() << "insert t_record_data error at sample" << i + 1 << "of" << samples.size() << ':'
                     << query.lastError();
            return false;
        }
    }
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
    // After a failed write SQLite may leave the restoring of the file to its
    // next reader (the journal stays behind, the file keeps the pages written
    // so far). Read once, so that the file is as it was now, not only when
    // the next statement comes, and the space it took is free again.
    QSqlQuery restore(database);
    if (!restore.exec("select count(*) from sqlite_master"))
        qDebug() << operation << "restore:" << restore.lastError();
    return false;
}

void CTempDbManager::ReadAllDataByRecordId(double &humidityHigh, double &humidityLow, double &tempHigh,
    double &tempLow, QString &deviceModel, QString &deviceNo, CSummeryParam *summaryParam, CTempData *data,
    int recordId)
{
    if (!summaryParam || !data)
        return;
    CSummeryParam &summary = *summaryParam;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare("select * from t_record_summery where t_reocrd_id = :t_record_id ");
    query.bindValue(":t_record_id", recordId);
    if (!query.exec()) {
        qDebug() << " ====  ReadAllDataByRecordId" << query.lastError();
    } else {
        const auto fields = summaryTextFields(summary);
        while (query.next()) {
            deviceModel = query.value(1).toString();
            deviceNo = query.value(3).toString();
            for (int i = 0; i < kSummaryTextColumns; ++i)
                *fields[i] = query.value(i + 1).toString();
            summary.containTemp = query.value(35).toInt();
            summary.containHumidity = query.value(36).toInt();
            summary.mkt = query.value(37).toString();
            summary.lcd_mode = query.value(38).toString();
        }
        if (summary.containHumidity == 1) {
            parseCombinedLimit(summary.tempHigh, tempHigh, humidityHigh, summary.tempUnit);
            parseCombinedLimit(summary.tempLow, tempLow, humidityLow, summary.tempUnit);
        } else {
            humidityHigh = 0.0;
            humidityLow = 0.0;
            parseTemperatureLimit(summary.tempHigh, tempHigh, summary.tempUnit);
            parseTemperatureLimit(summary.tempLow, tempLow, summary.tempUnit);
        }
    }

    const char *const sql = "select * from t_record_data where t_reocrd_id = :t_reocrd_id ; ";
    CSqliteStatement select(database, sql);
    if (select.isValid()) {
        // Columns: id, temp, shidu, recordTime, t_reocrd_id.
        select.bindInt(select.parameterIndex(":t_reocrd_id"), recordId);
        data->clear();
        while (select.next())
            data->dataList.append(new TempDataItem { select.text(1), select.text(2), select.text(3) });
        return;
    }
    QSqlQuery samples(database);
    samples.setForwardOnly(true);
    samples.prepare(sql);
    samples.bindValue(":t_reocrd_id", recordId);
    if (!samples.exec()) {
        qDebug() << samples.lastError();
        return;
    }
    data->clear();
    while (samples.next()) {
        data->dataList.append(new TempDataItem {
            samples.value(1).toString(), samples.value(2).toString(), samples.value(3).toString() });
    }
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
