#include "core/history/csqldialect.h"

#include "core/record/ctaskprogress.h"
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

QString CSqlDialect::foldCase(const QString &text)
{
    QString folded = text.toLower();
    folded.replace(QChar(0x00DF), QLatin1String("ss"));
    folded.replace(QChar(0x03C2), QChar(0x03C3));
    return folded;
}

void CSqlDialect::connected(QSqlDatabase &) { }

bool CSqlDialect::goOn(qint64 done, qint64 total) const
{
    if (CTaskProgress::poll(done, total))
        return true;
    lastError = QSqlError(QStringLiteral("cancelled"), QString(), QSqlError::StatementError);
    return false;
}

bool CSqlDialect::insertSamples(QSqlDatabase &database, const CTempData &data, int recordId, bool hasHumidity)
{
    QSqlQuery query(database);
    query.prepare(insertSampleSql);
    const QVariant id(recordId);
    const QVariant noHumidity(QString("0"));
    for (int i = 0; i < data.size(); ++i) {
        if ((i & 4095) == 0 && !goOn(i, data.size()))
            return false;
        query.bindValue(":temp", text(stored(data.temp(i))));
        query.bindValue(":shidu", hasHumidity ? QVariant(text(stored(data.shidu(i)))) : noHumidity);
        query.bindValue(":recordTime", text(stored(data.recordTime(i))));
        query.bindValue(":t_reocrd_id", id);
        if (!query.exec()) {
            lastError = query.lastError();
            qDebug() << "insert t_record_data error at sample" << i + 1 << "of" << data.size() << ':'
                     << query.lastError();
            return false;
        }
    }
    return true;
}

bool CSqlDialect::eachSample(QSqlDatabase &database, int recordId, const SampleVisitor &visit)
{
    // Columns: id, temp, shidu, recordTime, t_reocrd_id.
    return readSampleRows(database, recordId, visit, QString::fromLatin1(selectSamplesSql), 1);
}

bool CSqlDialect::readSamples(QSqlDatabase &database, int recordId, CTempData &data)
{
    data.clear();
    return eachSample(
        database, recordId, [&data](QStringView temp, QStringView shidu, QStringView recordTime) {
            data.append(temp, shidu, recordTime);
        });
}

bool CSqlDialect::readSampleRows(
    QSqlDatabase &database, int recordId, const SampleVisitor &visit, const QString &select, int tempColumn)
{
    QSqlQuery samples(database);
    samples.setForwardOnly(true);
    samples.prepare(select);
    samples.bindValue(":t_reocrd_id", recordId);
    if (!samples.exec()) {
        lastError = samples.lastError();
        qDebug() << lastError;
        return false;
    }
    int rows = 0;
    while (samples.next()) {
        if ((++rows & 4095) == 0 && !goOn(0, 0))
            return false;
        visit(samples.value(tempColumn).toString(), samples.value(tempColumn + 1).toString(),
            samples.value(tempColumn + 2).toString());
    }
    // next() is false at the end of the rows and at a failure on the way.
    if (samples.lastError().isValid()) {
        lastError = samples.lastError();
        qDebug() << lastError;
        return false;
    }
    return true;
}

void CSqlDialect::afterRollback(QSqlDatabase &) const { }

void CSqlDialect::createTables(QSqlDatabase &database, const Notice &) const
{
    QSqlQuery query(database);
    for (const Table &table : tables())
        createTable(query, table);
}

void CSqlDialect::createTable(QSqlQuery &query, const Table &table)
{
    if (query.exec(table.create)) {
        if (table.logged)
            qDebug().noquote() << table.name + " Table created!";
    } else {
        qDebug().noquote() << "Error: Fail to create table " + table.name + "." << query.lastError();
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
