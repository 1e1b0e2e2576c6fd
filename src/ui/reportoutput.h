#pragma once

#include <QString>

class QPrinter;

namespace norvel {

class Report;
struct PdfDocumentInfo;

// Sets a printer to the report's page: Letter, portrait, the whole sheet addressable.
void preparePrinter(QPrinter &printer);

// Prints the report's page on a prepared printer; false with the reason when it cannot start.
bool printReport(const Report &report, QPrinter &printer, QString *error = nullptr);

// Writes the report as a one-page PDF file that says what it is through `info`; false with the
// reason when the file cannot be written (the file is then not left half written).
bool exportPdf(const Report &report, const PdfDocumentInfo &info, const QString &path,
               QString *error = nullptr);

} // namespace norvel
