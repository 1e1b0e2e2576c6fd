#pragma once

#include <QString>
#include <memory>

namespace norvel {

class Language;
class Report;

// actCotalmira, the one-page quote: its three sections and every control at its design place,
// translated from the language given. Every quote fills a fresh one, so nothing an earlier
// quote hid or wrote carries over.
std::unique_ptr<Report> newQuoteReport(const Language &language, const QString &programDir);

// The names of one amount cell of the quote's tables ("11", "424", ...): monthly, slash, annual.
struct AmountCell {
    QString mensuel;
    QString slash;
    QString annuel;
};
AmountCell amountCell(const QString &code);

} // namespace norvel
