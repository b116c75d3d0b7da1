#ifndef CHISTORYSTORE_H
#define CHISTORYSTORE_H

#include "core/history/chistorylocation.h"
#include "core/record/crecordstore.h"

#include <QString>
#include <functional>
#include <memory>

class CTempDbManager;

// Where the read step stores a record, with the history configured for the
// application directory: the embedded history (db/dravik.db), or a shared
// one with the embedded history as its fallback. When the shared history
// cannot be reached (server away, network down, a URL that cannot work),
// the record is stored in the embedded history and marked pending in the
// same transaction. Pending means "not yet in the configured shared
// history", whatever URL it had then: pending records are copied over as
// soon as the shared history answers again (syncPending, also run before
// each store), also after its URL was corrected. Nothing is lost and
// nothing is copied twice: a record already there with the same name and
// report digest is only unmarked.
class CHistoryStore : public CRecordStore {
public:
    CHistoryStore(const QString &appDir, const CHistoryLocation &location);
    ~CHistoryStore() override;

    const CHistoryLocation &location() const { return m_location; }
    bool isShared() const { return m_location.kind() != CHistoryLocation::Embedded; }

    // The history to show and edit: the shared one when configured (open or
    // not), else the embedded one.
    CTempDbManager *history();
    // The embedded history, opened on first use.
    CTempDbManager *embedded();

    bool storeRecord(CRecord &record) override;
    QString storeError() const override { return m_storeError; }
    // Looked up where storeRecord would store: the shared history when it
    // answers (after copying what waited here), else the embedded one.
    int findReport(const QString &digest, QString *name) override;
    // Where the last storeRecord put the record.
    // KeptLocallyUrlRefused: the configured URL cannot work at all
    // (lastError says why); the record waits until it is corrected.
    enum Place { Nowhere, InHistory, KeptLocally, KeptLocallyUrlRefused };
    Place lastPlace() const { return m_lastPlace; }
    // Why the shared history could not be reached at the last try.
    QString lastError() const { return m_error; }

    // Copies the pending records to the shared history; progress gets one
    // plain line per record. Does nothing without a shared history or when
    // it cannot be reached (then false).
    struct SyncResult {
        bool reachable = false;
        int copied = 0;
        int alreadyThere = 0;
        int failed = 0;
        bool cancelled = false; // stopped between two records by the step's CTaskProgress
    };
    SyncResult syncPending(const std::function<void(const QString &line)> &progress = {});

    // Copies the records of the embedded history `from` into the shared
    // history `to`, oldest first, one transaction per record, with a line
    // per record ("N of M: ..."). Interrupted, it goes on where it stopped
    // when run again; the CTaskProgress of the calling thread hears of each
    // record and may cancel the copy between two. Scope: every record, only the pending ones, or every
    // record into another history than the configured one (whose copy
    // does not unmark the pending ones).
    enum Scope { EveryRecord, PendingOnly, EveryRecordElsewhere };
    static SyncResult copyAll(CTempDbManager &from, CTempDbManager &to,
        const std::function<void(const QString &line)> &progress, Scope scope = EveryRecord);

private:
    bool sharedReachable();

    QString m_appDir;
    CHistoryLocation m_location;
    std::unique_ptr<CTempDbManager> m_embedded;
    std::unique_ptr<CTempDbManager> m_shared;
    Place m_lastPlace = Nowhere;
    QString m_error;
    QString m_storeError;
};

#endif // CHISTORYSTORE_H
