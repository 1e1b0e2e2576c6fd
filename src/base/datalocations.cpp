#include "base/datalocations.h"

#include "base/privatefile.h"
#include "base/profile.h"
#include "base/writeaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace norvel {

DataLocations chooseDataLocations(const QString &programDir, const QString &exeBaseName,
                                  UserFolders user)
{
    const QString fileName = exeBaseName + QStringLiteral(".ini");
    const QString beside = QDir(programDir).filePath(fileName);
    if (canReplaceFile(beside))
        return {beside, QDir(programDir).filePath(QStringLiteral("Illust")), false};

    if (user.settings.isEmpty())
        user.settings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (user.documents.isEmpty())
        user.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return {QDir(user.settings).filePath(fileName),
            QDir(user.documents).filePath(QStringLiteral("Norvel")), true};
}

bool seedUserSettings(const QString &programSettings, const QString &userSettings)
{
    if (QFileInfo::exists(userSettings) || QFileInfo(userSettings).isSymLink())
        return true;
    QFile original(programSettings);
    if (!original.exists())
        return true;
    if (!original.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = original.readAll();
    if (original.error() != QFileDevice::NoError || !isProfileText(content))
        return false;
    // Written afresh rather than copied: the copy must not inherit a read-only mark.
    makePrivateFolder(QFileInfo(userSettings).absolutePath());
    QSaveFile copy(userSettings);
    return openPrivately(copy) && copy.write(content) == content.size() &&
           copy.flush() && copy.commit();
}

} // namespace norvel
