// Start-up to a shown main window (without the splash wait), and the text lookups every
// window's translation makes.
#include "app/startup.h"
#include "benchprograms.h"
#include "domain/language.h"
#include "domain/ratedatabase.h"
#include "support/programfolder.h"
#include "support/readonlymark.h"
#include "support/windows.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/objectnode.h"
#include "ui/programcontext.h"
#include "ui/scripteddialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <optional>
#include <vector>

using namespace norvel;

namespace {

test::ProgramFolder *folder;

void StartupToMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        ScriptedDialogs dialogs;
        StartupOptions options;
        options.programPath = folder->programPath();
        options.dialogs = &dialogs;
        options.splashMilliseconds = -1;
        if (startProgram(options) != StartupResult::Running)
            state.SkipWithError("start-up failed");
        QApplication::processEvents();
        state.PauseTiming();
        delete ::norvel::test::mainWindow();
        resetProgramContext();
        state.ResumeTiming();
    }
}
BENCHMARK(StartupToMainWindow)->Unit(benchmark::kMillisecond);

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Whole processes, from their start to the shown main window: Norvel's and the floor's, whose
// form has as many widgets as Norvel's main window once shown. The two alternate, so that a
// machine busier for a while slows both alike, and each gives the median of its runs.
void StartupProcesses(benchmark::State &state)
{
    const qint64 widgets =
        benchFigure(runBenchProgram(QStringLiteral("norvel-startprobe")), "widgets");
    const QStringList floorArguments{QStringLiteral("--widgets"), QString::number(widgets)};
    std::vector<double> norvel, floor;
    const auto timed = [&state](std::vector<double> &times, const QString &program,
                                const QStringList &arguments) {
        QElapsedTimer clock;
        clock.start();
        if (runBenchProgram(program, arguments).isEmpty())
            state.SkipWithError("a program failed");
        times.push_back(clock.nsecsElapsed() / 1e6);
    };
    for (auto _ : state) {
        timed(norvel, QStringLiteral("norvel-startprobe"), {});
        timed(floor, QStringLiteral("norvel-floor"), floorArguments);
    }
    state.counters["widgets"] = double(widgets);
    state.counters["norvel_ms"] = median(norvel);
    state.counters["floor_ms"] = median(floor);
}
BENCHMARK(StartupProcesses)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(31);

// Opening the rate database with its key: read-write (0), and read-only (1) as an installed copy
// opens it.
void OpenRateDatabase(benchmark::State &state)
{
    const QString path = folder->file(QStringLiteral("Data/Illustra.mdb"));
    std::optional<test::ReadOnlyMark> mark;
    if (state.range(0))
        mark.emplace(path);
    for (auto _ : state) {
        RateDatabase db;
        if (!db.open(path) || db.isReadOnly() != bool(state.range(0)))
            state.SkipWithError("cannot open the rate database as wanted");
    }
}
BENCHMARK(OpenRateDatabase)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void LanguageLookup(benchmark::State &state)
{
    resetProgramContext();
    programContext().language = Language(folder->file(QStringLiteral("Data/French.lng")));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            GetLangString(QStringLiteral("frmCotalmira-Msg"), QStringLiteral("FormatDate")));
}
BENCHMARK(LanguageLookup)->Unit(benchmark::kMicrosecond);

void TranslateMainWindow(benchmark::State &state)
{
    resetProgramContext();
    programContext().programDir = folder->path();
    programContext().language = Language(folder->file(QStringLiteral("Data/French.lng")));
    MainWindow window;
    for (auto _ : state)
        TranslateForm(static_cast<QObject *>(&window));
}
BENCHMARK(TranslateMainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    test::ProgramFolder programFolder;
    folder = &programFolder;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
