#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace norvel {

// At most `maxSize` bytes from the start of a regular file (a link to one counts). Nothing for
// a file that cannot be read nor for anything else (a FIFO, a device, a folder, a socket),
// which is refused before it could block the program: a FIFO's open waits for a writer.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxSize);

} // namespace norvel
