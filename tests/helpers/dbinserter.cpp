// Stores long records into a history database as the reading flow does, one
// after another, until it is killed. Before a record it prints "begin DEVICE",
// after it "end ID DEVICE" (ID 0: not stored). DEVICE, the record's device
// number, is unique to the run and the record; sample i of it holds the time
// text "DEVICEti", so that a test can check every row of every record.
#include "core/device/cloggerreader.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QCoreApplication>
#include <QDateTime>
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
        CRecord rec;
        CSummeryParam &summary = rec.summary;
        summary.deviceNo = QStringLiteral("D%1-%2").arg(QCoreApplication::applicationPid()).arg(record);
        summary.recordCount = QString::number(samples);
        summary.containTemp = 1;
        summary.containHumidity = 1;
        CTempData &data = rec.data;
        for (int i = 0; i < samples; ++i)
            data.append(TempDataItem { QString::number(i % 10), QString::number(i),
                summary.deviceNo + QStringLiteral("t%1").arg(i) });
        const QByteArray device = summary.deviceNo.toUtf8();
        std::printf("begin %s\n", device.constData());
        std::fflush(stdout);
        rec.reportPath = QStringLiteral("report%1.pdf").arg(record);
        rec.name = CLoggerReader::recordName(summary.deviceNo, QDateTime::currentDateTime());
        const int id = db.storeRecord(rec) ? rec.id : 0;
        std::printf("end %d %s\n", id, device.constData());
        std::fflush(stdout);
    }
}
