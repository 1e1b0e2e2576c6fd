#include "base/regularfile.h"

#include "base/filenames.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace norvel {

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxSize)
{
    QFile file;
#ifdef Q_OS_WIN
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
#else
    // Opened without waiting, then checked on what was opened, so the file cannot be swapped
    // for a FIFO between the check and the open.
    const int fd = ::open(encodeFileName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
#endif
    QByteArray bytes = file.read(maxSize);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace norvel
