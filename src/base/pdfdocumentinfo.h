#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace norvel {

// What a PDF says of itself in its document information, as readers show it in a document's
// properties.
struct PdfDocumentInfo {
    QString title;
    QString author;
    QString subject;
    QString creator; // the program that made the document
};

// The PDF with `info` as its document information, written as an incremental update: a new
// information dictionary and a trailer that points to it are appended, and every byte of the
// document as it was stays in place. Empty when `pdf` does not end with a cross-reference
// table and trailer that can be read.
QByteArray withDocumentInfo(const QByteArray &pdf, const PdfDocumentInfo &info,
                            const QDateTime &created);

} // namespace norvel
