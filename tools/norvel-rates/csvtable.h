#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace norvel {

// One rate source: a header naming the fields, then one row per line.
struct CsvTable {
    QString name; // the file's base name is the table's name
    QStringList fields;
    std::vector<QStringList> rows;
};

// Reads a CSV source; on a malformed file returns false with "file:line: reason" in error.
bool readCsvTable(const QString &path, CsvTable &table, QString &error);

} // namespace norvel
