// What a second copy waits for when it hands a file to the running one: connecting, sending
// the path and reading the acknowledgement. The running copy listens on its own thread here,
// as it would in its own process.
#include "base/instancechannel.h"
#include "qtbenchmain.h"

#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

using namespace norvel;

namespace {

void HandOverRoundTrip(benchmark::State &state)
{
    const QString program = QStringLiteral("/opt/norvel/norvel");
    QTemporaryDir runtime;
    QThread thread;
    QObject context;
    context.moveToThread(&thread);
    thread.start();
    std::unique_ptr<LocalInstanceChannel> running;
    bool listening = false;
    QMetaObject::invokeMethod(
        &context,
        [&] {
            running = std::make_unique<LocalInstanceChannel>(runtime.path());
            listening = running->listen(program, [](const QString &) {});
        },
        Qt::BlockingQueuedConnection);
    if (!listening)
        state.SkipWithError("cannot listen");
    LocalInstanceChannel second(runtime.path());
    for (auto _ : state)
        if (!second.handOver(program, QStringLiteral("/home/broker/Documents/Norvel/Roy.nvl")))
            state.SkipWithError("no acknowledgement");
    QMetaObject::invokeMethod(
        &context, [&] { running.reset(); }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}
BENCHMARK(HandOverRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

NORVEL_QT_BENCHMARK_MAIN()
