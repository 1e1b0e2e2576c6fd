#pragma once

#include <QStringList>
#include <QTest>
#include <tuple>

namespace norvel::test {

// One row of a _data() table, its cells in the order of the columns.
template <class... Cells> void row(const char *name, const Cells &...cells)
{
    (QTest::newRow(name) << ... << cells);
}

// The columns of a _data() table, named in their order.
template <class... Types, class... Names> void columns(const Names &...names)
{
    (QTest::addColumn<Types>(names), ...);
}

// The current row's cells, as QFETCH reads them, for a structured binding.
template <class... Types, class... Names> std::tuple<Types...> fetch(const Names &...names)
{
    return {*static_cast<Types *>(QTest::qData(names, qMetaTypeId<Types>()))...};
}

// Names separated by blanks, for a row's lists of controls.
inline QStringList names(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace norvel::test
