#pragma once

#include "domain/ratevintage.h"

namespace norvel {

// The source of the rate vintage beside the tables: "name = ..." and "effective = YYYY-MM-DD"
// lines, UTF-8, "#" starting a comment.
inline constexpr const char *kVintageFile = "vintage.txt";

// Reads the vintage source; false with "file:line: reason" (or "file: reason") in error.
bool readVintageFile(const QString &path, RateVintage &vintage, QString &error);

// The vintage as its source file writes it.
QString vintageText(const RateVintage &vintage);

} // namespace norvel
