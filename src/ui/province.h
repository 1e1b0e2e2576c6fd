#pragma once

#include <QString>

class QWidget;

namespace norvel {

class MainWindow;

inline constexpr const char *kFrenchFile = ".\\Data\\French.lng";
inline constexpr const char *kEnglishFile = ".\\Data\\English.lng";

// Normalises the province ("quebec", "ontario" or "dev"; anything else is "quebec"), makes
// its language file current and keeps the province for the run.
void SetProvince(const QString &province);

// Makes the given language file current (an empty name keeps the current one), retranslates
// the main window and the quote form, re-presents the two amounts in the language's format,
// and remembers a chosen file in the settings unless the province is "ontario".
void ChangeLanguage(MainWindow &main, const QString &file);

// Shows or hides the main window's province-dependent menus; an empty province stands for
// the current one.
void ApplyProvinceMenus(QWidget *window, const QString &province);

// Checks the main window's province and language items that are in use, and only those.
void CheckCurrentChoices(QWidget *window);

} // namespace norvel
