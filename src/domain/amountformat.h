#pragma once

#include <QString>

namespace norvel {

class Language;
struct NumberSymbols;

// The decimal and grouping characters of a language ("SeparateursNombre").
NumberSymbols languageNumberSymbols(const Language &language);

// The digits of a text, every other character dropped.
QString ChiffresSeulement(const QString &text);

// The language's pattern for an amount of `count` digits ("FormatCash<count>", with "F" for
// an amount shown with cents).
QString cashPattern(const Language &language, qsizetype count, bool withCents);

// A text that is a plain number, formatted with the pattern in the language's symbols; any
// other text is kept as it is.
QString formatNumberText(const Language &language, const QString &text, const QString &pattern);

// An amount for the report or a file: whole dollars ("FormatCash" and the digit count) or
// with cents ("FormatCash", the digit count of the amount in cents, "F").
QString FormaterMontant(const Language &language, float value, bool withCents);
QString FormaterMontant(const Language &language, const QString &text, bool withCents);

} // namespace norvel
