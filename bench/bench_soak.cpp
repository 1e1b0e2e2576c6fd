// 10,000 quotes in one headless program: memory after the hundredth and after the last.
#include "qtbenchmain.h"
#include "support/soak.h"

#include <benchmark/benchmark.h>

namespace {

void SoakTenThousandQuotes(benchmark::State &state)
{
    norvel::test::SoakFigures figures;
    for (auto _ : state)
        figures = norvel::test::soakQuotes(10000);
    state.counters["quotes"] = figures.quotes;
    state.counters["rss_at_100_MiB"] = double(figures.residentKiBAt100) / 1024.0;
    state.counters["rss_at_end_MiB"] = double(figures.residentKiBAtEnd) / 1024.0;
    state.counters["rss_growth_MiB"] =
        double(figures.residentKiBAtEnd - figures.residentKiBAt100) / 1024.0;
    state.counters["heap_growth_KiB"] =
        double(figures.heapBytesAtEnd - figures.heapBytesAt100) / 1024.0;
}
BENCHMARK(SoakTenThousandQuotes)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

} // namespace

NORVEL_QT_BENCHMARK_MAIN()
