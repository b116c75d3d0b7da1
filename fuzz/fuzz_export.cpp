// libFuzzer: the PDF data report of a parsed report. The input is read as a
// PDF, a CSV and a TXT report in turn, and each record is exported to a
// temporary file over its whole range and over its middle third. Any input
// must give a report or a clean failure (crash, hang or sanitizer report =
// bug).
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/reportparse.h"
#include "fuzzinput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

namespace {

QTemporaryDir *workDir = nullptr;

// The time of sample i, or fallback when it has none.
qint64 sampleSecs(const CTempData &data, int i, qint64 fallback)
{
    const qint64 secs = data.secs(i);
    return secs == CRecordTime::invalidSecs ? fallback : secs;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    loadGbkTable();
    // Every run writes and flushes to disk a few reports: a memory file
    // system makes that cheap.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? QStringLiteral("/dev/shm/vesmira-fuzz-export-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/vesmira-fuzz-export-XXXXXX"));
    workDir = &dir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    if (!workDir || !workDir->isValid())
        return 0;
    const QString target = workDir->filePath(QStringLiteral("out.pdf"));
    for (const char *suffix : { "pdf", "csv", "txt" }) {
        const QString report = workDir->filePath(QStringLiteral("report.") + QLatin1String(suffix));
        QFile file(report);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(bytes), qint64(size));
        file.close();

        CRecord record;
        readReport(report, record);
        const CTempData &data = record.data;
        CExportPdf pdf;
        // Every time there is: the report of the whole record.
        const qint64 wide = qint64(1) << 40;
        CExportRange::exportRecord(record, -wide, wide, target, pdf);
        if (!data.isEmpty()) {
            const int n = data.size();
            const qint64 start = sampleSecs(data, n / 3, 0);
            const qint64 end = std::max(start + 1, sampleSecs(data, 2 * n / 3, start + 1));
            CExportRange::exportRecord(record, start, end, target, pdf);
        }
    }
    return 0;
}
