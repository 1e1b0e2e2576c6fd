#pragma once

#include "domain/quote.h"
#include "ui/reportpreview.h"

#include <QObject>
#include <QPointer>
#include <QtGlobal>
#include <memory>

namespace norvel {

class MainWindow;
class QuoteForm;
class Report;

// Where the program's quotes take their rates, texts and pictures from.
QuoteSources quoteSources();

// The quote button's work once the entries are valid: prices the quote, fills a fresh quote
// report step by step on the form's progress bar, and shows it in the preview window. A rate
// that cannot be read ends the quote with a message and no report.
class QuoteCommand : public QObject {
    Q_OBJECT
public:
    QuoteCommand(QuoteForm *form, MainWindow *main);

    // False when no report could be made (the reason has been shown).
    bool run();

    // The preview of the last quote, kept and reused by the next one.
    ReportPreview *preview() const { return preview_; }
    // The figures of the last quote priced.
    const QuotePrices &prices() const { return prices_; }

private:
    void step(const char *key);
    void showReport(std::unique_ptr<Report> report, const PdfDocumentInfo &document);
    void tellRatesNotInEffect(const QDate &effective);

    QuoteForm *form_;
    QPointer<MainWindow> main_;
    QPointer<ReportPreview> preview_;
    QuotePrices prices_;
};

} // namespace norvel
