#include "ratecheck.h"

#include "domain/databaserates.h"
#include "domain/ratetables.h"
#include "domain/ratevintage.h"
#include "opendatabase.h"
#include "statement.h"

#include <QStringList>
#include <cstdio>
#include <set>

namespace norvel {

namespace {

// Every lookup a quote can make in the table, as the program makes it.
void checkLookups(DatabaseRates &rates, const RateTable &table, QStringList &problems)
{
    std::set<int> missingColumns;
    for (int age = table.firstAge; age <= table.lastAge; ++age) {
        for (int column = 1; column <= table.columns; ++column) {
            if (missingColumns.count(column))
                continue;
            const RateResult read = rates.LireTaux(table.name, age, column);
            if (read)
                continue;
            problems << read.error->describe();
            switch (read.error->kind) {
            case RateError::Kind::NoTable:
            case RateError::Kind::Database:
                return;
            case RateError::Kind::NoColumn:
                missingColumns.insert(column);
                break;
            case RateError::Kind::NoRow:
                column = table.columns; // one line per missing age
                break;
            case RateError::Kind::BadRate:
            case RateError::Kind::NoPrice: // only pricing finds it
                break;
            }
        }
    }
}

// The lookup takes the first row of an age; a second one would be silently ignored.
void checkDuplicates(sqlite3 *db, const RateTable &table, QStringList &problems)
{
    Statement shape(db, QStringLiteral("SELECT * FROM %1 LIMIT 0;").arg(quotedName(table.name)));
    if (!shape.ok())
        return; // already reported by the lookups
    const QString age = QString::fromUtf8(sqlite3_column_name(shape.get(), 0));
    Statement twice(db,
                    QStringLiteral("SELECT %1, count(*) FROM %2 GROUP BY 1 HAVING count(*) > 1;")
                        .arg(quotedName(age), quotedName(table.name)));
    while (twice.ok() && twice.step())
        problems << QStringLiteral("%1: age %2 stands on %3 rows")
                        .arg(table.name, twice.text(0), twice.text(1));
    if (!twice.ok() || twice.failed())
        problems << QStringLiteral("%1: %2").arg(table.name, twice.error());
}

} // namespace

int checkRates(const QString &databasePath)
{
    RateDatabase db;
    if (!openDatabase(db, databasePath))
        return 1;
    QStringList problems;
    float factor = 0;
    if (const auto general = db.readMonthlyFactor(factor); !general)
        problems << QStringLiteral("%1: %2").arg(QLatin1String(RateDatabase::kGeneralTable),
                                                 general.detail);
    RateVintage vintage;
    if (const auto read = readRateVintage(db, vintage); !read)
        problems << QStringLiteral("%1: %2").arg(QLatin1String(RateVintage::kTable), read.detail);
    {
        DatabaseRates rates(db);
        for (const RateTable &table : rateTables()) {
            checkLookups(rates, table, problems);
            checkDuplicates(db.handle(), table, problems);
        }
    }
    for (const QString &problem : problems)
        std::fprintf(stderr, "%s: %s\n", qPrintable(databasePath), qPrintable(problem));
    if (!problems.isEmpty())
        return 1;
    std::printf("%s: %d rate tables complete, %s in effect from %s\n", qPrintable(databasePath),
                int(rateTables().size()), qPrintable(vintage.name),
                qPrintable(vintage.effective.toString(Qt::ISODate)));
    return 0;
}

} // namespace norvel
