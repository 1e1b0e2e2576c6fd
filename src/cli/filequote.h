#pragma once

#include "domain/quoteformstate.h"
#include "base/pdfdocumentinfo.h"
#include "domain/quotepricing.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace norvel {

class MainWindow;
class Report;
class ScriptedDialogs;

// What quoting one illustration file gave.
struct FileQuote {
    QString file; // as given
    bool ok = false;
    QString errorKey;     // the language key of the message shown, or the tool's own
    QString errorMessage; // the text shown
    QuotePrices prices;
    std::shared_ptr<const Report> report;
    PdfDocumentInfo document; // what the report's PDF says of itself
    // Every visible report control that shows a text, in layout order.
    std::vector<std::pair<QString, QString>> reportTexts() const;
};

// Quotes illustration files as the running program would once each is opened in its quote
// form and the quote button pressed, without a widget: the form is kept as data from file to
// file, as the program keeps its form, and runs the form's own reactions.
class FileQuoter {
public:
    explicit FileQuoter(const QuoteFormState &form)
        : form_(form)
    {
    }
    FileQuote quote(const QString &file);

private:
    QuoteFormState form_;
};

// Opens `file` and saves it to `out` as File > Save As would; false with the message shown.
bool rewriteFile(MainWindow &main, const QString &file, const QString &out,
                 ScriptedDialogs &dialogs, QString *error);

} // namespace norvel
