#pragma once

#include "domain/sqlname.h"

#include <QString>
#include <sqlite3.h>

namespace norvel {

// One statement of the tool, finalized when it goes out of scope.
class Statement {
public:
    Statement(sqlite3 *db, const QString &sql)
        : db_(db)
    {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt_, nullptr) != SQLITE_OK)
            error_ = QString::fromUtf8(sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool ok() const { return stmt_ != nullptr; }
    // The engine's words for the last failure.
    QString error() const
    {
        return error_.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(db_)) : error_;
    }
    sqlite3_stmt *get() const { return stmt_; }

    // True for a row; false at the end or on a failure (then error() says which).
    bool step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            error_ = QString::fromUtf8(sqlite3_errmsg(db_));
        return rc == SQLITE_ROW;
    }
    bool failed() const { return !error_.isEmpty(); }

    QString text(int column) const
    {
        return QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column)));
    }

private:
    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
    QString error_;
};

} // namespace norvel
