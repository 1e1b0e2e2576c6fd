// norvel-rates: builds the encrypted rate database from the CSV sources of the repository.
#include "csvtable.h"
#include "pricing/ratedatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

using namespace norvel;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: norvel-rates build CSV_DIR OUT.mdb\n");
    return 2;
}

QString columnType(const CsvTable &table, int column)
{
    for (const QStringList &row : table.rows) {
        bool whole = false;
        row.at(column).toLongLong(&whole);
        if (!whole)
            return QStringLiteral("REAL");
    }
    return QStringLiteral("INTEGER");
}

bool addTable(RateDatabase &db, const CsvTable &table, QString &error)
{
    QStringList columns;
    for (int c = 0; c < table.fields.size(); ++c)
        columns << QStringLiteral("\"%1\" %2").arg(table.fields.at(c), columnType(table, c));
    RateDatabase::Status status = db.exec(QStringLiteral("CREATE TABLE \"%1\" (%2);")
                                              .arg(table.name, columns.join(QLatin1String(", "))));
    for (const QStringList &row : table.rows) {
        if (!status)
            break;
        status = db.exec(QStringLiteral("INSERT INTO \"%1\" VALUES (%2);")
                             .arg(table.name, row.join(QLatin1String(", "))));
    }
    if (!status)
        error = QStringLiteral("%1: %2").arg(table.name, status.detail);
    return bool(status);
}

int build(const QString &sourceDir, const QString &out)
{
    const QStringList sources =
        QDir(sourceDir).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    if (sources.isEmpty()) {
        std::fprintf(stderr, "norvel-rates: no CSV source in %s\n", qPrintable(sourceDir));
        return 1;
    }
    // Built beside the target and renamed over it: a failed build never leaves half a database.
    const QString partial = out + QStringLiteral(".partial");
    QFile::remove(partial);
    QString error;
    {
        RateDatabase db;
        RateDatabase::Status status = db.create(partial);
        if (status)
            status = db.exec(QStringLiteral("BEGIN;"));
        if (!status)
            error = status.detail;
        for (const QString &source : sources) {
            if (!error.isEmpty())
                break;
            CsvTable table;
            if (!readCsvTable(QDir(sourceDir).filePath(source), table, error))
                break;
            addTable(db, table, error);
        }
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args.at(0) == QLatin1String("build"))
        return build(args.at(1), args.at(2));
    return usage();
}
