#include "app/startup.h"

#include "app/externalfiles.h"
#include "base/instancechannel.h"
#include "base/instancelock.h"
#include "base/largepages.h"
#include "base/profile.h"
#include "base/settingsstore.h"
#include "domain/language.h"
#include "domain/ratedatabase.h"
#include "domain/ratevintage.h"
#include "ui/dialogs.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"
#include "ui/programicon.h"
#include "ui/province.h"
#include "ui/splashwindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <future>

namespace norvel {

namespace {

const QString kMessages = QStringLiteral("modCotalmira-Msg");

// The settings file and the illustrations folder, beside the program or in the user's folders.
void placeData(const StartupOptions &options)
{
    ProgramContext &state = programContext();
    const DataLocations where =
        chooseDataLocations(state.programDir, state.exeBaseName, options.userFolders);
    state.illustrationsFolder = where.illustrationsFolder;
    if (!options.settingsFile.isEmpty()) {
        state.settingsFilePath = options.settingsFile;
        return;
    }
    state.settingsFilePath = where.settingsFile;
    if (where.perUser)
        seedUserSettings(
            QDir(state.programDir).filePath(state.exeBaseName + QStringLiteral(".ini")),
            where.settingsFile);
}

void tellBadArguments(const ProgramArguments &arguments)
{
    const bool option = arguments.problem == ProgramArguments::Problem::UnknownOption;
    const QString problem =
        option ? GetLangString(kMessages, QStringLiteral("ArgOption_1")) + arguments.offending +
                     GetLangString(kMessages, QStringLiteral("ArgOption_2"))
               : GetLangString(kMessages, QStringLiteral("ArgFichier_1")) + arguments.offending +
                     GetLangString(kMessages, QStringLiteral("ArgFichier_2"));
    programContext().dialogs->tell(
        problem + QStringLiteral("\r\n\r\n") +
            GetLangString(kMessages, QStringLiteral("ArgUsage_1")) + programContext().exeBaseName +
            GetLangString(kMessages, QStringLiteral("ArgUsage_2")),
        GetLangString(kMessages, QStringLiteral("Norvel")), Dialogs::Icon::Exclamation);
}

// The quote form's load creates the folder; the broker hears once when it could not.
void checkIllustrationsFolder()
{
    ProgramContext &state = programContext();
    if (QFileInfo(state.illustrationsFolder).isDir())
        return;
    const QString kFiles = QStringLiteral("modEnregistrement-Msg");
    state.dialogs->tell(GetLangString(kFiles, QStringLiteral("ErrDossier_1")) +
                            QDir::toNativeSeparators(state.illustrationsFolder) +
                            GetLangString(kFiles, QStringLiteral("ErrDossier_2")),
                        state.appTitle, Dialogs::Icon::Exclamation);
}

QString causeKey(RateDatabase::Error error)
{
    switch (error) {
    case RateDatabase::Error::NotADatabase:
        return QStringLiteral("BaseErrChiffre");
    case RateDatabase::Error::Locked:
        return QStringLiteral("BaseErrVerrou");
    case RateDatabase::Error::NoGeneralTable:
        return QStringLiteral("BaseErrTable");
    case RateDatabase::Error::BadMonthlyFactor:
        return QStringLiteral("BaseErrMensuel");
    case RateDatabase::Error::NoVintage:
        return QStringLiteral("BaseErrTarifs");
    case RateDatabase::Error::Access:
    case RateDatabase::Error::None:
        break;
    }
    return QStringLiteral("BaseErrAcces");
}

void reportDatabaseFailure(const QString &path, const RateDatabase::Status &status)
{
    ProgramContext &state = programContext();
    const QString message = GetLangString(kMessages, QStringLiteral("BaseErr_1")) +
                            QDir::toNativeSeparators(path) +
                            GetLangString(kMessages, QStringLiteral("BaseErr_2")) +
                            GetLangString(kMessages, causeKey(status.error)) +
                            QStringLiteral("\r\n\r\n(") + status.detail + QLatin1Char(')');
    state.dialogs->tell(message, state.appTitle, Dialogs::Icon::Critical);
}

// Opens the rate database and reads what every quote needs from it.
bool openRates(const QString &path)
{
    ProgramContext &state = programContext();
    auto database = std::make_unique<RateDatabase>();
    RateDatabase::Status status = database->open(path);
    if (status)
        status = database->ensureGeneralRow();
    float factor = 0;
    if (status)
        status = database->readMonthlyFactor(factor);
    RateVintage vintage;
    if (status)
        status = readRateVintage(*database, vintage);
    if (!status) {
        reportDatabaseFailure(path, status);
        return false;
    }
    state.rateDatabase = std::move(database);
    state.monthlyFactor = factor;
    state.rateVintage = vintage;
    return true;
}

} // namespace

StartupResult startProgram(const StartupOptions &options, MainWindow **shown)
{
    // Most of what start-up costs on a virtual machine is the first touch of each page of memory.
    useLargePagesForHeap();
    ProgramContext &state = programContext();
    state.dialogs = options.dialogs;
    QApplication::setWindowIcon(programIcon());
    const QFileInfo program(options.programPath);
    state.programDir = program.absolutePath();
    state.exeBaseName = program.completeBaseName();
    placeData(options);

    SetProvince(
        ReadSetting(state.settingsFilePath, QStringLiteral("systeme"), QStringLiteral("province")));

    if (options.arguments.problem != ProgramArguments::Problem::None) {
        tellBadArguments(options.arguments);
        return StartupResult::BadArguments;
    }
    const QString file = options.arguments.file.isEmpty()
                             ? QString()
                             : QFileInfo(options.arguments.file).absoluteFilePath();

    if (options.lock && !options.lock->acquire(program.absoluteFilePath())) {
        // A file goes to the copy that runs; the warning only when it could not take it.
        if (!file.isEmpty() && options.channel &&
            options.channel->handOver(program.absoluteFilePath(), file))
            return StartupResult::HandedOver;
        state.dialogs->tell(
            GetLangString(kMessages, QStringLiteral("AppDejaLancer_1")) + state.exeBaseName +
                GetLangString(kMessages, QStringLiteral("AppDejaLancer_2")),
            GetLangString(kMessages, QStringLiteral("Avertissement")), Dialogs::Icon::Exclamation);
        return StartupResult::AlreadyRunning;
    }
    if (options.channel)
        options.channel->listen(program.absoluteFilePath(), openFromOutside);

    // Reading the system's fonts costs as much as all the rest before the window shows; it
    // runs on another core meanwhile (not for a copy that only hands a file over), and
    // whatever needs a font first waits for it. Every way out of here waits for the reading to
    // end; without a thread to spare, nothing is read ahead.
    const std::future<void> fonts = std::async(std::launch::async | std::launch::deferred,
                                               [] { QFontDatabase::families(); });

    if (options.splashMilliseconds >= 0) {
        SplashWindow splash(options.splashMilliseconds);
        splash.showUntilTimeout();
    }

    state.appTitle = GetLangString(kMessages, QStringLiteral("Norvel"));

    const QString databasePath =
        QDir(state.programDir).filePath(QStringLiteral("Data/Illustra.mdb"));
    if (!FileExists(databasePath)) {
        state.dialogs->tell(GetLangString(kMessages, QStringLiteral("NotFound_1")) +
                                QStringLiteral("ILLUSTRA.MDB") +
                                GetLangString(kMessages, QStringLiteral("NotFound_2")),
                            state.appTitle, Dialogs::Icon::Critical);
        return StartupResult::Failed;
    }

    if (options.store)
        options.store->deleteApplication(QStringLiteral("Belmonde"));

    if (!openRates(databasePath))
        return StartupResult::Failed;

    state.versionText = GetLangString(kMessages, QStringLiteral("Version")) + QLatin1Char(' ') +
                        GetLangString(kMessages, QStringLiteral("NoVersion") + state.province);

    auto *window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (shown)
        *shown = window;
    showFilesFromOutsideIn(window);
    window->load();
    window->show();
    checkIllustrationsFolder();
    if (!file.isEmpty())
        openFromOutside(file);
    return StartupResult::Running;
}

} // namespace norvel
