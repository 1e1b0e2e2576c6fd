#include "base/profile.h"

#include "base/cp1252.h"
#include "base/privatefile.h"
#include "base/writeaccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <vector>

namespace norvel {

namespace {

struct Line {
    qsizetype begin;
    qsizetype end; // exclusive, line end excluded
};

std::vector<Line> splitLines(const QByteArray &content)
{
    std::vector<Line> lines;
    const char *d = content.constData();
    const qsizetype n = content.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (d[i] != '\r' && d[i] != '\n')
            continue;
        lines.push_back({start, i});
        if (d[i] == '\r' && i + 1 < n && d[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back({start, n});
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimmed(const char *d, qsizetype begin, qsizetype end)
{
    while (begin < end && isBlank(d[begin]))
        ++begin;
    while (end > begin && isBlank(d[end - 1]))
        --end;
    return QByteArray(d + begin, end - begin);
}

QByteArray folded(const QString &name)
{
    QByteArray bytes = toCp1252(name.trimmed());
    for (char &c : bytes)
        c = char(foldCp1252(static_cast<unsigned char>(c)));
    return bytes;
}

bool sameName(const QByteArray &raw, const QByteArray &foldedTarget)
{
    if (raw.size() != foldedTarget.size())
        return false;
    for (qsizetype i = 0; i < raw.size(); ++i)
        if (foldCp1252(static_cast<unsigned char>(raw[i])) !=
            static_cast<unsigned char>(foldedTarget[i]))
            return false;
    return true;
}

// One parsed line: a section header, a key line, or neither (blank, comment, stray text).
struct Parsed {
    enum Kind { Other, Section, Key } kind = Other;
    QByteArray name;
    QByteArray value;
    bool assigned = false; // the key line has an equals sign
};

Parsed parse(const QByteArray &content, const Line &line)
{
    const char *d = content.constData();
    qsizetype b = line.begin;
    while (b < line.end && isBlank(d[b]))
        ++b;
    Parsed p;
    if (b == line.end || d[b] == ';')
        return p;
    if (d[b] == '[') {
        qsizetype close = b + 1;
        while (close < line.end && d[close] != ']')
            ++close;
        p.kind = Parsed::Section;
        p.name = trimmed(d, b + 1, close);
        return p;
    }
    qsizetype eq = b;
    while (eq < line.end && d[eq] != '=')
        ++eq;
    p.kind = Parsed::Key;
    p.name = trimmed(d, b, eq);
    p.assigned = eq < line.end;
    if (p.assigned)
        p.value = trimmed(d, eq + 1, line.end);
    return p;
}

QByteArray unquoted(QByteArray value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.mid(1, value.size() - 2);
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    return value;
}

QByteArray oneLine(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A NUL would make the file binary, which no later write may replace.
    return toCp1252(withoutControls(v));
}

} // namespace

std::optional<QByteArray> profileValue(const QByteArray &content, const QString &section,
                                       const QString &key)
{
    const QByteArray wantSection = folded(section);
    const QByteArray wantKey = folded(key);
    bool inSection = false;
    bool sectionSeen = false;
    for (const Line &line : splitLines(content)) {
        const Parsed p = parse(content, line);
        if (p.kind == Parsed::Section) {
            if (inSection)
                return std::nullopt; // only the first section of that name counts
            inSection = !sectionSeen && sameName(p.name, wantSection);
            sectionSeen = sectionSeen || inSection;
        } else if (p.kind == Parsed::Key && inSection && sameName(p.name, wantKey)) {
            return unquoted(p.value);
        }
    }
    return std::nullopt;
}

namespace {

QByteArray foldedBytes(QByteArray raw)
{
    for (char &c : raw)
        c = char(foldCp1252(static_cast<unsigned char>(c)));
    return raw;
}

} // namespace

ProfileIndex::ProfileIndex(const QByteArray &content)
{
    QSet<QByteArray> sectionsSeen;
    QByteArray prefix; // of the keys of the current section; empty while it does not count
    for (const Line &line : splitLines(content)) {
        const Parsed p = parse(content, line);
        if (p.kind == Parsed::Section) {
            const QByteArray name = foldedBytes(p.name);
            // Only the first section of a name counts, and in it the first of a key.
            prefix = sectionsSeen.contains(name) ? QByteArray() : name + '\n';
            sectionsSeen.insert(name);
        } else if (p.kind == Parsed::Key && !prefix.isEmpty()) {
            const QByteArray id = prefix + foldedBytes(p.name);
            if (!values_.contains(id))
                values_.insert(id, unquoted(p.value));
        }
    }
}

std::optional<QByteArray> ProfileIndex::value(const QString &section, const QString &key) const
{
    const auto found = values_.constFind(folded(section) + '\n' + folded(key));
    if (found == values_.cend())
        return std::nullopt;
    return *found;
}

bool profileHasEntries(const QByteArray &content)
{
    bool inSection = false;
    for (const Line &line : splitLines(content)) {
        const Parsed p = parse(content, line);
        if (p.kind == Parsed::Section)
            inSection = true;
        else if (p.kind == Parsed::Key && inSection && p.assigned && !p.name.isEmpty())
            return true;
    }
    return false;
}

QByteArray profileWithValue(const QByteArray &content, const QString &section, const QString &key,
                            const QString &value)
{
    const std::vector<Line> lines = splitLines(content);
    const QByteArray wantSection = folded(section);
    const QByteArray wantKey = folded(key);
    const QByteArray newValue = oneLine(value);

    qsizetype header = -1;    // line of the section header
    qsizetype lastEntry = -1; // last non-blank line of the section
    qsizetype keyLine = -1;
    QByteArray keyName;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const Parsed p = parse(content, lines[i]);
        if (p.kind == Parsed::Section) {
            if (header >= 0)
                break;
            if (sameName(p.name, wantSection))
                header = lastEntry = i;
            continue;
        }
        if (header < 0)
            continue;
        if (lines[i].end > lines[i].begin &&
            !trimmed(content.constData(), lines[i].begin, lines[i].end).isEmpty())
            lastEntry = i;
        if (p.kind == Parsed::Key && sameName(p.name, wantKey)) {
            keyLine = i;
            keyName = p.name;
            break;
        }
    }

    QByteArray out;
    out.reserve(content.size() + newValue.size() + section.size() + key.size() + 16);
    auto emit = [&out](const QByteArray &text) { out.append(text).append("\r\n"); };
    const QByteArray newKeyLine = toCp1252(key.trimmed()) + '=' + newValue;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        if (i == keyLine) {
            emit(keyName + '=' + newValue);
            continue;
        }
        emit(content.mid(lines[i].begin, lines[i].end - lines[i].begin));
        if (keyLine < 0 && i == lastEntry)
            emit(newKeyLine);
    }
    if (header < 0) {
        emit('[' + toCp1252(section.trimmed()) + ']');
        emit(newKeyLine);
    }
    return out;
}

QString ReadSetting(const QString &file, const QString &section, const QString &key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const std::optional<QByteArray> value = profileValue(f.readAll(), section, key);
    if (!value)
        return {};
    return fromCp1252(value->left(kProfileValueMax));
}

bool isProfileText(const QByteArray &content)
{
    return !content.contains('\0');
}

bool WriteSetting(const QString &file, const QString &section, const QString &key,
                  const QString &value, QString *why)
{
    return WriteSettings(file, section, {{key, value}}, why);
}

bool WriteSettings(const QString &file, const QString &section, const ProfileValues &values,
                   QString *why)
{
    auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    QByteArray content;
    QFile existing(file);
    if (existing.exists()) {
        // An unreadable file is never replaced by one holding only the new key.
        if (!existing.open(QIODevice::ReadOnly))
            return fail(existing.errorString());
        content = existing.readAll();
        if (existing.error() != QFileDevice::NoError)
            return fail(existing.errorString());
        existing.close();
        if (!isProfileText(content))
            return fail(QStringLiteral("not a settings file"));
    }
    if (isMarkedReadOnly(file))
        return fail(QStringLiteral("read-only file"));
    if (isMarkedReadOnly(QFileInfo(file).absolutePath()))
        return fail(QStringLiteral("read-only folder"));
    QSaveFile out(file);
    if (!openPrivately(out))
        return fail(out.errorString());
    for (const auto &[key, value] : values)
        content = profileWithValue(content, section, key, value);
    // A write that fails in the buffer (a full disk) shows only at the flush; committing then
    // would put a cut file in place of the settings.
    if (out.write(content) != content.size() || !out.flush()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return fail(reason);
    }
    if (!out.commit())
        return fail(out.errorString());
    return true;
}

} // namespace norvel
