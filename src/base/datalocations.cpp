#include "base/datalocations.h"

#include "base/privatefile.h"
#include "base/profile.h"
#include "base/writeaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace norvel {

bool isOwnFolder(const QString &path)
{
    const QFileInfo folder(path);
    const QString real = folder.canonicalFilePath();
    if (real.isEmpty() || isSystemFolder(real))
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    return folder.ownerId() == ::geteuid();
#endif
}

bool isSystemFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    QStringList prefixes;
    for (const char *name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"})
        if (const QString value = qEnvironmentVariable(name); !value.isEmpty())
            prefixes << QDir::fromNativeSeparators(value);
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const QStringList prefixes = {
        QStringLiteral("/usr"),  QStringLiteral("/opt"),   QStringLiteral("/bin"),
        QStringLiteral("/sbin"), QStringLiteral("/lib"),   QStringLiteral("/lib32"),
        QStringLiteral("/lib64"), QStringLiteral("/libx32"), QStringLiteral("/etc"),
        QStringLiteral("/snap"), QStringLiteral("/var/lib"), QStringLiteral("/boot")};
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QString path = QDir::fromNativeSeparators(folder);
    for (const QString &prefix : prefixes)
        if (path.compare(prefix, cs) == 0 || path.startsWith(prefix + QLatin1Char('/'), cs))
            return true;
    return false;
}

DataLocations chooseDataLocations(const QString &programDir, const QString &exeBaseName,
                                  UserFolders user)
{
    const QString fileName = exeBaseName + QStringLiteral(".ini");
    const QString beside = QDir(programDir).filePath(fileName);
    if (isOwnFolder(programDir) && canReplaceFile(beside))
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
