#pragma once

#include <QByteArray>

namespace norvel {

struct FileQuote;

// One file's result as one line of JSON (with its newline). Report controls keep their layout
// order, which a JSON object library would sort away.
QByteArray jsonLine(const FileQuote &quote, float monthlyFactor);

} // namespace norvel
