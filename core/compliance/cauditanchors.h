#ifndef CAUDITANCHORS_H
#define CAUDITANCHORS_H

#include "core/compliance/caudittrail.h"

#include <QString>
#include <QVector>

// The local anchor file of the audit trail: one line per export (and
// signature, and compliance mode switched) with the head of the chain then,
//   <utc now> TAB <history id> TAB <seq> TAB <hash>
// A trail rewritten afterwards (entries changed and every hash after them
// computed again) no longer holds the anchored hashes. Lines are only ever
// appended, each in one write; a site may keep the file on write-once
// storage or make it append-only (chattr +a).
namespace CAuditAnchors {

// applicationDir/db/audit-anchors.txt
QString defaultPath();
// Appends head for the history historyId; false with the reason in *error.
bool append(const QString &path, const QString &historyId, const CAuditEntry &head, QString *error);
// The anchors of historyId in path, in file order; none when the file is
// missing. Lines of other histories and lines that cannot be read are
// passed over.
QVector<CAuditTrail::Anchor> read(const QString &path, const QString &historyId);

} // namespace CAuditAnchors

#endif // CAUDITANCHORS_H
