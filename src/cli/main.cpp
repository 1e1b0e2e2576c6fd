#include "cli/quotetool.h"

#include <QApplication>
#include <cstdio>

namespace {

// The offscreen platform warns about every window it cannot raise; the tool reports its own
// failures, so only serious messages reach standard error.
void seriousOnly(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // The same windows as the program, never on a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(seriousOnly);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvel-quote"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return norvel::runQuoteTool(arguments, QApplication::applicationDirPath());
}
