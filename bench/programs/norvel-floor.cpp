// The least any Qt desktop program does: an application object and a main window holding a
// form of as many widgets as Norvel's, shown. Norvel's start-up is measured against it.
#include "support/processmemory.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int widgets = arguments.value(arguments.indexOf(QStringLiteral("--widgets")) + 1).toInt();

    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto *form = new QWidget;
    auto *layout = new QFormLayout(form);
    window.setCentralWidget(form);
    // Counted as Norvel's are: the window and every widget inside it; half captions, half
    // entry boxes, as a form has.
    for (qsizetype count = window.findChildren<QWidget *>().size() + 1; count < widgets; ++count) {
        if (count % 2)
            layout->addRow(new QLabel(QStringLiteral("Field")));
        else
            layout->addRow(new QLineEdit);
    }
    window.show();
    QApplication::processEvents();

    std::printf("widgets %lld\npeak_kib %lld\n",
                qlonglong(window.findChildren<QWidget *>().size() + 1),
                qlonglong(norvel::test::peakResidentKiB()));
    std::fflush(stdout);
    // Ends as the measured program does, without tearing the windows down.
    std::_Exit(0);
}
