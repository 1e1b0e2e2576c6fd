#include "vintagefile.h"

#include <QFile>

namespace norvel {

bool readVintageFile(const QString &path, RateVintage &vintage, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    RateVintage read;
    QString effective;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (equals > 0 && key == QLatin1String("name") && read.name.isEmpty()) {
            read.name = value;
        } else if (equals > 0 && key == QLatin1String("effective") && effective.isEmpty()) {
            effective = value;
            read.effective = QDate::fromString(value, Qt::ISODate);
        } else {
            error = QStringLiteral("%1:%2: \"%3\" is neither a first \"name = ...\" nor a first "
                                   "\"effective = YYYY-MM-DD\"")
                        .arg(path)
                        .arg(lineNumber)
                        .arg(line);
            return false;
        }
    }
    if (read.name.isEmpty())
        error = QStringLiteral("%1: no name").arg(path);
    else if (!read.effective.isValid())
        error =
            QStringLiteral("%1: effective \"%2\" is not a date as YYYY-MM-DD").arg(path, effective);
    if (!error.isEmpty())
        return false;
    vintage = read;
    return true;
}

QString vintageText(const RateVintage &vintage)
{
    return QStringLiteral("name = %1\neffective = %2\n")
        .arg(vintage.name, vintage.effective.toString(Qt::ISODate));
}

} // namespace norvel
