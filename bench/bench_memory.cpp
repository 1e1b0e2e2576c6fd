// Peak memory of the floor, and of Norvel after ten quotes, each in a process of its own.
#include "benchprograms.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void report(benchmark::State &state, const QByteArray &output)
{
    if (output.isEmpty()) {
        state.SkipWithError("the program failed");
        return;
    }
    state.counters["widgets"] = double(benchFigure(output, "widgets"));
    state.counters["peak_MiB"] = double(benchFigure(output, "peak_kib")) / 1024.0;
}

void PeakMemoryNorvelAfterTenQuotes(benchmark::State &state)
{
    QByteArray output;
    for (auto _ : state)
        output = runBenchProgram(QStringLiteral("norvel-startprobe"),
                                 {QStringLiteral("--quotes"), QStringLiteral("10")});
    report(state, output);
}
BENCHMARK(PeakMemoryNorvelAfterTenQuotes)->Unit(benchmark::kMillisecond)->Iterations(1);

void PeakMemoryFloor(benchmark::State &state)
{
    const qint64 widgets = benchFigure(runBenchProgram(QStringLiteral("norvel-startprobe")),
                                       "widgets");
    QByteArray output;
    for (auto _ : state)
        output = runBenchProgram(QStringLiteral("norvel-floor"),
                                 {QStringLiteral("--widgets"), QString::number(widgets)});
    report(state, output);
}
BENCHMARK(PeakMemoryFloor)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
