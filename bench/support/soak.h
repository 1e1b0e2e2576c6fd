#pragma once

#include <QtGlobal>

namespace norvel::test {

// Memory of one headless program quoting the example files over and over, as one long
// norvel-quote run does.
struct SoakFigures {
    int quotes = 0;
    int failed = 0; // quotes that did not give a report (the example that fails validation)
    qint64 residentKiBAt100 = 0;
    qint64 residentKiBAtEnd = 0;
    qint64 heapBytesAt100 = 0;
    qint64 heapBytesAtEnd = 0;
};

// Runs `quotes` quotes (at least 100); the figures after the hundredth and after the last.
SoakFigures soakQuotes(int quotes);

} // namespace norvel::test
