#include "core/compliance/cauditanchors.h"

#include "core/record/appglobals.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <unistd.h>

QString CAuditAnchors::defaultPath()
{
    return applicationDir + QStringLiteral("/db/audit-anchors.txt");
}

bool CAuditAnchors::append(
    const QString &path, const QString &historyId, const CAuditEntry &head, QString *error)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    const QString now
        = QLocale::c().toString(QDateTime::currentDateTimeUtc(), QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
    const QByteArray line
        = QStringLiteral("%1\t%2\t%3\t%4\n").arg(now, historyId).arg(head.seq).arg(head.hash).toUtf8();
    // One write of a short line to a file opened for appending: it lands
    // whole after the lines of any other process.
    if (file.write(line) != line.size() || ::fsync(file.handle()) != 0) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

QVector<CAuditTrail::Anchor> CAuditAnchors::read(const QString &path, const QString &historyId)
{
    QVector<CAuditTrail::Anchor> anchors;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return anchors;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
        if (fields.size() != 4 || QString::fromUtf8(fields.at(1)) != historyId)
            continue;
        bool ok = false;
        const qint64 seq = fields.at(2).toLongLong(&ok);
        if (ok && seq > 0 && fields.at(3).size() == 64)
            anchors.append({ seq, QString::fromLatin1(fields.at(3)) });
    }
    return anchors;
}
