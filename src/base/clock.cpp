#include "base/clock.h"

namespace norvel {

namespace {
QDate &fixedToday()
{
    static QDate date;
    return date;
}
} // namespace

QDate today()
{
    const QDate fixed = fixedToday();
    return fixed.isValid() ? fixed : QDate::currentDate();
}

void setToday(const QDate &date)
{
    fixedToday() = date;
}

} // namespace norvel
