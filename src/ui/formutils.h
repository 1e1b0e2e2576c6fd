#pragma once

#include <QString>

class QColor;
class QLineEdit;
class QPalette;
class QWidget;

namespace norvel {

class MaskedEdit;

// Enables or disables an entry box and gives it a text (none: it is emptied); an enabled box
// shows the window background, a disabled one the button face.
void ActiverChamp(bool enabled, QLineEdit *box, const QString &text = QString());

// Text needs this contrast with its background to read well (WCAG 2.1 AA).
inline constexpr double kReadableContrast = 4.5;

// The background of an entry box that is enabled or not, with a text colour that reads on it
// (grey for the boxes that grey their text when disabled). The colours follow the desktop's
// palette when it changes.
void setEntryColours(QWidget *box, bool enabled, bool greyText = false);

// A text colour of the palette that reads on the background, else black or white.
QColor readableText(const QPalette &system, const QColor &background);

// Selects the whole text from the position given.
void SelectionnerTout(QLineEdit *box, int start = 0);

// Empties a masked box, or fills it with the digits given, whatever its prompt setting.
void ViderMasque(MaskedEdit *box, const QString &digits = QString());

} // namespace norvel
