#pragma once

#include <QString>

class QSaveFile;

namespace norvel {

// What the program writes holds clients' names and birth dates: a file it creates is readable
// by its owner alone, and so is a folder it makes. A file that exists keeps its own mode,
// which the program never loosens.

// Opens a file to be replaced as a whole (written beside it, then renamed over it).
bool openPrivately(QSaveFile &file);

// Makes a folder and any missing parent, each new one for its owner alone; true when the
// folder is there.
bool makePrivateFolder(const QString &path);

} // namespace norvel
