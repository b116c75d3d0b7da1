#ifndef CREPORTSIGNOFF_H
#define CREPORTSIGNOFF_H

#include <QString>
#include <QVector>

// One signature of a record as an exported report prints it.
struct CReportSignature {
    QString name; // the signer's printed name
    QString signedAt; // date, time and zone as a person reads them
    QString meaning; // "reviewed", "approved" or "rejected" (printed in the report's language)
    QString comment;
};

// What a report shows of the record's sign-off: its signatures (the PDF on
// page 1 below the summary, the CSV in a block above the samples) and the
// head of the audit trail when it was written. Empty, the default, the
// report is exactly as without it.
struct CReportSignoff {
    QVector<CReportSignature> signatures;
    QString auditHead; // "entry 42, SHA-256 ..."; empty: none
    bool isEmpty() const { return signatures.isEmpty() && auditHead.isEmpty(); }
};

#endif // CREPORTSIGNOFF_H
