#include "cli/pdftarget.h"

#include <QFile>
#include <QFileInfo>

namespace norvel {

QString pdfTargetRefusal(const QString &path, bool overwrite)
{
    const QFileInfo target(path);
    if (target.isSymLink())
        return QStringLiteral("a symbolic link, never written through");
    if (!target.exists())
        return {};
    if (!target.isFile())
        return QStringLiteral("not a regular file");
    if (overwrite)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-"))
        return QStringLiteral("not a PDF; --overwrite replaces it");
    return {};
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    if (first.absoluteFilePath() == second.absoluteFilePath())
        return true;
    return first.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace norvel
