#pragma once

#include <QString>

namespace norvel::test {

// The text of a PDF file as poppler's pdftotext reads it, laid out.
QString pdfText(const QString &path);

} // namespace norvel::test
