#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace norvel::test {

// What one of poppler's readers prints of a PDF file.
inline QString pdfReaderOutput(const QString &reader, const QStringList &arguments)
{
    QProcess process;
    process.start(reader, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF file as poppler's pdftotext reads it, laid out.
inline QString pdfText(const QString &path)
{
    return pdfReaderOutput(QStringLiteral("pdftotext"),
                           {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// A field of a PDF's information as poppler's pdfinfo reads it ("Title", "Pages"), or empty.
inline QString pdfInfo(const QString &path, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^") + field + QStringLiteral(":\\s+(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(pdfReaderOutput(QStringLiteral("pdfinfo"), {path})).captured(1);
}

// A text as that reader gives it back: a non-breaking space comes back as a space.
inline QString asPdfReads(QString text)
{
    return text.replace(QChar::Nbsp, QLatin1Char(' '));
}

} // namespace norvel::test
