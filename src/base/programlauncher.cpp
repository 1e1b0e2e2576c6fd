#include "base/programlauncher.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace norvel {

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

} // namespace norvel
