#pragma once

namespace norvel {
struct Illustration;
class BrokerWindow;
class MainWindow;
class QuoteForm;
} // namespace norvel

namespace norvel::test {

// The program's windows as a test finds them among the application's top-level windows.
MainWindow *mainWindow();
QuoteForm *quoteForm();
BrokerWindow *brokerWindow();

// The open quote form's illustration; without a form, a blank one that nothing reads.
Illustration &illustration();

} // namespace norvel::test
