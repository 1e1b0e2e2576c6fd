#pragma once

class QMainWindow;

namespace norvel {

// Builds the main window's whole menu tree with its design captions and shortcuts. Every item
// is an action named as the behaviour names it (a submenu is named through its menu action),
// so the translation walk and the province rules find it by name.
void buildMainMenu(QMainWindow *window);

} // namespace norvel
