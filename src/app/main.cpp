#include "app/appstate.h"
#include "app/desktopdialogs.h"
#include "app/startup.h"
#include "platform/instancelock.h"
#include "platform/settingsstore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvel"));

    norvel::DesktopDialogs dialogs;
    norvel::FileInstanceLock lock;
    norvel::NativeSettingsStore store;
    norvel::StartupOptions options;
    options.programPath = QApplication::applicationFilePath();
    options.dialogs = &dialogs;
    options.lock = &lock;
    options.store = &store;

    switch (norvel::startProgram(options)) {
    case norvel::StartupResult::Running:
        break;
    case norvel::StartupResult::AlreadyRunning:
        return 0;
    case norvel::StartupResult::Failed:
        return 1;
    }
    const int code = QApplication::exec();
    norvel::resetAppState();
    return code;
}
