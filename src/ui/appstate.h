#pragma once

#include "domain/language.h"
#include "domain/ratesource.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace norvel {

class Dialogs;
class RateDatabase;
class MainWindow;
class QuoteForm;
class BrokerWindow;

// What the whole program keeps for its run, in one place.
struct AppState {
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
    bool quoteFormOpen = false;
    bool saveCancelled = false;

    Dialogs *dialogs = nullptr;

    AppState();
    ~AppState();
};

// The program's one instance.
AppState &appState();

// Starts the global state afresh (tests, and each run of the headless tool).
void resetAppState();

} // namespace norvel
