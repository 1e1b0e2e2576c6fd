// Settings files as the program reads and writes them: any content reads without fault, a
// written key reads back as written, and the write leaves every other key as it was.
#include "base/cp1252.h"
#include "base/profile.h"
#include "fuzzcheck.h"
#include "ininames.h"
#include "scratchfile.h"

#include <QFile>
#include <cstddef>
#include <cstdint>

using namespace norvel;
using namespace norvel::fuzz;

namespace {

constexpr std::size_t kNameLimit = 12;

// A name a settings file can hold: not blank, on one line, and not read as a section
// header, a comment or a key's value.
bool writable(const QString &name, QChar forbidden)
{
    const QString t = name.trimmed();
    return !t.isEmpty() && !t.startsWith(u'[') && !t.startsWith(u';') && !t.contains(forbidden) &&
           !t.contains(u'\r') && !t.contains(u'\n');
}

bool sameEntry(const IniName &a, const IniName &b)
{
    return a.section.trimmed().toCaseFolded() == b.section.trimmed().toCaseFolded() &&
           a.key.trimmed().toCaseFolded() == b.key.trimmed().toCaseFolded();
}

// What a read gives back of a written value, as the header of profile.h promises: one line,
// blanks around it dropped, one pair of surrounding quotes dropped, cut at a NUL and at the
// read limit.
QString readBack(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    // No control character is ever written: a NUL would make the file binary.
    value.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    qsizetype begin = 0, end = value.size();
    while (begin < end && (value.at(begin) == u' ' || value.at(begin) == u'\t'))
        ++begin;
    while (end > begin && (value.at(end - 1) == u' ' || value.at(end - 1) == u'\t'))
        --end;
    value = value.mid(begin, end - begin);
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    const qsizetype nul = value.indexOf(QChar(u'\0'));
    if (nul >= 0)
        value.truncate(nul);
    return value.left(kProfileValueMax);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = scratchFile(QStringLiteral("norvel.ini"), content);

    std::vector<IniName> names = iniNames(content, kNameLimit);
    names.push_back({QStringLiteral("systeme"), QStringLiteral("province")});
    names.push_back({QStringLiteral("courtier"), QStringLiteral("telephone")});

    std::vector<QString> before;
    for (const IniName &n : names) {
        const QString value = ReadSetting(path, n.section, n.key);
        FUZZ_CHECK(value.size() <= kProfileValueMax);
        const std::optional<QByteArray> stored = profileValue(content, n.section, n.key);
        FUZZ_CHECK(value == (stored ? fromCp1252(stored->left(kProfileValueMax)) : QString()));
        FUZZ_CHECK(ReadSetting(path, swappedCase(n.section), swappedCase(n.key)) == value);
        before.push_back(value);
    }

    // One key written: an entry of the file or a new one, chosen and valued by the input.
    const IniName target = names[size % names.size()];
    if (!writable(target.section, u']') || !writable(target.key, u'='))
        return 0;
    const QString value = fromCp1252(content.right(qsizetype(size % 300)));
    // A file holding a NUL byte is no text file: it is never replaced, and stays as it was.
    if (content.contains('\0')) {
        FUZZ_CHECK(!WriteSetting(path, target.section, target.key, value));
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == content);
        return 0;
    }
    FUZZ_CHECK(WriteSetting(path, target.section, target.key, value));
    FUZZ_CHECK(ReadSetting(path, target.section, target.key) == readBack(value));
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!sameEntry(names[i], target))
            FUZZ_CHECK(ReadSetting(path, names[i].section, names[i].key) == before[i]);
    return 0;
}
