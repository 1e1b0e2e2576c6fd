#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace norvel {

class MaskedEdit;

// Enables or disables an entry box and gives it a text (none: it is emptied); an enabled box
// shows the window background, a disabled one the button face.
void ActiverChamp(bool enabled, QLineEdit *box, const QString &text = QString());

// The background (and, for the boxes that grey their text too, the text colour) of an entry
// box that is enabled or not.
void setEntryColours(QWidget *box, bool enabled, bool greyText = false);

// Selects the whole text from the position given.
void SelectionnerTout(QLineEdit *box, int start = 0);

// Empties a masked box, or fills it with the digits given, whatever its prompt setting.
void ViderMasque(MaskedEdit *box, const QString &digits = QString());

} // namespace norvel
