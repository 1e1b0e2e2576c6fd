#include "base/shortpath.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace norvel {

QString SystemShortPaths::shortPath(const QString &path)
{
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    const DWORD size = GetShortPathNameW(native.c_str(), nullptr, 0);
    if (size == 0)
        return QString();
    std::wstring buffer(size, L'\0');
    const DWORD length = GetShortPathNameW(native.c_str(), buffer.data(), size);
    if (length == 0 || length >= size)
        return QString();
    buffer.resize(length);
    return QString::fromStdWString(buffer);
#else
    return path;
#endif
}

} // namespace norvel
