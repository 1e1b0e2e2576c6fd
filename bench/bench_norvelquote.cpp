// norvel-quote --json over a folder of 1,000 illustration files, run as the batch user runs it.
#include "base/clock.h"
#include "qtbenchmain.h"
#include "support/quoteentry.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/illustrationio.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace norvel;

namespace {

constexpr int kFiles = 1000;

// Borrowers alone and couples of many ages and loans, written by the program's own writer.
QStringList writeFiles(const QTemporaryDir &dir)
{
    setToday(QDate(2010, 8, 31));
    test::RunningProgram program;
    QStringList files;
    for (int i = 0; i < kFiles; ++i) {
        QuoteForm *form = ::norvel::test::quoteForm();
        form->resetToNewIllustration();
        test::enterQuote(form, {18 + i % 48, i % 3 == 0 ? 18 + (i * 7) % 48 : 0, (i % 5) * 400,
                                50000 + (i % 20) * 25000});
        files << dir.filePath(QStringLiteral("q%1.nvl").arg(i, 4, 10, QLatin1Char('0')));
        EcrireIllustration(*::norvel::test::mainWindow(), files.last());
    }
    setToday(QDate());
    return files;
}

void BM_NorvelQuoteJson(benchmark::State &state)
{
    QTemporaryDir dir;
    const QStringList files = writeFiles(dir);
    const QString tool = QDir(test::builtProgramDir()).filePath(QStringLiteral("norvel-quote"));
    const QStringList arguments = QStringList{QStringLiteral("--json"), QStringLiteral("--today"),
                                              QStringLiteral("2010-08-31")} +
                                  files;
    qint64 lines = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(-1);
        lines += process.readAllStandardOutput().count('\n');
    }
    state.counters["quotes"] = benchmark::Counter(double(lines), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_NorvelQuoteJson)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

} // namespace

NORVEL_QT_BENCHMARK_MAIN()
