// Where the program keeps its settings and illustrations: beside itself when it may write
// there, in the user's own folders when it may not; and what it says when it cannot write.
#include "base/datalocations.h"
#include "base/profile.h"
#include "domain/illustration.h"
#include "domain/language.h"
#include "domain/ratedatabase.h"
#include "support/brokershown.h"
#include "support/datarow.h"
#include "support/readonlymark.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/appstate.h"
#include "ui/brokerwindow.h"
#include "ui/filecommands.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/quoteform.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <optional>

using namespace norvel;
using namespace norvel::test;

namespace {

// Every file under a folder with its bytes: what "nothing changed" means.
std::map<QString, QByteArray> snapshot(const QString &folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = bytesOf(path);
    }
    return files;
}

const QByteArray kSettings = "[systeme]\r\nlangage=.\\Data\\English.lng\r\n"
                             "[courtier]\r\nnom=Jeanne Roy\r\ntelephone=5145551234\r\n";

} // namespace

class UserDataTest : public QObject {
    Q_OBJECT

    // The program folder as an installed program has it: nothing in it can be written.
    struct Installed {
        ReadOnlyMark settings, data, folder;
        explicit Installed(const ProgramFolder &program)
            : settings(program.file(QStringLiteral("norvel.ini")))
            , data(program.file(QStringLiteral("Data")))
            , folder(program.path())
        {
        }
    };

    static QString brokerName() { return ::norvel::test::brokerWindow()->txtNom->text(); }
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
        QTest::addColumn<QByteArray>("settings"); // beside the program; empty: none
        QTest::addColumn<bool>("markSettings");
        QTest::addColumn<bool>("markFolder");
        QTest::addColumn<bool>("perUser");
        row("portable, no settings yet", QByteArray(), false, false, false);
        row("portable with its settings", kSettings, false, false, false);
        row("settings file marked read-only", kSettings, true, false, true);
        row("read-only folder, no settings", QByteArray(), false, true, true);
        row("read-only folder, writable settings file", kSettings, false, true, true);
    }
    void locations()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, markSettings);
        QFETCH(bool, markFolder);
        QFETCH(bool, perUser);
        ProgramFolder program;
        if (!settings.isEmpty())
            program.writeFile(QStringLiteral("norvel.ini"), settings);
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

    void seeding_data()
    {
        QTest::addColumn<QByteArray>("program"); // empty: none
        QTest::addColumn<QByteArray>("user");    // empty: none
        QTest::addColumn<QByteArray>("after");   // empty: none
        QTest::addColumn<bool>("result");
        row("the program's settings are copied", kSettings, QByteArray(), kSettings, true);
        row("the user's file is never overwritten", kSettings,
            QByteArray("[courtier]\r\nnom=Moi\r\n"), QByteArray("[courtier]\r\nnom=Moi\r\n"), true);
        row("nothing to copy", QByteArray(), QByteArray(), QByteArray(), true);
        row("a file that is not text is not copied", QByteArray("\xff\xfe[\0s\0", 6), QByteArray(),
            QByteArray(), false);
    }
    void seeding()
    {
        QFETCH(QByteArray, program);
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, after);
        QFETCH(bool, result);
        QTemporaryDir dir;
        const QString from = dir.filePath(QStringLiteral("program/norvel.ini"));
        const QString to = dir.filePath(QStringLiteral("config/norvel/norvel.ini"));
        std::optional<ReadOnlyMark> mark;
        if (!program.isEmpty()) {
            QVERIFY(writeBytes(from, program));
            QVERIFY(mark.emplace(from).isSet());
        }
        if (!user.isEmpty())
            QVERIFY(writeBytes(to, user));
        QCOMPARE(seedUserSettings(from, to), result);
        QCOMPARE(QFileInfo::exists(to), !after.isEmpty());
        QCOMPARE(bytesOf(to), after);
        QCOMPARE(bytesOf(from), program);
        // The copy of a read-only file is the user's to change.
        if (!after.isEmpty())
            QVERIFY(WriteSetting(to, QStringLiteral("courtier"), QStringLiteral("nom"),
                                 QStringLiteral("Autre")));
    }

    void anInstalledProgramKeepsTheBrokersWorkInTheUsersFolders()
    {
        RunningProgram program(kSettings, RunningProgram::Start::Later);
        Installed installed(program.folder);
        const auto before = snapshot(program.folder.path());
        QCOMPARE(program.start(), StartupResult::Running);
        QVERIFY(program.dialogs.messages.isEmpty());
        const QString userSettings = program.userSettingsFolder() + QStringLiteral("/norvel.ini");
        QCOMPARE(appState().settingsFilePath, userSettings);
        // Seeded from the program's file: its language and broker.
        QCOMPARE(appState().language.path(),
                 program.folder.file(QStringLiteral("Data/English.lng")));
        QCOMPARE(brokerName(), QStringLiteral("Jeanne Roy"));
        QVERIFY(appState().rateDatabase->isReadOnly());

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
        QCOMPARE(::norvel::test::illustration().fileName, path);
        QVERIFY(QFileInfo::exists(path));

        // The broker survives a restart; the program folder never changed.
        QCOMPARE(program.restart(), StartupResult::Running);
        QCOMPARE(brokerName(), QStringLiteral("Marc Gagnon"));
        QCOMPARE(appState().language.path(),
                 program.folder.file(QStringLiteral("Data/English.lng")));
        program.dialogs.scriptFiles({path});
        OuvrirIllustration(*::norvel::test::mainWindow());
        QCOMPARE(::norvel::test::quoteForm()->txtNom->text(), QStringLiteral("Tremblay"));
        QVERIFY(program.dialogs.messages.isEmpty());
        QVERIFY(snapshot(program.folder.path()) == before);
    }

    void aPortableProgramKeepsEverythingBesideItself()
    {
        RunningProgram program(kSettings);
        saveBroker(program, QStringLiteral("Marc Gagnon"));
        QCOMPARE(ReadSetting(program.folder.file(QStringLiteral("norvel.ini")),
                             QStringLiteral("courtier"), QStringLiteral("nom")),
                 QStringLiteral("Marc Gagnon"));
        QCOMPARE(appState().illustrationsFolder, program.folder.file(QStringLiteral("Illust")));
        QVERIFY(QFileInfo(appState().illustrationsFolder).isDir());
        QVERIFY(!appState().rateDatabase->isReadOnly());
        QVERIFY(!QFileInfo::exists(program.user.filePath(QStringLiteral("config"))));
        QVERIFY(!QFileInfo::exists(program.userDocumentsFolder()));
    }

    // The broker is told, the program goes on, and the file stays as it was.
    void aSettingsFileThatCannotBeWrittenIsTold_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("userFileMarked");
        QTest::addColumn<QString>("reason");
        row("the user's file marked read-only", QByteArray("[courtier]\r\nnom=Jeanne Roy\r\n"),
            true, "read-only file");
        row("binary garbage", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false,
            "not a settings file");
        row("text in UTF-16", QByteArray("\xff\xfe[\0c\0o\0u\0r\0t\0i\0e\0r\0]\0", 22), false,
            "not a settings file");
    }
    void aSettingsFileThatCannotBeWrittenIsTold()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, userFileMarked);
        QFETCH(QString, reason);
        RunningProgram program(QByteArray(), RunningProgram::Start::Later);
        std::optional<Installed> installed;
        QString file = program.folder.file(QStringLiteral("norvel.ini"));
        if (userFileMarked) {
            installed.emplace(program.folder);
            file = program.userSettingsFolder() + QStringLiteral("/norvel.ini");
        }
        QVERIFY(writeBytes(file, content));
        std::optional<ReadOnlyMark> mark;
        if (userFileMarked)
            QVERIFY(mark.emplace(file).isSet());

        QCOMPARE(program.start(), StartupResult::Running);
        QCOMPARE(appState().settingsFilePath, file);
        QVERIFY(program.dialogs.messages.isEmpty());
        saveBroker(program, QStringLiteral("Marc Gagnon"));
        QCOMPARE(program.dialogs.messages.size(), 1);
        const Dialogs::Message &m = program.dialogs.messages.at(0);
        QCOMPARE(m.text, program.text("French", QStringLiteral("modCotalmira-Msg"),
                                      QStringLiteral("ErrParam_1")) +
                             QDir::toNativeSeparators(file) +
                             program.text("French", QStringLiteral("modCotalmira-Msg"),
                                          QStringLiteral("ErrParam_2")) +
                             QStringLiteral("\r\n(") + reason + QLatin1Char(')'));
        QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(bytesOf(file), content);
        QVERIFY(::norvel::test::mainWindow()->isVisible());
    }

    void aStrayLineInTheSettingsIsKept()
    {
        const QByteArray stray = "Ceci n'est pas un réglage\r\n[courtier]\r\n=\r\nnom\r\n";
        RunningProgram program(stray);
        saveBroker(program, QStringLiteral("Marc Gagnon"));
        QVERIFY(program.dialogs.messages.isEmpty());
        QCOMPARE(program.setting("courtier", "nom"), QStringLiteral("Marc Gagnon"));
        QVERIFY(bytesOf(appState().settingsFilePath).startsWith("Ceci n'est pas un réglage\r\n"));
    }

    void anIllustrationsFolderThatCannotBeMadeIsTold()
    {
        RunningProgram program(QByteArray(), RunningProgram::Start::Later);
        Installed installed(program.folder);
        // A file stands where the documents folder should be.
        QFile blocker(program.userDocumentsFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(program.start(), StartupResult::Running);
        const QString folder = program.userDocumentsFolder() + QStringLiteral("/Norvel");
        QCOMPARE(program.dialogs.messages.size(), 1);
        const QString section = QStringLiteral("modEnregistrement-Msg");
        QCOMPARE(program.dialogs.messages.at(0).text,
                 program.text("French", section, QStringLiteral("ErrDossier_1")) +
                     QDir::toNativeSeparators(folder) +
                     program.text("French", section, QStringLiteral("ErrDossier_2")));
        // The program goes on, and Save As still saves elsewhere.
        QVERIFY(::norvel::test::mainWindow()->isVisible());
        const QString elsewhere = program.user.filePath(QStringLiteral("Ailleurs.nvl"));
        program.dialogs.scriptFiles({elsewhere});
        EnregistrerIllustrationSous(*::norvel::test::mainWindow());
        QVERIFY(QFileInfo::exists(elsewhere));
        QCOMPARE(program.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(UserDataTest)
#include "test_userdata.moc"
