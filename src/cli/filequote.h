#pragma once

#include "base/pdfdocumentinfo.h"
#include "domain/quotepricing.h"

#include <QString>
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
    const Report *report = nullptr; // the preview's, valid until the next quote
    PdfDocumentInfo document;       // what the report's PDF says of itself
    // Every visible report control that shows a text, in layout order.
    std::vector<std::pair<QString, QString>> reportTexts() const;
};

// Opens the file as File > Open does, presses the quote button and collects the report. The
// program must be running with these dialogs.
FileQuote quoteFile(MainWindow &main, const QString &file, ScriptedDialogs &dialogs);

// Opens `file` and saves it to `out` as File > Save As would; false with the message shown.
bool rewriteFile(MainWindow &main, const QString &file, const QString &out,
                 ScriptedDialogs &dialogs, QString *error);

} // namespace norvel
