#pragma once

#include <QByteArray>
#include <QString>

namespace norvel {

// The text of a key in the current language file, escapes replaced ("\s" a space, then "\n"
// a CR LF line break); empty for a missing entry, for a stored value shorter than two
// characters, or when no language file is current. The file is read at every lookup, so a
// change of file or of its content shows at once.
QString GetLangString(const QString &section, const QString &key);

// The same lookup over a language file's content.
QString langText(const QByteArray &content, const QString &section, const QString &key);

// Makes the file current when it exists; otherwise says so ("<path> not found") and keeps
// the current one.
void SetLanguageFile(const QString &path);

// True for an existing ordinary file (not a folder, not a hidden file).
bool FileExists(const QString &path);

} // namespace norvel
