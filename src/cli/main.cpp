#include "base/filenames.h"
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
#ifdef Q_OS_WIN
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
#else
    // As the file system decodes names: a name that is not UTF-8 still opens its file.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << norvel::decodeFileName(argv[i]);
#endif
    return norvel::runQuoteTool(arguments, QApplication::applicationDirPath());
}
