// norvel-quote run as a process over the examples: premiums and report in JSON, PDF, rewriting,
// exit statuses, and the settings file left untouched. With NORVEL_WRITE_EXAMPLES set, the
// examples test writes examples/ afresh instead of comparing.
#include "base/clock.h"
#include "cli/filequote.h"
#include "cli/jsonline.h"
#include "domain/illusrecord.h"
#include "domain/language.h"
#include "domain/quotereport.h"
#include "domain/report.h"
#include "support/datarow.h"
#include "support/pdftext.h"
#include "support/quoteentry.h"
#include "support/readonlymark.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/programcontext.h"
#include "ui/illustrationio.h"
#include "ui/quoteform.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

using namespace norvel;
using namespace norvel::test;

namespace {

const QByteArray kBrokerSettings = "[courtier]\r\nnom=Luc Roy\r\ntelephone=5145550123\r\n";
const QString kToday = QStringLiteral("2010-08-31");

// The examples a newcomer quotes first, as the form types them.
struct Example {
    const char *file;
    QuoteEntry entry;
    bool valid;
};
const Example kExamples[] = {
    {"borrower-alone.nvl", {45, 0, 1500, 150000}, true},
    {"couple.nvl", {42, 47, 1800, 250000}, true},
    {"borrower-61.nvl", {61, 0, 1500, 150000}, true},
    {"payment-0.nvl", {45, 0, 0, 150000}, true},
    {"age-70-invalid.nvl", {70, 0, 1500, 150000}, false},
};

QString example(const char *file)
{
    return QDir(sourceDir()).filePath(QStringLiteral("examples/") + QLatin1String(file));
}

QStringList examplePaths()
{
    QStringList paths;
    for (const Example &e : kExamples)
        paths << example(e.file);
    return paths;
}

// A copy of the built program folder with norvel-quote in it, so each case owns its
// norvel.ini and Data/.
struct ToolFolder {
    ProgramFolder folder;
    ToolFolder()
    {
        QFile::copy(QDir(builtProgramDir()).filePath(QStringLiteral("norvel-quote")),
                    folder.file(QStringLiteral("norvel-quote")));
    }
    struct Run {
        int status = -1;
        QByteArray out, err;
        QList<QJsonObject> lines() const
        {
            QList<QJsonObject> objects;
            for (const QByteArray &line : out.split('\n'))
                if (!line.isEmpty())
                    objects << QJsonDocument::fromJson(line).object();
            return objects;
        }
        QJsonObject report(int line) const
        {
            return lines().value(line)[QStringLiteral("report")].toObject();
        }
    };
    // home: the user's home folder; empty: the caller's.
    Run run(const QStringList &arguments, const QString &home = QString()) const
    {
        QProcess process;
        // The tool needs no display and says so itself.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        if (!home.isEmpty()) {
            env.insert(QStringLiteral("HOME"), home);
            env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        }
        process.setProcessEnvironment(env);
        process.start(folder.file(QStringLiteral("norvel-quote")), arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
};

} // namespace

class NorvelQuoteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { setToday(QDate()); }

    // The committed examples are what this program's writer makes of their entries.
    void examples()
    {
        setToday(QDate(2010, 8, 31));
        RunningProgram program(kBrokerSettings);
        const bool write = qEnvironmentVariableIsSet("NORVEL_WRITE_EXAMPLES");
        for (const Example &e : kExamples) {
            ::norvel::test::quoteForm()->resetToNewIllustration();
            enterQuote(::norvel::test::quoteForm(), e.entry);
            const QString made = program.illustration(QLatin1String(e.file));
            QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), made));
            if (write) {
                QFile::remove(example(e.file));
                QVERIFY(QFile::copy(made, example(e.file)));
            }
            QCOMPARE(bytesOf(example(e.file)), bytesOf(made));
        }
    }

    void json()
    {
        ToolFolder tool;
        const ToolFolder::Run run =
            tool.run(QStringList{QStringLiteral("--json"), QStringLiteral("--today"), kToday} +
                     examplePaths());
        QCOMPARE(run.status, 1); // the invalid example fails; the others go on
        const QList<QJsonObject> lines = run.lines();
        QCOMPARE(lines.size(), int(std::size(kExamples)));
        // The six premiums of each valid example: life, 24-month, duration; borrower first.
        const char *names[] = {"PrimeVieEmp",   "PrimeInv24Emp",   "PrimeInvDureeEmp",
                               "PrimeVieCoemp", "PrimeInv24Coemp", "PrimeInvDureeCoemp"};
        const char *premiums[] = {"478.5 636 1113 0 0 0",
                                  "605.625 637.830017 1118.33997 1992.625 1667.25 2918.97021",
                                  "1566 0 0 0 0 0", "478.5 0 0 0 0 0"};
        for (int i = 0; i < lines.size(); ++i) {
            const QJsonObject &line = lines[i];
            QCOMPARE(line[QStringLiteral("file")].toString(), example(kExamples[i].file));
            QCOMPARE(line[QStringLiteral("ok")].toBool(), kExamples[i].valid);
            QCOMPARE(float(line[QStringLiteral("monthlyFactor")].toDouble()), 0.08333f);
            if (!kExamples[i].valid)
                continue;
            const QStringList want = QString::fromLatin1(premiums[i]).split(u' ');
            for (int p = 0; p < 6; ++p)
                QCOMPARE(line[QStringLiteral("premiums")][QLatin1String(names[p])].toDouble(),
                         want[p].toDouble());
            // The broker stored in the file, not the settings file's (there is none).
            QCOMPARE(run.report(i)[QStringLiteral("lblCourtier")].toString(),
                     QStringLiteral("Luc Roy"));
        }
        // Controls come in layout order, as the raw line shows them.
        setToday(QDate(2010, 8, 31));
        RunningProgram program;
        const std::unique_ptr<Report> layout = newQuoteReport(programContext().language, programContext().programDir);
        const QByteArray raw = run.out.split('\n').at(1);
        qsizetype last = -1;
        for (const ReportSection &section : layout->sections())
            for (const ReportControl &control : section.controls)
                if (run.report(1).contains(control.name)) {
                    const qsizetype at = raw.indexOf("\"" + control.name.toUtf8() + "\":");
                    QVERIFY2(at > last, qPrintable(control.name));
                    last = at;
                }
        // The arrangement each example stands for.
        const auto shown = [&](int i, const char *name) {
            return run.report(i).contains(QLatin1String(name));
        };
        QVERIFY(!shown(0, "lblCo2") && shown(0, "lblMntAnn18") && shown(0, "lblMntAnn28"));
        QVERIFY(shown(1, "lblCo2") && shown(1, "lblMntAnn17") && shown(1, "lblMntAnn27"));
        QCOMPARE(run.report(1)[QStringLiteral("lblMntAnn17")].toString(),
                 QStringLiteral("2\u00A0598,25 $"));
        QVERIFY(shown(2, "lblMntAnn18") && !shown(2, "lblAssVieInv24Mois"));
        QVERIFY(!shown(3, "lblAssVieInv24Mois") && !shown(3, "lblMntAnn28"));
    }

    // A name outside the basic plane, or with a byte that is not UTF-8, keeps every character.
    void fileNamesInJson()
    {
        FileQuote quote;
        quote.file = QString::fromUtf8("/q/😀") + QChar(0xDCE9) + ".nvl";
        QVERIFY2(jsonLine(quote, 0.08333f).startsWith("{\"file\":\"/q/\xf0\x9f\x98\x80\\udce9.nvl\""),
                 jsonLine(quote, 0.08333f).constData());
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("language");
        const QString invalid = example("age-70-invalid.nvl");
        row("fails validation, French", QStringList(), invalid, "AgeEmpLimitAge", "French");
        row("fails validation, English", QStringList{"--language", "en"}, invalid, "AgeEmpLimitAge",
            "English");
        row("Ontario is English", QStringList{"--province", "ontario"}, invalid, "AgeEmpLimitAge",
            "English");
        row("not an illustration", QStringList(), QDir(sourceDir()).filePath("README.md"),
            "ErrAffSoumission", "French");
        row("missing file", QStringList(), "/nonexistent/x.nvl", "ErrAffSoumission", "French");
        static QTemporaryDir special;
        const QString fifo = special.filePath("fifo.nvl");
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        row("a FIFO, which no one writes", QStringList(), fifo, "ErrAffSoumission", "French");
    }
    void errors()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(QString, language);
        ToolFolder tool;
        const ToolFolder::Run run =
            tool.run(QStringList{"--json", "--today", kToday} + extra + QStringList{file});
        QCOMPARE(run.status, 1);
        const QJsonObject error = run.lines().value(0)[QStringLiteral("error")].toObject();
        QCOMPARE(error[QStringLiteral("key")].toString(), key);
        RunningProgram program;
        const QString section =
            key.startsWith(QLatin1String("Err")) ? "modEnregistrement-Msg" : "frmCotalmira-Msg";
        QCOMPARE(error[QStringLiteral("message")].toString(),
                 program.text(qPrintable(language), section, key));
    }

    // An installed copy reads the user's own settings, as the program does; until the user
    // has some, the program's.
    void anInstalledToolReadsTheUsersSettings_data()
    {
        QTest::addColumn<bool>("userSettings");
        QTest::addColumn<QString>("language");
        row("the user's settings", true, "English");
        row("none yet: the program's", false, "French");
    }
    void anInstalledToolReadsTheUsersSettings()
    {
        QFETCH(bool, userSettings);
        QFETCH(QString, language);
        ToolFolder tool;
        tool.folder.writeFile(QStringLiteral("norvel.ini"),
                              "[systeme]\r\nlangage=.\\Data\\French.lng\r\n");
        QTemporaryDir home;
        const QString user = home.filePath(QStringLiteral(".config/norvel/norvel.ini"));
        const QByteArray english = "[systeme]\r\nlangage=.\\Data\\English.lng\r\n";
        if (userSettings)
            QVERIFY(writeBytes(user, english));
        ReadOnlyMark installed(tool.folder.path());
        QVERIFY(installed.isSet());
        const ToolFolder::Run run =
            tool.run({"--json", "--today", kToday, example("age-70-invalid.nvl")}, home.path());
        QCOMPARE(run.status, 1);
        const QJsonObject error = run.lines().value(0)[QStringLiteral("error")].toObject();
        RunningProgram program;
        QCOMPARE(error[QStringLiteral("message")].toString(),
                 program.text(qPrintable(language), QStringLiteral("frmCotalmira-Msg"),
                              QStringLiteral("AgeEmpLimitAge")));
        // Read, never written.
        QCOMPARE(bytesOf(user), userSettings ? english : QByteArray());
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("broken"); // a file of the program folder taken away
        QTest::addColumn<int>("status");
        const QString couple = example("couple.nvl");
        const QString none;
        row("quoted", QStringList{"--today", kToday, couple}, none, 0);
        row("too late for the loan date", QStringList{couple}, none, 1);
        row("help", QStringList{"--help"}, none, 0);
        row("no file", QStringList{"--json"}, none, 2);
        row("unknown option", QStringList{"--fast", couple}, none, 2);
        row("bad date", QStringList{"--today", "2010-02-30", couple}, none, 2);
        row("bad province", QStringList{"--province", "yukon", couple}, none, 2);
        row("pdf of two files", QStringList{"--pdf", "x.pdf", couple, couple}, none, 2);
        row("rewrite of two files", QStringList{"--rewrite", "x.nvl", couple, couple}, none, 2);
        row("two inputs, one PDF name",
            QStringList{"--out-dir", "pdf", couple, "elsewhere/couple.nvl"}, none, 2);
        row("rewrite of a missing file", QStringList{"--rewrite", "x.nvl", "/nonexistent/x.nvl"},
            none, 1);
        row("no rate database", QStringList{"--today", kToday, couple}, "Data/Illustra.mdb", 3);
        row("no language file", QStringList{"--today", kToday, couple}, "Data/French.lng", 3);
    }
    void exitStatuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, broken);
        QFETCH(int, status);
        ToolFolder tool;
        if (!broken.isEmpty())
            tool.folder.remove(broken);
        const ToolFolder::Run run = tool.run(arguments);
        QCOMPARE(run.status, status);
        if (arguments.contains(QStringLiteral("--help")))
            QVERIFY(run.out.contains("Exit status"));
        else if (status >= 2)
            QVERIFY(!run.err.isEmpty());
    }

    // Each file's report shows its own broker, past a broker name holding a NUL (written here
    // as "_") and with a settings file that no write can replace.
    void eachFileShowsItsOwnBroker()
    {
        ToolFolder tool;
        tool.folder.writeFile("norvel.ini", QByteArray("[courtier]\r\nnom=Old\0\r\n", 21));
        const char *brokers[][3] = {{"Ev_il", "9999999999", "(999) 999-9999"},
                                    {"Anne Roy", "4185550001", "(418) 555-0001"},
                                    {"Marc Roy", "8195550002", "(819) 555-0002"}};
        QStringList arguments{"--json", "--today", kToday};
        for (const auto &broker : brokers) {
            QByteArray bytes = encodeBrokerRecord(broker[0], broker[1]) +
                               bytesOf(example("couple.nvl")).mid(kIllusRecordSize);
            arguments << tool.folder.file(QLatin1String(broker[1]) + ".nvl");
            QVERIFY(writeBytes(arguments.last(), bytes.replace('_', '\0')));
        }
        const ToolFolder::Run run = tool.run(arguments);
        QCOMPARE(run.status, 0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(run.report(i)["lblCourtier"].toString(),
                     QString::fromLatin1(brokers[i][0]).remove('_'));
            QCOMPARE(run.report(i)["lblTelephone"].toString(), QLatin1String(brokers[i][2]));
        }
    }

    void pdfHoldsTheFigures()
    {
        ToolFolder tool;
        const QString pdf = tool.folder.file(QStringLiteral("couple.pdf"));
        const ToolFolder::Run run =
            tool.run({"--json", "--today", kToday, "--pdf", pdf, example("couple.nvl")});
        QCOMPARE(run.status, 0);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *figure : {"lblMntAnn11", "lblMntAnn17", "lblMntAnn27", "lblCourtier"}) {
            const QString shown = run.report(0)[QLatin1String(figure)].toString();
            QVERIFY2(!shown.isEmpty() && page.contains(asPdfReads(shown)), figure);
        }
    }

    // A report replaces only a PDF, or with --overwrite another regular file; never an input,
    // never through a link, never a FIFO or a device.
    void pdfReplacesOnlyWhatItShould_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<int>("status");
        row("an older report", "old.pdf", false, 0);
        row("its own input", "c1.nvl", false, 2);
        row("another illustration", "c2.nvl", false, 1);
        row("another file, asked for", "c2.nvl", true, 0);
        row("a link to another file", "link.pdf", true, 1);
        row("a FIFO", "fifo.pdf", true, 1);
    }
    void pdfReplacesOnlyWhatItShould()
    {
        QFETCH(QString, target);
        QFETCH(bool, overwrite);
        QFETCH(int, status);
        ToolFolder tool;
        for (const char *name : {"c1.nvl", "c2.nvl"})
            QVERIFY(QFile::copy(example("couple.nvl"), tool.folder.file(name)));
        tool.folder.writeFile("old.pdf", "%PDF-1.4 old");
        QFile::link(tool.folder.file("c2.nvl"), tool.folder.file("link.pdf"));
        ::mkfifo(QFile::encodeName(tool.folder.file("fifo.pdf")).constData(), 0600);
        const QString path = tool.folder.file(target);
        QStringList arguments{"--today", kToday, "--pdf", path, tool.folder.file("c1.nvl")};
        if (overwrite)
            arguments << "--overwrite";
        QCOMPARE(tool.run(arguments).status, status);
        QCOMPARE(bytesOf(tool.folder.file("c1.nvl")), bytesOf(example("couple.nvl")));
        QCOMPARE(bytesOf(tool.folder.file("c2.nvl")) == bytesOf(example("couple.nvl")),
                 status != 0 || target != "c2.nvl");
        QVERIFY(QFileInfo(tool.folder.file("link.pdf")).isSymLink());
        QVERIFY(!QFileInfo(tool.folder.file("fifo.pdf")).isFile());
        if (status == 0)
            QVERIFY(bytesOf(path).startsWith("%PDF-") && bytesOf(path).size() > 100);
    }

    void rewriteGivesTheSameBytes_data()
    {
        QTest::addColumn<QString>("file");
        for (const Example &e : kExamples)
            row(e.file, example(e.file));
    }
    void rewriteGivesTheSameBytes()
    {
        QFETCH(QString, file);
        ToolFolder tool;
        const QString out = tool.folder.file(QStringLiteral("out.nvl"));
        QCOMPARE(tool.run({"--rewrite", out, file}).status, 0);
        QCOMPARE(bytesOf(out), bytesOf(file));
    }

    // Quoting, writing PDFs (one per quoted input, named after it) and rewriting read each
    // file's broker, yet norvel.ini keeps its bytes, and none is made where there was none.
    void neverWritesTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("settings");
        row("none", QByteArray());
        row("another broker, English",
            QByteArray("[systeme]\r\nlangage=.\\Data\\English.lng\r\n[courtier]\r\n"
                       "nom=Autre Courtier\r\ntelephone=4185550000\r\n"));
    }
    void neverWritesTheSettingsFile()
    {
        QFETCH(QByteArray, settings);
        ToolFolder tool;
        const QString ini = tool.folder.file(QStringLiteral("norvel.ini"));
        if (!settings.isEmpty())
            tool.folder.writeFile(QStringLiteral("norvel.ini"), settings);
        const QString dir = tool.folder.file(QStringLiteral("pdf"));
        const ToolFolder::Run run = tool.run(
            QStringList{"--json", "--today", kToday, "--province", "dev", "--out-dir", dir} +
            examplePaths());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.report(0)[QStringLiteral("lblCourtier")], QStringLiteral("Luc Roy"));
        for (const Example &e : kExamples)
            QCOMPARE(QFile::exists(QDir(dir).filePath(QFileInfo(e.file).completeBaseName() +
                                                      QStringLiteral(".pdf"))),
                     e.valid);
        QCOMPARE(modeOf(dir), 0700);
        QCOMPARE(modeOf(QDir(dir).filePath("couple.pdf")), 0600);
        tool.run({"--rewrite", tool.folder.file(QStringLiteral("out.nvl")), example("couple.nvl")});
        QCOMPARE(QFile::exists(ini), !settings.isEmpty());
        QCOMPARE(bytesOf(ini), settings);
    }

    // Interrupted, the tool leaves no copy of the broker's settings in the temporary folder.
    void anInterruptedRunLeavesNoSettingsBehind()
    {
        ToolFolder tool;
        tool.folder.writeFile("norvel.ini", kBrokerSettings);
        QTemporaryDir temporary;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", temporary.path());
        process.setProcessEnvironment(env);
        QStringList arguments{"--json", "--today", kToday};
        for (int i = 0; i < 500; ++i)
            arguments << example("couple.nvl");
        process.start(tool.folder.file("norvel-quote"), arguments);
        QVERIFY(process.waitForReadyRead(60000)); // the first file is quoted: the copy is made
        process.terminate();
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(QDir(temporary.path()).entryList({"norvel*"}, QDir::AllEntries), QStringList());
    }
};

QTEST_MAIN(NorvelQuoteTest)
#include "test_norvelquote.moc"
