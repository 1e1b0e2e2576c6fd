#pragma once

#include <QString>
#include <optional>

namespace norvel {

// The value of the number a text starts with, as the classic Val reads it: blanks (spaces,
// tabs, line feeds) are skipped wherever they stand, then come an optional sign, digits and
// at most one decimal point; reading stops at the first other character. "12abc" reads 12;
// "", "---" and "abc" read 0.
double leadingNumber(const QString &text);

// True for a text that is one number and nothing else: blanks around it, an optional sign,
// digits with at most one decimal point. False for "", "---", "." and "12a".
bool isNumeric(const QString &text);

// The value rounded half to even to a 16-bit integer, as the classic conversion does; nothing
// when it does not fit (or is not a number).
std::optional<qint16> toInteger16(double value);

} // namespace norvel
