// Where the program keeps its settings and illustrations: beside itself when it may write
// there, in the user's own folders when it may not; and what it says when it cannot write.
#include "base/datalocations.h"
#include "base/profile.h"
#include "support/brokershown.h"
#include "support/program.h"
#include "support/readonlymark.h"
#include "ui/filecommands.h"

#include <QDirIterator>
#include <map>
#include <optional>

#include <unistd.h>

using namespace norvel;
using namespace norvel::test;

class UserDataTest : public QObject {
    Q_OBJECT

    static inline const QByteArray kSettings =
        "[systeme]\r\nlangage=.\\Data\\English.lng\r\n"
        "[courtier]\r\nnom=Jeanne Roy\r\ntelephone=5145551234\r\n";

    // Every file under a folder with its bytes: what "nothing changed" means.
    static std::map<QString, QByteArray> snapshot(const QString &folder)
    {
        std::map<QString, QByteArray> files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files[QDir(folder).relativeFilePath(path)] = bytesOf(path);
        }
        return files;
    }
    static void saveBroker(RunningProgram &program, const QString &name)
    {
        QVERIFY(whileBrokerShown(program, [&] {
            ::norvel::test::brokerWindow()->txtNom->setText(name);
            QTest::mouseClick(::norvel::test::brokerWindow()->cmdCourtier[0], Qt::LeftButton);
        }));
    }

private Q_SLOTS:
    void locations_data()
    {
        // settings: beside the program; empty: none; owner: of the program folder
        columns<QByteArray, bool, bool, bool, uint>("settings", "markSettings", "markFolder",
                                                    "perUser", "owner");
        const uint me = ::geteuid(), nobody = 65534;
        row("portable with its settings", kSettings, false, false, false, me);
        row("settings file marked read-only", kSettings, true, false, true, me);
        row("read-only folder, no settings", QByteArray(), false, true, true, me);
        row("another user's folder, which root could write", kSettings, false, false, true, nobody);
    }
    void locations()
    {
        auto [settings, markSettings, markFolder, perUser, owner] =
            fetch<QByteArray, bool, bool, bool, uint>("settings", "markSettings", "markFolder",
                                                      "perUser", "owner");
        ProgramFolder program;
        if (!settings.isEmpty())
            program.writeFile(QStringLiteral("norvel.ini"), settings);
        if (owner != ::geteuid() &&
            ::chown(QFile::encodeName(program.path()).constData(), owner, owner) != 0)
            QSKIP("only root can give a folder to another user");
        std::optional<ReadOnlyMark> settingsMark, folderMark;
        if (markSettings)
            QVERIFY(settingsMark.emplace(program.file(QStringLiteral("norvel.ini"))).isSet());
        if (markFolder)
            QVERIFY(folderMark.emplace(program.path()).isSet());
        const DataLocations where = chooseDataLocations(program.path(), QStringLiteral("norvel"),
                                                        {"/u/config/norvel", "/u/Documents"});
        QCOMPARE(where.perUser, perUser);
        QCOMPARE(where.settingsFile, perUser ? QStringLiteral("/u/config/norvel/norvel.ini")
                                             : program.file(QStringLiteral("norvel.ini")));
        QCOMPARE(where.illustrationsFolder, perUser ? QStringLiteral("/u/Documents/Norvel")
                                                    : program.file(QStringLiteral("Illust")));
    }

    void systemFolders_data()
    {
        columns<QString, bool>("folder", "system");
        row("the package's", "/usr/lib/norvel", true);
        row("an unpacked copy in /opt", "/opt/norvel", true);
        row("the prefix itself", "/usr", true);
        row("a name that only begins alike", "/usrlocal/norvel", false);
        row("the user's own", "/home/luc/norvel", false);
    }
    void systemFolders()
    {
        auto [folder, system] = fetch<QString, bool>("folder", "system");
        QCOMPARE(isSystemFolder(folder), system);
    }

    void anInstalledProgramKeepsTheBrokersWorkInTheUsersFolders()
    {
        RunningProgram program(kSettings, RunningProgram::Start::Later);
        // The program folder as an installed program has it: nothing in it can be written.
        const ReadOnlyMark settings(program.folder.file(QStringLiteral("norvel.ini")));
        const ReadOnlyMark data(program.folder.file(QStringLiteral("Data")));
        const ReadOnlyMark installed(program.folder.path());
        const auto before = snapshot(program.folder.path());
        QCOMPARE(program.start(), StartupResult::Running);
        QVERIFY(program.dialogs.messages.isEmpty());
        const QString userSettings = program.userSettingsFolder() + QStringLiteral("/norvel.ini");
        QCOMPARE(programContext().settingsFilePath, userSettings);
        // Seeded from the program's file: its language and broker.
        QCOMPARE(programContext().language.path(),
                 program.folder.file(QStringLiteral("Data/English.lng")));
        QCOMPARE(::norvel::test::brokerWindow()->txtNom->text(), QStringLiteral("Jeanne Roy"));
        QVERIFY(programContext().rateDatabase->isReadOnly());

        saveBroker(program, QStringLiteral("Marc Gagnon"));
        QVERIFY(program.dialogs.messages.isEmpty());
        QCOMPARE(ReadSetting(userSettings, QStringLiteral("courtier"), QStringLiteral("nom")),
                 QStringLiteral("Marc Gagnon"));

        // Illustrations go to the user's documents, in a folder made for them.
        const QString illustrations = program.userDocumentsFolder() + QStringLiteral("/Norvel");
        QVERIFY(QFileInfo(illustrations).isDir());
        const QString path = illustrations + QStringLiteral("/Tremblay.nvl");
        program.dialogs.scriptFiles({path});
        ::norvel::test::quoteForm()->txtNom->setText(QStringLiteral("Tremblay"));
        EnregistrerIllustration(*::norvel::test::mainWindow());
        QCOMPARE(program.dialogs.fileRequests.at(0).folder, illustrations);
        QVERIFY(program.dialogs.messages.isEmpty());
        QVERIFY(QFileInfo::exists(path));
        // Clients' names and birth dates: for the user's eyes only.
        for (const QString &folder : {program.userSettingsFolder(), illustrations})
            QCOMPARE(modeOf(folder), 0700);
        for (const QString &file : {userSettings, path})
            QCOMPARE(modeOf(file), 0600);

        // The broker survives a restart, even in a file marked read-only since; the program
        // folder never changed.
        const QByteArray content = bytesOf(userSettings);
        ReadOnlyMark mark(userSettings);
        QVERIFY(mark.isSet());
        QCOMPARE(program.restart(), StartupResult::Running);
        QCOMPARE(programContext().settingsFilePath, userSettings);
        QCOMPARE(::norvel::test::brokerWindow()->txtNom->text(), QStringLiteral("Marc Gagnon"));
        QVERIFY(snapshot(program.folder.path()) == before);
        QVERIFY(program.dialogs.messages.isEmpty());

        // A file that cannot be written is told; the program goes on, the file stays as it was.
        saveBroker(program, QStringLiteral("Luc Roy"));
        QCOMPARE(program.dialogs.messages.size(), 1);
        const Dialogs::Message &m = program.dialogs.messages.at(0);
        const auto msg = [&](const char *key) {
            return program.text("English", QStringLiteral("modCotalmira-Msg"), QLatin1String(key));
        };
        QCOMPARE(m.text, msg("ErrParam_1") + QDir::toNativeSeparators(userSettings) +
                             msg("ErrParam_2") + QStringLiteral("\r\n(read-only file)"));
        QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(bytesOf(userSettings), content);
        QVERIFY(::norvel::test::mainWindow()->isVisible());
    }
};

QTEST_MAIN(UserDataTest)
#include "test_userdata.moc"
