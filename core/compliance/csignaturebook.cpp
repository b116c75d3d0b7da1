#include "core/compliance/csignaturebook.h"

#include "core/compliance/caudittrail.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

QString errorText(const QSqlError &error)
{
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
}

// A field into the digest: its length, then its bytes, so that no two
// contents give the same stream.
void addField(QCryptographicHash &hash, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    hash.addData(QByteArray::number(bytes.size()));
    hash.addData(":", 1);
    hash.addData(bytes);
}

const char SelectSignatures[] = "select id, t_reocrd_id, userName, printedName, utc, zone, meaning, comment, "
                                "contentHash, auditSeq from t_signature";

} // namespace

QString CSignatureInfo::signedAtText() const
{
    return CAuditEntry::timeText(utc, zone);
}

CSignatureBook::CSignatureBook(const QSqlDatabase &database)
    : m_database(database)
{
}

QString CSignatureBook::contentDigest(int id, bool *found)
{
    if (found)
        *found = false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("vesmira record content 1\n");
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare("select id from t_record where id = :id");
    query.bindValue(":id", id);
    if (!query.exec()) {
        m_error = errorText(query.lastError());
        return QString();
    }
    if (!query.next())
        return QString();
    if (found)
        *found = true;

    query.prepare("select sha256 from t_record_report where t_reocrd_id = :id order by id");
    query.bindValue(":id", id);
    if (!query.exec()) {
        m_error = errorText(query.lastError());
        return QString();
    }
    addField(hash, query.next() ? query.value(0).toString() : QString());

    query.prepare("select * from t_record_summery where t_reocrd_id = :id order by id");
    query.bindValue(":id", id);
    if (!query.exec()) {
        m_error = errorText(query.lastError());
        return QString();
    }
    while (query.next()) {
        const QSqlRecord row = query.record();
        for (int i = 0; i < row.count(); ++i) {
            const QString name = row.fieldName(i).toLower();
            if (name == QLatin1String("id") || name == QLatin1String("t_reocrd_id"))
                continue;
            addField(hash, name);
            addField(hash, query.value(i).toString());
        }
    }
    hash.addData("samples\n");
    query.prepare("select temp, shidu, recordTime from t_record_data where t_reocrd_id = :id order by id");
    query.bindValue(":id", id);
    if (!query.exec()) {
        m_error = errorText(query.lastError());
        return QString();
    }
    while (query.next()) {
        for (int i = 0; i < 3; ++i)
            addField(hash, query.value(i).toString());
    }
    if (query.lastError().isValid()) {
        m_error = errorText(query.lastError());
        return QString();
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool CSignatureBook::reportBytesMatch(int id)
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare("select p.sha256, p.content, r.pdfPath from t_record_report p join t_record r on r.id = "
                  "p.t_reocrd_id where p.t_reocrd_id = :id order by p.id");
    query.bindValue(":id", id);
    if (!query.exec() || !query.next())
        return true;
    const QString digest = query.value(0).toString();
    if (digest.isEmpty())
        return true;
    QByteArray bytes = query.value(1).toByteArray();
    if (query.value(1).isNull() || bytes.isEmpty()) {
        QFile file(query.value(2).toString());
        if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
            return true;
        bytes = file.readAll();
    }
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() == digest.toLatin1().toLower();
}

bool CSignatureBook::insert(CSignatureInfo &s)
{
    QSqlQuery query(m_database);
    query.prepare(
        "insert into t_signature(t_reocrd_id, userName, printedName, utc, zone, meaning, comment, "
        "contentHash, auditSeq) values(:record, :user, :printedName, :utc, :zone, :meaning, :comment, "
        ":contentHash, :auditSeq)");
    query.bindValue(":record", s.recordId);
    query.bindValue(":user", s.user);
    query.bindValue(":printedName", s.printedName);
    query.bindValue(":utc", s.utc);
    query.bindValue(":zone", s.zone);
    query.bindValue(":meaning", s.meaning);
    query.bindValue(":comment", s.comment.isNull() ? QString("") : s.comment);
    query.bindValue(":contentHash", s.contentHash);
    query.bindValue(":auditSeq", s.auditSeq);
    if (!query.exec()) {
        m_error = errorText(query.lastError());
        return false;
    }
    return true;
}

QVector<CSignatureInfo> CSignatureBook::signatures(int recordId, bool *ok)
{
    QVector<CSignatureInfo> list;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare(QLatin1String(SelectSignatures) + " where t_reocrd_id = :record order by id");
    query.bindValue(":record", recordId);
    const bool ran = query.exec();
    if (!ran)
        m_error = errorText(query.lastError());
    while (ran && query.next()) {
        CSignatureInfo s;
        s.id = query.value(0).toInt();
        s.recordId = query.value(1).toInt();
        s.user = query.value(2).toString();
        s.printedName = query.value(3).toString();
        s.utc = query.value(4).toString();
        s.zone = query.value(5).toString();
        s.meaning = query.value(6).toString();
        s.comment = query.value(7).toString();
        s.contentHash = query.value(8).toString();
        s.auditSeq = query.value(9).toLongLong();
        list.append(s);
    }
    if (ok)
        *ok = ran;
    return list;
}

bool CSignatureBook::isSigned(int recordId, bool *ok)
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare("select count(*) from t_signature where t_reocrd_id = :record");
    query.bindValue(":record", recordId);
    const bool ran = query.exec() && query.next();
    if (!ran)
        m_error = errorText(query.lastError());
    if (ok)
        *ok = ran;
    return ran && query.value(0).toInt() > 0;
}

QString CSignatureBook::meaningName(CMeaning meaning)
{
    switch (meaning) {
    case CMeaning::Reviewed:
        return QStringLiteral("reviewed");
    case CMeaning::Approved:
        return QStringLiteral("approved");
    case CMeaning::Rejected:
        break;
    }
    return QStringLiteral("rejected");
}

bool CSignatureBook::meaningFromName(const QString &name, CMeaning *meaning)
{
    for (CMeaning m : { CMeaning::Reviewed, CMeaning::Approved, CMeaning::Rejected }) {
        if (name == meaningName(m)) {
            *meaning = m;
            return true;
        }
    }
    return false;
}

QString CSignatureBook::meaningTitle(const QString &name)
{
    if (name == QLatin1String("reviewed"))
        return tr("Reviewed");
    if (name == QLatin1String("approved"))
        return tr("Approved");
    if (name == QLatin1String("rejected"))
        return tr("Rejected");
    return name;
}
