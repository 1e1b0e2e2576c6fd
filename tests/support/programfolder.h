#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace norvel::test {

// The bytes of a file; empty when it cannot be read.
QByteArray bytesOf(const QString &path);
// Writes a whole file, making its folder first; false when it could not.
bool writeBytes(const QString &path, const QByteArray &bytes);
// The permission bits of a file or folder (0644, 0700); -1 when it is missing.
int modeOf(const QString &path);

// The built program folder and the repository, as the build knows them.
inline QString builtProgramDir()
{
    return QStringLiteral(NORVEL_APP_DIR);
}
inline QString sourceDir()
{
    return QStringLiteral(NORVEL_SOURCE_DIR);
}

// A throw-away copy of the built program folder (Data/ with the language files and the rate
// database, Img/ with the pictures), so a test may break any file of it.
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString &relative) const { return QDir(dir_.path()).filePath(relative); }
    // The path the program would have if it were run from this folder.
    QString programPath() const { return file(QStringLiteral("norvel")); }
    void writeFile(const QString &relative, const QByteArray &content) const
    {
        writeBytes(file(relative), content);
    }
    void remove(const QString &relative) const { QFile::remove(file(relative)); }

private:
    QTemporaryDir dir_;
};

} // namespace norvel::test
