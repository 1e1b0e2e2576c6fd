#include "app/externalfiles.h"

#include "ui/filecommands.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace norvel {

namespace {

constexpr int kRetryMilliseconds = 250;

bool opening = false; // a save question may run the event loop while a file opens

// The files waiting for the main window, and that window once it is up.
struct Waiting {
    QStringList files;
    QPointer<MainWindow> window;
};

Waiting &waiting()
{
    static Waiting w;
    return w;
}

void bringToFront(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void openWaitingFiles()
{
    Waiting &w = waiting();
    if (opening || w.files.isEmpty())
        return;
    // The splash, the broker window, a question: the file waits until the broker is done.
    if (!w.window || QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMilliseconds, openWaitingFiles);
        return;
    }
    opening = true;
    while (!w.files.isEmpty() && w.window) {
        const QString path = w.files.takeFirst();
        bringToFront(w.window);
        OuvrirFichierIllustration(*w.window, path);
    }
    opening = false;
}

} // namespace

void openFromOutside(const QString &path)
{
    waiting().files.append(path);
    openWaitingFiles();
}

void showFilesFromOutsideIn(MainWindow *window)
{
    waiting().window = window;
}

} // namespace norvel
