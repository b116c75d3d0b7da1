#ifndef CHISTORYLOCATION_H
#define CHISTORYLOCATION_H

#include <QString>

// Where the history lives, from the url of config/record-config.ini (or
// VESMIRA_HISTORY): empty for the embedded SQLite file db/dravik.db, or a
// shared PostgreSQL database:
//   postgresql://[user@]host[:port]/dbname[?key=value&...]
//   postgresql:///dbname?host=/run/postgresql        (Unix socket folder)
// The query keys are libpq's connection keywords (sslmode, connect_timeout,
// application_name, ...); host, port, user and dbname there override the
// parts before. A password is refused wherever it is written: libpq finds it
// in ~/.pgpass or PGPASSWORD.
class CHistoryLocation {
public:
    enum Kind {
        Embedded,
        Shared,
        Invalid, // error says why
    };

    static CHistoryLocation parse(const QString &url);
    // url with any password taken out ("u:secret@" gives "u@", the value of
    // password= is dropped), for whatever keeps or shows a URL that may not
    // have been refused yet.
    static QString withoutPassword(const QString &url);
    // The configured one: CRecordConfig::historyUrl().
    static CHistoryLocation configured();

    Kind kind() const { return m_kind; }
    bool isShared() const { return m_kind == Shared; }
    // The URL as given (no password can be in it).
    QString url() const { return m_url; }
    // Why the URL was refused; plain English.
    QString error() const { return m_error; }

    // The connection's parts for QSqlDatabase (QPSQL); port -1 = libpq's
    // default, empty host = libpq's default socket.
    QString host() const { return m_host; }
    int port() const { return m_port; }
    QString user() const { return m_user; }
    QString databaseName() const { return m_database; }
    // The further keywords as QSqlDatabase::setConnectOptions takes them
    // ("key='value';key='value'"), with a connect timeout unless the URL
    // sets one: a desk whose server is away must not hang for minutes.
    QString connectOptions() const { return m_options; }

private:
    Kind m_kind = Embedded;
    QString m_url;
    QString m_error;
    QString m_host;
    int m_port = -1;
    QString m_user;
    QString m_database;
    QString m_options;
};

#endif // CHISTORYLOCATION_H
