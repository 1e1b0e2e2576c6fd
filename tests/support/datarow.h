#pragma once

#include <QStringList>
#include <QTest>

namespace norvel::test {

// One row of a _data() table, its cells in the order of the columns.
template <class... Cells> void row(const char *name, const Cells &...cells)
{
    (QTest::newRow(name) << ... << cells);
}

// Names separated by blanks, for a row's lists of controls.
inline QStringList names(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace norvel::test
