#pragma once

#include "domain/ratedatabase.h"

#include <cstdio>

namespace norvel {

// Opens the database with the program's password, or says why it cannot.
inline bool openDatabase(RateDatabase &db, const QString &path)
{
    const RateDatabase::Status opened = db.open(path);
    if (!opened)
        std::fprintf(stderr, "norvel-rates: cannot open %s: %s\n", qPrintable(path),
                     qPrintable(opened.detail));
    return bool(opened);
}

} // namespace norvel
