#pragma once

#include <QString>

namespace norvel {

// Where the program keeps what it writes. A copy whose folder it may write (a portable copy)
// keeps its settings and illustrations beside itself; an installed copy, whose folder belongs
// to the system, keeps them in the user's own folders.
struct DataLocations {
    QString settingsFile;
    QString illustrationsFolder;
    bool perUser = false;
};

// The user's folders for that case; empty ones are taken from the system.
struct UserFolders {
    QString settings;  // the program's configuration folder ("~/.config/norvel")
    QString documents; // the user's documents ("~/Documents")
};

// Decided once, at start-up: the settings file "<exeBaseName>.ini" goes beside the program
// unless it cannot be written there (a settings file that cannot be replaced, or a folder in
// which it cannot be created), or must not be, whoever may: a program folder in the system's
// folders or owned by another user is everyone's, and root installing it is no exception.
DataLocations chooseDataLocations(const QString &programDir, const QString &exeBaseName,
                                  UserFolders user);

// Whether a folder is this user's own, which the program may write: not in the system's
// folders, not another user's.
bool isOwnFolder(const QString &path);

// Whether a folder (an absolute path, links resolved) lies where the system keeps installed
// programs: /usr, /opt and their like; on Windows the program files folders.
bool isSystemFolder(const QString &folder);

// Gives the user's settings file its first content, a copy of the program folder's settings
// file, when the user has none yet. A user's file is never overwritten; a program folder's
// file that is not text is not copied. False when a copy was due but could not be made.
bool seedUserSettings(const QString &programSettings, const QString &userSettings);

} // namespace norvel
