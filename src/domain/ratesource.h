#pragma once

#include <QString>
#include <optional>

namespace norvel {

// Why a rate could not be read. A quote is never priced from a rate that was not found.
struct RateError {
    enum class Kind {
        NoTable,  // the table does not exist
        NoRow,    // no row for the age
        NoColumn, // the row has no field at the column's ordinal
        BadRate,  // the field holds no positive number
        NoPrice,  // the rate gives a premium that is no number or too large for one
        Database, // the engine failed
    };
    Kind kind = Kind::Database;
    QString table;
    double age = 0;
    int column = 0;
    QString detail; // the engine's words or the value found, for support

    // One line naming the table, the age and what is missing.
    QString describe() const;
};

struct RateResult {
    float rate = 0;
    std::optional<RateError> error;
    explicit operator bool() const { return !error; }
};

// Where rates come from: the rate database in the program, a table in memory in tests.
class RateSource {
public:
    virtual ~RateSource() = default;
    // The rate of the row whose age equals `age`, at the field of ordinal `column` (the age is
    // ordinal 0).
    virtual RateResult LireTaux(const QString &table, double age, int column) = 0;
};

} // namespace norvel
