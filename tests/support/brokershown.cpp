#include "support/brokershown.h"

#include "support/running.h"
#include "support/windows.h"
#include "ui/brokerwindow.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"

#include <QAction>
#include <QTimer>
#include <QtTest>

namespace norvel::test {

bool whileBrokerShown(RunningProgram &program, const std::function<void()> &script)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        BrokerWindow *broker = ::norvel::test::brokerWindow();
        QTRY_VERIFY(broker->isVisible());
        broker->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(broker));
        script();
        ran = true;
        if (broker->isVisible())
            broker->reject();
    });
    program.window()->item("indCourtier")->trigger();
    return ran;
}

} // namespace norvel::test
