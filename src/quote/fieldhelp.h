#pragma once

#include <QString>

namespace norvel {

// The help line shown while a control of the quote form has the focus, in the current
// language; empty for a control that has none. Both options of a pair share their text.
QString fieldHelp(const QString &controlName);

} // namespace norvel
