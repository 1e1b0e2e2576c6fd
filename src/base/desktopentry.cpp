#include "base/desktopentry.h"

#include <QFile>

namespace norvel {

namespace {

QString unescapeValue(const QString &raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        const QChar next = raw.at(++i);
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            // "\\" and the escapes of the Exec quoting, which the quoting undoes later.
            if (next != QLatin1Char('\\'))
                out += QLatin1Char('\\');
            out += next;
        }
    }
    return out;
}

// Splits the Exec line into arguments: blanks separate them, double quotes group them, and
// inside quotes a backslash keeps the next character.
std::optional<QStringList> splitExec(const QString &exec)
{
    QStringList args;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size())
                current += exec.at(++i);
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            quoted = inArgument = true;
        } else if (c.isSpace()) {
            if (inArgument)
                args << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        args << current;
    return args;
}

// The field codes inside a longer argument.
QString expandCodes(const QString &argument, const DesktopEntry &entry, const QString &file)
{
    QString out;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument.at(i);
        if (c != QLatin1Char('%') || i + 1 == argument.size()) {
            out += c;
            continue;
        }
        switch (argument.at(++i).unicode()) {
        case '%':
            out += QLatin1Char('%');
            break;
        case 'f':
        case 'F':
        case 'u':
        case 'U':
            out += file;
            break;
        case 'c':
            out += entry.name;
            break;
        case 'k':
            out += entry.path;
            break;
        default:
            break;
        }
    }
    return out;
}

} // namespace

std::optional<QString> keyFileValue(const QByteArray &content, const QString &group,
                                    const QString &key)
{
    bool inGroup = false;
    for (const QByteArray &rawLine : content.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            if (inGroup)
                return std::nullopt;
            inGroup = line.mid(1, line.size() - 2) == group;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inGroup && equals > 0 && line.left(equals).trimmed() == key)
            return unescapeValue(line.mid(equals + 1).trimmed());
    }
    return std::nullopt;
}

std::optional<DesktopEntry> readDesktopEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.readAll();
    const QString group = QStringLiteral("Desktop Entry");
    const auto value = [&](const char *key) {
        return keyFileValue(content, group, QLatin1String(key)).value_or(QString());
    };
    DesktopEntry entry;
    entry.path = path;
    entry.name = value("Name");
    entry.icon = value("Icon");
    entry.exec = value("Exec");
    entry.tryExec = value("TryExec");
    entry.mimeTypes = value("MimeType").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    entry.hidden = value("Hidden") == QLatin1String("true");
    if (entry.exec.isEmpty())
        return std::nullopt;
    return entry;
}

QStringList execArguments(const DesktopEntry &entry, const QString &file)
{
    const std::optional<QStringList> split = splitExec(entry.exec);
    if (!split)
        return {};
    QStringList args;
    for (const QString &argument : *split) {
        if (argument == QLatin1String("%i")) {
            if (!entry.icon.isEmpty())
                args << QStringLiteral("--icon") << entry.icon;
        } else {
            const QString expanded = expandCodes(argument, entry, file);
            // An argument that was only a dropped code disappears.
            if (!expanded.isEmpty() || argument.isEmpty())
                args << expanded;
        }
    }
    return args;
}

} // namespace norvel
