#include "app/externalfiles.h"

#include "ui/appstate.h"
#include "ui/filecommands.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QTimer>

namespace norvel {

namespace {

constexpr int kRetryMilliseconds = 250;

bool opening = false; // a save question may run the event loop while a file opens

void bringToFront(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void openWaitingFiles()
{
    AppState &state = appState();
    if (opening || state.filesToOpen.isEmpty())
        return;
    // The splash, the broker window, a question: the file waits until the broker is done.
    if (!state.mainWindow || QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMilliseconds, openWaitingFiles);
        return;
    }
    opening = true;
    while (!appState().filesToOpen.isEmpty() && appState().mainWindow) {
        const QString path = appState().filesToOpen.takeFirst();
        bringToFront(appState().mainWindow);
        OuvrirFichierIllustration(path);
    }
    opening = false;
}

} // namespace

void openFromOutside(const QString &path)
{
    appState().filesToOpen.append(path);
    openWaitingFiles();
}

} // namespace norvel
