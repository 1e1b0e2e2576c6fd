#include "base/programlauncher.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFile>
#include <QThread>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;
#endif

namespace norvel {

#ifndef Q_OS_WIN
namespace {

// How long a program is watched for an early failure: a reader that got that far runs.
constexpr int kWatchMilliseconds = 1000;
constexpr int kPollMilliseconds = 20;

} // namespace

bool DetachedLauncher::start(const QString &program, const QStringList &arguments)
{
    std::vector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        bytes.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own session: the reader stays open when this program ends or its terminal closes.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0)
        return false;
    for (int waited = 0; waited < kWatchMilliseconds; waited += kPollMilliseconds) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        QThread::msleep(kPollMilliseconds);
    }
    // Still running: reaped whenever it ends, so it never lingers as a zombie.
    std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return true;
}
#else
bool DetachedLauncher::start(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
    });
#endif
    return process.startDetached();
}
#endif

} // namespace norvel
