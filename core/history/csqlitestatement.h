#ifndef CSQLITESTATEMENT_H
#define CSQLITESTATEMENT_H

#include <QByteArray>
#include <QString>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_stmt;

// A prepared statement run directly on the SQLite library behind a QSQLITE
// connection, for the samples of a record, inserted or read by the ten
// thousand: per row QSqlQuery costs more than SQLite itself (QVariant
// bindings and values, texts converted to UTF-16 and back, error objects).
// Same statement, same named placeholders, same rows.
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

    // A case-folding SQL function name(text) on the connection: ASCII texts
    // have their letters lowered here, any other text goes through fold
    // (which must lower ASCII letters the same way). NULL stays NULL. False
    // when the connection's SQLite cannot be reached.
    using TextFunction = QString (*)(const QString &);
    static bool addFoldFunction(const QSqlDatabase &database, const char *name, TextFunction fold);

    // The position of a named placeholder (":temp"), 0 when there is none.
    int parameterIndex(const char *name) const;
    // The bytes are not copied: they must stay alive until exec() returns.
    // An empty text is stored as '' (never NULL).
    void bindText(int index, const QByteArray &utf8);
    void bindInt(int index, int value);
    // Runs the statement once with the current bindings and makes it ready
    // for the next run; false on failure.
    bool exec();
    // SQLite's message for the last failure on the connection ("database or
    // disk is full"), and its result code (SQLITE_CORRUPT, ...).
    QString lastError() const;
    int errorCode() const;
    // Whether the last exec() or next() stopped on an error rather than at
    // the end of the rows.
    bool failed() const { return m_failed; }

    // For a query: steps to the next result row; false after the last one
    // (or on failure), and the statement is then ready to run again.
    bool next();
    // A column of the current row as text; NULL gives a null QString.
    QString text(int column) const;

private:
    sqlite3 *m_connection = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    bool m_failed = false;
};

#endif // CSQLITESTATEMENT_H
