#include "ratedump.h"

#include "opendatabase.h"
#include "statement.h"
#include "vintagefile.h"

#include <QStringList>
#include <cstdio>

namespace norvel {

namespace {

QString csvCell(QString value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
        !value.contains(QLatin1Char('\n')))
        return value;
    return QLatin1Char('"') + value.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace

int dumpTable(const QString &databasePath, const QString &table)
{
    RateDatabase db;
    if (!openDatabase(db, databasePath))
        return 1;
    Statement rows(db.handle(), QStringLiteral("SELECT * FROM %1;").arg(quotedName(table)));
    if (!rows.ok()) {
        std::fprintf(stderr, "norvel-rates: %s: no table %s\n", qPrintable(databasePath),
                     qPrintable(table));
        return 1;
    }
    const int count = sqlite3_column_count(rows.get());
    QStringList line;
    for (int c = 0; c < count; ++c)
        line << csvCell(QString::fromUtf8(sqlite3_column_name(rows.get(), c)));
    QString out = line.join(QLatin1Char(',')) + QLatin1Char('\n');
    while (rows.step()) {
        line.clear();
        for (int c = 0; c < count; ++c)
            line << csvCell(rows.text(c));
        out += line.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    if (rows.failed()) {
        std::fprintf(stderr, "norvel-rates: %s: %s\n", qPrintable(table), qPrintable(rows.error()));
        return 1;
    }
    std::fputs(out.toUtf8().constData(), stdout);
    return 0;
}

int dumpVintage(const QString &databasePath)
{
    RateDatabase db;
    if (!openDatabase(db, databasePath))
        return 1;
    RateVintage vintage;
    if (const auto read = readRateVintage(db, vintage); !read) {
        std::fprintf(stderr, "norvel-rates: %s: no vintage: %s\n", qPrintable(databasePath),
                     qPrintable(read.detail));
        return 1;
    }
    std::fputs(vintageText(vintage).toUtf8().constData(), stdout);
    return 0;
}

} // namespace norvel
