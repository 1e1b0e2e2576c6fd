// The arithmetic of one quote: its rate lookups, its whole pricing, and one requirement text.
#include "domain/databaserates.h"
#include "domain/language.h"
#include "domain/quotepricing.h"
#include "domain/ratedatabase.h"
#include "domain/underwriting.h"
#include "support/programfolder.h"
#include "ui/programcontext.h"

#include <benchmark/benchmark.h>

using namespace norvel;

namespace {

test::ProgramFolder &folder()
{
    static test::ProgramFolder copy;
    return copy;
}

// The shipped rates, opened once for every benchmark.
RateSource *shippedRates()
{
    static const QString path = folder().file(QStringLiteral("Data/Illustra.mdb"));
    static RateDatabase db;
    static std::unique_ptr<DatabaseRates> rates;
    if (!rates && db.open(path))
        rates = std::make_unique<DatabaseRates>(db);
    return rates.get();
}

// A man non-smoker of 40 and a woman smoker of 35, 300 months, both with disability.
QuoteTerms twoPersons()
{
    QuoteTerms terms;
    terms.montant = 250000;
    terms.versement = 1500;
    terms.emprunteur = {40, true, false};
    terms.coemprunteur = {35, false, true};
    terms.CoempAssure = true;
    terms.amortissement = 300;
    terms.monthlyFactor = 0.08333f;
    return terms;
}

// The ten lookups a quote command makes, its recomputations included.
void TenRateLookups(benchmark::State &state)
{
    RateSource *rates = shippedRates();
    if (!rates)
        return state.SkipWithError("cannot open the rate database");
    const QString vie = QStringLiteral("TarAssVie"), inv24 = QStringLiteral("TarAssInv24"),
                  hnf = QStringLiteral("TarAssInvHNF"), ff = QStringLiteral("TarAssInvFF");
    const std::tuple<const QString &, double, int> lookups[] = {
        {vie, 40, 1}, {vie, 35, 4},   {inv24, 40, 1}, {hnf, 40, 5}, {inv24, 35, 4},
        {ff, 35, 5},  {inv24, 40, 1}, {inv24, 35, 4}, {hnf, 40, 5}, {ff, 35, 5}};
    for (auto _ : state)
        for (const auto &[table, age, column] : lookups)
            if (!rates->LireTaux(table, age, column))
                return state.SkipWithError("rate missing");
}
BENCHMARK(TenRateLookups)->Unit(benchmark::kMicrosecond);

void PriceWholeQuote(benchmark::State &state)
{
    RateSource *rates = shippedRates();
    if (!rates)
        return state.SkipWithError("cannot open the rate database");
    const QuoteTerms terms = twoPersons();
    for (auto _ : state) {
        const QuotePrices prices = priceQuote(terms, *rates);
        if (prices.error)
            return state.SkipWithError("rate missing");
        benchmark::DoNotOptimize(prices.totalVieInvDuree);
    }
}
BENCHMARK(PriceWholeQuote)->Unit(benchmark::kMicrosecond);

// Reads the language file for each requirement, as every text lookup does.
void RequirementText(benchmark::State &state)
{
    resetProgramContext();
    programContext().language = Language(folder().file(QStringLiteral("Data/English.lng")));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExigencesVieInvalidite(programContext().language, 48, 4600, 150000));
}
BENCHMARK(RequirementText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
