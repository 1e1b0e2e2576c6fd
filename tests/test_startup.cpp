// The start-up sequence, driven with scripted dialogs in a throw-away program folder.
#include "app/startup.h"
#include "base/instancelock.h"
#include "base/profile.h"
#include "base/settingsstore.h"
#include "domain/illustration.h"
#include "domain/language.h"
#include "domain/ratedatabase.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "support/ratefiles.h"
#include "support/readonlymark.h"
#include "support/windows.h"
#include "ui/appstate.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/scripteddialogs.h"
#include "ui/splashwindow.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>
#include <sqlite3.h>

using namespace norvel;
using namespace norvel::test;

using Damage = std::function<bool(const QString &path)>;
Q_DECLARE_METATYPE(Damage)

namespace {

class RecordingStore : public SettingsStore {
public:
    void deleteApplication(const QString &application) override { cleared << application; }
    QStringList cleared;
};

class RefusingLock : public InstanceLock {
public:
    bool acquire(const QString &) override { return false; }
};

QString french(const char *section, const char *key)
{
    const QString saved = appState().language.path();
    appState().language = Language(builtProgramDir() + QStringLiteral("/Data/French.lng"));
    const QString text = GetLangString(QLatin1String(section), QLatin1String(key));
    appState().language = Language(saved);
    return text;
}

int generalRows(const QString &path)
{
    RateDatabase db;
    if (!db.open(path))
        return -1;
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db.handle(), "SELECT count(*) FROM General_Cotalmira", -1, &stmt, nullptr);
    sqlite3_step(stmt);
    const int rows = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return rows;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder_;
    ScriptedDialogs dialogs_;
    RecordingStore store_;
    QTemporaryDir user_; // never the real home, whatever a test does to the program folder

    StartupResult start(InstanceLock *lock = nullptr, int splash = -1)
    {
        StartupOptions options;
        options.programPath = folder_->programPath();
        options.dialogs = &dialogs_;
        options.lock = lock;
        options.store = &store_;
        options.splashMilliseconds = splash;
        options.userFolders = {user_.filePath(QStringLiteral("config")),
                               user_.filePath(QStringLiteral("Documents"))};
        return startProgram(options);
    }
    QString settings() const { return folder_->file(QStringLiteral("norvel.ini")); }
    QString database() const { return folder_->file(QStringLiteral("Data/Illustra.mdb")); }

private Q_SLOTS:
    void init()
    {
        resetAppState();
        folder_ = std::make_unique<ProgramFolder>();
        dialogs_ = ScriptedDialogs();
        store_.cleared.clear();
    }
    void cleanup()
    {
        delete ::norvel::test::mainWindow();
        resetAppState();
    }

    void startsToTheMainWindow()
    {
        QCOMPARE(start(), StartupResult::Running);
        const AppState &state = appState();
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(state.settingsFilePath, settings());
        QCOMPARE(state.province, QStringLiteral("quebec"));
        QCOMPARE(state.language.path(), folder_->file(QStringLiteral("Data/French.lng")));
        QCOMPARE(state.appTitle, french("modCotalmira-Msg", "Norvel"));
        QVERIFY(!state.appTitle.isEmpty());
        QCOMPARE(state.monthlyFactor, 0.08333f);
        QCOMPARE(state.versionText, french("modCotalmira-Msg", "Version") + QLatin1Char(' ') +
                                        french("modCotalmira-Msg", "NoVersionquebec"));
        QVERIFY(state.rateDatabase && state.rateDatabase->isOpen());
        QCOMPARE(store_.cleared, QStringList{QStringLiteral("Belmonde")});
        QVERIFY(::norvel::test::mainWindow() && ::norvel::test::mainWindow()->isVisible());
        QVERIFY(!::norvel::test::illustration().modified);
        // Start-up reads the settings file; it never creates it.
        QVERIFY(!QFile::exists(settings()));
    }

    void splashComesBeforeTheMainWindow()
    {
        bool splashSeenAlone = false;
        QTimer::singleShot(20, [&] {
            const auto *splash = qobject_cast<SplashWindow *>(QApplication::activeModalWidget());
            splashSeenAlone = splash && splash->isVisible() && !::norvel::test::mainWindow();
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(start(nullptr, 200), StartupResult::Running);
        QVERIFY(splashSeenAlone);
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void province_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("language");
        row("none", QByteArray(), "quebec", "French.lng");
        row("capital O is not ontario", QByteArray("[systeme]\r\nprovince=Ontario\r\n"), "quebec",
            "French.lng");
        row("ontario is always English",
            QByteArray("[systeme]\r\nprovince=ontario\r\nlangage=.\\Data\\French.lng\r\n"),
            "ontario", "English.lng");
        row("dev chooses like quebec",
            QByteArray("[systeme]\r\nprovince=dev\r\nlangage=.\\Data\\English.lng\r\n"), "dev",
            "English.lng");
        row("saved language", QByteArray("[SYSTEME]\r\nLangage = \".\\Data\\English.lng\"\r\n"),
            "quebec", "English.lng");
    }
    void province()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, province);
        QFETCH(QString, language);
        if (!settings.isEmpty())
            folder_->writeFile(QStringLiteral("norvel.ini"), settings);
        QCOMPARE(start(), StartupResult::Running);
        QCOMPARE(appState().province, province);
        QCOMPARE(appState().language.path(), folder_->file(QStringLiteral("Data/") + language));
        if (province == QLatin1String("dev"))
            QVERIFY(::norvel::test::mainWindow()->item("mnuVersion")->isVisible());
    }

    void unusableLanguageFileIsToldAndStartGoesOn_data()
    {
        QTest::addColumn<QByteArray>("content"); // none: no file at all
        QTest::addColumn<QString>("told");
        const QString notLanguage = QStringLiteral(" is not a language file (it holds no texts)");
        QByteArray binary(65536, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 7919 + 13) % 251);
        row("missing", QByteArray(), " not found");
        row("empty", QByteArray(""), notLanguage);
        row("binary", binary, notLanguage);
        row("one 100,000-character line", QByteArray(100000, 'x'), notLanguage);
    }
    void unusableLanguageFileIsToldAndStartGoesOn()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, told);
        folder_->writeFile(QStringLiteral("norvel.ini"),
                           "[systeme]\r\nlangage=.\\Data\\Klingon.lng\r\n");
        if (!content.isNull())
            folder_->writeFile(QStringLiteral("Data/Klingon.lng"), content);
        QCOMPARE(start(), StartupResult::Running);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages.at(0).text,
                 QDir::toNativeSeparators(folder_->file(QStringLiteral("Data/Klingon.lng"))) +
                     told);
        QVERIFY(appState().language.isEmpty());
        QVERIFY(appState().appTitle.isEmpty());
        // The windows keep their design texts.
        QCOMPARE(::norvel::test::mainWindow()->windowTitle(), QStringLiteral("Norvel"));
        QCOMPARE(bytesOf(folder_->file(QStringLiteral("Data/Klingon.lng"))), content);
    }

    void secondCopyIsRefused()
    {
        RefusingLock lock;
        QCOMPARE(start(&lock, 10000), StartupResult::AlreadyRunning);
        QCOMPARE(dialogs_.messages.size(), 1);
        const Dialogs::Message &m = dialogs_.messages.at(0);
        QCOMPARE(m.text, french("modCotalmira-Msg", "AppDejaLancer_1") + QStringLiteral("norvel") +
                             french("modCotalmira-Msg", "AppDejaLancer_2"));
        QCOMPARE(m.title, french("modCotalmira-Msg", "Avertissement"));
        QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        QVERIFY(!::norvel::test::mainWindow());
        QVERIFY(store_.cleared.isEmpty());
        QVERIFY(!appState().rateDatabase);
    }

    // A folder is no file: the database is reported missing.
    void missingDatabaseEndsTheProgram_data()
    {
        QTest::addColumn<bool>("folderInPlace");
        row("missing", false);
        row("folder in place of the file", true);
    }
    void missingDatabaseEndsTheProgram()
    {
        QFETCH(bool, folderInPlace);
        folder_->remove(QStringLiteral("Data/Illustra.mdb"));
        if (folderInPlace)
            QVERIFY(QDir().mkpath(database()));
        QCOMPARE(start(), StartupResult::Failed);
        QCOMPARE(dialogs_.messages.size(), 1);
        const Dialogs::Message &m = dialogs_.messages.at(0);
        QCOMPARE(m.text, french("modCotalmira-Msg", "NotFound_1") + QStringLiteral("ILLUSTRA.MDB") +
                             french("modCotalmira-Msg", "NotFound_2"));
        QCOMPARE(m.title, french("modCotalmira-Msg", "Norvel"));
        QCOMPARE(m.icon, Dialogs::Icon::Critical);
        QVERIFY(store_.cleared.isEmpty());
        QVERIFY(!::norvel::test::mainWindow());
    }

    void unusableDatabase_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("cause");
        const QStringList good = generalTable({"0.08333,100,90,75,35"});
        const auto keyed = [](const QByteArray &password, const QStringList &sql) {
            return Damage([=](const QString &path) { return makeDatabase(path, password, sql); });
        };
        const auto bytes = [](const QByteArray &content) {
            return Damage([=](const QString &path) { return writeBytes(path, content); });
        };
        QFile built(builtProgramDir() + QStringLiteral("/Data/Illustra.mdb"));
        QVERIFY(built.open(QIODevice::ReadOnly));
        const QByteArray shipped = built.readAll();
        row("not a database", bytes(QByteArray(4096, 'x')), "BaseErrChiffre");
        row("wrong password", keyed("notthepassword", good), "BaseErrChiffre");
        row("plain unencrypted database", keyed("", good), "BaseErrChiffre");
        row("cut in half", bytes(shipped.left(shipped.size() / 2)), "BaseErrChiffre");
        row("no general table", keyed(RateDatabase::kPassword, {"CREATE TABLE Autre (x);"}),
            "BaseErrTable");
        row("empty file", bytes(QByteArray()), "BaseErrTable");
        row("monthly factor missing",
            keyed(RateDatabase::kPassword, generalTable({"NULL,100,90,75,35"})), "BaseErrMensuel");
        row("monthly factor zero", keyed(RateDatabase::kPassword, generalTable({"0,100,90,75,35"})),
            "BaseErrMensuel");
    }
    void unusableDatabase()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, cause);
        const QString path = database();
        QVERIFY(QFile::remove(path));
        QVERIFY(damage(path));
        const QByteArray before = bytesOf(path);
        QCOMPARE(start(), StartupResult::Failed);
        QCOMPARE(dialogs_.messages.size(), 1);
        const Dialogs::Message &m = dialogs_.messages.at(0);
        QVERIFY2(m.text.startsWith(french("modCotalmira-Msg", "BaseErr_1") +
                                   QDir::toNativeSeparators(path) +
                                   french("modCotalmira-Msg", "BaseErr_2") +
                                   french("modCotalmira-Msg", cause.toLatin1())),
                 qPrintable(m.text));
        QCOMPARE(m.title, french("modCotalmira-Msg", "Norvel"));
        QCOMPARE(m.icon, Dialogs::Icon::Critical);
        QVERIFY(!::norvel::test::mainWindow());
        QVERIFY(!appState().rateDatabase);
        // A damaged database is left exactly as it was found.
        QCOMPARE(bytesOf(path), before);
    }

    void generalParameters_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<float>("factor");
        QTest::addColumn<int>("rowsAfter");
        row("empty table gets its default row", QStringList(), false, 0.08333f, 1);
        row("a table with rows is left as it is", QStringList{"0.09,1,2,3,4", "0.5,1,2,3,4"}, false,
            0.09f, 2);
        row("read-only: an empty table reads as the default row, unwritten", QStringList(), true,
            0.08333f, 0);
        row("read-only: a table with rows is read", QStringList{"0.09,1,2,3,4"}, true, 0.09f, 1);
    }
    void generalParameters()
    {
        QFETCH(QStringList, rows);
        QFETCH(bool, readOnly);
        QFETCH(float, factor);
        QFETCH(int, rowsAfter);
        QVERIFY(makeDatabase(database(), RateDatabase::kPassword, generalTable(rows)));
        const QByteArray before = bytesOf(database());
        std::optional<ReadOnlyMark> mark;
        if (readOnly)
            QVERIFY(mark.emplace(database()).isSet());
        QCOMPARE(start(), StartupResult::Running);
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(appState().rateDatabase->isReadOnly(), readOnly);
        QCOMPARE(appState().monthlyFactor, factor);
        delete ::norvel::test::mainWindow();
        resetAppState();
        QCOMPARE(generalRows(database()), rowsAfter);
        if (readOnly)
            QCOMPARE(bytesOf(database()), before);
    }

    void closingTheMainWindowClosesTheDatabase()
    {
        QCOMPARE(start(), StartupResult::Running);
        QPointer<MainWindow> window = ::norvel::test::mainWindow();
        QVERIFY(window->close());
        QVERIFY(!appState().rateDatabase);
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
