#pragma once

#include <QString>
#include <span>

namespace norvel {

// A product document and the main-window item that opens it.
struct ProductDocument {
    const char *item;     // menu item name
    const char *relative; // below the program folder
};

// The pamphlet, the underwriting standards and the specimen contract, French then English.
std::span<const ProductDocument> productDocuments();

// The document's full path in a program folder.
QString documentPath(const QString &programDir, const ProductDocument &document);

} // namespace norvel
