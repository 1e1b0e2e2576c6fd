#pragma once

#include <QString>

namespace norvel {

// What tells one copy of the program, run by one user, from every other: the instance lock and
// the channel to the running copy are named after it.

// "norvel-<user id>-<hash of the program's path>".
QString instanceName(const QString &programPath);

// The folder for the files of a run (the user's runtime folder, else the temporary folder).
QString instanceFolder();

} // namespace norvel
