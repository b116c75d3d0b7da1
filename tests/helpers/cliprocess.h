#ifndef TESTS_CLIPROCESS_H
#define TESTS_CLIPROCESS_H

// vesmira-cli (or another program) as a real process: its exit code (-1 when
// it crashed) and its output; a private copy of vesmira-cli in an application
// directory of its own, so that its history and report copies land there.
#include <QDir>
#include <QFile>
#include <QProcess>

struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

// The system environment changed by env: "NAME=value" set, "NAME" removed.
inline QProcessEnvironment environmentWith(const QStringList &env)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &item : env) {
        if (item.contains('='))
            environment.insert(item.section('=', 0, 0), item.section('=', 1));
        else
            environment.remove(item);
    }
    return environment;
}

// program with args in environmentWith(env); input goes to its standard input.
inline CliResult runProgram(const QString &program, const QStringList &args, const QStringList &env = {},
    const QByteArray &input = {})
{
    QProcess process;
    process.setProcessEnvironment(environmentWith(env));
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

#ifdef VESMIRA_CLI
inline CliResult runCli(const QStringList &args, const QStringList &env = {}, const QByteArray &input = {})
{
    return runProgram(VESMIRA_CLI, args, env, input);
}

// Copies vesmira-cli and the GBK table into dir as an installed application
// directory holds them.
inline bool installCli(const QString &dir)
{
    QDir().mkpath(dir + "/config");
    return QFile::copy(VESMIRA_CLI, dir + "/vesmira-cli")
        && QFile::copy(VESMIRA_APP_DIR "/config/gbk_code.txt", dir + "/config/gbk_code.txt");
}
#endif

#endif // TESTS_CLIPROCESS_H
