#include "core/export/creportsaveas.h"

#include <QFile>
#include <QFileInfo>

bool CReportSaveAs::copyReport(const QString &reportPath, const QString &targetPath)
{
    if (reportPath.isEmpty() || targetPath.isEmpty() || !QFileInfo(reportPath).isFile())
        return false;
    // QFile::copy refuses an existing target; the explicit test also covers a
    // target that is a directory or a dangling link.
    if (QFileInfo(targetPath).exists() || QFileInfo(targetPath).isSymLink())
        return false;
    return QFile::copy(reportPath, targetPath);
}

QString CReportSaveAs::fileFilter(const QString &pattern, const QString &reportPath)
{
    const QString suffix = QFileInfo(reportPath).suffix();
    return pattern.arg(suffix.toUpper(), suffix);
}
