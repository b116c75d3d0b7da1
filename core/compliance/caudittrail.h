#ifndef CAUDITTRAIL_H
#define CAUDITTRAIL_H

#include "core/compliance/csession.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVector>
#include <functional>

// One entry of the audit trail. action is a fixed word ("sign-in",
// "read", "export", "sign", ...; see CCompliance), details what was done to
// what, reason what the user typed (rename, delete, compliance off).
struct CAuditEntry {
    qint64 seq = 0; // 1, 2, 3, ... without a gap
    QString utc; // "2025-05-20T07:14:03.120Z"
    QString zone; // the desk's zone then: "UTC+02:00 Europe/Berlin"
    QString user; // account name; "-" for the program itself
    QString desk; // host name
    QString action;
    int recordId = 0; // the record concerned; 0 for none
    QString details;
    QString reason;
    QString previousHash; // hash of entry seq - 1 (64 zeros for the first)
    QString hash; // SHA-256 of previousHash and the entry's own content

    // The text hashed: the fields above up to reason, as a JSON array.
    QByteArray content() const;
    // SHA-256 (hex) of previous, a line break and content().
    static QString chainHash(const QString &previous, const CAuditEntry &entry);
    // The hash the first entry follows: 64 zeros.
    static QString origin();

    // The entry's time in the desk's zone then, as a person reads it:
    // "2025-05-20 09:14:03 UTC+02:00".
    QString timeText() const { return timeText(utc, zone); }
    static QString timeText(const QString &utc, const QString &zone);
};

// Which entries an audit list shows: of one record, user or action (empty
// or 0: any), within [from, to] (an invalid bound is open), oldest first;
// a page of them: those after afterSeq, at most limit (0: all).
struct CAuditFilter {
    int recordId = 0;
    QString user;
    QString action;
    QDateTime from;
    QDateTime to;
    qint64 afterSeq = 0;
    int limit = 0;
};

// The audit trail of a history (t_audit): entries appended in order, each
// chained to the one before by its hash, never changed or removed (the
// table's triggers refuse it). Appending takes the trail's lock (another
// desk of a shared history waits) and the next number in the caller's
// transaction, so that the chain never forks.
class CAuditTrail {
    Q_DECLARE_TR_FUNCTIONS(CAuditTrail)
public:
    CAuditTrail(const QSqlDatabase &database, const CComplianceClock &clock);

    // Fills seq, time, zone, desk and the hashes of entry and adds it,
    // inside the caller's open transaction. false: error() says why.
    bool appendInTransaction(CAuditEntry &entry);
    // The same in a transaction of its own, tried again when another
    // process appended at the same moment.
    bool append(CAuditEntry &entry);

    // The newest entry (seq 0 when the trail is empty); ok false when it
    // cannot be read.
    CAuditEntry head(bool *ok = nullptr);
    // The entries of filter, oldest first.
    QVector<CAuditEntry> entries(const CAuditFilter &filter, bool *ok = nullptr);

    // The chain checked from the first entry on, read row by row: numbers
    // without a gap, each entry's previous hash the hash of the one before,
    // each hash that of its content, and every anchor (seq and hash noted
    // earlier, see CAuditAnchors) still in the chain. The first fault found
    // is told. visit sees every entry that passed, in order.
    struct Check {
        bool intact = false;
        qint64 entries = 0;
        qint64 brokenSeq = 0; // the entry at fault (0: none, or the trail could not be read)
        QString problem; // plain text, in the interface language
    };
    struct Anchor {
        qint64 seq = 0;
        QString hash;
    };
    Check check(const QVector<Anchor> &anchors, const std::function<void(const CAuditEntry &)> &visit = {});

    QString error() const { return m_error; }
    // The desk's host name, as entries record it.
    static QString deskName();

private:
    QSqlDatabase m_database;
    CComplianceClock m_clock;
    QString m_error;
};

#endif // CAUDITTRAIL_H
