#pragma once

#include "domain/ratevintage.h"

#include <QByteArray>
#include <optional>

namespace norvel {

struct FileQuote;

// One file's result as one line of JSON (with its newline), naming the rates of the run. Report
// controls keep their layout order, which a JSON object library would sort away.
QByteArray jsonLine(const FileQuote &quote, float monthlyFactor,
                    const std::optional<RateVintage> &rates);

} // namespace norvel
