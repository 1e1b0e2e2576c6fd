#include "support/windows.h"

#include "ui/mainwindow.h"
#include "ui/quoteform.h"

#include <QApplication>

namespace norvel::test {

MainWindow *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<MainWindow *>(widget))
            return window;
    return nullptr;
}

QuoteForm *quoteForm()
{
    return mainWindow() ? mainWindow()->quoteForm() : nullptr;
}

BrokerWindow *brokerWindow()
{
    return mainWindow() ? mainWindow()->brokerWindow() : nullptr;
}

Illustration &illustration()
{
    static Illustration none;
    if (QuoteForm *form = quoteForm())
        return form->illustration();
    none = {};
    return none;
}

} // namespace norvel::test
