#pragma once

#include <QString>

namespace norvel {

class MainWindow;

// Writes the quote form, its co-borrower memory and the broker to an illustration file. The
// file is replaced as a whole, so a failed write leaves the old one as it was; the broker is
// told why, and the form keeps its caption and its modified state.
bool EcrireIllustration(MainWindow &main, const QString &path);

// Reads an illustration file into the form and makes its broker the current one. The whole
// file is checked first: a file that cannot be read changes nothing.
bool LireIllustration(MainWindow &main, const QString &path);

} // namespace norvel
