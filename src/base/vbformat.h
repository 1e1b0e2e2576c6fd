#pragma once

#include <QString>

namespace norvel {

// The characters that render the decimal point and the thousands grouping of a pattern;
// they come from the language file, never from the machine's locale.
struct NumberSymbols {
    QChar decimal = u'.';
    QChar group = u',';
};

// Formats a value with a classic Format pattern. Single-precision values are first written
// with 7 significant digits, double values with 15 (as the classic runtime converts them to
// text), and every rounding is done on that decimal text, half away from zero, so that
// 1.005f shows "1.01" with "0.00" and 49.998f shows "50.00".
// NaN and infinities give an empty text; no pattern, however malformed, makes it fail.
QString formatNumber(double value, const QString &pattern, const NumberSymbols &symbols = {});
QString formatNumber(float value, const QString &pattern, const NumberSymbols &symbols = {});

} // namespace norvel
