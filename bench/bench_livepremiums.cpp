// From a keystroke in the quote form to the live premium line showing what it makes: the
// median of many keystrokes, alternately taking the borrower's age out of the rates' range and
// bringing it back, so that every one changes the line.
#include "base/clock.h"
#include "qtbenchmain.h"
#include "support/quoteentry.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/livepremiumline.h"
#include "ui/quoteform.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <vector>

using namespace norvel;

namespace {

void BM_LivePremiumsKeystroke(benchmark::State &state)
{
    setToday(QDate(2010, 8, 31));
    test::RunningProgram program;
    QuoteForm *form = ::norvel::test::quoteForm();
    test::enterQuote(form, {42, 47, 1800, 250000});
    QCoreApplication::processEvents();
    form->txtAge->setFocus();
    form->txtAge->end(false);
    std::vector<double> ms;
    bool takeOut = true;
    for (auto _ : state) {
        const QString before = form->lblPrimesDirect->text();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(form->txtAge, takeOut ? Qt::Key_Backspace : Qt::Key_2);
        while (form->lblPrimesDirect->text() == before && clock.elapsed() < 1000)
            QCoreApplication::processEvents();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        takeOut = !takeOut;
    }
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["messages"] = double(program.dialogs.messages.size());
}
BENCHMARK(BM_LivePremiumsKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace

NORVEL_QT_BENCHMARK_MAIN()
