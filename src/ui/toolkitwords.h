#pragma once

#include "domain/language.h"

namespace norvel {

// The few words of the toolkit's dialogs that its own translations lack (file types in the
// file dialogs, two-sided printing in the print dialog), from the language file. Installed
// once, behind the toolkit's translations, so it only answers where they have nothing.
void supplyToolkitWords(const Language &language);

} // namespace norvel
