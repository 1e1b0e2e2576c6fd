#include "csvtable.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace norvel {

bool isPlainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

QString CsvTable::where(size_t row, const QString &reason) const
{
    return QStringLiteral("%1:%2: %3").arg(path).arg(lines.at(row)).arg(reason);
}

bool readCsvTable(const QString &path, CsvTable &table, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    table = {};
    table.path = path;
    table.name = QFileInfo(path).completeBaseName();
    if (!isPlainName(table.name)) {
        error = QStringLiteral("%1: \"%2\" is not a plain table name").arg(path, table.name);
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        QString line = QString::fromUtf8(file.readLine()).trimmed();
        // Spreadsheets save a byte-order mark before the header.
        if (lineNumber == 1 && line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList cells = line.split(QLatin1Char(','));
        for (QString &cell : cells)
            cell = cell.trimmed();
        auto fail = [&](const QString &reason) {
            error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(reason);
            return false;
        };
        if (table.fields.isEmpty()) {
            for (const QString &cell : cells)
                if (!isPlainName(cell))
                    return fail(QStringLiteral("field name \"%1\" is not a plain name").arg(cell));
            QStringList folded; // the engine's field names ignore case
            for (const QString &cell : cells)
                folded << cell.toLower();
            if (folded.removeDuplicates() > 0)
                return fail(QStringLiteral("a field is named twice"));
            table.fields = cells;
            continue;
        }
        if (cells.size() != table.fields.size())
            return fail(QStringLiteral("%1 values where the header names %2 fields")
                            .arg(cells.size())
                            .arg(table.fields.size()));
        std::vector<double> row;
        for (const QString &cell : cells) {
            bool ok = false;
            const double value = cell.toDouble(&ok);
            if (!ok || !std::isfinite(value))
                return fail(QStringLiteral("\"%1\" is not a number").arg(cell));
            row.push_back(value);
        }
        table.rows.push_back(std::move(row));
        table.lines.push_back(lineNumber);
    }
    if (table.fields.isEmpty()) {
        error = QStringLiteral("%1: no header line").arg(path);
        return false;
    }
    return true;
}

} // namespace norvel
