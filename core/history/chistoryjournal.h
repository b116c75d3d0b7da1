#ifndef CHISTORYJOURNAL_H
#define CHISTORYJOURNAL_H

#include <QString>

class QSqlDatabase;

// A change of a record as a journal sees it.
struct CHistoryChange {
    enum Kind {
        Stored, // a record read (or opened) was stored
        Copied, // a record came over from another history
        Renamed, // name is the new name
        Deleted,
    };
    Kind kind = Stored;
    int recordId = 0;
    QString name;
};

// Told of every change of the records of a history inside the transaction
// that makes it, before the change is committed: what the journal writes on
// the same connection commits or rolls back with it, and a journal may refuse
// a change. Whoever keeps a trail of the history's changes installs one
// (CTempDbManager::setJournal); the history knows nothing of what it keeps.
class CHistoryJournal {
public:
    virtual ~CHistoryJournal() = default;
    // Runs inside the open transaction on database (the record's rows are
    // still there for a deletion, and carry the old name for a rename).
    // false refuses the change: it is rolled back, and refusal() says why.
    virtual bool journal(QSqlDatabase &database, const CHistoryChange &change) = 0;
    virtual QString refusal() const = 0;
};

#endif // CHISTORYJOURNAL_H
