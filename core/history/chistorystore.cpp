#include "core/history/chistorystore.h"

#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"

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
    if (!m_shared) {
        if (!embedded()->storeRecord(record))
            return false;
        m_lastPlace = InHistory;
        return true;
    }
    // What waited here goes first, so that the shared history keeps the
    // order in which the desk read its loggers.
    if (sharedReachable()) {
        syncPending();
        if (m_shared->storeRecord(record)) {
            m_lastPlace = InHistory;
            return true;
        }
        m_error = QStringLiteral("the shared history %1 refused the record").arg(m_location.url());
    }
    // Kept here until the shared history answers again.
    qDebug().noquote() << "shared history not reached:" << m_error << "- the record is kept locally";
    CTempDbManager *local = embedded();
    if (!local->storeRecord(record))
        return false;
    if (!local->markPending(record.id, m_location.url()))
        qDebug() << "the record" << record.id << "is kept locally but not marked for copying";
    m_lastPlace = KeptLocally;
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
    return copyAll(*embedded(), *m_shared, m_location.url(), progress, true);
}

CHistoryStore::SyncResult CHistoryStore::copyAll(CTempDbManager &from, CTempDbManager &to,
    const QString &toUrl, const std::function<void(const QString &)> &progress, bool pendingOnly)
{
    SyncResult result;
    result.reachable = true;
    QVector<int> ids = from.pendingRecords(toUrl);
    // Only a pending mark costs a write of the embedded file: the others are
    // left alone.
    const QSet<int> pending(ids.cbegin(), ids.cend());
    const auto clearPending = [&](int id) {
        if (pending.contains(id))
            from.clearPending(id, toUrl);
    };
    if (!pendingOnly) {
        ids.clear();
        const QVector<CHistoryRow> rows = from.LoadAllRecords();
        for (auto row = rows.crbegin(); row != rows.crend(); ++row)
            ids.append(row->id);
    }
    const auto tell = [&progress](const QString &line) {
        if (progress)
            progress(line);
    };
    for (int i = 0; i < ids.size(); ++i) {
        const int id = ids.at(i);
        const QString counter = QStringLiteral("[%1/%2]").arg(i + 1).arg(ids.size());
        // A record already there is not read at all: a second run of a
        // migration costs one query per record.
        CReportFile file;
        QString digest = from.reportFile(id, file, false) ? file.sha256 : QString();
        if (digest.isEmpty())
            digest = CRecord::fileDigest(from.GetPdfPathById(id));
        const QString known = from.recordName(id);
        const int existing = known.isNull() ? 0 : to.findCopy(known, digest);
        if (existing != 0) {
            ++result.alreadyThere;
            clearPending(id);
            tell(QStringLiteral("%1 record %2 %3: already there as %4")
                     .arg(counter)
                     .arg(id)
                     .arg(known)
                     .arg(existing));
            continue;
        }
        CRecord record;
        if (!from.readRecord(id, record)) {
            ++result.failed;
            tell(QStringLiteral("%1 record %2: cannot be read; not copied").arg(counter).arg(id));
            continue;
        }
        const QString name = record.name;
        switch (to.copyRecord(record)) {
        case CTempDbManager::Copied:
            ++result.copied;
            clearPending(id);
            tell(QStringLiteral("%1 record %2 %3: copied as %4")
                     .arg(counter)
                     .arg(id)
                     .arg(name)
                     .arg(record.id));
            break;
        case CTempDbManager::AlreadyThere:
            ++result.alreadyThere;
            clearPending(id);
            tell(QStringLiteral("%1 record %2 %3: already there as %4")
                     .arg(counter)
                     .arg(id)
                     .arg(name)
                     .arg(record.id));
            break;
        case CTempDbManager::CopyFailed:
            ++result.failed;
            tell(QStringLiteral("%1 record %2 %3: not copied").arg(counter).arg(id).arg(name));
            if (!to.reconnect()) {
                result.reachable = false;
                return result;
            }
            break;
        }
    }
    return result;
}
