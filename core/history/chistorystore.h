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
// the record is stored in the embedded history and marked pending for the
// shared one's URL; pending records are copied over as soon as the shared
// history answers again (syncPending, also run before each store). Nothing
// is lost and nothing is copied twice: a record already there with the
// same name and report digest is only unmarked.
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
    // Looked up where storeRecord would store: the shared history when it
    // answers (after copying what waited here), else the embedded one.
    int findReport(const QString &digest, QString *name) override;
    // Where the last storeRecord put the record.
    enum Place { Nowhere, InHistory, KeptLocally };
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
    };
    SyncResult syncPending(const std::function<void(const QString &line)> &progress = {});

    // Copies every record of the embedded history `from` into `to`, oldest
    // first, with a line per record; pending marks for to's URL are cleared
    // for what is there now.
    static SyncResult copyAll(CTempDbManager &from, CTempDbManager &to, const QString &toUrl,
        const std::function<void(const QString &line)> &progress, bool pendingOnly = false);

private:
    bool sharedReachable();

    QString m_appDir;
    CHistoryLocation m_location;
    std::unique_ptr<CTempDbManager> m_embedded;
    std::unique_ptr<CTempDbManager> m_shared;
    Place m_lastPlace = Nowhere;
    QString m_error;
};

#endif // CHISTORYSTORE_H
