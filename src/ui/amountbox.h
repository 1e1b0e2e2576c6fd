#pragma once

#include <QString>

class QLineEdit;

namespace norvel {

// Formats a box's number with a pattern in the current language; its length limit becomes
// the given one (0: no limit) or, when none is given, the length of the new text.
void FormaterChamp(QLineEdit *box, const QString &pattern, int maxLength = -1);

// Formats an amount box in whole dollars with the current language's pattern for its digit
// count ("FormatCash" and the count); returns the new text.
QString FormatCashChamp(QLineEdit *box);

} // namespace norvel
