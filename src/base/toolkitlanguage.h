#pragma once

class QLocale;

namespace norvel {

// Makes the toolkit's own words (standard buttons, file, print and page dialogs) speak the
// locale's language from now on. English, the toolkit's own, when no translation of it is
// installed: a missing translation is not an error.
void useToolkitLanguage(const QLocale &locale);

} // namespace norvel
