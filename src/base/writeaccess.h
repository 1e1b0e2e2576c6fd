#pragma once

#include <QString>

namespace norvel {

// Whether the program may write a file. A file or folder whose write bits are all clear is
// read-only for everyone, root included: the program never goes around that mark, even where
// the system would let it.

// The path exists and none of its write bits is set.
bool isMarkedReadOnly(const QString &path);

// An existing folder in which files can be created, renamed and removed.
bool canWriteInFolder(const QString &folder);

// The file can be written as a whole (a new file beside it, then renamed over it): its
// folder can be written, and the file, when it exists, is a writable file.
bool canReplaceFile(const QString &path);

} // namespace norvel
