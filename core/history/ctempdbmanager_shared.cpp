// CTempDbManager: what a history hands to another one. Report files kept
// with a record, copies into the shared history (found again by name and
// report digest, so that a copy is never made twice), and the embedded
// history's list of records waiting for the shared one.
#include "core/history/chistoryjournal.h"
#include "core/history/chistorylocation.h"
#include "core/history/csqldialect.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

CTempDbManager::CopyResult CTempDbManager::copyRecord(CRecord &record)
{
    if (record.reportDigest.isEmpty())
        record.reportDigest = CRecord::fileDigest(record.reportPath);
    for (int attempt = 1;; ++attempt) {
        const CopyResult result = copyOnce(record);
        if (result != CopyFailed || attempt == TransientTries || !dialect->isTransient(m_lastSqlError)) {
            if (result == CopyFailed)
                m_error = failure(attempt);
            return result;
        }
        QThread::msleep(50 * attempt);
    }
}

CTempDbManager::CopyResult CTempDbManager::copyOnce(CRecord &record)
{
    if (!begin("copyRecord", record.reportPath))
        return CopyFailed;
    // Two desks copying the same record wait for each other here, so that
    // the second finds the first one's copy.
    if (!dialect->lock(database, record.name)) {
        note(dialect->lastError, "copyRecord");
        finishTransaction(false, "copyRecord");
        return CopyFailed;
    }
    bool found = false;
    const int existing = findCopy(record.name, record.reportDigest, &found);
    if (!found) {
        finishTransaction(false, "copyRecord");
        return CopyFailed;
    }
    if (existing != 0) {
        if (!finishTransaction(true, "copyRecord"))
            return CopyFailed;
        record.id = existing;
        return AlreadyThere;
    }
    int id = insertWhole(record);
    if (id != 0 && !journaled(CHistoryChange::Copied, id, record.name))
        id = 0;
    if (!finishTransaction(id != 0, "copyRecord"))
        return CopyFailed;
    record.id = id;
    return Copied;
}

int CTempDbManager::findCopy(const QString &name, const QString &digest, bool *ok)
{
    return findByDigest(digest, &name, nullptr, ok, "findCopy");
}

int CTempDbManager::findReport(const QString &digest, QString *name)
{
    if (digest.isEmpty())
        return 0;
    return findByDigest(digest, nullptr, name, nullptr, "findReport");
}

int CTempDbManager::findByDigest(
    const QString &digest, const QString *name, QString *foundName, bool *ok, const char *operation)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select r.id, r.data_name from t_record r join t_record_report p on "
                                 "p.t_reocrd_id = r.id where p.sha256 = :sha256%1 order by r.id limit 1")
                      .arg(name ? QStringLiteral(" and r.data_name = :name") : QString()));
    query.bindValue(":sha256", bound(digest.toLower()));
    if (name)
        query.bindValue(":name", bound(*name));
    const bool ran = query.exec();
    if (!ran)
        note(query.lastError(), operation);
    if (ok)
        *ok = ran;
    if (!ran || !query.next())
        return 0;
    if (foundName)
        *foundName = query.value(1).toString();
    return query.value(0).toInt();
}

bool CTempDbManager::reportFile(int id, CReportFile &file, bool withContent)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("select fileName, fileSize, sha256%1 from t_record_report where t_reocrd_id = "
                       ":id order by id")
            .arg(withContent ? QStringLiteral(", content") : QString()));
    query.bindValue(":id", id);
    if (!query.exec()) {
        note(query.lastError(), "reportFile");
        return false;
    }
    if (!query.next())
        return false;
    file = CReportFile();
    file.fileName = query.value(0).toString();
    file.size = query.value(1).toLongLong();
    file.sha256 = query.value(2).toString();
    if (withContent && !query.isNull(3)) {
        file.content = query.value(3).toByteArray();
        file.hasContent = true;
    }
    return true;
}

QString CTempDbManager::localReport(const CRecord &record, const QString &dataDir, CReportCheck *check)
{
    CReportCheck found = CReportCheck::Missing;
    const auto result = [&](const QString &path) {
        if (check)
            *check = found;
        return path;
    };
    CReportFile file;
    const bool known = reportFile(record.id, file, false);
    const QString digest = record.reportDigest.isEmpty() ? file.sha256 : record.reportDigest;
    // Only a plain name: the name comes from the database, which other
    // desks write ("../../x" must not leave dataDir).
    const QString name = QFileInfo(file.fileName).fileName();
    const bool plainName
        = known && !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
    const QString inDataDir = plainName ? dataDir + QLatin1Char('/') + name : QString();
    QStringList candidates;
    for (const QString &path : { record.reportPath, inDataDir }) {
        if (!path.isEmpty() && QFileInfo(path).isFile() && !candidates.contains(path))
            candidates << path;
    }
    for (const QString &path : candidates) {
        found = CRecord::checkReport(path, digest);
        if (found == CReportCheck::NoDigest || found == CReportCheck::Unchanged)
            return result(path);
    }
    // No unchanged copy here: the bytes kept with the record, if they are
    // the report read.
    if (plainName && !QFileInfo::exists(inDataDir) && reportFile(record.id, file, true) && file.hasContent
        && (digest.isEmpty() || CRecord::digest(file.content).compare(digest, Qt::CaseInsensitive) == 0)) {
        QDir().mkpath(dataDir);
        QSaveFile out(inDataDir);
        if (out.open(QIODevice::WriteOnly) && out.write(file.content) == file.content.size()
            && out.commit()) {
            found = digest.isEmpty() ? CReportCheck::NoDigest : CReportCheck::Unchanged;
            return result(inDataDir);
        }
        qDebug() << "cannot write" << inDataDir << out.errorString();
    }
    found = candidates.isEmpty() ? CReportCheck::Missing : CReportCheck::Changed;
    return result(candidates.value(0, record.reportPath));
}

QString CTempDbManager::localReport(int id, const QString &dataDir, QString *digest, CReportCheck *check)
{
    if (check)
        *check = CReportCheck::Missing;
    CRecord record;
    record.id = id;
    record.reportPath = GetPdfPathById(id);
    CReportFile file;
    if (reportFile(id, file, false))
        record.reportDigest = file.sha256;
    if (digest)
        *digest = record.reportDigest;
    if (record.reportPath.isEmpty() && file.fileName.isEmpty())
        return QString();
    return localReport(record, dataDir, check);
}

bool CTempDbManager::insertPending(int id, const QString &url, const QString &why)
{
    QSqlQuery query(database);
    query.prepare("insert into t_record_pending(t_reocrd_id,url,lastError) values(:id,:url,:why)");
    query.bindValue(":id", id);
    query.bindValue(":url", bound(CHistoryLocation::withoutPassword(url)));
    query.bindValue(":why", bound(why));
    if (!query.exec()) {
        note(query.lastError(), "markPending");
        return false;
    }
    return true;
}

QVector<CPendingRecord> CTempDbManager::pendingList()
{
    QVector<CPendingRecord> list;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    // One line per record, with its latest mark; a record deleted since
    // has nothing left to copy.
    if (!query.exec("select p.t_reocrd_id, r.data_name, p.url, p.lastError from t_record_pending p "
                    "join t_record r on r.id = p.t_reocrd_id where p.id in (select max(id) from "
                    "t_record_pending group by t_reocrd_id) order by p.t_reocrd_id")) {
        note(query.lastError(), "pendingList");
        return list;
    }
    while (query.next())
        list.append(CPendingRecord { query.value(0).toInt(), query.value(1).toString(),
            query.value(2).toString(), query.value(3).toString() });
    return list;
}

QVector<int> CTempDbManager::pendingRecords()
{
    QVector<int> ids;
    for (const CPendingRecord &pending : pendingList())
        ids.append(pending.id);
    return ids;
}

bool CTempDbManager::clearPending(int id)
{
    QSqlQuery query(database);
    query.prepare("delete from t_record_pending where t_reocrd_id = :id");
    query.bindValue(":id", id);
    if (!query.exec()) {
        note(query.lastError(), "clearPending");
        return false;
    }
    return true;
}

bool CTempDbManager::setPendingError(int id, const QString &url, const QString &why)
{
    QSqlQuery query(database);
    query.prepare("update t_record_pending set url = :url, lastError = :why where t_reocrd_id = :id");
    query.bindValue(":url", bound(CHistoryLocation::withoutPassword(url)));
    query.bindValue(":why", bound(why));
    query.bindValue(":id", id);
    if (!query.exec()) {
        note(query.lastError(), "setPendingError");
        return false;
    }
    return true;
}

void CTempDbManager::scrubPendingUrls()
{
    // Files written before never kept a password out of this list.
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec("select id, url from t_record_pending where url like '%@%' or url like '%password%'"))
        return;
    QVector<QPair<int, QString>> changed;
    while (query.next()) {
        const QString url = query.value(1).toString();
        const QString safe = CHistoryLocation::withoutPassword(url);
        if (safe != url)
            changed.append({ query.value(0).toInt(), safe });
    }
    query.finish();
    for (const auto &row : changed) {
        query.prepare("update t_record_pending set url = :url where id = :id");
        query.bindValue(":url", row.second);
        query.bindValue(":id", row.first);
        if (!query.exec())
            note(query.lastError(), "scrubPendingUrls");
    }
}
