// Parsing a 48,640-sample temperature/humidity report in each form, and
// beside it the time to merely read the same file line by line through the
// GBK codec (the floor of any streaming parser), so the ratio is visible.
//
//   summary   the summary parser alone (CSV/TXT stop at the sample table)
//   samples   the sample parser alone
//   parse     parseReportFile: reset, summary, flag copy, samples
//   read+GBK  QTextStream::readLineInto over the file, GBK codec, text mode
//
// Each figure is the median of several runs, each into a fresh record
// (creating and deleting it is not timed), as wall time and as the thread's CPU time; the CPU time
// is the steadier figure on a busy machine.
//
//   bench_parse [DIR]   DIR holds large-th.csv/.txt/.pdf; without it they are
//                       written to a temporary folder by
//                       scripts/make-test-reports.py --large
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/csvtxtheader.h"
#include "core/report/csvtxtsamples.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/pdfparser.h"
#include "core/report/reportparse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

const int kRuns = 11;

struct Record {
    CSummeryParam summary;
    CDeviceSettingInfo info;
    CTempData data;
};

struct Timing {
    double wallMs;
    double cpuMs;
};

double threadCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// after runs untimed after each run (it deletes the run's record).
Timing median(const std::function<void()> &work, const std::function<void()> &after = {})
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        wall.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
        if (after)
            after();
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return { wall[wall.size() / 2], cpu[cpu.size() / 2] };
}

// Reads every line as the CSV/TXT parsers do; returns the number of lines.
int readAndDecode(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QTextStream in(&file);
    in.setCodec(GbkCodeUtils::codec());
    QString line;
    int lines = 0;
    while (in.readLineInto(&line))
        ++lines;
    return lines;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    GbkCodeUtils::instance()->load(QStringLiteral(VESMIRA_APP_DIR "/config/gbk_code.txt"));
    // The parsers' debug line per pass would only interleave with the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });

    QTemporaryDir tmp;
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    if (argc <= 1) {
        QProcess make;
        make.start("python3",
            { QStringLiteral(VESMIRA_TEST_DATA "/../../scripts/make-test-reports.py"), "--large", dir });
        if (!make.waitForFinished(-1) || make.exitCode() != 0) {
            std::fprintf(stderr, "bench_parse: cannot write the reports: %s\n",
                make.readAllStandardError().constData());
            return 1;
        }
    }

    struct Form {
        const char *name;
        void (*head)(const QString &, CSummeryParam &, CDeviceSettingInfo &);
        void (*samples)(const QString &, CTempData &);
    };
    const Form forms[] = {
        { "csv", &ParseCsvHeader, &ParseTempHumidityCsvFile },
        { "txt", &ParseTxtHeader, &ParseTempHumidityTxtFile },
        { "pdf", &ProcessPdf, &ParseTempHumidityPdfFile },
    };
    std::printf("48,640 temperature/humidity samples; median of %d runs, ms wall (ms CPU)\n", kRuns);
    std::printf("%-4s %8s %16s %16s %16s %16s %7s\n", "form", "samples", "summary", "samples", "parse",
        "read+GBK", "ratio");
    bool ok = true;
    for (const Form &form : forms) {
        const QString path = dir + "/large-th." + form.name;
        std::unique_ptr<Record> record;
        const auto fresh = [&record] {
            record = std::make_unique<Record>();
            return record.get();
        };
        int count = 0;
        bool humidity = false;
        const auto drop = [&] {
            count = record->data.size();
            humidity = humidity || record->info.containHumidity == 1;
            record.reset();
        };
        const Timing head = median(
            [&] {
                Record *r = fresh();
                form.head(path, r->summary, r->info);
            },
            drop);
        const Timing samples = median([&] { form.samples(path, fresh()->data); }, drop);
        const Timing parse = median(
            [&] {
                Record *r = fresh();
                parseReportFile(path, r->summary, r->info, r->data);
            },
            drop);
        ok = ok && count == 48640 && humidity;
        int lines = 0;
        const Timing read = median([&] { lines = readAndDecode(path); });
        ok = ok && lines > 48640;
        const auto cell
            = [](const Timing &t) { return QString::asprintf("%6.1f (%6.1f)", t.wallMs, t.cpuMs); };
        std::printf("%-4s %8d %16s %16s %16s %16s %6.1fx\n", form.name, count, qPrintable(cell(head)),
            qPrintable(cell(samples)), qPrintable(cell(parse)), qPrintable(cell(read)),
            parse.cpuMs / read.cpuMs);
    }
    std::printf("ratio: parse / read+GBK, CPU time\n");
    return ok ? 0 : 1;
}
