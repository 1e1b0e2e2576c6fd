#include "domain/databaserates.h"

#include "domain/ratedatabase.h"
#include "domain/sqlname.h"

#include <QRegularExpression>
#include <cmath>
#include <sqlite3.h>

namespace norvel {

namespace {

// Leaves the statement ready for the next lookup whatever happened to this one.
struct ResetOnExit {
    sqlite3_stmt *stmt;
    ~ResetOnExit() { sqlite3_reset(stmt); }
};

} // namespace

DatabaseRates::~DatabaseRates()
{
    for (const auto &[table, stmt] : statements_)
        sqlite3_finalize(stmt);
}

sqlite3_stmt *DatabaseRates::statementFor(const QString &table, RateError &error)
{
    if (const auto found = statements_.find(table); found != statements_.end())
        return found->second;
    sqlite3 *db = database_.handle();
    if (!db) {
        error.detail = QStringLiteral("rate database not open");
        return nullptr;
    }
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plainName.match(table).hasMatch() || !database_.isTable(table)) {
        error.kind = RateError::Kind::NoTable;
        return nullptr;
    }
    auto prepare = [&](const QString &sql, sqlite3_stmt *&stmt) {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK)
            return true;
        error.detail = QString::fromUtf8(sqlite3_errmsg(db));
        if (error.detail.startsWith(QLatin1String("no such table")))
            error.kind = RateError::Kind::NoTable;
        return false;
    };
    // The age field is whatever the table names its first field.
    sqlite3_stmt *shape = nullptr;
    if (!prepare(QStringLiteral("SELECT * FROM %1 LIMIT 0;").arg(quotedName(table)), shape))
        return nullptr;
    const QString ageField = QString::fromUtf8(sqlite3_column_name(shape, 0));
    sqlite3_finalize(shape);
    sqlite3_stmt *lookup = nullptr;
    if (!prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?1;")
                     .arg(quotedName(table), quotedName(ageField)),
                 lookup))
        return nullptr;
    statements_.emplace(table, lookup);
    return lookup;
}

RateResult DatabaseRates::LireTaux(const QString &table, double age, int column)
{
    RateResult result;
    RateError error{RateError::Kind::Database, table, age, column, {}};
    auto fail = [&](RateError::Kind kind, const QString &detail = {}) {
        error.kind = kind;
        if (!detail.isEmpty())
            error.detail = detail;
        result.error = error;
        return result;
    };
    sqlite3_stmt *stmt = statementFor(table, error);
    if (!stmt)
        return fail(error.kind);
    const ResetOnExit reset{stmt};
    sqlite3_bind_double(stmt, 1, age);
    const int rc = database_.step(stmt);
    if (rc == SQLITE_DONE)
        return fail(RateError::Kind::NoRow);
    if (rc != SQLITE_ROW)
        return fail(RateError::Kind::Database,
                    QString::fromUtf8(sqlite3_errmsg(database_.handle())));
    // Ordinal 0 is the age itself, never a rate.
    if (column < 1 || column >= sqlite3_column_count(stmt))
        return fail(RateError::Kind::NoColumn);
    const int type = sqlite3_column_type(stmt, column);
    const float rate = float(sqlite3_column_double(stmt, column));
    if ((type != SQLITE_INTEGER && type != SQLITE_FLOAT) || !std::isfinite(rate) || rate <= 0) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
        return fail(RateError::Kind::BadRate,
                    text ? QStringLiteral("\"%1\"").arg(QString::fromUtf8(text))
                         : QStringLiteral("empty"));
    }
    result.rate = rate;
    return result;
}

} // namespace norvel
