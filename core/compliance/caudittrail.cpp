#include "core/compliance/caudittrail.h"

#include "core/compliance/ccomplianceschema.h"

#include <QCryptographicHash>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QSysInfo>
#include <QThread>
#include <QTimeZone>
#include <QVariant>

namespace {

// Tries of an append that met another process's append.
const int AppendTries = 5;

QString errorText(const QSqlError &error)
{
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
}

// "UTC+02:00 Europe/Berlin" for a local time.
QString zoneText(const QDateTime &local)
{
    const int offset = local.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    QString text = QString::asprintf("UTC%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    const QByteArray id = local.timeSpec() == Qt::TimeZone ? local.timeZone().id()
        : local.timeSpec() == Qt::LocalTime                ? QTimeZone::systemTimeZoneId()
                                                           : QByteArray();
    if (!id.isEmpty())
        text += QLatin1Char(' ') + QString::fromUtf8(id);
    return text;
}

const char SelectEntries[]
    = "select seq, utc, zone, userName, desk, action, t_reocrd_id, details, reason, previousHash, hash "
      "from t_audit";

CAuditEntry entryOf(const QSqlQuery &query)
{
    CAuditEntry e;
    e.seq = query.value(0).toLongLong();
    e.utc = query.value(1).toString();
    e.zone = query.value(2).toString();
    e.user = query.value(3).toString();
    e.desk = query.value(4).toString();
    e.action = query.value(5).toString();
    e.recordId = query.value(6).toInt();
    e.details = query.value(7).toString();
    e.reason = query.value(8).toString();
    e.previousHash = query.value(9).toString();
    e.hash = query.value(10).toString();
    return e;
}

} // namespace

QByteArray CAuditEntry::content() const
{
    const QJsonArray fields { QString::number(seq), utc, zone, user, desk, action, QString::number(recordId),
        details, reason };
    return QJsonDocument(fields).toJson(QJsonDocument::Compact);
}

QString CAuditEntry::chainHash(const QString &previous, const CAuditEntry &entry)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previous.toLatin1());
    hash.addData("\n", 1);
    hash.addData(entry.content());
    return QString::fromLatin1(hash.result().toHex());
}

QString CAuditEntry::origin()
{
    return QString(64, QLatin1Char('0'));
}

QString CAuditEntry::timeText(const QString &utc, const QString &zone)
{
    QDateTime time = QDateTime::fromString(utc, Qt::ISODateWithMs);
    const QRegularExpressionMatch offset
        = QRegularExpression(QStringLiteral("^UTC([+-])(\\d\\d):(\\d\\d)")).match(zone);
    int seconds = 0;
    if (offset.hasMatch())
        seconds = (offset.captured(2).toInt() * 3600 + offset.captured(3).toInt() * 60)
            * (offset.captured(1) == QLatin1String("-") ? -1 : 1);
    time = time.toOffsetFromUtc(seconds);
    return QLocale::c().toString(time, QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char(' ')
        + (offset.hasMatch() ? offset.captured(0) : QStringLiteral("UTC"));
}

CAuditTrail::CAuditTrail(const QSqlDatabase &database, const CComplianceClock &clock)
    : m_database(database)
    , m_clock(clock)
{
}

QString CAuditTrail::deskName()
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("-") : name;
}

bool CAuditTrail::appendInTransaction(CAuditEntry &entry)
{
    if (!CComplianceSchema::lockTrail(m_database, &m_error))
        return false;
    bool ok = false;
    const CAuditEntry last = head(&ok);
    if (!ok)
        return false;
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    entry.seq = last.seq + 1;
    entry.utc = QLocale::c().toString(now.toUTC(), QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"));
    entry.zone = zoneText(now);
    entry.desk = deskName();
    if (entry.user.isEmpty())
        entry.user = QStringLiteral("-");
    entry.previousHash = last.seq == 0 ? CAuditEntry::origin() : last.hash;
    entry.hash = CAuditEntry::chainHash(entry.previousHash, entry);
    QSqlQuery insert(m_database);
    insert.prepare(
        "insert into t_audit(seq, utc, zone, userName, desk, action, t_reocrd_id, details, reason, "
        "previousHash, hash) values(:seq, :utc, :zone, :userName, :desk, :action, :record, :details, "
        ":reason, :previousHash, :hash)");
    insert.bindValue(":seq", entry.seq);
    insert.bindValue(":utc", entry.utc);
    insert.bindValue(":zone", entry.zone);
    insert.bindValue(":userName", entry.user);
    insert.bindValue(":desk", entry.desk);
    insert.bindValue(":action", entry.action);
    insert.bindValue(":record", entry.recordId);
    insert.bindValue(":details", entry.details.isNull() ? QString("") : entry.details);
    insert.bindValue(":reason", entry.reason.isNull() ? QString("") : entry.reason);
    insert.bindValue(":previousHash", entry.previousHash);
    insert.bindValue(":hash", entry.hash);
    if (!insert.exec()) {
        m_error = errorText(insert.lastError());
        return false;
    }
    return true;
}

bool CAuditTrail::append(CAuditEntry &entry)
{
    for (int attempt = 1;; ++attempt) {
        if (!m_database.transaction()) {
            m_error = errorText(m_database.lastError());
        } else {
            const bool added = appendInTransaction(entry);
            if (added && m_database.commit())
                return true;
            if (added)
                m_error = errorText(m_database.lastError());
            m_database.rollback();
        }
        // Another process took the same number (SQLite: busy, or the
        // number's key): the next try reads the new head.
        if (attempt == AppendTries)
            return false;
        QThread::msleep(20 * attempt);
    }
}

CAuditEntry CAuditTrail::head(bool *ok)
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    const bool ran = query.exec(QLatin1String(SelectEntries) + " order by seq desc limit 1");
    if (!ran)
        m_error = errorText(query.lastError());
    if (ok)
        *ok = ran;
    return ran && query.next() ? entryOf(query) : CAuditEntry();
}

QVector<CAuditEntry> CAuditTrail::entries(const CAuditFilter &filter, bool *ok)
{
    QStringList where;
    if (filter.recordId != 0)
        where << "t_reocrd_id = :record";
    if (!filter.user.isEmpty())
        where << "userName = :user";
    if (!filter.action.isEmpty())
        where << "action = :action";
    // The times are ISO texts in UTC: they compare as text.
    const QString form = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");
    if (filter.from.isValid())
        where << "utc >= :from";
    if (filter.to.isValid())
        where << "utc <= :to";
    if (filter.afterSeq > 0)
        where << "seq > :after";
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare(QLatin1String(SelectEntries)
        + (where.isEmpty() ? QString() : " where " + where.join(" and ")) + " order by seq"
        + (filter.limit > 0 ? QStringLiteral(" limit %1").arg(filter.limit) : QString()));
    if (filter.recordId != 0)
        query.bindValue(":record", filter.recordId);
    if (!filter.user.isEmpty())
        query.bindValue(":user", filter.user);
    if (!filter.action.isEmpty())
        query.bindValue(":action", filter.action);
    if (filter.from.isValid())
        query.bindValue(":from", QLocale::c().toString(filter.from.toUTC(), form));
    if (filter.to.isValid())
        query.bindValue(":to", QLocale::c().toString(filter.to.toUTC(), form));
    if (filter.afterSeq > 0)
        query.bindValue(":after", filter.afterSeq);
    QVector<CAuditEntry> list;
    bool ran = query.exec();
    while (ran && query.next())
        list.append(entryOf(query));
    if (!ran || query.lastError().isValid()) {
        m_error = errorText(query.lastError());
        ran = false;
    }
    if (ok)
        *ok = ran;
    return list;
}

CAuditTrail::Check CAuditTrail::check(
    const QVector<Anchor> &anchors, const std::function<void(const CAuditEntry &)> &visit)
{
    Check result;
    QHash<qint64, QString> anchored;
    qint64 lastAnchor = 0;
    for (const Anchor &anchor : anchors) {
        anchored.insert(anchor.seq, anchor.hash);
        lastAnchor = qMax(lastAnchor, anchor.seq);
    }
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.exec(QLatin1String(SelectEntries) + " order by seq")) {
        result.problem = tr("the audit trail cannot be read: %1").arg(errorText(query.lastError()));
        return result;
    }
    QString previous = CAuditEntry::origin();
    while (query.next()) {
        const CAuditEntry e = entryOf(query);
        const qint64 expected = result.entries + 1;
        if (e.seq != expected) {
            result.brokenSeq = expected;
            result.problem
                = tr("audit entry %1 is missing (the trail goes on with entry %2)").arg(expected).arg(e.seq);
            return result;
        }
        if (e.previousHash != previous) {
            result.brokenSeq = e.seq;
            result.problem = tr("audit entry %1 does not follow entry %2: the chain is broken there")
                                 .arg(e.seq)
                                 .arg(e.seq - 1);
            return result;
        }
        if (CAuditEntry::chainHash(previous, e) != e.hash) {
            result.brokenSeq = e.seq;
            result.problem = tr("audit entry %1 was changed: its hash does not match its content").arg(e.seq);
            return result;
        }
        if (anchored.contains(e.seq) && anchored.value(e.seq) != e.hash) {
            result.brokenSeq = e.seq;
            result.problem
                = tr("audit entry %1 differs from the anchor file: the chain was rewritten").arg(e.seq);
            return result;
        }
        previous = e.hash;
        result.entries = e.seq;
        if (visit)
            visit(e);
    }
    if (query.lastError().isValid()) {
        result.problem = tr("the audit trail cannot be read: %1").arg(errorText(query.lastError()));
        return result;
    }
    if (lastAnchor > result.entries) {
        result.brokenSeq = result.entries + 1;
        result.problem
            = tr("audit entry %1 is missing: the anchor file noted entry %2, the trail ends at entry %3")
                  .arg(result.entries + 1)
                  .arg(lastAnchor)
                  .arg(result.entries);
        return result;
    }
    result.intact = true;
    return result;
}
