#include "domain/ratedatabase.h"

#include "base/datalocations.h"
#include "base/writeaccess.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <cmath>

namespace norvel {

namespace {

struct Statement {
    sqlite3_stmt *stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

const RateDatabase::Status kNotOpen{RateDatabase::Error::Access,
                                    QStringLiteral("database not open")};

RateDatabase::Error errorOf(int code)
{
    switch (code & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return RateDatabase::Error::NotADatabase;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return RateDatabase::Error::Locked;
    default:
        return RateDatabase::Error::Access;
    }
}

// A raw key in hexadecimal: the engine uses it without deriving anything from it.
QByteArray rawKeyPragma(const QByteArray &key)
{
    return "PRAGMA key = \"x'" + key.toHex() + "'\";";
}

} // namespace

RateDatabase::~RateDatabase()
{
    close();
}

RateDatabase::Status RateDatabase::failure(int code) const
{
    const char *message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    return {errorOf(code), QString::fromUtf8(message)};
}

QByteArray RateDatabase::shippedKey()
{
    return QByteArray::fromHex("0d9eaa6fd4f53bc37d72834567c79a93bf9ed805e7124a9704bfbb8219b7ea55");
}

RateDatabase::Status RateDatabase::openWith(const QString &path, const QByteArray &key, int flags)
{
    close();
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_busy_timeout(db_, 2000);
    // The file is data, never code: no trigger of its own runs (views are refused where a
    // table is read), and a statement that runs away is ended.
    if (rc == SQLITE_OK)
        rc = sqlite3_db_config(db_, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    if (rc == SQLITE_OK)
        sqlite3_progress_handler(db_, kStepsPerCall, &RateDatabase::outOfBudget, this);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db_, rawKeyPragma(key).constData(), nullptr, nullptr, nullptr);
    // The key is only tried by the first read.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const Status status = failure(rc);
        close();
        return status;
    }
    readOnly_ = (flags & SQLITE_OPEN_READONLY) != 0;
    return {};
}

RateDatabase::Status RateDatabase::open(const QString &path, const QByteArray &key)
{
    // A write needs the file and its folder (for the journal), and a folder of the user's own:
    // an installed copy is never written, even by root. Otherwise the database is only read,
    // which is all a quote needs.
    const bool writable = canReplaceFile(path) && isOwnFolder(QFileInfo(path).absolutePath());
    return openWith(path, key, writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY);
}

RateDatabase::Status RateDatabase::create(const QString &path, const QByteArray &key)
{
    return openWith(path, key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void RateDatabase::close()
{
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    readOnly_ = false;
}

RateDatabase::Status RateDatabase::exec(const QString &sql)
{
    if (!db_)
        return kNotOpen;
    budget_ = kCallsPerStatement;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Status{} : failure(rc);
}

int RateDatabase::outOfBudget(void *database)
{
    return --static_cast<RateDatabase *>(database)->budget_ <= 0 ? 1 : 0;
}

int RateDatabase::step(sqlite3_stmt *statement)
{
    budget_ = kCallsPerStatement;
    return sqlite3_step(statement);
}

bool RateDatabase::isTable(const QString &name) const
{
    Statement type;
    if (!db_ || sqlite3_prepare_v2(db_, "SELECT type FROM sqlite_master WHERE name = ?1 COLLATE NOCASE;", -1,
                                   &type.stmt, nullptr) != SQLITE_OK)
        return false;
    const QByteArray utf8 = name.toUtf8();
    sqlite3_bind_text(type.stmt, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    budget_ = kCallsPerStatement;
    return sqlite3_step(type.stmt) == SQLITE_ROW &&
           qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(type.stmt, 0)), "table") == 0;
}

RateDatabase::Status RateDatabase::prepareGeneral(const char *sql, sqlite3_stmt *&stmt) const
{
    if (!db_)
        return kNotOpen;
    if (!isTable(QLatin1String(kGeneralTable)))
        return {Error::NoGeneralTable, QStringLiteral("%1 is not a table").arg(QLatin1String(kGeneralTable))};
    const int rc = sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr);
    if (rc == SQLITE_OK)
        return {};
    const Status status = failure(rc);
    // A missing table or field is a damaged database, not an access problem.
    return status.error == Error::Access ? Status{Error::NoGeneralTable, status.detail} : status;
}

RateDatabase::Status RateDatabase::ensureGeneralRow()
{
    Statement count;
    if (Status prepared = prepareGeneral("SELECT count(*) FROM General_Cotalmira;", count.stmt);
        !prepared)
        return prepared;
    const int rc = step(count.stmt);
    if (rc != SQLITE_ROW)
        return failure(rc);
    if (sqlite3_column_int64(count.stmt, 0) > 0 || readOnly_)
        return {};
    const Status inserted = exec(
        QStringLiteral("INSERT INTO General_Cotalmira (MENSUEL, FRAISCONTRAT, MCADULTE, MCENFANT, "
                       "DEF_AGE) VALUES (%1, 100, 90, 75, 35);")
            .arg(kDefaultMonthlyFactor));
    if (!inserted && inserted.detail.contains(QLatin1String("no column"), Qt::CaseInsensitive))
        return {Error::NoGeneralTable, inserted.detail};
    return inserted;
}

RateDatabase::Status RateDatabase::readMonthlyFactor(float &factor)
{
    Statement first;
    if (Status prepared =
            prepareGeneral("SELECT Mensuel FROM General_Cotalmira LIMIT 1;", first.stmt);
        !prepared)
        return prepared;
    const int rc = step(first.stmt);
    if (rc == SQLITE_DONE && readOnly_) {
        factor = float(kDefaultMonthlyFactor);
        return {};
    }
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? Status{Error::NoGeneralTable, QStringLiteral("no row")}
                                 : failure(rc);
    const int type = sqlite3_column_type(first.stmt, 0);
    const float value = float(sqlite3_column_double(first.stmt, 0));
    // Every premium is divided by this factor, in single precision: anything but a positive
    // single (1e-300 is a positive double, and 0 as a single) would price every quote wrongly.
    if ((type != SQLITE_FLOAT && type != SQLITE_INTEGER) || !std::isfinite(value) || value <= 0)
        return {Error::BadMonthlyFactor, QStringLiteral("Mensuel = %1")
                                             .arg(QString::fromUtf8(reinterpret_cast<const char *>(
                                                 sqlite3_column_text(first.stmt, 0))))};
    factor = value;
    return {};
}

} // namespace norvel
