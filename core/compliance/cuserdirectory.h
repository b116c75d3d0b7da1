#ifndef CUSERDIRECTORY_H
#define CUSERDIRECTORY_H

#include "core/compliance/csession.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// One account of compliance mode (t_user). The password is kept only as
// CPasswordHash's text.
struct CUserAccount {
    QString name;
    QString printedName; // the name signatures print
    CRole role = CRole::Operator;
    QString passwordHash;
    int failures = 0; // wrong passwords in a row
    bool locked = false; // after too many of them, until an admin unlocks it
    bool disabled = false;
    QString created; // UTC, ISO
};

// The accounts of a history: the rows of t_user, nothing more. The rules
// (who may change what, lockout, the audit entries) are CCompliance's.
class CUserDirectory {
public:
    explicit CUserDirectory(const QSqlDatabase &database);

    // The account called name: true when found; *ok false when the table
    // could not be read.
    bool find(const QString &name, CUserAccount *account, bool *ok = nullptr);
    QVector<CUserAccount> all(bool *ok = nullptr);
    // In the caller's transaction.
    bool insert(const CUserAccount &account);
    // Every field but name and created.
    bool update(const CUserAccount &account);
    // One more wrong password: the new count (-1 when it failed).
    int countFailure(const QString &name);

    QString error() const { return m_error; }

private:
    QSqlDatabase m_database;
    QString m_error;
};

#endif // CUSERDIRECTORY_H
