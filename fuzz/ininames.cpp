#include "ininames.h"

#include "base/cp1252.h"

#include <QList>

namespace norvel::fuzz {

std::vector<IniName> iniNames(const QByteArray &content, std::size_t limit)
{
    std::vector<IniName> names;
    QString section;
    for (const QByteArray &rawLine : content.split('\n')) {
        if (names.size() >= limit)
            break;
        const QByteArray line = rawLine.endsWith('\r') ? rawLine.chopped(1) : rawLine;
        const QByteArray start = line.trimmed();
        if (start.startsWith('[')) {
            const qsizetype close = start.indexOf(']');
            section = fromCp1252(start.mid(1, close < 0 ? -1 : close - 1));
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            names.push_back({section, fromCp1252(line.left(eq))});
    }
    return names;
}

QString swappedCase(const QString &name)
{
    QString swapped = name;
    for (QChar &c : swapped) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 0x20);
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 0x20);
    }
    return swapped;
}

} // namespace norvel::fuzz
