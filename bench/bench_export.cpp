// Export of a full logger memory: 48,640 temperature/humidity samples, one a
// minute over 34 days (82 data pages and the first page). Run it with TZ
// unset and set: the sample times are local times.
#include "core/export/cexportcsv.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "tests/helpers/exportrecords.h"
#include "tests/helpers/pdfreader.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ExportRecords;

class BenchExport : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    CRecord record;
    CSummeryParam &summary = record.summary;
    CTempData &data = record.data;
    qint64 first = 0;
    qint64 last = 0;

    QStringList timeTexts() const
    {
        QStringList texts;
        for (int i = 0; i < data.size(); ++i)
            texts << data.recordTime(i);
        return texts;
    }

private slots:
    void initTestCase()
    {
        qInfo("TZ=%s", qEnvironmentVariableIsSet("TZ") ? qPrintable(qEnvironmentVariable("TZ")) : "(unset)");
        englishSummary(summary, true);
        samples(data, 48640, "2024/01/01 00:00:00", 60, wavyTemp, wavyHumidity);
        first = data.secs(0);
        last = data.secs(data.size() - 1);
    }

    // What the export dialog's save button runs on the preset range.
    void exportWholeRange()
    {
        const QString path = tmp.filePath("whole.pdf");
        CExportPdf pdf;
        QBENCHMARK
        {
            CRecordTime::resetZoneCache();
            QCOMPARE(CExportRange::exportRecord(record, first, last, path, pdf), CExportRange::Written);
        }
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        qInfo("%d pages, %lld bytes", r.count, qint64(r.bytes.size()));
        QCOMPARE(r.count, 83);
    }

    // A range that leaves the first sample out: selection and recomputation.
    void exportPartialRange()
    {
        const QString path = tmp.filePath("partial.pdf");
        CExportPdf pdf;
        QBENCHMARK
        {
            CRecordTime::resetZoneCache();
            QCOMPARE(CExportRange::exportRecord(record, first + 1, last, path, pdf), CExportRange::Written);
        }
    }

    // The CSV of the whole record (budget: 100 ms for 48,640 samples).
    void exportCsvWholeRange()
    {
        const QString path = tmp.filePath("whole.csv");
        CExportCsv csv;
        QBENCHMARK
        {
            QCOMPARE(CExportRange::exportRecord(record, first, last, path, csv), CExportRange::Written);
        }
        qInfo("%lld bytes", QFileInfo(path).size());
    }

    void timeTextsByHand()
    {
        const QStringList texts = timeTexts();
        qint64 sum = 0;
        QBENCHMARK
        {
            CRecordTime::resetZoneCache();
            for (const QString &text : texts)
                sum += CRecordTime::fromText(text).toSecsSinceEpoch();
        }
        QVERIFY(sum != 0);
    }

    // For comparison: the same through QDateTime::fromString.
    void timeTextsThroughQDateTime()
    {
        const QStringList texts = timeTexts();
        qint64 sum = 0;
        QBENCHMARK_ONCE
        {
            for (const QString &text : texts)
                sum += QDateTime::fromString(text, "yyyy/MM/dd hh:mm:ss").toSecsSinceEpoch();
        }
        QVERIFY(sum != 0);
    }
};

QTEST_GUILESS_MAIN(BenchExport)
#include "bench_export.moc"
