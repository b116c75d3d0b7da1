#include "core/dock/cdockfiles.h"

#include "core/record/crecord.h"
#include "core/record/crecordtime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace {

const QRegularExpression &fieldPattern()
{
    static const QRegularExpression field(QStringLiteral("\\{([A-Za-z]+)(?::([^}]*))?\\}"));
    return field;
}

// The trip's start: as the summary prints it, else the first sample's time.
QDateTime tripStart(const CRecord &record)
{
    const CRecordTime printed = CRecordTime::fromText(record.summary.recordStartAt.trimmed());
    if (printed.isValid())
        return printed.toDateTime();
    for (int i = 0; i < record.data.size(); ++i) {
        if (record.data.secs(i) != CRecordTime::invalidSecs)
            return record.data.time(i).toDateTime();
    }
    return QDateTime();
}

QString fileSafe(QString name)
{
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    if (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    // Room for a counter and a suffix within the 255 bytes of a name.
    while (QFile::encodeName(name).size() > 200)
        name.chop(name.size() > 1 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    return name.isEmpty() ? QStringLiteral("report") : name;
}

} // namespace

QString CDockFiles::defaultPattern()
{
    return QStringLiteral("{serial}_{tripId}_{start:yyyyMMdd}");
}

QString CDockFiles::checkPattern(const QString &pattern)
{
    static const QStringList known { "serial", "tripId", "record", "start" };
    auto it = fieldPattern().globalMatch(pattern);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (!known.contains(match.captured(1)))
            return QStringLiteral("unknown field %1 (known: {serial} {tripId} {record} {start:FORMAT})")
                .arg(match.captured(0));
        if (match.captured(1) != QLatin1String("start") && match.capturedLength(2) > 0)
            return QStringLiteral("%1 takes no format").arg(match.captured(0));
    }
    return QString();
}

QString CDockFiles::expandName(const QString &pattern, const CRecord &record)
{
    QString name;
    int from = 0;
    auto it = fieldPattern().globalMatch(pattern);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        name += pattern.midRef(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString field = match.captured(1);
        if (field == QLatin1String("serial")) {
            name += record.summary.deviceNo.trimmed();
        } else if (field == QLatin1String("tripId")) {
            name += record.summary.wayId.trimmed();
        } else if (field == QLatin1String("record")) {
            name += record.name;
        } else if (field == QLatin1String("start")) {
            const QString format
                = match.capturedLength(2) > 0 ? match.captured(2) : QStringLiteral("yyyyMMdd");
            const QDateTime start = tripStart(record);
            if (start.isValid())
                name += QLocale::c().toString(start, format);
        } else {
            name += match.captured(0);
        }
    }
    name += pattern.midRef(from);
    return fileSafe(name);
}

QStringList CDockFiles::reserve(
    const QString &dir, const QString &name, const QStringList &suffixes, QString *why)
{
    if (!QDir().mkpath(dir)) {
        if (why)
            *why = QStringLiteral("cannot create the folder %1").arg(dir);
        return {};
    }
    for (int n = 1; n < 100000; ++n) {
        const QString base
            = dir + QLatin1Char('/') + (n == 1 ? name : QStringLiteral("%1-%2").arg(name).arg(n));
        QStringList taken;
        bool clash = false;
        for (const QString &suffix : suffixes) {
            const QString path = base + QLatin1Char('.') + suffix;
            QFile file(path);
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                taken << path;
                continue;
            }
            clash = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
            if (!clash && why)
                *why = QStringLiteral("%1: %2").arg(path, file.errorString());
            break;
        }
        if (taken.size() == suffixes.size())
            return taken;
        for (const QString &path : qAsConst(taken))
            QFile::remove(path);
        if (!clash)
            return {};
    }
    if (why)
        *why = QStringLiteral("no free name for %1 in %2").arg(name, dir);
    return {};
}
