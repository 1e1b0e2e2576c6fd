#include "ratebuild.h"

#include "csvtable.h"
#include "domain/ratedatabase.h"
#include "ratekey.h"
#include "statement.h"
#include "vintagefile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <cmath>
#include <cstdio>

namespace norvel {

namespace {

bool isWhole(double value)
{
    return value == std::trunc(value) && std::abs(value) < 1e15;
}

bool wholeColumn(const CsvTable &table, int column)
{
    for (const std::vector<double> &row : table.rows)
        if (!isWhole(row[size_t(column)]))
            return false;
    return true;
}

// A rate table is found by exact equality on a whole age, so each age must stand once.
bool checkAges(const CsvTable &table, QString &error)
{
    QHash<double, int> seen; // age -> source line
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const double age = table.rows[r][0];
        if (!isWhole(age)) {
            error = table.where(r, QStringLiteral("age %1 is not a whole number").arg(age));
            return false;
        }
        if (const auto first = seen.constFind(age); first != seen.constEnd()) {
            error = table.where(
                r, QStringLiteral("age %1 already stands on line %2").arg(age).arg(*first));
            return false;
        }
        seen.insert(age, table.lines[r]);
    }
    return true;
}

bool addTable(RateDatabase &db, const CsvTable &table, QString &error)
{
    const bool keyedByAge = table.name != QLatin1String(RateDatabase::kGeneralTable);
    if (keyedByAge && !checkAges(table, error))
        return false;
    std::vector<bool> whole;
    QStringList columns;
    QStringList parameters;
    for (int c = 0; c < table.fields.size(); ++c) {
        whole.push_back(wholeColumn(table, c));
        columns << quotedName(table.fields.at(c)) +
                       QLatin1String(whole.back() ? " INTEGER" : " REAL");
        parameters << QStringLiteral("?");
    }
    auto fail = [&](const QString &detail) {
        error = QStringLiteral("%1: %2").arg(table.name, detail);
        return false;
    };
    const QString name = quotedName(table.name);
    if (const auto status = db.exec(
            QStringLiteral("CREATE TABLE %1 (%2);").arg(name, columns.join(QLatin1String(", "))));
        !status)
        return fail(status.detail);
    Statement insert(
        db.handle(),
        QStringLiteral("INSERT INTO %1 VALUES (%2);").arg(name, parameters.join(QLatin1Char(','))));
    if (!insert.ok())
        return fail(insert.error());
    for (const std::vector<double> &row : table.rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            const int parameter = int(c) + 1;
            if (whole[c])
                sqlite3_bind_int64(insert.get(), parameter, qint64(row[c]));
            else
                sqlite3_bind_double(insert.get(), parameter, row[c]);
        }
        insert.step();
        if (insert.failed())
            return fail(insert.error());
        sqlite3_reset(insert.get());
    }
    if (!keyedByAge)
        return true;
    const auto indexed = db.exec(QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3);")
                                     .arg(quotedName(table.name + QLatin1String("_Age")), name,
                                          quotedName(table.fields.first())));
    return indexed ? true : fail(indexed.detail);
}

// The vintage as one row of its own table; read back by the program as readRateVintage does.
bool addVintage(RateDatabase &db, const RateVintage &vintage, QString &error)
{
    auto status = db.exec(QStringLiteral("CREATE TABLE %1 (Name TEXT NOT NULL, Effective TEXT "
                                         "NOT NULL);")
                              .arg(quotedName(QLatin1String(RateVintage::kTable))));
    if (!status) {
        error = status.detail;
        return false;
    }
    Statement insert(db.handle(), QStringLiteral("INSERT INTO %1 VALUES (?1, ?2);")
                                      .arg(quotedName(QLatin1String(RateVintage::kTable))));
    const QByteArray name = vintage.name.toUtf8();
    const QByteArray effective = vintage.effective.toString(Qt::ISODate).toUtf8();
    if (insert.ok()) {
        sqlite3_bind_text(insert.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert.get(), 2, effective.constData(), int(effective.size()),
                          SQLITE_TRANSIENT);
        insert.step();
    }
    if (!insert.ok() || insert.failed()) {
        error = QStringLiteral("%1: %2").arg(QLatin1String(RateVintage::kTable), insert.error());
        return false;
    }
    return true;
}

} // namespace

int buildRates(const QString &sourceDir, const QString &out)
{
    const QDir dir(sourceDir);
    const QStringList sources = dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    if (sources.isEmpty()) {
        std::fprintf(stderr, "norvel-rates: no CSV source in %s\n", qPrintable(sourceDir));
        return 1;
    }
    // Built beside the target and renamed over it: a failed build never leaves half a database.
    const QString partial = out + QStringLiteral(".partial");
    QFile::remove(partial);
    QString error;
    RateVintage vintage;
    if (!readVintageFile(dir.filePath(QLatin1String(kVintageFile)), vintage, error)) {
        std::fprintf(stderr, "norvel-rates: %s\n", qPrintable(error));
        return 1;
    }
    {
        RateDatabase db;
        // Keyed as the password says; `check` then opens it with the key the program holds,
        // so a program and a file that disagree never leave the build.
        RateDatabase::Status status = db.create(partial, deriveRateKey(kRatePassword));
        if (status)
            status = db.exec(QStringLiteral("BEGIN;"));
        if (!status)
            error = status.detail;
        for (const QString &source : sources) {
            CsvTable table;
            if (!error.isEmpty() || !readCsvTable(dir.filePath(source), table, error) ||
                !addTable(db, table, error))
                break;
        }
        if (error.isEmpty())
            addVintage(db, vintage, error);
        if (error.isEmpty() && !(status = db.exec(QStringLiteral("COMMIT;"))))
            error = status.detail;
    }
    if (error.isEmpty()) {
        QFile::remove(out);
        if (!QFile::rename(partial, out))
            error = QStringLiteral("cannot write %1").arg(out);
    }
    if (!error.isEmpty()) {
        QFile::remove(partial);
        std::fprintf(stderr, "norvel-rates: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace norvel
