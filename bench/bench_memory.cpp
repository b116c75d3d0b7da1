// Memory per sample of a long trip: the peak resident size of a fresh
// process per step, for an English temperature/humidity CSV report of
// 48,640, 486,400 and 3,000,000 samples, less that of the same step on a
// report of 100 samples (what Qt, the codecs and SQLite cost anyway), over
// the samples:
//
//   parse     readReport() of the report                target <= 100 B/sample
//   read      readLogger(): copy, parse, store           target <= 100 B/sample
//   reopen    the history's readRecord() of the trip     target <= 100 B/sample
//   show      vesmira-cli history show ID --json         target <= 150 B/sample
//
//   bench_memory [SAMPLES...]    (default 48640 486400 3000000; a few minutes,
//                                 about 1 GB in the temporary folder)
//
// The children are this program again (bench_memory --child STEP ...) and
// vesmira-cli copied into a private application folder.
#include "core/device/cloggerreader.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/reportparse.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

const char *const Steps[] = { "parse", "read", "reopen", "show" };
const double Targets[] = { 100, 100, 100, 150 };

// The report's head as the logger prints it, then count samples a minute apart.
bool writeReport(const QString &path, int count)
{
    QFile head(QStringLiteral(VESMIRA_TEST_DATA "/reports/en-th.csv"));
    QFile out(path);
    if (!head.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = head.readAll();
    text.truncate(text.indexOf("\r\n1,") + 2);
    text.replace("Total Data Points,,,30", "Total Data Points,,," + QByteArray::number(count));
    out.write(text);
    QByteArray rows;
    qint64 t = QDateTime(QDate(2021, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    for (int i = 0; i < count; ++i, t += 60) {
        const QDateTime when = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
        const QDate d = when.date();
        const QTime c = when.time();
        char row[96];
        const int temp = 200 + (i * 37) % 120 - 60;
        const int humidity = 400 + (i * 53) % 400;
        const int n = std::snprintf(row, sizeof row, "%d,%d/%d/%d %d:%02d:%02d,,,%s%d.%d,,%d.%d,\r\n", i + 1,
            d.month(), d.day(), d.year(), c.hour(), c.minute(), c.second(), temp < 0 ? "-" : "",
            std::abs(temp) / 10, std::abs(temp) % 10, humidity / 10, humidity % 10);
        rows.append(row, n);
        if (rows.size() > (1 << 20)) {
            out.write(rows);
            rows.clear();
        }
    }
    out.write(rows);
    return out.flush();
}

// Runs argv with stdout to stdoutPath (or /dev/null); the child's peak
// resident size in kB, -1 when it failed.
long peakKb(const QStringList &args, const QString &stdoutPath = QString())
{
    QList<QByteArray> bytes;
    for (const QString &arg : args)
        bytes << QFile::encodeName(arg);
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray target = stdoutPath.isEmpty() ? QByteArray("/dev/null") : QFile::encodeName(stdoutPath);
    posix_spawn_file_actions_addopen(&actions, 1, target.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // The debug lines of the steps are no figures.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

int child(const QStringList &args)
{
    const QString step = args.value(0);
    applicationDir = args.value(2);
    GbkCodeUtils::instance()->load(applicationDir + "/config/gbk_code.txt");
    CRecord record;
    if (step == "parse") {
        if (readReport(args.value(1), record) == ReportKind::None)
            return 1;
    } else {
        CTempDbManager db(CTempDbManager::databasePath(applicationDir));
        if (step == "read") {
            if (readLogger(args.value(1), applicationDir, db, record).status != CReadOutcome::Stored)
                return 1;
            std::printf("%d\n", record.id);
        } else if (!db.readRecord(args.value(1).toInt(), record)) {
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == "--child")
        return child(args.mid(1));

    QVector<int> sizes;
    for (const QString &arg : args)
        sizes << arg.toInt();
    if (sizes.isEmpty())
        sizes = { 48640, 486400, 3000000 };
    sizes.prepend(100); // the baseline

    QTemporaryDir work;
    const QString appDir = work.filePath("app");
    QDir().mkpath(appDir + "/config");
    QDir().mkpath(appDir + "/db");
    const QString cli = appDir + "/vesmira-cli";
    if (!QFile::copy(VESMIRA_APP_DIR "/vesmira-cli", cli)
        || !QFile::copy(VESMIRA_APP_DIR "/config/gbk_code.txt", appDir + "/config/gbk_code.txt")) {
        std::fprintf(stderr, "bench_memory: build vesmira-cli first\n");
        return 1;
    }
    QFile::setPermissions(cli, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString self = QCoreApplication::applicationFilePath();

    std::printf("peak resident size per sample, less that of a 100-sample report\n");
    std::printf("%-8s %10s", "step", "target");
    for (int k = 1; k < sizes.size(); ++k)
        std::printf(" %12d", sizes.at(k));
    std::printf("\n");
    long base[4] = {};
    QVector<QVector<double>> perSample(4);
    QVector<QVector<long>> peaks(4);
    for (int size : sizes) {
        const QString report = work.filePath(QStringLiteral("report-%1.csv").arg(size));
        if (!writeReport(report, size)) {
            std::fprintf(stderr, "bench_memory: cannot write %s\n", qPrintable(report));
            return 1;
        }
        const QString idFile = work.filePath("id");
        long kb[4];
        kb[0] = peakKb({ self, "--child", "parse", report, appDir });
        kb[1] = peakKb({ self, "--child", "read", report, appDir }, idFile);
        QFile idText(idFile);
        idText.open(QIODevice::ReadOnly);
        const QString id = QString::fromLatin1(idText.readAll()).trimmed();
        kb[2] = peakKb({ self, "--child", "reopen", id, appDir });
        kb[3] = peakKb({ cli, "history", "show", id, "--json" });
        QFile::remove(report);
        for (int s = 0; s < 4; ++s) {
            if (kb[s] < 0) {
                std::fprintf(stderr, "bench_memory: %s of %d samples failed\n", Steps[s], size);
                return 1;
            }
            if (size == sizes.first()) {
                base[s] = kb[s];
            } else {
                peaks[s] << kb[s];
                perSample[s] << (kb[s] - base[s]) * 1024.0 / size;
            }
        }
    }
    bool over = false;
    for (int s = 0; s < 4; ++s) {
        std::printf("%-8s %8.0f B", Steps[s], Targets[s]);
        for (int k = 0; k < perSample[s].size(); ++k) {
            std::printf(" %10.1f B", perSample[s].at(k));
            over = over || perSample[s].at(k) > Targets[s];
        }
        const bool stepOver = std::any_of(
            perSample[s].cbegin(), perSample[s].cend(), [&](double v) { return v > Targets[s]; });
        std::printf("%s\n", stepOver ? "  over target" : "");
    }
    std::printf("peak resident size (MB), baseline parse %.1f read %.1f reopen %.1f show %.1f:\n",
        base[0] / 1024.0, base[1] / 1024.0, base[2] / 1024.0, base[3] / 1024.0);
    for (int s = 0; s < 4; ++s) {
        std::printf("%-8s %10s", Steps[s], "");
        for (long kb : peaks[s])
            std::printf(" %9.1f MB", kb / 1024.0);
        std::printf("\n");
    }
    return over ? 1 : 0;
}
