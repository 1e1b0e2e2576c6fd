#include "domain/ratevintage.h"

#include "domain/language.h"

#include <QLocale>
#include <sqlite3.h>

namespace norvel {

RateDatabase::Status readRateVintage(RateDatabase &database, RateVintage &vintage)
{
    const auto missing = [](const QString &detail) {
        return RateDatabase::Status{RateDatabase::Error::NoVintage, detail};
    };
    if (!database.isTable(QLatin1String(RateVintage::kTable)))
        return missing(QStringLiteral("%1 is not a table").arg(QLatin1String(RateVintage::kTable)));
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(database.handle(), "SELECT Name, Effective FROM RateVintage LIMIT 1;",
                           -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return missing(QString::fromUtf8(sqlite3_errmsg(database.handle())));
    }
    const auto text = [stmt](int column) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)));
    };
    const int rc = database.step(stmt);
    RateVintage read;
    if (rc == SQLITE_ROW)
        read = {text(0).trimmed(), QDate::fromString(text(1), Qt::ISODate)};
    const QString effective = rc == SQLITE_ROW ? text(1) : QString();
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW)
        return missing(rc == SQLITE_DONE ? QStringLiteral("no row") : QStringLiteral("unreadable"));
    if (read.name.isEmpty() || !read.effective.isValid())
        return missing(QStringLiteral("Name \"%1\", Effective \"%2\"").arg(read.name, effective));
    vintage = read;
    return {};
}

QString effectiveDate(const Language &language, const QDate &date)
{
    return language.locale().toString(date, QStringLiteral("d MMMM yyyy"));
}

} // namespace norvel
