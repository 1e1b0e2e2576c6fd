#include "app/startup.h"
#include "base/instancechannel.h"
#include "base/instancelock.h"
#include "base/settingsstore.h"
#include "ui/desktopdialogs.h"
#include "ui/programcontext.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvel"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ca.maisonorleane.Norvel"));

    norvel::DesktopDialogs dialogs;
    norvel::FileInstanceLock lock;
    norvel::LocalInstanceChannel channel;
    norvel::NativeSettingsStore store;
    norvel::StartupOptions options;
    options.programPath = QApplication::applicationFilePath();
    options.dialogs = &dialogs;
    options.lock = &lock;
    options.channel = &channel;
    options.store = &store;
    // Qt has taken its own options out of the command line by now.
    options.arguments = norvel::parseProgramArguments(QApplication::arguments().mid(1));

    switch (norvel::startProgram(options)) {
    case norvel::StartupResult::Running:
        break;
    case norvel::StartupResult::AlreadyRunning:
    case norvel::StartupResult::HandedOver:
        return 0;
    case norvel::StartupResult::BadArguments:
        return 2;
    case norvel::StartupResult::Failed:
        return 1;
    }
    const int code = QApplication::exec();
    norvel::resetProgramContext();
    return code;
}
