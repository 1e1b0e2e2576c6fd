#pragma once

#include <QString>

namespace norvel {

// Writes one table of the rate database as CSV on standard output; returns the exit code.
int dumpTable(const QString &databasePath, const QString &table);

// Writes the rates' vintage as its source file has it; returns the exit code.
int dumpVintage(const QString &databasePath);

} // namespace norvel
