#pragma once

#include <QLatin1String>
#include <QString>
#include <vector>

namespace norvel {

inline constexpr QLatin1String TableVie("TarAssVie");
inline constexpr QLatin1String TableInvalidite24("TarAssInv24");

// The ages a quote can be made for.
inline constexpr int AgeMinimum = 18;
inline constexpr int AgeMaximum = 65;

// A rate table as pricing reads it: one row per whole age, rates at ordinals 1..columns.
struct RateTable {
    QString name;
    int firstAge;
    int lastAge;
    int columns;
};

// Every table pricing can ask for, with the ages and columns it can ask for: a table must be
// complete over these or some quote cannot be priced.
const std::vector<RateTable> &rateTables();

} // namespace norvel
