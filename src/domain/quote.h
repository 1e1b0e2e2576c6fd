#pragma once

#include "base/pdfdocumentinfo.h"
#include "domain/quotepricing.h"
#include "domain/quotesnapshot.h"
#include "domain/ratevintage.h"
#include "domain/validation.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace norvel {

class Language;
class Report;

// What the page shows beside the entries.
struct QuotePage {
    struct Broker {
        QString name;
        QString telephone; // the broker window's masked text, "(514)555-0123"
    };
    std::optional<Broker> broker; // none: the page keeps its own captions
    QDate today;                  // the report's date, and the day validation judges by
    QString versionText;
};

// Where a quote's rates, texts and pictures come from.
struct QuoteSources {
    RateSource *rates = nullptr; // none: no rate database is open
    float monthlyFactor = 0;
    const Language &language;
    QString programDir;
    std::optional<RateVintage> vintage; // the rates' schedule; none: rates without a date (tests)
};

// One quote: a fault of the entries, or a rate that could not be read, or the priced and
// filled report.
struct Quote {
    std::optional<ValidationFault> fault;
    std::optional<RateError> rateError;
    bool noRateDatabase = false;
    std::optional<QDate> ratesFrom; // the rates take effect after today: nothing was priced
    QuotePrices prices;
    std::unique_ptr<Report> report;
    PdfDocumentInfo document; // what the report's PDF says of itself

    bool ok() const { return report != nullptr; }
};

// A progress step of the quote, by its message key (section "frmCotalmira-Msg").
using QuoteStep = std::function<void(const char *key)>;

// Validates the entries and prices them, without a report: the figures of makeQuote's report.
Quote priceEntries(const QuoteSnapshot &entries, const QDate &today, const QuoteSources &sources);

// Validates the entries, prices them and fills a fresh quote report, announcing each step.
Quote makeQuote(const QuoteSnapshot &entries, const QuotePage &page, const QuoteSources &sources,
                const QuoteStep &step = {});

// The message of a quote ended by a rate that could not be read (section "frmCotalmira-Msg").
QString rateErrorMessage(const Quote &quote, const Language &language);
// The message of a quote asked for before its rates take effect, naming that day.
QString ratesNotInEffectMessage(const QDate &effective, const Language &language);

// A stored telephone (ten characters, padding included) as the broker window shows it:
// "(###)###-####" with each stored digit in its place and "_" where the character is none; a
// blank one is all "_".
QString shownTelephone(const QString &stored);

// The telephone as the page prints it: the first five characters of the masked text, a space,
// the last eight; a telephone never given prints as its blank, "(___) ___-____", to fill in by
// hand.
QString printedTelephone(const QString &maskedText);

} // namespace norvel
