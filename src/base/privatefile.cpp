#include "base/privatefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace norvel {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

bool openPrivately(QSaveFile &file)
{
    const bool created = !QFileInfo::exists(file.fileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The file beside it takes the mode of the file it replaces; a new one would take the
    // umask's, readable by everyone.
    if (created && !file.setPermissions(kOwnerOnly)) {
        file.cancelWriting();
        return false;
    }
    return true;
}

bool makePrivateFolder(const QString &path)
{
    const QFileInfo folder(path);
    if (folder.isDir())
        return true;
    if (folder.exists() || folder.isSymLink())
        return false;
    if (!makePrivateFolder(folder.absolutePath()))
        return false;
    return QDir().mkdir(folder.absoluteFilePath(), QFileDevice::ReadOwner |
                                                       QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner) ||
           QFileInfo(path).isDir();
}

} // namespace norvel
