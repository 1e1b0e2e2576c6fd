#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace norvel {

// One rate source: a header naming the fields, then one row of numbers per line.
struct CsvTable {
    QString path;
    QString name; // the file's base name is the table's name
    QStringList fields;
    std::vector<std::vector<double>> rows;
    std::vector<int> lines; // the source line of each row

    // "file:line: reason" for a row's fault.
    QString where(size_t row, const QString &reason) const;
};

// Reads a CSV source; on a malformed file returns false with "file:line: reason" in error.
bool readCsvTable(const QString &path, CsvTable &table, QString &error);

// A name that can stand for a table or a field without quoting.
bool isPlainName(const QString &name);

} // namespace norvel
