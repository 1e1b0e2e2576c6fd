// Norvel's own start-up to the shown main window (no splash wait), then as many quotes as
// asked; tells the widget count and the peak memory, then ends instead of waiting for the
// broker.
#include "app/startup.h"
#include "base/clock.h"
#include "support/processmemory.h"
#include "support/programfolder.h"
#include "support/quoteentry.h"
#include "support/windows.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"
#include "ui/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvel"));
    const QStringList arguments = QApplication::arguments();
    const int quotes = arguments.value(arguments.indexOf(QStringLiteral("--quotes")) + 1).toInt();

    norvel::ScriptedDialogs dialogs;
    norvel::StartupOptions options;
    options.programPath = QDir(norvel::test::builtProgramDir()).filePath(QStringLiteral("norvel"));
    options.dialogs = &dialogs;
    options.splashMilliseconds = -1;
    if (norvel::startProgram(options) != norvel::StartupResult::Running)
        return 1;
    QApplication::processEvents();
    QWidget *window = norvel::test::mainWindow();
    const qlonglong widgets = window->findChildren<QWidget *>().size() + 1;

    if (quotes > 0) {
        norvel::setToday(QDate(2010, 8, 31));
        norvel::QuoteForm *form = norvel::test::quoteForm();
        norvel::test::enterQuote(form, {42, 47, 1800, 250000});
        for (int i = 0; i < quotes; ++i) {
            form->cmdCotation->click();
            QApplication::processEvents();
        }
        if (!dialogs.messages.isEmpty())
            return 1;
    }
    std::printf("widgets %lld\npeak_kib %lld\n", widgets,
                qlonglong(norvel::test::peakResidentKiB()));
    std::fflush(stdout);
    // What the end of the program costs is not start-up.
    std::_Exit(0);
}
