#pragma once

#include "app/programarguments.h"
#include "base/datalocations.h"

#include <QString>

namespace norvel {

class Dialogs;
class MainWindow;
class InstanceChannel;
class InstanceLock;
class SettingsStore;

struct StartupOptions {
    QString programPath; // full path of the executable
    Dialogs *dialogs = nullptr;
    InstanceLock *lock = nullptr;       // none: no check for a second copy
    SettingsStore *store = nullptr;     // none: nothing to clear
    int splashMilliseconds = 1500;      // negative: no splash window
    QString settingsFile;               // empty: "<program>.ini" where the program keeps its data
    UserFolders userFolders;            // where an installed copy keeps its data
    ProgramArguments arguments;         // the command line, with the file to open at start
    InstanceChannel *channel = nullptr; // none: no file is handed to or from another copy
};

enum class StartupResult {
    Running,        // the main window is shown
    AlreadyRunning, // another copy runs; the broker was told
    HandedOver,     // another copy runs and took the file to open
    BadArguments,   // the command line is faulty; the broker was told
    Failed,         // the broker was told why; nothing else is shown
};

// The start-up sequence, from the settings file to the shown main window.
// The main window it shows, when asked for.
StartupResult startProgram(const StartupOptions &options, MainWindow **window = nullptr);

} // namespace norvel
