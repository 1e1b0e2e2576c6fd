#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace norvel::test {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}

int modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                     : -1;
}

ProgramFolder::ProgramFolder()
{
    for (const char *name : {"Data", "Img"}) {
        const QString folder = QLatin1String(name);
        QDir().mkpath(file(folder));
        const QDir built(QDir(builtProgramDir()).filePath(folder));
        for (const QString &name : built.entryList(QDir::Files))
            QFile::copy(built.filePath(name), file(folder + QLatin1Char('/') + name));
    }
}

} // namespace norvel::test
