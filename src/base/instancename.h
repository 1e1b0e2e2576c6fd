#pragma once

#include <QString>

namespace norvel {

// What tells one copy of the program, run by one user, from every other: the instance lock and
// the channel to the running copy are named after it.

// "norvel-<user id>-<hash of the program's path>".
QString instanceName(const QString &programPath);

// The folder for the files of a run: the user's runtime folder, else a folder of the user's
// own in the temporary folder, else in the user's cache folder; always a folder that only its
// user can reach, since the lock and the channel carry the names of clients' files. Empty when
// there is none: the program then runs without them.
QString instanceFolder();

// A folder (not a link to one) owned by the user that runs the program, whom alone it lets in.
bool isPrivateFolder(const QString &path);

} // namespace norvel
