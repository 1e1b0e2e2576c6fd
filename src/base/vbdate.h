#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace norvel {

// The date of a year, month and day whose month or day may lie outside its range and carries
// over: month 13 is January of the next year, month 0 December of the year before, day 0 the
// last day of the month before, 31 February the 3rd of March (2nd in a leap year). Years are
// taken as written; a result outside the years 100 to 9999 is an invalid date.
QDate dateSerial(int year, int month, int day);

// The date a "dd/mm/yyyy" text names, read as day/month/year whatever the machine's settings;
// nothing for any other text, a day or month out of its range or a year before 100 included.
std::optional<QDate> dayMonthYear(const QString &text);

} // namespace norvel
