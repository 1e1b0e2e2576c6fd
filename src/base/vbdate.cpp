#include "base/vbdate.h"

#include <QRegularExpression>

namespace norvel {

namespace {

// The range of the classic date type; Qt has no year 0, so carrying across it means nothing.
bool inDateRange(const QDate &date)
{
    return date.isValid() && date >= QDate(100, 1, 1) && date <= QDate(9999, 12, 31);
}

} // namespace

QDate dateSerial(int year, int month, int day)
{
    const qint64 months = qint64(year) * 12 + month - 1;
    // Qt has no year 0; far years are refused before Qt is asked for them.
    if (months < 12 || months / 12 > 10000)
        return {};
    const qint64 carriedYear = months / 12;
    const QDate first(int(carriedYear), int(months - carriedYear * 12) + 1, 1);
    const QDate date = first.addDays(qint64(day) - 1);
    return inDateRange(date) ? date : QDate();
}

std::optional<QDate> dayMonthYear(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^([0-9]{2})/([0-9]{2})/([0-9]{4})$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    if (!inDateRange(date))
        return std::nullopt;
    return date;
}

} // namespace norvel
