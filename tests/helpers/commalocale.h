#ifndef TESTS_COMMALOCALE_H
#define TESTS_COMMALOCALE_H

// A locale that writes decimals with a comma (de_DE.UTF-8), compiled at test
// time into a temporary directory with localedef: the machine needs no
// locale but C installed. glibc finds it through LOCPATH, in this process
// (setlocale) and in child processes (environment()).
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <clocale>

class CommaLocale {
public:
    static constexpr const char *name = "de_DE.UTF-8";

    CommaLocale()
    {
        const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
        if (localedef.isEmpty() || !m_dir.isValid()) {
            m_skip = QStringLiteral("localedef is needed to make the locale de_DE.UTF-8");
            return;
        }
        QProcess p;
        p.start(localedef,
            { QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                m_dir.filePath(QString::fromLatin1(name)) });
        // localedef exits 1 on mere warnings: the compiled category decides.
        if (!p.waitForFinished(-1)
            || !QFile::exists(m_dir.filePath(QString::fromLatin1(name) + "/LC_NUMERIC"))) {
            m_skip = QStringLiteral("localedef could not make de_DE.UTF-8: ")
                + QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
            return;
        }
        m_ok = true;
    }

    bool isValid() const { return m_ok; }
    QString skipReason() const { return m_skip; }

    // Switches this process to the locale; false when glibc refuses it or it
    // does not write a decimal comma.
    bool apply()
    {
        if (!m_ok)
            return false;
        qputenv("LOCPATH", QFile::encodeName(m_dir.path()));
        if (!std::setlocale(LC_ALL, name))
            return false;
        return std::localeconv()->decimal_point == QByteArray(",");
    }

    // The variables that start a child process in the locale (runProgram's env).
    QStringList environment() const
    {
        return { "LOCPATH=" + m_dir.path(), QStringLiteral("LC_ALL=") + QString::fromLatin1(name) };
    }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_skip;
};

#endif // TESTS_COMMALOCALE_H
