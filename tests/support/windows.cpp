#include "support/windows.h"

#include "ui/mainwindow.h"

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
    MainWindow *window = mainWindow();
    return window ? window->quoteForm() : nullptr;
}

BrokerWindow *brokerWindow()
{
    MainWindow *window = mainWindow();
    return window ? window->brokerWindow() : nullptr;
}

} // namespace norvel::test
