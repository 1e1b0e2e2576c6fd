#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace norvel {

// A value of a freedesktop key file (desktop entries, mimeapps.list, mimeinfo.cache), its
// escapes (\s \n \t \r \\) undone; nothing when the group or the key is missing.
std::optional<QString> keyFileValue(const QByteArray &content, const QString &group,
                                    const QString &key);

// What the program needs of a desktop entry (an installed application).
struct DesktopEntry {
    QString path;
    QString name;
    QString icon;
    QString exec;
    QString tryExec;
    QStringList mimeTypes;
    bool hidden = false;
};

// The entry of a ".desktop" file; nothing when it cannot be read or has no Exec line.
std::optional<DesktopEntry> readDesktopEntry(const QString &path);

// The entry's command as a program and its arguments: quoting undone, the file field codes
// (%f %F %u %U) replaced by file, %c by the name, %k by the entry's path, %i by "--icon" and
// the icon, %% by a percent sign, the deprecated codes dropped. Empty when the line is
// malformed (an unclosed quote).
QStringList execArguments(const DesktopEntry &entry, const QString &file);

} // namespace norvel
