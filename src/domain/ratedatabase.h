#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace norvel {

// The password-protected rate database (SQLCipher), open for the whole run.
class RateDatabase {
public:
    enum class Error {
        None,
        NotADatabase, // not a database, or the key is wrong (the engine cannot tell)
        Locked,
        Access, // cannot be opened, read or written
        NoGeneralTable,
        BadMonthlyFactor,
        NoVintage, // no rate schedule name and effective date
    };
    struct Status {
        Error error = Error::None;
        QString detail; // the engine's own words, for support
        explicit operator bool() const { return error == Error::None; }
    };

    // The key of the shipped file, taken by SQLCipher as it is: norvel-rates derives it from
    // the database password once, when it builds the file, so that no open pays for a
    // derivation, which was most of the program's start.
    static QByteArray shippedKey();
    static constexpr const char *kGeneralTable = "General_Cotalmira";

    RateDatabase() = default;
    ~RateDatabase();
    RateDatabase(const RateDatabase &) = delete;
    RateDatabase &operator=(const RateDatabase &) = delete;

    // The general parameters' default row, given to an empty table.
    static constexpr double kDefaultMonthlyFactor = 0.08333;

    // Opens an existing file, shared, and proves the key (32 bytes) by reading it. A file that
    // cannot be written (an installed copy, a file marked read-only) is opened read-only.
    Status open(const QString &path, const QByteArray &key = shippedKey());
    // Creates a new encrypted file (the build tool).
    Status create(const QString &path, const QByteArray &key = shippedKey());
    void close();
    bool isOpen() const { return db_ != nullptr; }
    bool isReadOnly() const { return readOnly_; }

    // Gives the general parameters their default row when the table is empty; a table that
    // holds a row is left as it is. A read-only database is not written: its empty table
    // reads as the default row.
    Status ensureGeneralRow();
    // Field Mensuel of the first row of the general parameters.
    Status readMonthlyFactor(float &factor);

    // Runs statements that return no rows.
    Status exec(const QString &sql);

    sqlite3 *handle() const { return db_; }
    // Whether the name is a table of the file: a view could run any query, one without end.
    bool isTable(const QString &name) const;
    // One step of a statement of this database, ended as an interruption when it runs far
    // longer than any lookup of a rate table would.
    int step(sqlite3_stmt *statement);

private:
    Status openWith(const QString &path, const QByteArray &key, int flags);
    Status failure(int code) const;
    Status prepareGeneral(const char *sql, sqlite3_stmt *&stmt) const;

    static int outOfBudget(void *database);
    static constexpr int kStepsPerCall = 1000;
    static constexpr int kCallsPerStatement = 200000; // some 2e8 steps: seconds, not hours

    sqlite3 *db_ = nullptr;
    bool readOnly_ = false;
    mutable int budget_ = kCallsPerStatement;
};

} // namespace norvel
