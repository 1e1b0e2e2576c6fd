#pragma once

#include "domain/ratesource.h"

#include <map>

struct sqlite3_stmt;

namespace norvel {

class RateDatabase;

// The rate tables of the rate database. Each table's lookup statement is prepared on first use
// and kept for the run; the database must stay open while this object lives.
class DatabaseRates : public RateSource {
public:
    explicit DatabaseRates(RateDatabase &database)
        : database_(database)
    {
    }
    ~DatabaseRates() override;
    DatabaseRates(const DatabaseRates &) = delete;
    DatabaseRates &operator=(const DatabaseRates &) = delete;

    RateResult LireTaux(const QString &table, double age, int column) override;

private:
    sqlite3_stmt *statementFor(const QString &table, RateError &error);

    RateDatabase &database_;
    std::map<QString, sqlite3_stmt *> statements_;
};

} // namespace norvel
