#pragma once

namespace norvel {
class BrokerWindow;
class MainWindow;
class QuoteForm;
} // namespace norvel

namespace norvel::test {

// The program's windows as a test finds them among the application's top-level windows.
MainWindow *mainWindow();
QuoteForm *quoteForm();
BrokerWindow *brokerWindow();

} // namespace norvel::test
