// Writing and reading one illustration file through the real form.
#include "qtbenchmain.h"
#include "support/quoteentry.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/illustrationio.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

using namespace norvel;

namespace {

void WriteIllustration(benchmark::State &state)
{
    test::RunningProgram program;
    test::enterQuote(::norvel::test::quoteForm(), {42, 47, 1800, 250000});
    const QString path = program.illustration(QStringLiteral("Bench.nvl"));
    for (auto _ : state)
        if (!EcrireIllustration(*::norvel::test::mainWindow(), path))
            state.SkipWithError("cannot write the illustration");
}
BENCHMARK(WriteIllustration)->Unit(benchmark::kMicrosecond);

void ReadIllustration(benchmark::State &state)
{
    test::RunningProgram program;
    test::enterQuote(::norvel::test::quoteForm(), {42, 47, 1800, 250000});
    const QString path = program.illustration(QStringLiteral("Bench.nvl"));
    EcrireIllustration(*::norvel::test::mainWindow(), path);
    for (auto _ : state)
        if (!LireIllustration(*::norvel::test::mainWindow(), path))
            state.SkipWithError("cannot read the illustration");
}
BENCHMARK(ReadIllustration)->Unit(benchmark::kMicrosecond);

} // namespace

NORVEL_QT_BENCHMARK_MAIN()
