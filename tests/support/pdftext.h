#pragma once

#include <QString>

namespace norvel::test {

// The text of a PDF file as poppler's pdftotext reads it, laid out.
QString pdfText(const QString &path);

// A field of a PDF's information as poppler's pdfinfo reads it ("Title", "Pages"), or empty.
QString pdfInfo(const QString &path, const QString &field);

// A text as that reader gives it back: a non-breaking space comes back as a space.
inline QString asPdfReads(QString text)
{
    return text.replace(QChar::Nbsp, QLatin1Char(' '));
}

} // namespace norvel::test
