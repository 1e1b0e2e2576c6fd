#pragma once

#include <QString>

namespace norvel {

// Stored paths keep the classic form ".\Data\French.lng": a path that begins with ".\" or
// "..\" is taken against the base folder (the program folder). Either separator is accepted;
// the result uses the platform's own.
QString ResolvePath(const QString &path, const QString &base);

} // namespace norvel
