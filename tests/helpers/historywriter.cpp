// Stores records into the shared history at URL (a path: the embedded one)
// as a desk does: COUNT records (-1: until killed) of SAMPLES samples each,
// device number "W<pid>-<n>", each with a small report file of its own.
// Prints "begin DEVICE" before a record and "stored ID" after it; exit 1
// when a store failed or the history could not be opened.
#include "core/history/chistorylocation.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("usage: historywriter URL COUNT SAMPLES\n", stderr);
        return 2;
    }
    const QString url = QString::fromLocal8Bit(argv[1]);
    const std::unique_ptr<CTempDbManager> history(url.startsWith("postgres")
            ? new CTempDbManager(CHistoryLocation::parse(url))
            : new CTempDbManager(url));
    CTempDbManager &db = *history;
    if (!db.isOpen()) {
        std::fprintf(stderr, "%s\n", qPrintable(db.lastError()));
        return 1;
    }
    QTemporaryDir dir;
    const int count = QByteArray(argv[2]).toInt();
    const int samples = QByteArray(argv[3]).toInt();
    for (int n = 1; n <= count || count < 0; ++n) {
        CRecord record;
        record.summary.deviceNo = QStringLiteral("W%1-%2").arg(QCoreApplication::applicationPid()).arg(n);
        record.summary.containTemp = 1;
        for (int i = 0; i < samples; ++i)
            record.data.append(TempDataItem(QString::number(i % 40), QString(),
                QStringLiteral("2021/05/06 %1:00:00").arg(i % 24, 2, 10, QLatin1Char('0'))));
        std::printf("begin %s\n", qPrintable(record.summary.deviceNo));
        std::fflush(stdout);
        record.reportPath = dir.filePath(record.summary.deviceNo + ".csv");
        if (!writeFile(record.reportPath, record.summary.deviceNo.toUtf8()))
            return 1;
        record.reportDigest = CRecord::fileDigest(record.reportPath);
        record.name = record.summary.deviceNo;
        if (!db.storeRecord(record)) {
            // Why: the store's own debug lines above.
            std::fprintf(stderr, "record %d not stored\n", n);
            return 1;
        }
        std::printf("stored %d\n", record.id);
        std::fflush(stdout);
    }
    return 0;
}
