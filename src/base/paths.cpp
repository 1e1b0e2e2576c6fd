#include "base/paths.h"

#include <QDir>
#include <QStringList>

namespace norvel {

namespace {

QString portable(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

QString ResolvePath(const QString &path, const QString &base)
{
    const QString p = portable(path);
    QString b = portable(base);
    while (b.size() > 1 && b.endsWith(QLatin1Char('/')))
        b.chop(1);
    QString result;
    if (p.startsWith(QLatin1String("./"))) {
        result = (b.endsWith(QLatin1Char('/')) ? b.chopped(1) : b) + p.mid(1);
    } else if (p.startsWith(QLatin1String("../"))) {
        QStringList baseParts = b.split(QLatin1Char('/'));
        QStringList pathParts = p.split(QLatin1Char('/'));
        qsizetype up = 0;
        while (up < pathParts.size() && pathParts.at(up) == QLatin1String(".."))
            ++up;
        pathParts = pathParts.mid(up);
        if (up >= baseParts.size())
            baseParts.clear();
        else
            baseParts = baseParts.mid(0, baseParts.size() - up);
        result = (baseParts + pathParts).join(QLatin1Char('/'));
    } else {
        result = p;
    }
    return QDir::toNativeSeparators(result);
}

} // namespace norvel
