#pragma once

#include <QString>

namespace norvel {

// Proves that every rate a quote can ask for reads back through the program's own lookup:
// each table present, no age missing or standing twice, every rate positive, the general
// parameters and the rates' vintage readable. Prints each problem; returns the exit code (0 or
// 1).
int checkRates(const QString &databasePath);

} // namespace norvel
