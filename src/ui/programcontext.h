#pragma once

#include "domain/language.h"
#include "domain/ratesource.h"
#include "domain/ratevintage.h"

#include <QString>
#include <memory>

class QTemporaryDir;

namespace norvel {

class Dialogs;
class RateDatabase;

// The services start-up makes for the windows and commands: folders, the language, the rate
// database and its lookup, the dialog seam. No window and no illustration is kept here: the
// main window owns the windows, the quote form its illustration.
struct ProgramContext {
    QString programDir;  // folder of the executable, without a trailing separator
    QString exeBaseName; // executable name without extension ("norvel")
    QString settingsFilePath;
    QString illustrationsFolder; // where the file dialogs start
    Language language;           // no file until one has been found
    QString province = QStringLiteral("quebec");
    QString appTitle;
    QString versionText;
    std::unique_ptr<RateDatabase> rateDatabase;
    std::unique_ptr<RateSource> rates; // the quote's rate lookup, kept while the database is open
    float monthlyFactor = 0.0f;
    std::optional<RateVintage> rateVintage; // read with the rates

    Dialogs *dialogs = nullptr;
    // The private folder of the PDFs handed to the mail composer, made by the first e-mail and
    // removed with everything in it when the program ends.
    std::unique_ptr<QTemporaryDir> outbox;

    ProgramContext();
    ~ProgramContext();

    // The rate lookup of the quotes, made on the first and kept for the run; none without a
    // database.
    RateSource *quoteRates();
};

// The program's one instance.
ProgramContext &programContext();

// Starts afresh (tests, and each run of the headless tool).
void resetProgramContext();

} // namespace norvel
