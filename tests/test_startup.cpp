// The start-up sequence, driven with scripted dialogs in a throw-away program folder.
#include "base/settingsstore.h"
#include "support/program.h"
#include "domain/ratedatabase.h"
#include "support/ratefiles.h"
#include "support/readonlymark.h"
#include "ui/splashwindow.h"

#include <QTimer>
#include <functional>
#include <optional>
#include <sqlite3.h>

using namespace norvel;
using namespace norvel::test;

using Damage = std::function<bool(const QString &path)>;
Q_DECLARE_METATYPE(Damage)

class StartupTest : public QObject {
    Q_OBJECT

    class RecordingStore : public SettingsStore {
    public:
        void deleteApplication(const QString &application) override { cleared << application; }
        QStringList cleared;
    };
    std::unique_ptr<RunningProgram> program_;
    RecordingStore store_;

    static int generalRows(const QString &path)
    {
        RateDatabase db;
        if (!db.open(path))
            return -1;
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db.handle(), "SELECT count(*) FROM General_Cotalmira", -1, &stmt,
                           nullptr);
        sqlite3_step(stmt);
        const int rows = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
        return rows;
    }
    QString msg(const char *key) const
    {
        return program_->text("French", QStringLiteral("modCotalmira-Msg"), QLatin1String(key));
    }
    QString database() const { return program_->folder.file(QStringLiteral("Data/Illustra.mdb")); }

private Q_SLOTS:
    void init()
    {
        program_ = std::make_unique<RunningProgram>(QByteArray(), RunningProgram::Start::Later);
        store_.cleared.clear();
        program_->options.store = &store_;
    }
    void cleanup() { program_.reset(); }

    // The splash comes alone, before the main window.
    void startsToTheMainWindow()
    {
        bool splashSeenAlone = false;
        QTimer::singleShot(20, [&] {
            const auto *splash = qobject_cast<SplashWindow *>(QApplication::activeModalWidget());
            splashSeenAlone = splash && splash->isVisible() && !::norvel::test::mainWindow();
        });
        program_->options.splashMilliseconds = 200;
        QCOMPARE(program_->start(), StartupResult::Running);
        QVERIFY(splashSeenAlone);
        QVERIFY(!QApplication::activeModalWidget());
        const ProgramContext &state = programContext();
        const QString settings = program_->folder.file(QStringLiteral("norvel.ini"));
        QVERIFY(program_->dialogs.messages.isEmpty());
        QCOMPARE(state.settingsFilePath, settings);
        QCOMPARE(state.province, QStringLiteral("quebec"));
        QCOMPARE(state.language.path(), program_->folder.file(QStringLiteral("Data/French.lng")));
        QCOMPARE(state.appTitle, msg("Norvel"));
        QCOMPARE(state.monthlyFactor, 0.08333f);
        QCOMPARE(state.versionText, msg("Version") + QLatin1Char(' ') + msg("NoVersionquebec"));
        QVERIFY(state.rateDatabase && state.rateDatabase->isOpen());
        QCOMPARE(store_.cleared, QStringList{QStringLiteral("Belmonde")});
        QVERIFY(::norvel::test::mainWindow() && ::norvel::test::mainWindow()->isVisible());
        QVERIFY(!::norvel::test::illustration().modified);
        // Start-up reads the settings file; it never creates it.
        QVERIFY(!QFile::exists(settings));
    }

    void unusableDatabase_data()
    {
        columns<Damage, QString>("damage", "cause");
        const auto keyed = [](const QStringList &sql,
                              const QByteArray &password = RateDatabase::shippedKey()) {
            return Damage([=](const QString &path) { return makeDatabase(path, password, sql); });
        };
        const QByteArray shipped =
            bytesOf(builtProgramDir() + QStringLiteral("/Data/Illustra.mdb"));
        row("wrong key", keyed(generalTable({"0.08333,100,90,75,35"}), QByteArray(32, 'k')),
            "BaseErrChiffre");
        row("cut in half", Damage([=](const QString &path) {
                return writeBytes(path, shipped.left(shipped.size() / 2));
            }),
            "BaseErrChiffre");
        row("no general table", keyed({"CREATE TABLE Autre (x);"}), "BaseErrTable");
        row("monthly factor zero", keyed(generalTable({"0,100,90,75,35"})), "BaseErrMensuel");
        row("monthly factor zero as a single", keyed(generalTable({"1e-300,100,90,75,35"})),
            "BaseErrMensuel");
        row("no rate vintage", keyed(generalTable({"0.08333,100,90,75,35"})), "BaseErrTarifs");
        row("general table a view without end",
            keyed({"CREATE VIEW General_Cotalmira AS WITH RECURSIVE c(Mensuel) AS (SELECT 0.08333 "
                   "UNION ALL SELECT Mensuel FROM c) SELECT Mensuel FROM c WHERE Mensuel < 0;"}),
            "BaseErrTable");
    }
    void unusableDatabase()
    {
        auto [damage, cause] = fetch<Damage, QString>("damage", "cause");
        const QString path = database();
        QVERIFY(QFile::remove(path));
        QVERIFY(damage(path));
        const QByteArray before = bytesOf(path);
        QCOMPARE(program_->start(), StartupResult::Failed);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        const Dialogs::Message &m = program_->dialogs.messages.at(0);
        QVERIFY2(m.text.startsWith(msg("BaseErr_1") + QDir::toNativeSeparators(path) +
                                   msg("BaseErr_2") + msg(cause.toLatin1())),
                 qPrintable(m.text));
        QCOMPARE(m.icon, Dialogs::Icon::Critical);
        QVERIFY(!::norvel::test::mainWindow());
        QVERIFY(!programContext().rateDatabase);
        // A damaged database is left exactly as it was found.
        QCOMPARE(bytesOf(path), before);
    }

    // An empty general table reads as its default row, written only where it may be.
    void generalParameters_data()
    {
        columns<bool, int>("readOnly", "rowsAfter");
        row("written", false, 1);
        row("read-only: left unwritten", true, 0);
    }
    void generalParameters()
    {
        auto [readOnly, rowsAfter] = fetch<bool, int>("readOnly", "rowsAfter");
        QVERIFY(makeDatabase(database(), RateDatabase::shippedKey(),
                             generalTable({}) + vintageTable()));
        const QByteArray before = bytesOf(database());
        std::optional<ReadOnlyMark> mark;
        if (readOnly)
            QVERIFY(mark.emplace(database()).isSet());
        QCOMPARE(program_->start(), StartupResult::Running);
        QVERIFY(program_->dialogs.messages.isEmpty());
        QCOMPARE(programContext().rateDatabase->isReadOnly(), readOnly);
        QCOMPARE(programContext().monthlyFactor, 0.08333f);
        delete ::norvel::test::mainWindow(); // closes the database
        resetProgramContext();
        QCOMPARE(generalRows(database()), rowsAfter);
        if (readOnly)
            QCOMPARE(bytesOf(database()), before);
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
