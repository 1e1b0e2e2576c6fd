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
#include <benchmark/benchmark.h>
#include <optional>

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

// Whole processes, from their start to the shown main window: Norvel's and the floor's, whose
// form has as many widgets as Norvel's main window once shown.
void StartupProcess(benchmark::State &state, const QString &program, const QStringList &arguments)
{
    for (auto _ : state) {
        if (runBenchProgram(program, arguments).isEmpty())
            state.SkipWithError("the program failed");
    }
}

void StartupProcessNorvel(benchmark::State &state)
{
    StartupProcess(state, QStringLiteral("norvel-startprobe"), {});
}
BENCHMARK(StartupProcessNorvel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

void StartupProcessFloor(benchmark::State &state)
{
    const qint64 widgets =
        benchFigure(runBenchProgram(QStringLiteral("norvel-startprobe")), "widgets");
    state.counters["widgets"] = double(widgets);
    StartupProcess(state, QStringLiteral("norvel-floor"),
                   {QStringLiteral("--widgets"), QString::number(widgets)});
}
BENCHMARK(StartupProcessFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

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
