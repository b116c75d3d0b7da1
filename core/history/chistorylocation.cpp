#include "core/history/chistorylocation.h"

#include "core/record/crecordconfig.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

namespace {

// A libpq keyword value in single quotes, quotes and backslashes escaped.
QString quoted(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

} // namespace

QString CHistoryLocation::withoutPassword(const QString &url)
{
    // The user information ends at the last '@' before the path.
    static const QRegularExpression userInfo(QStringLiteral("^([^:/?#]*://[^/?#@:]*):[^/?#]*@"));
    static const QRegularExpression passwordKey(
        QStringLiteral("([?&](password|passfile)=)[^&#]*"), QRegularExpression::CaseInsensitiveOption);
    QString safe = url;
    safe.replace(userInfo, QStringLiteral("\\1@"));
    safe.replace(passwordKey, QStringLiteral("\\1"));
    return safe;
}

CHistoryLocation CHistoryLocation::configured()
{
    return parse(CRecordConfig::instance()->historyUrl());
}

CHistoryLocation CHistoryLocation::parse(const QString &text)
{
    CHistoryLocation location;
    location.m_url = text.trimmed();
    const QString &url = location.m_url;
    if (url.isEmpty())
        return location;
    const auto refuse = [&location](const QString &why) {
        location.m_kind = Invalid;
        location.m_error = why;
        return location;
    };
    if (!url.startsWith(QLatin1String("postgresql://")) && !url.startsWith(QLatin1String("postgres://")))
        return refuse(QStringLiteral("the history URL must start with postgresql:// (or be empty for the "
                                     "embedded history)"));
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid())
        return refuse(QStringLiteral("not a valid URL: %1").arg(parsed.errorString()));
    if (!parsed.password().isEmpty())
        return refuse(QStringLiteral("the URL holds a password; keep it in ~/.pgpass or PGPASSWORD instead"));
    if (parsed.hasFragment())
        return refuse(QStringLiteral("the URL has a fragment (#...)"));

    location.m_host = parsed.host(QUrl::FullyDecoded);
    location.m_user = parsed.userName(QUrl::FullyDecoded);
    location.m_port = parsed.port(-1);
    QString path = parsed.path(QUrl::FullyDecoded);
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    location.m_database = path;

    QStringList options;
    bool timeout = false;
    static const QRegularExpression keyword(QStringLiteral("^[a-z_]+$"));
    const QUrlQuery query(parsed);
    for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
        const QString &key = item.first;
        const QString &value = item.second;
        if (!keyword.match(key).hasMatch())
            return refuse(QStringLiteral("\"%1\" is no connection keyword").arg(key));
        if (key == QLatin1String("password") || key == QLatin1String("passfile"))
            return refuse(
                QStringLiteral("the URL holds a password; keep it in ~/.pgpass or PGPASSWORD instead"));
        // The driver turns every ';' of the options into a blank.
        if (value.contains(QLatin1Char(';')))
            return refuse(QStringLiteral("the value of %1 holds a ';'").arg(key));
        if (key == QLatin1String("host")) {
            location.m_host = value;
        } else if (key == QLatin1String("port")) {
            bool ok = false;
            location.m_port = value.toInt(&ok);
            if (!ok)
                location.m_port = 0;
        } else if (key == QLatin1String("user")) {
            location.m_user = value;
        } else if (key == QLatin1String("dbname")) {
            location.m_database = value;
        } else {
            timeout = timeout || key == QLatin1String("connect_timeout");
            options << key + QLatin1Char('=') + quoted(value);
        }
    }
    if (location.m_port != -1 && (location.m_port < 1 || location.m_port > 65535))
        return refuse(QStringLiteral("the port must be a number from 1 to 65535"));
    if (location.m_database.isEmpty())
        return refuse(QStringLiteral("the URL names no database (postgresql://host/DBNAME)"));
    if (location.m_database.contains(QLatin1Char('/')))
        return refuse(QStringLiteral("\"%1\" is no database name").arg(location.m_database));
    if (!timeout)
        options << QStringLiteral("connect_timeout='10'");
    location.m_options = options.join(QLatin1Char(';'));
    location.m_kind = Shared;
    return location;
}
