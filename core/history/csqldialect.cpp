#include "core/history/csqldialect.h"

#include "core/record/ctempdata.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// clang-format off
const char CSqlDialect::insertSampleSql[] = "insert into t_record_data(temp,shidu,recordTime,t_reocrd_id) values                 (:temp,:shidu,:recordTime,:t_reocrd_id);";
// clang-format on
const char CSqlDialect::selectSamplesSql[]
    = "select * from t_record_data where t_reocrd_id = :t_reocrd_id ; ";

namespace {
// A null QString binds as SQL NULL; the tables keep empty texts as ''.
QString stored(const QString &text)
{
    return text.isNull() ? QString("") : text;
}
} // namespace

bool CSqlDialect::insertSamples(
    QSqlDatabase &database, const CTempData &data, int recordId, bool hasHumidity) const
{
    const QList<TempDataItem *> &samples = data.dataList;
    QSqlQuery query(database);
    query.prepare(insertSampleSql);
    const QVariant id(recordId);
    const QVariant noHumidity(QString("0"));
    for (int i = 0; i < samples.size(); ++i) {
        const TempDataItem *sample = samples.at(i);
        query.bindValue(":temp", stored(sample->temp));
        query.bindValue(":shidu", hasHumidity ? QVariant(stored(sample->shidu)) : noHumidity);
        query.bindValue(":recordTime", stored(sample->recordTime));
        query.bindValue(":t_reocrd_id", id);
        if (!query.exec()) {
            qDebug() << "insert t_record_data error at sample" << i + 1 << "of" << samples.size() << ':'
                     << query.lastError();
            m_sampleError = query.lastError().databaseText();
            return false;
        }
    }
    return true;
}

bool CSqlDialect::readSamples(QSqlDatabase &database, int recordId, CTempData &data) const
{
    // Columns: id, temp, shidu, recordTime, t_reocrd_id.
    return readSampleRows(database, recordId, data, QString::fromLatin1(selectSamplesSql), 1);
}

bool CSqlDialect::readSampleRows(
    QSqlDatabase &database, int recordId, CTempData &data, const QString &select, int tempColumn)
{
    QSqlQuery samples(database);
    samples.setForwardOnly(true);
    samples.prepare(select);
    samples.bindValue(":t_reocrd_id", recordId);
    if (!samples.exec()) {
        qDebug() << samples.lastError();
        return false;
    }
    data.clear();
    while (samples.next()) {
        data.dataList.append(new TempDataItem { samples.value(tempColumn).toString(),
            samples.value(tempColumn + 1).toString(), samples.value(tempColumn + 2).toString() });
    }
    return true;
}

void CSqlDialect::afterRollback(QSqlDatabase &) const { }

void CSqlDialect::createTables(QSqlDatabase &database) const
{
    // A failure does not stop the next table.
    QSqlQuery query(database);
    for (const Table &table : tables()) {
        if (query.exec(table.create)) {
            if (table.logged)
                qDebug().noquote() << table.name + " Table created!";
        } else {
            qDebug().noquote() << "Error: Fail to create table " + table.name + "." << query.lastError();
        }
    }
}

bool CSqlDialect::announce(QSqlDatabase &, const QString &) const
{
    return true;
}

bool CSqlDialect::lock(QSqlDatabase &, const QString &) const
{
    return true;
}
