#pragma once

#include <QString>

class QLineEdit;

namespace norvel {

struct NumberSymbols;

// The decimal and grouping characters of the current language ("SeparateursNombre").
NumberSymbols languageNumberSymbols();

// Every character of the text that is a digit, in order.
QString ChiffresSeulement(const QString &text);

// The box's text becomes its trimmed formatting by the pattern; its maximum length becomes
// the given one (0: no limit) or, when none is given, the length of the new text.
void FormaterChamp(QLineEdit *box, const QString &pattern, int maxLength = -1);

// Formats an amount box with the language's pattern for its number of digits
// ("FormatCash" and the count); returns the new text.
QString FormatCashChamp(QLineEdit *box);

// An amount for the report or a file: whole dollars ("FormatCash" and the digit count) or
// with cents ("FormatCash", the digit count of the amount in cents, "F").
QString FormaterMontant(float value, bool withCents);
QString FormaterMontant(const QString &text, bool withCents);

} // namespace norvel
