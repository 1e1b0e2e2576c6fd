#pragma once

#include <QString>

namespace norvel {

// Writes one table of the rate database as CSV on standard output; returns the exit code.
int dumpTable(const QString &databasePath, const QString &table);

} // namespace norvel
