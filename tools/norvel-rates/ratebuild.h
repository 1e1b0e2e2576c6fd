#pragma once

#include <QString>

namespace norvel {

// Builds the encrypted rate database from every CSV source of the folder and its vintage file:
// each table, with a unique index on the age of each rate table, and the vintage. Returns the
// exit code (0 or 1), having printed what went wrong.
int buildRates(const QString &sourceDir, const QString &out);

} // namespace norvel
