#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace norvel::test {

QString builtProgramDir()
{
    return QStringLiteral(NORVEL_APP_DIR);
}

QString sourceDir()
{
    return QStringLiteral(NORVEL_SOURCE_DIR);
}

ProgramFolder::ProgramFolder()
{
    QDir().mkpath(file(QStringLiteral("Data")));
    const QDir data(QDir(builtProgramDir()).filePath(QStringLiteral("Data")));
    for (const QString &name : data.entryList(QDir::Files))
        QFile::copy(data.filePath(name), file(QStringLiteral("Data/") + name));
}

QString ProgramFolder::file(const QString &relative) const
{
    return QDir(dir_.path()).filePath(relative);
}

void ProgramFolder::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(content);
}

void ProgramFolder::remove(const QString &relative) const
{
    QFile::remove(file(relative));
}

} // namespace norvel::test
