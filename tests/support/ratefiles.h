#pragma once

#include "domain/ratedatabase.h"

#include <QFile>
#include <QString>
#include <QStringList>

namespace norvel::test {

// Writes a database file keyed with the password given and runs the statements in it.
inline bool makeDatabase(const QString &path, const QByteArray &password,
                         const QStringList &statements)
{
    QFile::remove(path);
    RateDatabase db;
    if (!db.create(path, password))
        return false;
    for (const QString &sql : statements)
        if (!db.exec(sql))
            return false;
    return true;
}

// The statements of a general-parameters table, with the rows given.
inline QStringList generalTable(const QStringList &rows)
{
    QStringList sql{
        QStringLiteral("CREATE TABLE General_Cotalmira (MENSUEL REAL, FRAISCONTRAT "
                       "INTEGER, MCADULTE INTEGER, MCENFANT INTEGER, DEF_AGE INTEGER);")};
    for (const QString &row : rows)
        sql << QStringLiteral("INSERT INTO General_Cotalmira VALUES (%1);").arg(row);
    return sql;
}

// The statements of the rates' vintage, the shipped one.
inline QStringList vintageTable()
{
    return {QStringLiteral("CREATE TABLE RateVintage (Name TEXT, Effective TEXT);"),
            QStringLiteral("INSERT INTO RateVintage VALUES ('Tarifs 2010', '2010-01-01');")};
}

} // namespace norvel::test
