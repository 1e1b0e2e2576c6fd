#pragma once

#include <QString>

namespace norvel {

class Dialogs;
class InstanceLock;
class SettingsStore;

struct StartupOptions {
    QString programPath; // full path of the executable
    Dialogs *dialogs = nullptr;
    InstanceLock *lock = nullptr;   // none: no check for a second copy
    SettingsStore *store = nullptr; // none: nothing to clear
    int splashMilliseconds = 1500;  // negative: no splash window
    QString settingsFile;           // empty: "<program>.ini" beside the program
};

enum class StartupResult {
    Running,        // the main window is shown
    AlreadyRunning, // another copy runs; the broker was told
    Failed,         // the broker was told why; nothing else is shown
};

// The start-up sequence, from the settings file to the shown main window.
StartupResult startProgram(const StartupOptions &options);

} // namespace norvel
