#include "scratchfile.h"

#include "fuzzcheck.h"

#include <QFile>
#include <QTemporaryDir>

namespace norvel::fuzz {

QString scratchFile(const QString &name, const QByteArray &content)
{
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    const QString path = dir.filePath(name);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(content) == content.size());
    return path;
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace norvel::fuzz
