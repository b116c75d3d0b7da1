#ifndef TESTS_TESTFILES_H
#define TESTS_TESTFILES_H

// Whole-file reads and writes for tests that compare files byte for byte.
#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of path; empty when it cannot be read (absent included).
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes content as the whole of path; false when any of it failed.
inline bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

#endif // TESTS_TESTFILES_H
