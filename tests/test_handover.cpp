// Opening an illustration from outside the program: named on its command line, or handed by a
// second copy to the copy that already runs.
#include "app/programarguments.h"
#include "base/instancechannel.h"
#include "base/instancelock.h"
#include "base/profile.h"
#include "domain/illusrecord.h"
#include "support/datarow.h"
#include "support/newillustration.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/appstate.h"
#include "ui/mainwindow.h"

#include <QProcess>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

using Problem = ProgramArguments::Problem;

namespace {

class RefusingLock : public InstanceLock {
public:
    bool acquire(const QString &) override { return false; }
};

// The other end of a hand-over, for a second copy started in this process.
class RecordingChannel : public InstanceChannel {
public:
    explicit RecordingChannel(bool accepts)
        : accepts_(accepts)
    {
    }
    bool listen(const QString &, FileHandler) override { return true; }
    bool handOver(const QString &, const QString &path) override
    {
        handed << path;
        return accepts_;
    }
    QStringList handed;

private:
    bool accepts_;
};

// An illustration of the borrower named, prepared by the broker named.
QString writeIllustration(const QString &path, const QString &broker, const QString &borrower)
{
    IllusRecord record = newIllustrationRecord();
    record.nom = borrower;
    return writeBytes(path, encodeIllustration(broker, QStringLiteral("5145551234"), record))
               ? path
               : QString();
}

} // namespace

class HandOverTest : public QObject {
    Q_OBJECT

    QTemporaryDir files_;
    QTemporaryDir runtime_; // where the lock and the socket live

    QString msg(RunningProgram &program, const char *section, const char *key)
    {
        return program.text("French", QLatin1String(section), QLatin1String(key));
    }

private Q_SLOTS:
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("offending");
        row("one file", QStringList{"Roy.nvl"}, "Roy.nvl", int(Problem::None), "");
        row("unknown long option", QStringList{"--print"}, "", int(Problem::UnknownOption),
            "--print");
        row("two files", QStringList{"Roy.nvl", "Gagnon.nvl"}, "Roy.nvl",
            int(Problem::TooManyFiles), "Gagnon.nvl");
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(int, problem);
        QFETCH(QString, offending);
        const ProgramArguments parsed = parseProgramArguments(arguments);
        QCOMPARE(int(parsed.problem), problem);
        QCOMPARE(parsed.offending, offending);
        if (parsed.problem == Problem::None)
            QCOMPARE(parsed.file, file);
    }

    void aSecondCopyHandsItsFileOver_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("result");
        row("the running copy takes the file", "Roy.nvl", true, int(StartupResult::HandedOver));
        row("no answer: the usual warning", "Roy.nvl", false, int(StartupResult::AlreadyRunning));
    }
    void aSecondCopyHandsItsFileOver()
    {
        QFETCH(QString, file);
        QFETCH(bool, accepted);
        QFETCH(int, result);
        RefusingLock lock;
        RecordingChannel channel(accepted);
        RunningProgram program(QByteArray(), RunningProgram::Start::Later);
        program.options.lock = &lock;
        program.options.channel = &channel;
        program.options.arguments.file = file.isEmpty() ? file : files_.filePath(file);
        QCOMPARE(int(program.start()), result);
        QCOMPARE(channel.handed,
                 file.isEmpty() ? QStringList() : QStringList{files_.filePath(file)});
        const bool warned = result == int(StartupResult::AlreadyRunning);
        QCOMPARE(program.dialogs.messages.size(), warned ? 1 : 0);
        if (warned)
            QCOMPARE(program.dialogs.messages.at(0).text,
                     msg(program, "modCotalmira-Msg", "AppDejaLancer_1") +
                         QStringLiteral("norvel") +
                         msg(program, "modCotalmira-Msg", "AppDejaLancer_2"));
        QVERIFY(!::norvel::test::mainWindow());
    }

    // The program itself, twice: the first copy opens the file it is given, then the one a
    // second copy hands it; the second copy ends at once, without the warning (which, never
    // answered here, would keep it running).
    void twoRealCopies()
    {
        ProgramFolder folder;
        QVERIFY(QFile::copy(builtProgramDir() + QStringLiteral("/norvel"), folder.programPath()));
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        environment.insert(QStringLiteral("HOME"), home.path());
        const QString first =
            writeIllustration(files_.filePath(QStringLiteral("Premier.nvl")),
                              QStringLiteral("Courtier Un"), QStringLiteral("Roy"));
        const QString second =
            writeIllustration(files_.filePath(QStringLiteral("Second.nvl")),
                              QStringLiteral("Courtier Deux"), QStringLiteral("Gagnon"));
        // Opening a file makes its broker the saved one: that is what shows from outside.
        auto savedBroker = [&] {
            return ReadSetting(folder.file(QStringLiteral("norvel.ini")),
                               QStringLiteral("courtier"), QStringLiteral("nom"));
        };

        QProcess running;
        running.setProcessEnvironment(environment);
        running.start(folder.programPath(), {first});
        QVERIFY(running.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(savedBroker(), QStringLiteral("Courtier Un"), 20000);

        QProcess copy;
        copy.setProcessEnvironment(environment);
        copy.start(folder.programPath(), {second});
        QVERIFY(copy.waitForFinished(20000));
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(savedBroker(), QStringLiteral("Courtier Deux"), 20000);
        QCOMPARE(running.state(), QProcess::Running);
        running.kill();
        running.waitForFinished();
    }
};

QTEST_MAIN(HandOverTest)
#include "test_handover.moc"
