#pragma once

#include <QIcon>

namespace norvel {

// Norvel's own icon, for every window and the task bar: the drawing of the desktop entry's
// icon (packaging/ca.maisonorleane.Norvel.svg), painted at whatever size is asked.
QIcon programIcon();

} // namespace norvel
