#pragma once

#include <QString>

namespace norvel {

// The text of a key in the program's current language file (empty without one).
QString GetLangString(const QString &section, const QString &key);

// Makes the file current when it can serve; otherwise says why ("<path> not found") and keeps
// the current one.
void SetLanguageFile(const QString &path);

} // namespace norvel
