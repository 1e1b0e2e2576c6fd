#include "domain/standardsgrid.h"

#include "domain/underwriting.h"

#include <QLocale>
#include <limits>

namespace norvel {

namespace {

constexpr int kRequirementCount = 9;

Exigence requirement(int index)
{
    return Exigence(1 << index);
}

QString money(const GridWording &wording, qint32 dollars)
{
    return wording.money.arg(QLocale(wording.locale).toString(dollars));
}

QString bandText(const Band &band, const GridWording &wording, bool dollars)
{
    const auto text = [&](qint32 value) {
        return dollars ? money(wording, value) : QString::number(value);
    };
    if (band.last == std::numeric_limits<qint32>::max())
        return wording.andMore.arg(text(band.first));
    return wording.range.arg(text(band.first), text(band.last));
}

QString cellText(Exigences cell)
{
    QStringList numbers;
    for (int i = 0; i < kRequirementCount; ++i)
        if (cell.testFlag(requirement(i)))
            numbers << QString::number(i + 1);
    return numbers.join(QLatin1String(", "));
}

} // namespace

PrintedGrid printedGrid(const RequirementGrid &grid, const GridWording &wording)
{
    PrintedGrid printed;
    printed.header << wording.age;
    for (const Band &column : grid.columns)
        printed.header << bandText(column, wording, true);
    for (size_t row = 0; row < grid.ages.size(); ++row) {
        QStringList cells{bandText(grid.ages[row], wording, false)};
        for (size_t column = 0; column < grid.columns.size(); ++column)
            cells << cellText(grid.cell(row, column));
        printed.rows << cells;
    }
    return printed;
}

QStringList numberedRequirementKeys()
{
    Exigences all;
    for (int i = 0; i < kRequirementCount; ++i)
        all |= requirement(i);
    return clesExigences(all);
}

} // namespace norvel
