#include "base/instancelock.h"

#include "base/instancename.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvel {

FileInstanceLock::FileInstanceLock(QString lockFolder)
    : folder_(std::move(lockFolder))
{
    if (folder_.isEmpty())
        folder_ = instanceFolder();
}

FileInstanceLock::~FileInstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing drops the lock
}

QString FileInstanceLock::lockFilePath(const QString &programPath) const
{
    return QDir(folder_).filePath(instanceName(programPath) + QStringLiteral(".lock"));
}

bool FileInstanceLock::acquire(const QString &programPath)
{
    if (fd_ >= 0)
        return true;
    // Without a place for the lock, refusing to start would help nobody.
    if (folder_.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(lockFilePath(programPath));
    // Never through a link, and only a file of this user's: anyone else's could be held by
    // them to keep the program from starting.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(fd);
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

} // namespace norvel
