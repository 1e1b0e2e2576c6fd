// Format patterns as the language files give them: a number (the first line, as text) and a
// pattern (the rest, Windows-1252). No pattern, however malformed, makes formatting fail.
#include "base/cp1252.h"
#include "base/vbformat.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace norvel;

namespace {

// Whole digits of the largest double, their grouping marks, a sign and an exponent.
constexpr qsizetype kNumberWidth = 320 + 110 + 8;

void check(double value, const QString &pattern, const NumberSymbols &symbols)
{
    const QString text = formatNumber(value, pattern, symbols);
    FUZZ_CHECK(std::isfinite(value) || text.isEmpty());
    FUZZ_CHECK(text == formatNumber(value, pattern, symbols));
    // Each placeholder shows at most its digit; the digits beyond them go to the first.
    FUZZ_CHECK(text.size() <= pattern.size() + kNumberWidth);
}

// Fixed decimals read back within half a unit of their last place, at every magnitude the
// fifteen significant digits can hold.
void checkRounding(double value, int decimals)
{
    if (!(std::fabs(value) < 1e15))
        return;
    const QString pattern =
        decimals ? QStringLiteral("0.") + QString(decimals, u'0') : QStringLiteral("0");
    const QString text = formatNumber(value, pattern);
    const double back = text.toDouble();
    const double unit = std::pow(10.0, -decimals);
    FUZZ_CHECK(std::fabs(back - value) <= unit / 2 + std::fabs(value) * 1e-14);
    if (value == std::trunc(value))
        FUZZ_CHECK(text == QString::number(value, 'f', decimals));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *begin = reinterpret_cast<const char *>(data);
    const char *end = begin + size;
    const char *lineEnd = std::find(begin, end, '\n');
    double value = 0.0;
    std::from_chars(begin, lineEnd, value);
    const QString pattern =
        fromCp1252(lineEnd == end ? QByteArray() : QByteArray(lineEnd + 1, end - lineEnd - 1));
    // The French file's symbols on odd lengths, the English ones on even lengths.
    const NumberSymbols symbols = size % 2 ? NumberSymbols{u',', u' '} : NumberSymbols{u'.', u','};

    check(value, pattern, symbols);
    check(-value, pattern, symbols);
    checkRounding(value, int(size % 10));
    const QString single = formatNumber(float(value), pattern, symbols);
    FUZZ_CHECK(std::isfinite(float(value)) || single.isEmpty());
    FUZZ_CHECK(single.size() <= pattern.size() + kNumberWidth);
    return 0;
}
