#pragma once

#include <QString>

namespace norvel {

class Language;

// The help line shown while a control of the quote form has the focus, in the given
// language; empty for a control that has none. Both options of a pair share their text.
QString fieldHelp(const Language &language, const QString &controlName);

} // namespace norvel
