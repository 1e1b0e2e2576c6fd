#include "base/instancename.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace norvel {

QString instanceName(const QString &programPath)
{
    // One name per installed copy of the program and per user.
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash((canonical.isEmpty() ? programPath : canonical).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("norvel-%1-%2")
        .arg(QString::number(::getuid()), QString::fromLatin1(key));
}

bool isPrivateFolder(const QString &path)
{
    struct stat status;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

QString instanceFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (isPrivateFolder(runtime))
        return runtime;
    // Another user may have made these first, under the name they knew this user would take:
    // then they are not used.
    const QString user = QStringLiteral("norvel-") + QString::number(::geteuid());
    for (const QString &parent :
         {QDir::tempPath(), QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)}) {
        if (parent.isEmpty())
            continue;
        const QString folder = QDir(parent).filePath(user);
        QDir().mkpath(parent);
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
        if (isPrivateFolder(folder))
            return folder;
    }
    return {};
}

} // namespace norvel
