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
    MainWindow *window = mainWindow();
    return window ? window->quoteForm() : nullptr;
}

BrokerWindow *brokerWindow()
{
    MainWindow *window = mainWindow();
    return window ? window->brokerWindow() : nullptr;
}

Illustration &illustration()
{
    static Illustration none;
    QuoteForm *form = quoteForm();
    if (form)
        return form->illustration();
    none = {};
    return none;
}

} // namespace norvel::test
