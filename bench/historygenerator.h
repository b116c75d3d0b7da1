#ifndef HISTORYGENERATOR_H
#define HISTORYGENERATOR_H

// A history of years of trips grown by SQL, for the benchmarks: full trips
// appended to the tables a CTempDbManager made, on either engine.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace HistoryGenerator {

// Runs sql on a connection; stops the benchmark on failure.
inline void run(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql.left(200)), qPrintable(query.lastError().text()));
}

// trips records of samples samples each, appended by SQL: header, summary,
// report row (a digest of its own) and the samples in trip order.
inline void generate(QSqlDatabase db, bool postgres, int trips, int samples)
{
    const QString t = QString::number(trips);
    const QString s = QString::number(samples);
    const QString series = postgres
        ? QStringLiteral("generate_series(1, %1) as n(i)").arg(t)
        : QStringLiteral("(with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                         "select i from n)")
              .arg(t);
    run(db, "create temporary table gen_base as select (select coalesce(max(id), 0) from t_record) as b");
    // e as a decimal number of w digits, zeros in front.
    const auto padded = [postgres](const QString &e, int w) {
        return postgres ? "lpad((" + e + ")::text, " + QString::number(w) + ", '0')"
                        : "printf('%0" + QString::number(w) + "d', " + e + ")";
    };
    run(db,
        "insert into t_record(data_name,startTime,wayId,capacity,currentRecord,tempMax,tempMin,shiduMax,"
        "shiduMin,alarmStatus,pdfPath,wayDesc) select 'GEN' || "
            + padded("i + (select b from gen_base)", 6)
            + " || '_20210506080910123', '2021/05/01 00:00:00', 'TR' || i, " + s + ", " + s
            + ", '35.0°C', '20.0°C', '0', '0', 0, '', 'cold room ' || i from " + series);
    run(db,
        "insert into t_record_summery(deviceModel,deviceNo,tempHigh,tempLow,recordCount,wayId,wayDesc,"
        "t_reocrd_id,containTemp,containHumidity) select 'TH-83WQ', 'GEN' || i, '40.0°C,90.0%RH', "
        "'-10.0°C,20.0%RH', '"
            + s + "', 'TR' || i, 'cold room ' || i, i + (select b from gen_base), 1, 1 from " + series);
    run(db,
        "insert into t_record_report(t_reocrd_id,fileName,fileSize,sha256,tripStart) select i + (select b "
        "from gen_base), 'GEN' || i || '.csv', 0, "
            + padded("i + (select b from gen_base)", 64) + ", '2021-05-01 00:00:00' from " + series);
    // Samples: k runs over every sample of every trip.
    const QString k = postgres
        ? QStringLiteral("generate_series(0, %1) as s(k)").arg(qint64(trips) * samples - 1)
        : QStringLiteral("(with recursive s(k) as (select 0 union all select k + 1 from s "
                         "where k < %1) select k from s)")
              .arg(qint64(trips) * samples - 1);
    const QString ks = "(k % " + s + ")";
    const QString tenth = postgres ? QStringLiteral("to_char(%1 + (k % %2) / 10.0, 'FM990.0')")
                                   : QStringLiteral("printf('%.1f', %1 + (k % %2) / 10.0)");
    run(db,
        "insert into t_record_data(temp,shidu,recordTime,t_reocrd_id) select " + tenth.arg("20").arg(150)
            + ", " + tenth.arg("40").arg(300) + ", '2021/05/' || " + padded("1 + " + ks + " / 86400", 2)
            + " || ' ' || " + padded(ks + " / 3600 % 24", 2) + " || ':' || " + padded(ks + " / 60 % 60", 2)
            + " || ':' || " + padded(ks + " % 60", 2) + ", 1 + k / " + s + " + (select b from gen_base) from "
            + k);
    run(db, "drop table gen_base");
}

} // namespace HistoryGenerator

#endif // HISTORYGENERATOR_H
