// The quote from the click to the filled report, and the report's page written as PDF.
#include "base/clock.h"
#include "qtbenchmain.h"
#include "support/quoteentry.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/formutils.h"
#include "ui/maskededit.h"
#include "ui/programcontext.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/reportoutput.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace norvel;

namespace {

QuoteForm *coupleQuote()
{
    QuoteForm *form = ::norvel::test::quoteForm();
    test::enterQuote(form, {42, 47, 1800, 250000});
    return form;
}

void BM_QuoteClickToReport(benchmark::State &state)
{
    setToday(QDate(2010, 8, 31));
    test::RunningProgram program;
    QuoteForm *form = coupleQuote();
    for (auto _ : state)
        form->cmdCotation->click();
    state.counters["messages"] = double(program.dialogs.messages.size());
}
BENCHMARK(BM_QuoteClickToReport)->Unit(benchmark::kMillisecond);

void BM_ReportToPdf(benchmark::State &state)
{
    setToday(QDate(2010, 8, 31));
    test::RunningProgram program;
    QuoteForm *form = coupleQuote();
    form->cmdCotation->click();
    const ReportPreview *preview = form->findChild<QuoteCommand *>()->preview();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quote.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(exportPdf(*preview->report(), preview->document(), path));
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace

NORVEL_QT_BENCHMARK_MAIN()
