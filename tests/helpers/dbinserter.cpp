// Stores long records into a history database, one after another, until it
// is killed. Before the samples of a record it prints "begin ID", after them
// "end ID". Sample i of record ID holds "ID.d" (d the last digit of i), "i"
// and "ti", so that a test can check every row that was reported stored.
#include "history/ctempdbmanager.h"
#include "model/csummeryparam.h"
#include "model/ctempdata.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: dbinserter DATABASE SAMPLES\n", stderr);
        return 2;
    }
    const int samples = QByteArray(argv[2]).toInt();
    CTempDbManager db(QString::fromLocal8Bit(argv[1]));
    for (int record = 1;; ++record) {
        CSummeryParam summary;
        summary.deviceNo = QStringLiteral("D%1").arg(record);
        summary.recordCount = QString::number(samples);
        db.pdfPath = QStringLiteral("report%1.pdf").arg(record);
        const int id = db.InsertRecordParam(&summary, summary.deviceNo);
        CTempData data;
        for (int i = 0; i < samples; ++i)
            data.dataList.append(new TempDataItem { QStringLiteral("%1.%2").arg(id).arg(i % 10),
                QString::number(i), QStringLiteral("t%1").arg(i) });
        std::printf("begin %d\n", id);
        std::fflush(stdout);
        db.InsertRecordData(&data, id, 1);
        std::printf("end %d\n", id);
        std::fflush(stdout);
    }
}
