#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace norvel {

struct RequirementGrid;

// How the underwriting standards word their grids in one language.
struct GridWording {
    QString locale;  // "fr_CA", "en_CA": digit grouping
    QString age;     // heading of the age column
    QString money;   // "%1 $" or "$%1"
    QString range;   // "%1 – %2"
    QString andMore; // "%1 et plus"
};

// A requirement grid as the standards print it: the age heading and the dollar bands, then
// one row per age band whose cells list the numbers of their requirements (1 for the first
// in the quote's order, 9 for the last).
struct PrintedGrid {
    QStringList header;
    QList<QStringList> rows;
};

PrintedGrid printedGrid(const RequirementGrid &grid, const GridWording &wording);

// The requirements' language keys in the order the numbers count them.
QStringList numberedRequirementKeys();

} // namespace norvel
