#pragma once

#include <QDate>

namespace norvel {

// The program's today: the system's date unless a test or the headless tool has fixed one.
QDate today();

// Fixes the date today() gives; an invalid date returns to the system clock.
void setToday(const QDate &date);

} // namespace norvel
