// The PDF and CSV export under real faults: a full disk and a file size
// limit. A failed export must be reported with the system's reason and must
// leave the report that was at the target byte for byte as it was, with no
// temporary file beside it.
#include "core/export/cexportcsv.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "helpers/cliprocess.h"
#include "helpers/exportrecords.h"
#include "helpers/faultfs.h"
#include "helpers/pdfreader.h"
#include "helpers/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExportRecords;

class TestExportFaults : public QObject {
    Q_OBJECT

    CSummeryParam summary;
    CTempData small;
    CTempData large;

    // The export's status; why it failed in *why.
    CExportRange::Status exportTo(const CTempData &data, const QString &path, QString *why = nullptr)
    {
        CExportPdf pdf;
        CExportCsv csv;
        CRecordExporter &exporter = path.endsWith(".csv") ? static_cast<CRecordExporter &>(csv) : pdf;
        CRecord record;
        record.summary = summary;
        record.data = data;
        const CExportRange::Range range = CExportRange::presetRange(data);
        const CExportRange::Status status
            = CExportRange::exportRecord(record, range.start, range.end, path, exporter);
        if (why)
            *why = exporter.error();
        return status;
    }

private slots:
    void initTestCase()
    {
        englishSummary(summary, true);
        samples(small, 20, "2024/03/05 08:00:00", 60, wavyTemp, wavyHumidity);
        // About 34 data pages: well over a megabyte.
        samples(large, 20000, "2024/03/05 08:00:00", 60, wavyTemp, wavyHumidity);
    }

    // A full disk and a read-only one: the export fails, the old report
    // stays, nothing else is left on the disk.
    void fullAndReadOnlyDisk()
    {
        SmallTmpfs fs(256 * 1024);
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.skipReason()));
        const QString target = fs.filePath("report.pdf");
        QCOMPARE(exportTo(small, target), CExportRange::Written);
        const QByteArray before = readAll(target);
        PdfReader r;
        QVERIFY2(r.load(target), qPrintable(r.error));

        QCOMPARE(exportTo(small, fs.filePath("report.csv")), CExportRange::Written);
        const QByteArray csvBefore = readAll(fs.filePath("report.csv"));

        QVERIFY(fs.fill());
        QString why;
        QCOMPARE(exportTo(large, target, &why), CExportRange::WriteFailed);
        QCOMPARE(why, QString("No space left on device"));
        QCOMPARE(readAll(target), before);
        QCOMPARE(dirEntries(fs.path()), QStringList({ "filler", "report.csv", "report.pdf" }));

        // A new file on the full disk: nothing appears. The CSV, however
        // small, fails as well and keeps the file that was there.
        QCOMPARE(exportTo(large, fs.filePath("new.pdf")), CExportRange::WriteFailed);
        QCOMPARE(exportTo(small, fs.filePath("report.csv"), &why), CExportRange::WriteFailed);
        QCOMPARE(why, QString("No space left on device"));
        QCOMPARE(readAll(fs.filePath("report.csv")), csvBefore);
        QCOMPARE(dirEntries(fs.path()), QStringList({ "filler", "report.csv", "report.pdf" }));
        QVERIFY(QFile::remove(fs.filePath("report.csv")));

        // Read-only: not even the temporary file can be made.
        QVERIFY(QFile::remove(fs.filePath("filler")));
        QVERIFY(fs.setReadOnly(true));
        QCOMPARE(exportTo(small, target, &why), CExportRange::WriteFailed);
        QCOMPARE(why, QString("Read-only file system"));
        QCOMPARE(readAll(target), before);
        QVERIFY(fs.setReadOnly(false));

        // With room again the export replaces the old report.
        CTempData more;
        samples(more, 1000, "2024/03/05 08:00:00", 60, wavyTemp, wavyHumidity);
        QCOMPARE(exportTo(more, target), CExportRange::Written);
        QVERIFY2(r.load(target), qPrintable(r.error));
        QCOMPARE(r.count, 3);
        QCOMPARE(dirEntries(fs.path()), QStringList({ "report.pdf" }));
    }

    // vesmira-cli export under `ulimit -f`: exit 1, the old report intact.
    void fileSizeLimit()
    {
        QTemporaryDir tmp;
        const QString report = VESMIRA_TEST_DATA "/reports/zh-th.pdf";
        const QString target = tmp.filePath("report.pdf");
        QCOMPARE(runCli({ "export", report, target }).code, 0);
        const QByteArray before = readAll(target);
        QVERIFY(before.size() > 8192);

        FileSizeLimitedProcess limited(before.size() / 2);
        limited.start(VESMIRA_CLI, { "export", report, target });
        QVERIFY(limited.waitForFinished(-1));
        QCOMPARE(limited.exitStatus(), QProcess::NormalExit);
        QCOMPARE(limited.exitCode(), 1);
        QCOMPARE(limited.readAllStandardError(),
            "vesmira-cli: cannot write \"" + target.toUtf8() + "\": File too large\n");
        QCOMPARE(readAll(target), before);
        QCOMPARE(dirEntries(tmp.path()), QStringList({ "report.pdf" }));
    }
};

QTEST_GUILESS_MAIN(TestExportFaults)
#include "tst_exportfaults.moc"
