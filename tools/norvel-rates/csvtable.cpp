#include "csvtable.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace norvel {

bool readCsvTable(const QString &path, CsvTable &table, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    table = {};
    table.name = QFileInfo(path).completeBaseName();
    static const QRegularExpression fieldName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
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
                if (!fieldName.match(cell).hasMatch())
                    return fail(QStringLiteral("field name \"%1\" is not a plain name").arg(cell));
            table.fields = cells;
            continue;
        }
        if (cells.size() != table.fields.size())
            return fail(QStringLiteral("%1 values where the header names %2 fields")
                            .arg(cells.size())
                            .arg(table.fields.size()));
        for (const QString &cell : cells) {
            bool ok = false;
            cell.toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not a number").arg(cell));
        }
        table.rows.push_back(cells);
    }
    if (table.fields.isEmpty()) {
        error = QStringLiteral("%1: no header line").arg(path);
        return false;
    }
    return true;
}

} // namespace norvel
