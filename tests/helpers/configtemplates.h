#ifndef CONFIGTEMPLATES_H
#define CONFIGTEMPLATES_H

// The two templates of the reference frames (tests/data/templates, as the
// configuration page stores them), copied to path.
#include <QFile>
#include <QString>

inline bool copyTemplate(const char *name, const QString &path)
{
    QFile::remove(path);
    return QFile::copy(QStringLiteral(VESMIRA_TEST_DATA "/templates/") + name, path)
        && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}
// ℉, humidity, timed start and stop, English CSV report.
inline bool writeTemplateF(const QString &path)
{
    return copyTemplate("fahrenheit-humidity.ini", path);
}
// ℃, Chinese description, delayed start, reversed humidity limits (no sensor).
inline bool writeTemplateC(const QString &path)
{
    return copyTemplate("celsius-chinese.ini", path);
}

#endif // CONFIGTEMPLATES_H
