#ifndef CRECORDSTORE_H
#define CRECORDSTORE_H

#include <QString>

class CRecord;

// Where the read step keeps a record: the history database implements it,
// so that reading a logger needs no knowledge of the database.
class CRecordStore {
public:
    virtual ~CRecordStore() = default;
    // Stores the whole record (header, summary, samples, report path) under
    // record.name, all of it or nothing; sets record.id. False when nothing
    // was stored.
    virtual bool storeRecord(CRecord &record) = 0;
    // The stored record whose report has exactly these bytes (their SHA-256,
    // hex): its id, and its name in *name. 0 when there is none, or when
    // digest is empty.
    virtual int findReport(const QString &digest, QString *name) = 0;
};

#endif // CRECORDSTORE_H
