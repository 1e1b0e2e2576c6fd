#include "base/instancename.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace norvel {

QString instanceName(const QString &programPath)
{
    // One name per installed copy of the program and per user.
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash((canonical.isEmpty() ? programPath : canonical).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("norvel-%1-%2")
        .arg(QString::number(::getuid()), QString::fromLatin1(key));
}

QString instanceFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace norvel
