#include "core/export/creportsaveas.h"

#include "core/record/ctaskprogress.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool CReportSaveAs::copyReport(const QString &reportPath, const QString &targetPath, CTaskProgress *task)
{
    if (reportPath.isEmpty() || targetPath.isEmpty() || !QFileInfo(reportPath).isFile())
        return false;
    // Never over an existing target; the test also covers a target that is
    // a directory or a dangling link.
    const auto free
        = [&targetPath] { return !QFileInfo(targetPath).exists() && !QFileInfo(targetPath).isSymLink(); };
    if (!free())
        return false;
    QFile source(reportPath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(targetPath);
    // Unbuffered: QSaveFile's commit() takes a failed flush of its own
    // buffer (a full disk) for success.
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const qint64 size = source.size();
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 done = 0;;) {
        if (task && !task->advance(done, size)) {
            target.cancelWriting();
            return false;
        }
        const qint64 n = source.read(block.data(), block.size());
        if (n < 0 || (n > 0 && target.write(block.constData(), n) != n)) {
            target.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        done += n;
    }
    return free() && target.commit();
}

QString CReportSaveAs::fileFilter(const QString &pattern, const QString &reportPath)
{
    const QString suffix = QFileInfo(reportPath).suffix();
    return pattern.arg(suffix.toUpper(), suffix);
}
