#pragma once

#include "base/fileassociations.h"

#include <QStringList>
#include <optional>

namespace norvel {

struct DesktopEntry;

// The freedesktop associations (Linux and other free desktops), answered as the classes root
// would: an extension gives the desktop entry of its type's default application, and
// "<entry>\shell\open\command" that entry's Exec line as a command line, program first and
// quoted, "%1" for the file.
class DesktopAssociations : public FileAssociations {
public:
    // Empty lists: the user's and the system's folders (XDG_CONFIG_HOME, XDG_CONFIG_DIRS,
    // XDG_DATA_HOME, XDG_DATA_DIRS); desktops: XDG_CURRENT_DESKTOP.
    explicit DesktopAssociations(QStringList configDirs = {}, QStringList dataDirs = {},
                                 QStringList desktops = {});

    QString value(const QString &key, const QString &name) override;

    // The desktop entry (its file name, "org.gnome.Evince.desktop") of the default
    // application of a MIME type; empty when none is installed.
    QString defaultApplication(const QString &mimeType) const;

private:
    QString entryPath(const QString &id) const;
    std::optional<DesktopEntry> usableEntry(const QString &id) const;
    QString openCommand(const QString &id) const;
    QStringList mimeAppsLists() const;
    QStringList declaringEntries(const QString &mimeType) const;

    QStringList configDirs_;
    QStringList dataDirs_;
    QStringList desktops_;
};

} // namespace norvel
