#include "domain/ratesource.h"

namespace norvel {

QString RateError::describe() const
{
    const QString age = QString::number(this->age);
    switch (kind) {
    case Kind::NoTable:
        return QStringLiteral("%1: no such rate table").arg(table);
    case Kind::NoRow:
        return QStringLiteral("%1: no row for age %2").arg(table, age);
    case Kind::NoColumn:
        return QStringLiteral("%1: no column %2 (age %3)").arg(table).arg(column).arg(age);
    case Kind::BadRate:
        return QStringLiteral("%1: age %2, column %3 holds no positive rate (%4)")
            .arg(table, age)
            .arg(column)
            .arg(detail);
    case Kind::NoPrice:
        return QStringLiteral("%1: age %2, column %3 gives no price (%4)")
            .arg(table, age)
            .arg(column)
            .arg(detail);
    case Kind::Database:
        break;
    }
    return QStringLiteral("%1: age %2, column %3: %4").arg(table, age).arg(column).arg(detail);
}

} // namespace norvel
