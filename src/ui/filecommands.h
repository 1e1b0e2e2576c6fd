#pragma once

class QString;

namespace norvel {

class MainWindow;

// The File menu's illustration commands. Each asks its questions and shows its dialogs
// through the dialog seam, and never loses unsaved entries without the broker saying so.

// Offers to save a modified illustration; false when the broker cancels, or when the save
// did not happen (dialog cancelled, file not written).
bool DemanderEnregistrement(MainWindow &main);
void NouvelleIllustration(MainWindow &main);
void OuvrirIllustration(MainWindow &main);
// Open for a file chosen outside the program (its command line, another copy of it): the
// same save question, then the file read as if the Open dialog had chosen it.
void OuvrirFichierIllustration(MainWindow &main, const QString &path);
enum class SaveResult { Saved, Cancelled, Failed };
SaveResult EnregistrerIllustration(MainWindow &main);
SaveResult EnregistrerIllustrationSous(MainWindow &main);
// Erasing a file takes it out of the recent illustrations.
void EffacerIllustration(MainWindow &main);
// Runs when the quote form is about to close; false keeps it open.
bool ConfirmerFermeture(MainWindow &main);

} // namespace norvel
