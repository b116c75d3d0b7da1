#ifndef CSQLITESTATEMENT_H
#define CSQLITESTATEMENT_H

#include <QByteArray>

class QSqlDatabase;
struct sqlite3_stmt;

// A prepared statement run directly on the SQLite library behind a QSQLITE
// connection, for a statement executed tens of thousands of times in a row
// (the samples of a record): per execution QSqlQuery costs more than SQLite
// itself (QVariant bindings, UTF-16 texts that SQLite converts back, error
// objects). Same statement, same named placeholders, same rows.
//
// The SQLite functions are looked up in the scope of the Qt driver plugin, so
// they belong to the very library that owns the connection handle. Where
// that is not possible (a driver with its own hidden copy of SQLite, a closed
// connection), the statement is not valid and the caller goes through
// QSqlQuery instead.
class CSqliteStatement {
public:
    CSqliteStatement(const QSqlDatabase &database, const char *sql);
    ~CSqliteStatement();
    CSqliteStatement(const CSqliteStatement &) = delete;
    CSqliteStatement &operator=(const CSqliteStatement &) = delete;

    bool isValid() const { return m_stmt != nullptr; }

    // The position of a named placeholder (":temp"), 0 when there is none.
    int parameterIndex(const char *name) const;
    // The bytes are not copied: they must stay alive until exec() returns.
    // An empty text is stored as '' (never NULL).
    void bindText(int index, const QByteArray &utf8);
    void bindInt(int index, int value);
    // Runs the statement once with the current bindings and makes it ready
    // for the next run; false on failure.
    bool exec();

private:
    sqlite3_stmt *m_stmt = nullptr;
};

#endif // CSQLITESTATEMENT_H
