#pragma once

#include <QString>

namespace norvel {

class Language;
struct Quote;

// The form's live premium line for a quote priced without its report (priceEntries): the
// monthly premium of each option that exists, for the borrower, then for the couple, as the
// report prints them; or, while there is no quote, a few words on what it waits for.
QString livePremiumLine(const Quote &quote, const Language &language);

} // namespace norvel
