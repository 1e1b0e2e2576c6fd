#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace norvel {

// What one run of norvel-quote was asked to do.
struct QuoteOptions {
    bool json = false;
    QString pdfFile;   // the single input's report
    QString outDir;    // one report per input, named after it
    bool overwrite = false; // a report may replace a file that is not a PDF
    QDate today;       // invalid: the system's date
    QString province;  // empty: the settings file's
    QString language;  // "fr", "en"; empty: the settings file's
    QString rewriteTo; // open the single input and save it here, nothing else
    QStringList files;
};

// Either the options, or why the command line cannot be run; `help` asks for the contract.
struct ParsedArguments {
    std::optional<QuoteOptions> options;
    QString error;
    bool help = false;
};

// Reads the arguments after the program's name.
ParsedArguments parseQuoteArguments(const QStringList &arguments);

// The contract, as --help prints it.
QString quoteUsage();

// The PDF an input gets in the output folder: its name with ".pdf".
QString pdfPathFor(const QString &outDir, const QString &input);

} // namespace norvel
