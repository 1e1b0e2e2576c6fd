#pragma once

#include "base/pdfdocumentinfo.h"
#include "domain/quote.h"

namespace norvel {

// What the PDF of a quote says of itself: its title (the quote's, the borrower's display name
// and the quote's date), the broker as author, the plan and the rates that priced it as
// subject, and Norvel with its version as creator. Every PDF of a quote takes it from here,
// whoever writes it.
PdfDocumentInfo quoteDocumentInfo(const Language &language, const QuoteSnapshot &entries,
                                  const QuotePage &page, const std::optional<RateVintage> &rates);

// The name a quote's PDF is offered under: its title, made fit for any file system.
QString quotePdfFileName(const PdfDocumentInfo &info);

} // namespace norvel
