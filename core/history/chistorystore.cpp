#include "core/history/chistorystore.h"

#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "core/record/ctaskprogress.h"

#include <QDebug>
#include <QFileInfo>
#include <QSet>

CHistoryStore::CHistoryStore(const QString &appDir, const CHistoryLocation &location)
    : m_appDir(appDir)
    , m_location(location)
{
    if (isShared())
        m_shared = std::make_unique<CTempDbManager>(m_location);
}

CHistoryStore::~CHistoryStore() = default;

CTempDbManager *CHistoryStore::history()
{
    return m_shared ? m_shared.get() : embedded();
}

CTempDbManager *CHistoryStore::embedded()
{
    if (!m_embedded)
        m_embedded = std::make_unique<CTempDbManager>(CTempDbManager::databasePath(m_appDir));
    return m_embedded.get();
}

bool CHistoryStore::sharedReachable()
{
    if (!m_shared)
        return false;
    if (m_shared->reconnect())
        return true;
    m_error = m_shared->lastError();
    return false;
}

bool CHistoryStore::storeRecord(CRecord &record)
{
    m_lastPlace = Nowhere;
    m_storeError.clear();
    if (!m_shared) {
        if (!embedded()->storeRecord(record)) {
            m_storeError = embedded()->storeError();
            return false;
        }
        m_lastPlace = InHistory;
        return true;
    }
    if (m_location.kind() == CHistoryLocation::Invalid) {
        // Nothing to try: the URL is wrong until someone corrects it.
        m_error = QStringLiteral("the history URL \"%1\" cannot be used: %2")
                      .arg(CHistoryLocation::withoutPassword(m_location.url()), m_location.error());
    } else if (sharedReachable()) {
        // What waited here goes first, so that the shared history keeps
        // the order in which the desk read its loggers.
        syncPending();
        if (m_shared->storeRecord(record)) {
            m_lastPlace = InHistory;
            return true;
        }
        // Cancelled by its user: kept nowhere.
        if (CTaskProgress::cancelledHere()) {
            m_storeError = m_shared->lastError();
            return false;
        }
        m_error = QStringLiteral("the shared history %1 refused the record: %2")
                      .arg(m_location.url(), m_shared->lastError());
    }
    // Kept here, marked in the same transaction, until it is in the
    // configured shared history.
    qDebug().noquote() << "shared history not reached:" << m_error << "- the record is kept locally";
    if (!embedded()->storePending(record, m_location.url(), m_error)) {
        m_storeError = embedded()->storeError();
        return false;
    }
    m_lastPlace = m_location.kind() == CHistoryLocation::Invalid ? KeptLocallyUrlRefused : KeptLocally;
    return true;
}

int CHistoryStore::findReport(const QString &digest, QString *name)
{
    if (m_shared && sharedReachable()) {
        syncPending();
        return m_shared->findReport(digest, name);
    }
    return embedded()->findReport(digest, name);
}

CHistoryStore::SyncResult CHistoryStore::syncPending(const std::function<void(const QString &)> &progress)
{
    SyncResult result;
    if (!m_shared || !sharedReachable())
        return result;
    // Nothing was ever kept here when there is no embedded history.
    if (!m_embedded && !QFileInfo::exists(m_appDir + "/db/dravik.db")) {
        result.reachable = true;
        return result;
    }
    return copyAll(*embedded(), *m_shared, progress, PendingOnly);
}

CHistoryStore::SyncResult CHistoryStore::copyAll(CTempDbManager &from, CTempDbManager &to,
    const std::function<void(const QString &)> &progress, Scope scope)
{
    SyncResult result;
    result.reachable = true;
    QVector<int> ids = from.pendingRecords();
    // Only a pending mark costs a write of the embedded file: the others are
    // left alone. A copy into another history than the configured one
    // leaves them all.
    QSet<int> pending;
    if (scope != EveryRecordElsewhere)
        pending = QSet<int>(ids.cbegin(), ids.cend());
    if (scope != PendingOnly) {
        ids.clear();
        const QVector<CHistoryRow> rows = from.LoadAllRecords();
        for (auto row = rows.crbegin(); row != rows.crend(); ++row)
            ids.append(row->id);
    }
    const auto tell = [&progress](const QString &line) {
        if (progress)
            progress(line);
    };
    const QString url = to.path();
    // A step that copies tells how far it is by records; cancelled, it
    // stops between two of them (each is copied whole or not at all).
    CTaskProgress *task = CTaskProgress::current();
    const int first = task ? task->stageFrom() : 0;
    const int last = task ? task->stageTo() : 0;
    for (int i = 0; i < ids.size(); ++i) {
        if (task) {
            if (task->isCancelled()) {
                result.cancelled = true;
                break;
            }
            task->setStage(
                first + (last - first) * i / ids.size(), first + (last - first) * (i + 1) / ids.size());
        }
        const int id = ids.at(i);
        const QString counter = QStringLiteral("%1 of %2:").arg(i + 1).arg(ids.size());
        // A record already there is not read at all: a second run of a
        // copy that was interrupted costs one query per record.
        CReportFile file;
        QString digest = from.reportFile(id, file, false) ? file.sha256 : QString();
        if (digest.isEmpty())
            digest = CRecord::fileDigest(from.GetPdfPathById(id));
        const QString known = from.recordName(id);
        const int existing = known.isNull() ? 0 : to.findCopy(known, digest);
        const auto done = [&](int copyId, const char *how) {
            if (pending.contains(id))
                from.clearPending(id);
            tell(QStringLiteral("%1 record %2 %3: %4 %5")
                     .arg(counter)
                     .arg(id)
                     .arg(known, QLatin1String(how))
                     .arg(copyId));
        };
        if (existing != 0) {
            ++result.alreadyThere;
            done(existing, "already there as");
            continue;
        }
        CRecord record;
        if (!from.readRecord(id, record)) {
            ++result.failed;
            tell(QStringLiteral("%1 record %2: cannot be read (%3); not copied")
                     .arg(counter)
                     .arg(id)
                     .arg(from.isDamaged() ? from.lastError() : QStringLiteral("gone or unreadable")));
            continue;
        }
        switch (to.copyRecord(record)) {
        case CTempDbManager::Copied:
            ++result.copied;
            done(record.id, "copied as");
            break;
        case CTempDbManager::AlreadyThere:
            ++result.alreadyThere;
            done(record.id, "already there as");
            break;
        case CTempDbManager::CopyFailed:
            if (CTaskProgress::cancelledHere()) {
                result.cancelled = true;
                return result;
            }
            ++result.failed;
            tell(QStringLiteral("%1 record %2 %3: not copied: %4")
                     .arg(counter)
                     .arg(id)
                     .arg(known, to.lastError()));
            if (pending.contains(id))
                from.setPendingError(id, url, to.lastError());
            if (!to.reconnect()) {
                result.reachable = false;
                return result;
            }
            break;
        }
    }
    return result;
}
