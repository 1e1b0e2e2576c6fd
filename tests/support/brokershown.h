#pragma once

#include "support/running.h"
#include "support/windows.h"
#include "ui/brokerwindow.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace norvel::test {

// Opens the broker window as its menu item does and runs the script while it is shown; a
// window the script leaves open is cancelled afterwards. False when the script never ran.
inline bool whileBrokerShown(RunningProgram &program, const std::function<void()> &script)
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
