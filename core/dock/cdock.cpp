#include "core/dock/cdock.h"

#include "core/configuration/cconfigtemplate.h"
#include "core/configuration/cconfigvalues.h"
#include "core/configuration/cconfigwriter.h"
#include "core/device/cdriveprobe.h"
#include "core/device/cloggerfinder.h"
#include "core/device/cloggerreader.h"
#include "core/device/cvolumewatcher.h"
#include "core/dock/cdockfiles.h"
#include "core/export/cexportcsv.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/history/chistorystore.h"
#include "core/record/crecord.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

CDock::CDock(const QString &appDir, CHistoryStore &store, const CDockOptions &options,
    std::unique_ptr<CDriveProbe> probe, std::unique_ptr<CVolumeWatcher> watcher, QObject *parent)
    : QObject(parent)
    , m_appDir(appDir)
    , m_store(store)
    , m_options(options)
    , m_probe(probe ? std::move(probe) : CDriveProbe::create())
    , m_watcher(std::move(watcher))
{
    if (m_options.namePattern.isEmpty())
        m_options.namePattern = CDockFiles::defaultPattern();
}

CDock::~CDock() = default;

void CDock::start(bool once)
{
    m_once = once;
    if (!once) {
        if (!m_watcher)
            m_watcher = CVolumeWatcher::create();
        connect(m_watcher.get(), &CVolumeWatcher::volumeArrived, this, &CDock::onVolumeArrived);
        connect(m_watcher.get(), &CVolumeWatcher::volumeRemoved, this, &CDock::onVolumeRemoved);
    }
    enqueueLoggers();
    scheduleNext();
}

void CDock::stop()
{
    m_stopping = true;
    scheduleNext();
}

void CDock::enqueueLoggers()
{
    const QStringList loggers = CLoggerFinder(*m_probe).findLoggers();
    for (const QString &root : loggers) {
        if (!m_done.contains(root) && !m_queue.contains(root))
            m_queue.enqueue(root);
    }
}

void CDock::scheduleNext()
{
    // Through the event loop: a stop or an unplug that came in meanwhile is
    // seen before the next logger is started.
    if (m_scheduled || m_finished)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &CDock::handleNext);
}

void CDock::handleNext()
{
    m_scheduled = false;
    while (!m_stopping && !m_queue.isEmpty()) {
        const QString root = m_queue.dequeue();
        // Pulled out while it waited: it is read when it comes back.
        if (!m_probe->isDrivePresent(root))
            continue;
        m_done.insert(root);
        emit handled(handle(root));
        scheduleNext();
        return;
    }
    if (m_stopping || m_once) {
        m_finished = true;
        emit finished();
    }
}

void CDock::onVolumeArrived()
{
    enqueueLoggers();
    scheduleNext();
}

void CDock::onVolumeRemoved()
{
    // Which one went is told by the drive list: a logger no longer there is
    // read again at its next plug.
    const QSet<QString> done = m_done;
    for (const QString &root : done) {
        if (!m_probe->isDrivePresent(root))
            m_done.remove(root);
    }
}

CDockResult CDock::handle(const QString &root)
{
    CDockResult result;
    result.root = root;
    CRecord record;
    const CReadOutcome outcome = readLogger(root, m_appDir, m_store, record, [&](int step, const CRecord &) {
        emit reading(root, step);
        return true;
    });
    result.serial = record.summary.deviceNo.trimmed();
    result.tripId = record.summary.wayId.trimmed();
    result.samples = record.data.size();
    result.recordId = record.id;
    result.recordName = record.name;
    const QString copy = QDir::toNativeSeparators(record.reportPath);
    switch (outcome.status) {
    case CReadOutcome::Stored:
        result.read = CDockResult::Stored;
        result.keptLocally = m_store.lastPlace() == CHistoryStore::KeptLocally;
        break;
    case CReadOutcome::AlreadyStored:
        result.read = CDockResult::AlreadyStored;
        break;
    case CReadOutcome::NoReport:
        if (!m_probe->isDrivePresent(root)) {
            result.read = CDockResult::Unplugged;
            result.error = QStringLiteral("the logger was pulled out before its report was copied");
        } else {
            result.read = CDockResult::NoReport;
            const CLoggerReader::Failure &failure = outcome.failure;
            if (failure.part == CLoggerReader::Failure::LocalCopy)
                result.error = QStringLiteral("the local copy %1 cannot be written: %2")
                                   .arg(failure.path, failure.why);
            else if (outcome.refused.problem != ReportFileProblem::None)
                result.error
                    = QStringLiteral("%1: %2; not copied").arg(outcome.refused.path, outcome.refused.why);
            else if (failure.part == CLoggerReader::Failure::LoggerDrive)
                result.error = QStringLiteral("the logger drive: %1: %2").arg(failure.path, failure.why);
            else
                result.error = QStringLiteral("no report on the drive");
        }
        break;
    case CReadOutcome::NotParsed:
        result.read = CDockResult::NotParsed;
        result.error = QStringLiteral("%1 is not a PDF, CSV or TXT report; nothing stored").arg(copy);
        break;
    case CReadOutcome::NoRecord:
        result.read = CDockResult::NoRecord;
        result.error
            = QStringLiteral("%1: neither a device number nor a sample: not a logger report; nothing stored")
                  .arg(copy);
        break;
    case CReadOutcome::StoreFailed:
    case CReadOutcome::Cancelled:
        result.read = CDockResult::StoreFailed;
        result.error = QStringLiteral("the history database refused the record");
        if (!outcome.failure.why.isEmpty())
            result.error += QStringLiteral(": ") + outcome.failure.why;
        break;
    }
    if (result.readOk()) {
        if (!m_options.exportDir.isEmpty())
            exportRecord(record, result);
        if (!m_options.templatePath.isEmpty())
            rearm(record, result);
    }
    result.time = QDateTime::currentDateTime();
    return result;
}

void CDock::exportRecord(const CRecord &record, CDockResult &result)
{
    QStringList suffixes { QStringLiteral("pdf") };
    if (m_options.csv)
        suffixes << QStringLiteral("csv");
    QString why;
    const QStringList targets = CDockFiles::reserve(
        m_options.exportDir, CDockFiles::expandName(m_options.namePattern, record), suffixes, &why);
    bool ok = !targets.isEmpty();
    // The whole trip, as the export dialog presets it.
    const CExportRange::Range range = CExportRange::presetRange(record.data);
    for (int i = 0; ok && i < targets.size(); ++i) {
        CExportPdf pdf;
        CExportCsv csv;
        CRecordExporter &exporter = i == 0 ? static_cast<CRecordExporter &>(pdf) : csv;
        if (m_signoff)
            exporter.setSignoff(m_signoff(record.id));
        ok = CExportRange::exportRecord(
                 record, range.start, range.end, targets.at(i), exporter, CExportRange::PresetRange)
            == CExportRange::Written;
        if (!ok)
            why = QStringLiteral("cannot write %1%2")
                      .arg(targets.at(i), exporter.error().isEmpty() ? QString() : ": " + exporter.error());
    }
    if (ok) {
        result.exportStep = CDockResult::Done;
        result.exported = targets;
        return;
    }
    // Nothing half filed: the names taken are given back.
    for (const QString &path : targets)
        QFile::remove(path);
    result.exportStep = CDockResult::Failed;
    result.error = QStringLiteral("export failed: %1").arg(why);
}

void CDock::rearm(const CRecord &record, CDockResult &result)
{
    const QDateTime now = QDateTime::currentDateTime();
    // The configuration page's values as after reading this logger, then the
    // template, as `vesmira-cli configure --template` writes them.
    CConfigValues values = CConfigValues::defaults(now);
    if (CConfigValues::txtOnlyModel(record.summary.deviceModel))
        values.fileType = 1;
    QString why;
    switch (CConfigTemplate::load(m_options.templatePath, values, now)) {
    case CConfigTemplate::LoadResult::Loaded:
        break;
    case CConfigTemplate::LoadResult::NotANumber:
        why = CConfigWriter::englishMessage(CConfigWriter::NotANumber);
        break;
    case CConfigTemplate::LoadResult::Damaged:
        why = QStringLiteral("%1: damaged template").arg(m_options.templatePath);
        break;
    }
    if (why.isEmpty()) {
        CConfigWriter::Environment env;
        env.now = now;
        env.zoneComment = CConfigWriter::systemZoneComment(now);
        env.humidity = record.hasHumidity();
        QString reason;
        const CConfigWriter::Status status
            = CConfigWriter::write(values, CConfigWriter::Advanced, result.root, env, &reason, &result.frame);
        if (status == CConfigWriter::Written) {
            result.rearmStep = CDockResult::Done;
            return;
        }
        why = CConfigWriter::englishMessage(status);
        if (!m_probe->isDrivePresent(result.root))
            why = QStringLiteral("the logger was pulled out before it was re-armed");
        else if (!reason.isEmpty())
            why += QStringLiteral(" (%1)").arg(reason);
    }
    result.rearmStep = CDockResult::Failed;
    const QString text = QStringLiteral("re-arm failed: %1").arg(why);
    result.error = result.error.isEmpty() ? text : result.error + QStringLiteral("; ") + text;
}
