// vesmira-cli watch [--export-dir DIR [--csv] [--name PATTERN]] [--template FILE] [--once] [--json]
//
// The receiving dock: runs until stopped (SIGTERM, SIGINT) and handles every
// logger that is plugged in (CDock): read and stored as the application
// reads one, its PDF data report (and CSV) filed in DIR under a name from
// PATTERN, the template written back to it after a good read. With --once
// only the loggers plugged in now, then exit.
//
// One line per logger on stdout, fields separated by tabs:
//   time  serial  tripId  samples  result  target...
// result is what happened, comma-separated: stored | duplicate | unplugged |
// no-report | not-parsed | no-record | store-failed, then exported or
// export-failed, re-armed or re-arm-failed when asked; the targets are the
// files written, else the record's name, else "-". --json writes one JSON
// object per logger instead. Why something failed goes to stderr.
//
// In compliance mode the dock runs as one user (--user NAME, the password
// on standard input once at the start; an operator account made for the
// dock): every record it stores is audited under that user as a read, every
// file it writes as an export and every template written back as a
// configuration. Nobody sits at a dock, so no idle lock applies.
//
// Exit 0 when stopped by a signal; with --once 0 when every logger was
// handled in full (a report already in the history counts), 1 otherwise;
// 2 on a usage error or an unusable template.
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/configuration/cconfigtemplate.h"
#include "core/configuration/cconfigvalues.h"
#include "core/dock/cdock.h"
#include "core/dock/cdockfiles.h"
#include "core/history/chistorystore.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vesmira-cli watch [--export-dir DIR [--csv] [--name PATTERN]] [--template FILE] [--once] "
           "[--json]\n";
    return 2;
}

// A signal handler may only write to a descriptor; the event loop reads it.
int stopSockets[2] = { -1, -1 };

extern "C" void onStopSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(stopSockets[1], &byte, 1);
    (void)written;
}

bool catchStopSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, stopSockets) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // A read in hand goes on: its system calls are restarted.
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

QString readText(CDockResult::Read read)
{
    switch (read) {
    case CDockResult::Stored:
        return QStringLiteral("stored");
    case CDockResult::AlreadyStored:
        return QStringLiteral("duplicate");
    case CDockResult::Unplugged:
        return QStringLiteral("unplugged");
    case CDockResult::NoReport:
        return QStringLiteral("no-report");
    case CDockResult::NotParsed:
        return QStringLiteral("not-parsed");
    case CDockResult::NoRecord:
        return QStringLiteral("no-record");
    case CDockResult::StoreFailed:
        break;
    }
    return QStringLiteral("store-failed");
}

QString stepText(CDockResult::Step step, const char *done, const char *failed)
{
    return step == CDockResult::Done  ? QString::fromLatin1(done)
        : step == CDockResult::Failed ? QString::fromLatin1(failed)
                                      : QString();
}

QString resultText(const CDockResult &result)
{
    QStringList parts { readText(result.read) };
    for (const QString &step : { stepText(result.exportStep, "exported", "export-failed"),
             stepText(result.rearmStep, "re-armed", "re-arm-failed") }) {
        if (!step.isEmpty())
            parts << step;
    }
    return parts.join(QLatin1Char(','));
}

QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

void printResult(const CDockResult &result, bool json, QTextStream &out, QTextStream &err)
{
    if (!result.error.isEmpty())
        err << "vesmira-cli: " << QDir::toNativeSeparators(result.root) << ": " << result.error << '\n';
    if (result.read == CDockResult::AlreadyStored)
        err << "vesmira-cli: " << QDir::toNativeSeparators(result.root) << ": already in the history as "
            << result.recordName << '\n';
    if (result.keptLocally)
        err << "vesmira-cli: the shared history cannot be reached; the record is kept in the embedded "
               "history "
               "and will be copied there when it can be reached\n";
    err.flush();

    QStringList exported;
    for (const QString &path : result.exported)
        exported << QDir::toNativeSeparators(path);
    if (json) {
        QDateTime time = result.time;
        time.setOffsetFromUtc(time.offsetFromUtc());
        const auto step = [](CDockResult::Step s) {
            return s == CDockResult::Done  ? QStringLiteral("done")
                : s == CDockResult::Failed ? QStringLiteral("failed")
                                           : QStringLiteral("not-asked");
        };
        const QJsonObject object { { "time", time.toString(Qt::ISODate) },
            { "drive", QDir::toNativeSeparators(result.root) }, { "serial", result.serial },
            { "tripId", result.tripId }, { "samples", result.samples }, { "result", resultText(result) },
            { "read", readText(result.read) }, { "recordId", result.recordId },
            { "recordName", result.recordName }, { "keptLocally", result.keptLocally },
            { "export", step(result.exportStep) }, { "exported", QJsonArray::fromStringList(exported) },
            { "rearm", step(result.rearmStep) }, { "error", result.error }, { "ok", result.ok() } };
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    } else {
        const QString target
            = !exported.isEmpty() ? exported.join(QLatin1Char('\t')) : orDash(result.recordName);
        out << QLocale::c().toString(result.time, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) << '\t'
            << orDash(result.serial) << '\t' << orDash(result.tripId) << '\t' << result.samples << '\t'
            << resultText(result) << '\t' << target << '\n';
    }
    out.flush();
}

// What the dock did besides storing, into the audit trail; false when an
// entry could not be written (said on err).
bool auditResult(CComplianceGate &gate, const CDockResult &result, QTextStream &err)
{
    CCompliance &compliance = gate.compliance();
    QVector<CComplianceResult> noted;
    if (result.read == CDockResult::AlreadyStored) {
        CRecord record;
        record.id = result.recordId;
        record.name = result.recordName;
        noted << compliance.noteDuplicateRead(gate.session(), record);
    }
    for (const QString &path : result.exported) {
        CAuditEntry head;
        noted << compliance.noteExport(gate.session(), result.recordId, QString(), path, &head);
        if (noted.last())
            err << "vesmira-cli: audit trail head: entry " << head.seq << ", SHA-256 " << head.hash << '\n';
    }
    if (result.rearmStep == CDockResult::Done)
        noted << compliance.noteConfiguration(gate.session(), result.root, result.frame);
    bool ok = true;
    for (const CComplianceResult &one : noted) {
        if (!one) {
            err << "vesmira-cli: " << one.error << '\n';
            ok = false;
        }
    }
    err.flush();
    return ok;
}

} // namespace

int runWatch(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CDockOptions options;
    bool once = false;
    bool json = false;
    bool named = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--export-dir") && hasValue)
            options.exportDir = args.at(++i);
        else if (arg == QLatin1String("--name") && hasValue) {
            options.namePattern = args.at(++i);
            named = true;
        } else if (arg == QLatin1String("--template") && hasValue)
            options.templatePath = args.at(++i);
        else if (arg == QLatin1String("--csv"))
            options.csv = true;
        else if (arg == QLatin1String("--once"))
            once = true;
        else if (arg == QLatin1String("--json"))
            json = true;
        else
            return usage(err);
    }
    if ((options.csv || named) && options.exportDir.isEmpty()) {
        err << "vesmira-cli: --csv and --name need --export-dir\n";
        return usage(err);
    }
    if (named) {
        const QString why = options.namePattern.isEmpty() ? QStringLiteral("empty pattern")
                                                          : CDockFiles::checkPattern(options.namePattern);
        if (!why.isEmpty()) {
            err << "vesmira-cli: --name: " << why << '\n';
            return 2;
        }
    }
    if (!options.exportDir.isEmpty())
        options.exportDir = QFileInfo(options.exportDir).absoluteFilePath();
    // A template that cannot be written to any logger is refused now, not
    // after the first read.
    if (!options.templatePath.isEmpty()) {
        CConfigValues values;
        const CConfigTemplate::LoadResult loaded = QFileInfo(options.templatePath).isFile()
            ? CConfigTemplate::load(options.templatePath, values, QDateTime::currentDateTime())
            : CConfigTemplate::LoadResult::Damaged;
        if (loaded != CConfigTemplate::LoadResult::Loaded) {
            err << "vesmira-cli: " << options.templatePath << ": no usable template\n";
            return 2;
        }
        options.templatePath = QFileInfo(options.templatePath).absoluteFilePath();
    }

    // A service's log holds the lines above, not every step's debug output
    // (QT_LOGGING_RULES="default.debug=true" brings it back).
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    CHistoryStore store(applicationDir, CHistoryLocation::configured());
    CComplianceGate gate;
    const bool present = store.isShared() || QFileInfo::exists(applicationDir + "/db/dravik.db");
    if (const int code = gate.enterIfPresent(present ? store.history() : nullptr, CDuty::ReadLogger, err))
        return code;
    CDock dock(applicationDir, store, options);
    if (gate.active())
        dock.setSignoff([&gate, &store](int id) { return gate.signoff(*store.history(), id); });
    bool allOk = true;
    QObject::connect(&dock, &CDock::handled, [&](const CDockResult &result) {
        allOk = allOk && result.ok();
        printResult(result, json, out, err);
        if (gate.active())
            allOk = auditResult(gate, result, err) && allOk;
    });
    QEventLoop loop;
    QObject::connect(&dock, &CDock::finished, &loop, &QEventLoop::quit);

    if (!catchStopSignals()) {
        err << "vesmira-cli: cannot catch SIGTERM and SIGINT\n";
        return 1;
    }
    QSocketNotifier stopNotifier(stopSockets[0], QSocketNotifier::Read);
    bool signalled = false;
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, [&] {
        char byte;
        const ssize_t got = ::read(stopSockets[0], &byte, 1);
        (void)got;
        // A second signal ends the program at once.
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGINT, SIG_DFL);
        signalled = true;
        dock.stop();
    });

    if (!once) {
        err << "vesmira-cli: watching for loggers; the history and report copies are in "
            << QDir::toNativeSeparators(applicationDir) << '\n';
        err.flush();
    }
    dock.start(once);
    loop.exec();
    if (!once || signalled) {
        err << "vesmira-cli: stopped\n";
        return 0;
    }
    return allOk ? 0 : 1;
}
