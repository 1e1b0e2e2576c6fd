#include "cli/headlessprogram.h"

#include "app/startup.h"
#include "base/datalocations.h"
#include "base/privatefile.h"
#include "base/profile.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"
#include "ui/province.h"
#include "ui/recentillustrations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <csignal>
#include <cstring>
#include <unistd.h>
#endif

namespace norvel {

namespace {

QString settingsPath(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("norvel.ini"));
}

#ifndef Q_OS_WIN
// The copy holds the broker's settings: an interrupted run removes it before it ends, as
// the folder's destructor would have. A handler may not allocate, hence the fixed buffers.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
char copyFile[4096];
char copyFolder[4096];

void removeCopyAndEnd(int signal)
{
    ::unlink(copyFile);
    ::rmdir(copyFolder);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void removeCopyOnSignals(const QString &file, const QString &folder)
{
    const QByteArray f = QFile::encodeName(file), d = QFile::encodeName(folder);
    if (f.size() >= qsizetype(sizeof copyFile) || d.size() >= qsizetype(sizeof copyFolder))
        return;
    std::memcpy(copyFile, f.constData(), size_t(f.size()) + 1);
    std::memcpy(copyFolder, d.constData(), size_t(d.size()) + 1);
    for (const int signal : kEndingSignals)
        std::signal(signal, removeCopyAndEnd);
}

void keepDefaultSignals()
{
    for (const int signal : kEndingSignals)
        std::signal(signal, SIG_DFL);
}
#else
void removeCopyOnSignals(const QString &, const QString &) {}
void keepDefaultSignals() {}
#endif

} // namespace

MainWindow *HeadlessProgram::window() const
{
    return window_;
}

HeadlessProgram::~HeadlessProgram()
{
    keepDefaultSignals();
    if (!started_)
        return;
    delete window_.data();
    resetProgramContext();
}

// The copy is written afresh rather than copied, so a read-only original still gives a
// writable copy.
bool HeadlessProgram::copySettings(const QString &from, QString *error)
{
    if (!settingsDir_.isValid()) {
        *error =
            QStringLiteral("no temporary folder for the settings: ") + settingsDir_.errorString();
        return false;
    }
    removeCopyOnSignals(settingsPath(settingsDir_), settingsDir_.path());
    QFile original(from);
    if (!original.exists())
        return true;
    if (!original.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(from, original.errorString());
        return false;
    }
    QSaveFile copy(settingsPath(settingsDir_));
    const QByteArray bytes = original.readAll();
    if (!openPrivately(copy) || copy.write(bytes) != bytes.size() || !copy.commit()) {
        *error = QStringLiteral("cannot copy the settings: ") + copy.errorString();
        return false;
    }
    return true;
}

bool HeadlessProgram::start(const QString &programDir, const QString &province,
                            const QString &language, QString *error)
{
    const QString program = QDir(programDir).filePath(QStringLiteral("norvel"));
    // The settings the program itself reads: in an installed copy the user's own (in the
    // configuration folder of the application "norvel"), until there are some, the program's.
    const UserFolders user{QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                               QStringLiteral("/norvel"),
                           QString()};
    const DataLocations where = chooseDataLocations(programDir, QStringLiteral("norvel"), user);
    const QString beside = program + QStringLiteral(".ini");
    if (!copySettings(QFileInfo::exists(where.settingsFile) ? where.settingsFile : beside, error))
        return false;
    const QString settings = settingsPath(settingsDir_);
    const QString system = QStringLiteral("systeme");
    if (!province.isEmpty())
        WriteSetting(settings, system, QStringLiteral("province"), province);
    if (!language.isEmpty())
        WriteSetting(settings, system, QStringLiteral("langage"),
                     QLatin1String(language == QLatin1String("en") ? kEnglishFile : kFrenchFile));

    resetProgramContext();
    StartupOptions options;
    options.programPath = program;
    options.dialogs = &dialogs;
    options.splashMilliseconds = -1;
    options.settingsFile = settings;
    started_ = true;
    MainWindow *window = nullptr;
    const bool running = startProgram(options, &window) == StartupResult::Running;
    window_ = window;
    if (running) {
        // No one sees these windows: painting them, and the report preview above all, would be
        // most of what a quote costs.
        window->setUpdatesEnabled(false);
        // The files the tool reads are no broker's recent illustrations.
        window->recentIllustrations()->setKept(false);
    }
    if (running && !programContext().language.isEmpty())
        return true;
    QStringList said;
    for (const Dialogs::Message &message : dialogs.messages)
        said << message.text;
    *error = said.isEmpty() ? QStringLiteral("the program could not start") : said.join('\n');
    if (running)
        error->prepend(QStringLiteral("no language file: "));
    return false;
}

} // namespace norvel
