#pragma once

#include <QString>

namespace norvel {

class MainWindow;

// An illustration file chosen outside the program (on its command line, or handed over by a
// second copy). It is opened as File > Open opens a chosen file, save question included, as
// soon as the main window is up and no modal window waits for the broker; the main window is
// brought to the front first.
void openFromOutside(const QString &path);

// The window those files open in, once it is up.
void showFilesFromOutsideIn(MainWindow *window);

} // namespace norvel
