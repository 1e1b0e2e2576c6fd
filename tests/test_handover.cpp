// Opening an illustration from outside the program: named on its command line, or handed by a
// second copy to the copy that already runs.
#include "app/programarguments.h"
#include "base/instancechannel.h"
#include "base/instancelock.h"
#include "domain/illusrecord.h"
#include "support/program.h"
#include "support/newillustration.h"

#include <QLocalServer>
#include <future>

using namespace norvel;
using namespace norvel::test;

using Problem = ProgramArguments::Problem;
using Answer = Dialogs::Answer;
Q_DECLARE_METATYPE(Problem)

namespace {

class RefusingLock : public InstanceLock {
public:
    bool acquire(const QString &) override { return false; }
};

// The other end of a hand-over, for a second copy started in this process.
struct RecordingChannel : InstanceChannel {
    bool accepts = true;
    QStringList handed;
    bool listen(const QString &, FileHandler) override { return true; }
    bool handOver(const QString &, const QString &path) override
    {
        handed << path;
        return accepts;
    }
};

// A second copy's side of the hand-over, run on its own thread as another process would.
std::future<bool> handOver(const QString &folder, const QString &program, const QString &path,
                           int timeoutMs)
{
    return std::async(std::launch::async, [=] {
        return LocalInstanceChannel(folder, timeoutMs).handOver(program, path);
    });
}

bool finished(const std::future<bool> &sender)
{
    return sender.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

} // namespace

class HandOverTest : public QObject {
    Q_OBJECT

    QTemporaryDir files_;
    QTemporaryDir runtime_; // where the lock and the socket live

    // An illustration of the borrower named, prepared by Jeanne Courtier.
    QString illustrationOf(const QString &borrower)
    {
        IllusRecord record = newIllustrationRecord();
        record.nom = borrower;
        const QString path = files_.filePath(borrower + QStringLiteral(".nvl"));
        return writeBytes(path, encodeIllustration(QStringLiteral("Jeanne Courtier"),
                                                   QStringLiteral("5145551234"), record))
                   ? path
                   : QString();
    }
    static QString msg(RunningProgram &program, const QString &key,
                       const char *section = "modCotalmira-Msg")
    {
        return program.text("French", QLatin1String(section), key);
    }

private Q_SLOTS:
    // What the command line names; a fault in it is told before anything starts.
    void arguments_data()
    {
        columns<QStringList, QString, Problem, QString>("arguments", "file", "problem",
                                                        "offending");
        row("none", QStringList(), "", Problem::None, "");
        row("one file", QStringList{"Roy.nvl"}, "Roy.nvl", Problem::None, "");
        row("a lone dash is a name", QStringList{"-"}, "-", Problem::None, "");
        row("a name after --", QStringList{"--", "-Roy.nvl"}, "-Roy.nvl", Problem::None, "");
        row("unknown long option", QStringList{"--print"}, "", Problem::UnknownOption, "--print");
        row("unknown option after the file", QStringList{"Roy.nvl", "-x"}, "Roy.nvl",
            Problem::UnknownOption, "-x");
        row("two files", QStringList{"Roy.nvl", "Gagnon.nvl"}, "Roy.nvl", Problem::TooManyFiles,
            "Gagnon.nvl");
    }
    void arguments()
    {
        auto [arguments, file, problem, offending] = fetch<QStringList, QString, Problem, QString>(
            "arguments", "file", "problem", "offending");
        const ProgramArguments parsed = parseProgramArguments(arguments);
        QCOMPARE(parsed.problem, problem);
        QCOMPARE(parsed.offending, offending);
        if (parsed.problem == Problem::None) {
            QCOMPARE(parsed.file, file);
            return;
        }
        RunningProgram program(QByteArray(), RunningProgram::Start::Later);
        program.options.arguments = parsed;
        QCOMPARE(program.start(), StartupResult::BadArguments);
        QCOMPARE(program.dialogs.messages.size(), 1);
        const QString key = problem == Problem::TooManyFiles ? "ArgFichier" : "ArgOption";
        QCOMPARE(program.dialogs.messages.at(0).text,
                 msg(program, key + "_1") + offending + msg(program, key + "_2") +
                     QStringLiteral("\r\n\r\n") + msg(program, "ArgUsage_1") +
                     QStringLiteral("norvel") + msg(program, "ArgUsage_2"));
        QVERIFY(!::norvel::test::mainWindow());
        QVERIFY(!programContext().rateDatabase);
    }

    void aFileNamedAtStartIsOpened()
    {
        const QString path = illustrationOf(QStringLiteral("Roy"));
        RunningProgram program(QByteArray(), RunningProgram::Start::Later);
        // A name relative to the folder the program was started from.
        const QString started = QDir::currentPath();
        QDir::setCurrent(files_.path());
        program.options.arguments = parseProgramArguments({QStringLiteral("Roy.nvl")});
        const StartupResult result = program.start();
        QDir::setCurrent(started);
        QCOMPARE(result, StartupResult::Running);
        QVERIFY(program.dialogs.messages.isEmpty());
        QCOMPARE(::norvel::test::illustration().fileName, path);
        QCOMPARE(::norvel::test::quoteForm()->txtNom->text(), QStringLiteral("Roy"));
        QCOMPARE(::norvel::test::quoteForm()->windowTitle(), QStringLiteral("Roy"));
        QCOMPARE(program.setting("courtier", "nom"), QStringLiteral("Jeanne Courtier"));
        QVERIFY(!::norvel::test::illustration().modified);
    }

    void aSecondCopyHandsItsFileOver_data()
    {
        columns<QString, bool, int>("file", "accepted", "result");
        row("the running copy takes the file", "Roy.nvl", true, int(StartupResult::HandedOver));
        row("no answer: the usual warning", "Roy.nvl", false, int(StartupResult::AlreadyRunning));
        row("no file: the usual warning", "", true, int(StartupResult::AlreadyRunning));
    }
    void aSecondCopyHandsItsFileOver()
    {
        auto [file, accepted, result] = fetch<QString, bool, int>("file", "accepted", "result");
        RefusingLock lock;
        RecordingChannel channel;
        channel.accepts = accepted;
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
            QCOMPARE(program.dialogs.messages.at(0).text, msg(program, "AppDejaLancer_1") +
                                                              QStringLiteral("norvel") +
                                                              msg(program, "AppDejaLancer_2"));
        QVERIFY(!::norvel::test::mainWindow());
    }

    // The path arrives whole, or the hand-over fails when nobody answers.
    void theChannel_data()
    {
        // listener: 0 the program, 1 nobody, 2 one that never answers
        columns<QString, int>("path", "listener");
        row("plain", "/home/broker/Norvel/Roy.nvl", 0);
        row("accents and blanks", QString::fromUtf8("/home/hélène/Mes soumissions/Côté.nvl"), 0);
        row("a line break in a name", "/tmp/a\nb/%0A.nvl", 0);
        row("nobody listens", "/tmp/Roy.nvl", 1);
        row("a listener that never answers", "/tmp/Roy.nvl", 2);
    }
    void theChannel()
    {
        auto [path, listener] = fetch<QString, int>("path", "listener");
        const QString program = QStringLiteral("/opt/norvel/norvel");
        LocalInstanceChannel running(runtime_.path(), 300);
        QStringList received;
        QLocalServer silent;
        if (listener == 0)
            QVERIFY(running.listen(program, [&](const QString &p) { received << p; }));
        if (listener == 2) {
            QLocalServer::removeServer(running.socketPath(program));
            QVERIFY(silent.listen(running.socketPath(program)));
        }
        std::future<bool> second = handOver(runtime_.path(), program, path, listener ? 300 : 5000);
        QTRY_VERIFY_WITH_TIMEOUT(finished(second), 5000);
        QCOMPARE(second.get(), listener == 0);
        QTRY_COMPARE(received, listener ? QStringList() : QStringList{path});
    }

    void theRunningCopyOpensAHandedFileThroughItsSaveQuestion_data()
    {
        columns<int, bool>("answer", "opened");
        row("Cancel keeps the current quote", int(Answer::Cancel), false);
        row("No opens the file", int(Answer::No), true);
    }
    void theRunningCopyOpensAHandedFileThroughItsSaveQuestion()
    {
        auto [answer, opened] = fetch<int, bool>("answer", "opened");
        const QString path = illustrationOf(QStringLiteral("Gagnon"));
        FileInstanceLock lock(runtime_.path());
        LocalInstanceChannel channel(runtime_.path());
        RunningProgram program(QByteArray(), RunningProgram::Start::Later);
        program.options.lock = &lock;
        program.options.channel = &channel;
        QCOMPARE(program.start(), StartupResult::Running);
        ::norvel::test::quoteForm()->txtNom->setText(QStringLiteral("Tremblay"));
        ::norvel::test::illustration().modified = true;
        program.dialogs.script({Answer(answer)});

        std::future<bool> second =
            handOver(runtime_.path(), program.options.programPath, path, 5000);
        QTRY_VERIFY(finished(second));
        QVERIFY(second.get());
        QTRY_COMPARE(program.dialogs.messages.size(), 1);
        QCOMPARE(program.dialogs.messages.at(0).text,
                 msg(program, "NouIllus_t", "modEnregistrement-Msg"));
        QCOMPARE(::norvel::test::quoteForm()->txtNom->text(),
                 opened ? QStringLiteral("Gagnon") : QStringLiteral("Tremblay"));
        QCOMPARE(::norvel::test::illustration().fileName, opened ? path : QString());
        QCOMPARE(::norvel::test::illustration().modified, !opened);
    }
};

QTEST_MAIN(HandOverTest)
#include "test_handover.moc"
