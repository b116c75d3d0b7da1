#ifndef CSIGNATUREBOOK_H
#define CSIGNATUREBOOK_H

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

// What a signature says of a record.
enum class CMeaning { Reviewed, Approved, Rejected };

// One signature (t_signature): who, when (UTC and the desk's zone then), its
// meaning and comment, the record's content digest at signing and the audit
// entry that tells of it.
struct CSignatureInfo {
    int id = 0;
    int recordId = 0;
    QString user;
    QString printedName;
    QString utc; // as the audit trail writes it
    QString zone;
    QString meaning; // "reviewed", "approved", "rejected"
    QString comment;
    QString contentHash;
    qint64 auditSeq = 0;

    // The time in the signer's zone, as a person reads it:
    // "2025-05-20 09:14:03 UTC+02:00".
    QString signedAtText() const;
};

// The signatures of a history, and the content of a record they seal: the
// SHA-256 of its report's digest, its summary row and its samples, exactly
// as stored (so that a sample edited in the database afterwards no longer
// matches). The record's name is not content: renaming is refused for a
// signed record all the same.
class CSignatureBook {
    Q_DECLARE_TR_FUNCTIONS(CSignatureBook)
public:
    explicit CSignatureBook(const QSqlDatabase &database);

    // The content digest of record id (hex); empty when the record is not
    // there (*found false) or could not be read (error()).
    QString contentDigest(int id, bool *found = nullptr);
    // Whether the report's bytes, where this desk can read them (kept in the
    // history, or the local copy the record names), still have the digest
    // the record keeps. True when they cannot be read here.
    bool reportBytesMatch(int id);

    // In the caller's transaction; sets signature.id.
    bool insert(CSignatureInfo &signature);
    QVector<CSignatureInfo> signatures(int recordId, bool *ok = nullptr);
    bool isSigned(int recordId, bool *ok = nullptr);

    static QString meaningName(CMeaning meaning);
    static bool meaningFromName(const QString &name, CMeaning *meaning);
    // The meaning in the interface language ("Approved").
    static QString meaningTitle(const QString &name);

    QString error() const { return m_error; }

private:
    QSqlDatabase m_database;
    QString m_error;
};

#endif // CSIGNATUREBOOK_H
