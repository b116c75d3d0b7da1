#include "core/device/cmounttable_linux.h"

#include <QFile>
#include <QSet>

QString CMountTable::resolvePath(const QString &given)
{
    const QString env = qEnvironmentVariable("VESMIRA_MOUNTINFO");
    return env.isEmpty() ? given : env;
}

QVector<CMountEntry> CMountTable::parse(const QByteArray &text)
{
    QVector<CMountEntry> entries;
    for (const QByteArray &line : text.split('\n')) {
        // id parent MAJ:MIN root mount-point options [optional fields...] - type source super-options
        const QList<QByteArray> fields = line.split(' ');
        const int separator = fields.indexOf("-", 6);
        if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
            continue;
        CMountEntry entry;
        entry.mountId = QString::fromLatin1(fields.at(0));
        entry.device = QString::fromLatin1(fields.at(2));
        entry.mountPoint = unescape(fields.at(4));
        entry.fsType = unescape(fields.at(separator + 1));
        entry.source = unescape(fields.at(separator + 2));
        entries.append(entry);
    }
    return entries;
}

QVector<CMountEntry> CMountTable::read(const QString &path, bool *ok)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (ok)
        *ok = opened;
    if (!opened)
        return {};
    // /proc files report size 0: readAll reads until the end, not by size.
    return parse(file.readAll());
}

QString CMountTable::unescape(const QByteArray &field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size() && field.at(i + 1) >= '0' && field.at(i + 1) <= '3'
            && field.at(i + 2) >= '0' && field.at(i + 2) <= '7' && field.at(i + 3) >= '0'
            && field.at(i + 3) <= '7') {
            bytes.append(char(
                ((field.at(i + 1) - '0') << 6) | ((field.at(i + 2) - '0') << 3) | (field.at(i + 3) - '0')));
            i += 3;
        } else {
            bytes.append(c);
        }
    }
    // The same decoding Qt uses for every file name, so the root opens again.
    return QFile::decodeName(bytes);
}

void CMountTable::compare(const QVector<CMountEntry> &before, const QVector<CMountEntry> &after,
    QStringList &arrived, QStringList &removed)
{
    const auto key = [](const CMountEntry &e) { return e.mountId + QLatin1Char(' ') + e.mountPoint; };
    QSet<QString> beforeKeys;
    for (const CMountEntry &e : before)
        beforeKeys.insert(key(e));
    QSet<QString> afterKeys;
    for (const CMountEntry &e : after) {
        afterKeys.insert(key(e));
        if (!beforeKeys.contains(key(e)))
            arrived.append(e.mountPoint);
    }
    for (const CMountEntry &e : before) {
        if (!afterKeys.contains(key(e)))
            removed.append(e.mountPoint);
    }
}
