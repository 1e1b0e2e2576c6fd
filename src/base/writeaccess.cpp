#include "base/writeaccess.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace norvel {

namespace {

constexpr QFileDevice::Permissions kWriteBits =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

bool systemAllows(const QString &path, int mode)
{
    return ::access(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace

bool isMarkedReadOnly(const QString &path)
{
    return QFileInfo::exists(path) && !(QFile::permissions(path) & kWriteBits);
}

bool canWriteInFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() && !isMarkedReadOnly(folder) &&
           systemAllows(folder, W_OK | X_OK);
}

bool canReplaceFile(const QString &path)
{
    const QFileInfo file(path);
    if (!canWriteInFolder(file.absolutePath()))
        return false;
    if (!file.exists() && !file.isSymLink())
        return true;
    return file.isFile() && !isMarkedReadOnly(path) && systemAllows(path, W_OK);
}

} // namespace norvel
