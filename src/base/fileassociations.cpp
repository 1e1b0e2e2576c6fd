#include "base/fileassociations.h"

#include "base/desktopassociations.h"

#include <QSettings>

namespace norvel {

QString RegistryAssociations::value(const QString &key, const QString &name)
{
    QSettings classes(QStringLiteral("HKEY_CLASSES_ROOT\\") + key, QSettings::NativeFormat);
    // Qt names a key's default value "Default".
    return classes.value(name.isEmpty() ? QStringLiteral("Default") : name).toString();
}

std::unique_ptr<FileAssociations> systemFileAssociations()
{
#ifdef Q_OS_WIN
    return std::make_unique<RegistryAssociations>();
#else
    return std::make_unique<DesktopAssociations>();
#endif
}

} // namespace norvel
