// Text lookup over any language file: every text found obeys the lookup's promises, and the
// program's lookups, cached or not, give what the file holds at that moment.
#include "domain/language.h"
#include "fuzzcheck.h"
#include "ininames.h"
#include "scratchfile.h"
#include "ui/langstring.h"
#include "ui/programcontext.h"

#include <cstddef>
#include <cstdint>

using namespace norvel;
using namespace norvel::fuzz;

namespace {

constexpr std::size_t kNameLimit = 12;
constexpr qsizetype kLookupMax = 254;

// Line breaks only come from the "\n" escape, so they are whole CR LF pairs, and no escape
// is left behind (a replacement never makes a new one).
bool escapesReplaced(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n'))
            return false;
        if (c == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            return false;
    }
    return !text.contains(QLatin1String("\\s")) && !text.contains(QLatin1String("\\n"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    programContext().language = Language(scratchFile(QStringLiteral("French.lng"), content));

    std::vector<IniName> names = iniNames(content, kNameLimit);
    names.push_back({QStringLiteral("modCotalmira-Msg"), QStringLiteral("AppTitle")});
    for (const IniName &n : names) {
        const QString text = GetLangString(n.section, n.key);
        FUZZ_CHECK(text == langText(content, n.section, n.key));
        FUZZ_CHECK(text.size() <= kLookupMax);
        FUZZ_CHECK(text.isEmpty() || text.size() >= 2 || text == QLatin1String(" "));
        FUZZ_CHECK(escapesReplaced(text));
        FUZZ_CHECK(GetLangString(swappedCase(n.section), swappedCase(n.key)) == text);
    }

    // The file changes at once under the same name: the next lookups see the new content.
    const QByteArray changed = content.toLower();
    scratchFile(QStringLiteral("French.lng"), changed);
    for (const IniName &n : names)
        FUZZ_CHECK(GetLangString(n.section, n.key) == langText(changed, n.section, n.key));
    return 0;
}
