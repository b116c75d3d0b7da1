#ifndef CCOMPLIANCESCHEMA_H
#define CCOMPLIANCESCHEMA_H

#include <QSqlDatabase>
#include <QString>

// The tables compliance mode keeps in the history, beside the records, on
// both engines (made when it is first switched on; a history that never had
// it has none of them):
//   t_compliance  name, value: the settings ("enabled" 1 or 0,
//                 "idleMinutes", "historyId")
//   t_user        name, printedName, role, passwordHash, failures, locked,
//                 disabled, created
//   t_audit       seq, utc, zone, userName, desk, action, t_reocrd_id,
//                 details, reason, previousHash, hash: the chained audit trail
//   t_signature   id, t_reocrd_id, userName, printedName, utc, zone, meaning,
//                 comment, contentHash, auditSeq
// t_audit and t_signature only grow: triggers refuse every update and
// deletion (and, on PostgreSQL, a truncation).
namespace CComplianceSchema {

bool isPostgres(const QSqlDatabase &database);
// Whether the history has the compliance tables (never creates anything).
bool exists(QSqlDatabase &database);
// Creates what is missing, in one transaction; false with the reason in
// *error.
bool create(QSqlDatabase &database, QString *error);
// Inside a transaction on PostgreSQL: waits until no other desk appends to
// the audit trail, until the transaction ends. Nothing on SQLite (its write
// transaction excludes the others).
bool lockTrail(QSqlDatabase &database, QString *error);

} // namespace CComplianceSchema

#endif // CCOMPLIANCESCHEMA_H
