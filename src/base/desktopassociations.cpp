#include "base/desktopassociations.h"

#include "base/desktopentry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace norvel {

namespace {

const QString kCommandSuffix = QStringLiteral("\\shell\\open\\command");

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList listValue(const QString &path, const QString &group, const QString &key)
{
    const std::optional<QString> value = keyFileValue(fileContent(path), group, key);
    return value ? value->split(QLatin1Char(';'), Qt::SkipEmptyParts) : QStringList();
}

QString quoted(const QString &argument)
{
    return QLatin1Char('"') + argument + QLatin1Char('"');
}

// An absolute program stays as it is; a bare name is looked for on the PATH.
QString programPath(const QString &program)
{
    if (QFileInfo(program).isAbsolute())
        return program;
    const QString found = QStandardPaths::findExecutable(program);
    return found.isEmpty() ? program : found;
}

} // namespace

DesktopAssociations::DesktopAssociations(QStringList configDirs, QStringList dataDirs,
                                         QStringList desktops)
    : configDirs_(std::move(configDirs))
    , dataDirs_(std::move(dataDirs))
    , desktops_(std::move(desktops))
{
    if (configDirs_.isEmpty())
        configDirs_ = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (dataDirs_.isEmpty())
        dataDirs_ = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (desktops_.isEmpty())
        desktops_ = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                        .toLower()
                        .split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString DesktopAssociations::value(const QString &key, const QString &name)
{
    // Associations here have default values only.
    if (!name.isEmpty())
        return QString();
    if (key.startsWith(QLatin1Char('.'))) {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("file") + key,
                                                               QMimeDatabase::MatchExtension);
        return type.isDefault() ? QString() : defaultApplication(type.name());
    }
    if (key.endsWith(kCommandSuffix, Qt::CaseInsensitive))
        return openCommand(key.chopped(kCommandSuffix.size()));
    return QString();
}

// The lists in the order they take precedence: the user's, then the system's, each with the
// current desktop's own list first.
QStringList DesktopAssociations::mimeAppsLists() const
{
    QStringList folders = configDirs_;
    for (const QString &data : dataDirs_)
        folders << QDir(data).filePath(QStringLiteral("applications"));
    QStringList lists;
    for (const QString &folder : folders) {
        for (const QString &desktop : desktops_)
            lists << QDir(folder).filePath(desktop + QStringLiteral("-mimeapps.list"));
        lists << QDir(folder).filePath(QStringLiteral("mimeapps.list"));
    }
    return lists;
}

QString DesktopAssociations::defaultApplication(const QString &mimeType) const
{
    const QStringList lists = mimeAppsLists();
    for (const QString &list : lists)
        for (const QString &id : listValue(list, QStringLiteral("Default Applications"), mimeType))
            if (usableEntry(id))
                return id;

    // No default: the added associations, then what the installed applications declare,
    // less those the user removed.
    QStringList candidates;
    QStringList removed;
    for (const QString &list : lists) {
        candidates << listValue(list, QStringLiteral("Added Associations"), mimeType);
        removed << listValue(list, QStringLiteral("Removed Associations"), mimeType);
    }
    for (const QString &data : dataDirs_)
        candidates << listValue(QDir(data).filePath(QStringLiteral("applications/mimeinfo.cache")),
                                QStringLiteral("MIME Cache"), mimeType);
    // The cache is only remade by a tool that may not be installed; the entries themselves
    // say what they open.
    candidates << declaringEntries(mimeType);
    for (const QString &id : candidates)
        if (!removed.contains(id) && usableEntry(id))
            return id;
    return QString();
}

QStringList DesktopAssociations::declaringEntries(const QString &mimeType) const
{
    QStringList ids;
    for (const QString &data : dataDirs_) {
        const QDir folder(QDir(data).filePath(QStringLiteral("applications")));
        QDirIterator it(folder.path(), {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        QStringList found;
        while (it.hasNext()) {
            const QString path = it.next();
            const std::optional<DesktopEntry> entry = readDesktopEntry(path);
            if (entry && entry->mimeTypes.contains(mimeType))
                found << folder.relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('-'));
        }
        found.sort();
        ids << found;
    }
    return ids;
}

// An entry's name stands for its path below an applications folder, with "-" for a
// subfolder ("kde4-okular.desktop" may be "kde4/okular.desktop").
QString DesktopAssociations::entryPath(const QString &id) const
{
    QStringList relatives{id};
    for (qsizetype dash = id.indexOf(QLatin1Char('-')); dash > 0;
         dash = id.indexOf(QLatin1Char('-'), dash + 1))
        relatives << id.left(dash) + QLatin1Char('/') + id.mid(dash + 1);
    for (const QString &data : dataDirs_)
        for (const QString &relative : relatives) {
            const QString path = QDir(data).filePath(QStringLiteral("applications/") + relative);
            if (QFileInfo(path).isFile())
                return path;
        }
    return QString();
}

std::optional<DesktopEntry> DesktopAssociations::usableEntry(const QString &id) const
{
    if (!id.endsWith(QLatin1String(".desktop")))
        return std::nullopt;
    const QString path = entryPath(id);
    std::optional<DesktopEntry> entry = path.isEmpty() ? std::nullopt : readDesktopEntry(path);
    if (!entry || entry->hidden)
        return std::nullopt;
    // TryExec names the program that must be installed for the entry to count.
    if (!entry->tryExec.isEmpty() && !QFileInfo(programPath(entry->tryExec)).isExecutable())
        return std::nullopt;
    return entry;
}

QString DesktopAssociations::openCommand(const QString &id) const
{
    const std::optional<DesktopEntry> entry = usableEntry(id);
    if (!entry)
        return QString();
    QStringList args = execArguments(*entry, QStringLiteral("%1"));
    if (args.isEmpty())
        return QString();
    args.first() = programPath(args.first());
    for (QString &arg : args)
        arg = quoted(arg);
    return args.join(QLatin1Char(' '));
}

} // namespace norvel
