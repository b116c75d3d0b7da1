#ifndef HISTORYFAULTS_H
#define HISTORYFAULTS_H

// For the tests of the history store under faults: the database file's
// bytes, every row of the three tables read through a connection of its own
// (what another process would see), and a temperature report long enough to
// fill a small disk.
#include "testfiles.h"

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

// The bytes of the database file; read before historyRows(), whose
// connection would restore the file from a journal left behind.
inline QByteArray fileContent(const QString &path)
{
    return QFile::exists(path) ? readAll(path) : QByteArray("cannot read " + path.toUtf8());
}

// "table|col|col|..." for every row of t_record, t_record_summery and
// t_record_data in id order, after "integrity ok" when SQLite finds the file
// sound. Two equal lists mean an unchanged history.
inline QStringList historyRows(const QString &dbPath)
{
    QStringList result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "historyRows");
        db.setDatabaseName(dbPath);
        if (!db.open())
            return { "cannot open " + dbPath };
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (query.exec("pragma integrity_check") && query.next())
            result << "integrity " + query.value(0).toString();
        for (const char *table : { "t_record", "t_record_summery", "t_record_data" }) {
            if (!query.exec(QStringLiteral("select * from %1 order by id").arg(table))) {
                result << QStringLiteral("cannot read %1").arg(table);
                continue;
            }
            while (query.next()) {
                QStringList row { table };
                for (int i = 0; i < query.record().count(); ++i)
                    row << query.value(i).toString();
                result << row.join('|');
            }
        }
    }
    QSqlDatabase::removeDatabase("historyRows");
    return result;
}

// The temperature CSV report en-temp.csv with `samples` sample rows: its own
// rows over and over, numbered on.
inline QByteArray longCsvReport(int samples)
{
    QByteArray report;
    QList<QByteArray> rows; // each without its number, from the first comma on
    bool inRows = false;
    for (const QByteArray &line :
        readAll(QStringLiteral(VESMIRA_TEST_DATA "/reports/en-temp.csv")).split('\n')) {
        if (!inRows) {
            report += line + '\n';
            inRows = line.startsWith("No.,");
        } else if (line.indexOf(',') > 0) {
            rows << line.mid(line.indexOf(','));
        }
    }
    if (rows.isEmpty())
        return QByteArray();
    report.reserve(report.size() + samples * (rows.first().size() + 8));
    for (int i = 0; i < samples; ++i)
        report += QByteArray::number(i + 1) + rows.at(i % rows.size()) + '\n';
    return report;
}

#endif // HISTORYFAULTS_H
