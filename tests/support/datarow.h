#pragma once

#include <QTest>

namespace norvel::test {

// One row of a _data() table, its cells in the order of the columns.
template <class... Cells> void row(const char *name, const Cells &...cells)
{
    (QTest::newRow(name) << ... << cells);
}

} // namespace norvel::test
