#include "platform/instancelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace norvel {

FileInstanceLock::FileInstanceLock(QString lockFolder)
    : folder_(std::move(lockFolder))
{
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder_.isEmpty())
        folder_ = QDir::tempPath();
}

FileInstanceLock::~FileInstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing drops the lock
}

QString FileInstanceLock::lockFilePath(const QString &programPath) const
{
    // One lock per installed copy of the program and per user.
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash((canonical.isEmpty() ? programPath : canonical).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(folder_).filePath(QStringLiteral("norvel-%1-%2.lock")
                                      .arg(QString::number(::getuid()), QString::fromLatin1(key)));
}

bool FileInstanceLock::acquire(const QString &programPath)
{
    if (fd_ >= 0)
        return true;
    const QByteArray path = QFile::encodeName(lockFilePath(programPath));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // without a place for the lock, refusing to start would help nobody
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

} // namespace norvel
