// norvel-quote run as a process over the examples: premiums and report in JSON, PDFs,
// rewriting, exit statuses, the settings read and never written; and its progress bar. With
// NORVEL_WRITE_EXAMPLES set, the examples test writes examples/ afresh instead of comparing.
#include "base/clock.h"
#include "cli/filequote.h"
#include "cli/headlessprogram.h"
#include "cli/jsonline.h"
#include "cli/progressbar.h"
#include "domain/illusrecord.h"
#include "domain/report.h"
#include "support/pdftext.h"
#include "support/program.h"
#include "support/quoteentry.h"
#include "support/readonlymark.h"
#include "ui/filecommands.h"
#include "ui/illustrationio.h"
#include "ui/quotecommand.h"
#include "ui/reportpreview.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>

using namespace norvel;
using namespace norvel::test;

namespace {

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

struct Run {
    int status = -1;
    QByteArray out, err;
    QJsonObject line(int i) const
    {
        return QJsonDocument::fromJson(out.split('\n').value(i)).object();
    }
    QJsonObject member(int i, const char *name) const
    {
        return line(i)[QLatin1String(name)].toObject();
    }
};

// A copy of the built program folder with norvel-quote in it, so each case owns its
// norvel.ini and Data/.
struct ToolFolder {
    ProgramFolder folder;
    ToolFolder()
    {
        QFile::copy(QDir(builtProgramDir()).filePath(QStringLiteral("norvel-quote")),
                    folder.file(QStringLiteral("norvel-quote")));
    }
    // home: the user's home folder; empty: the caller's. The tool needs no display.
    Run run(const QStringList &arguments, const QString &home = QString()) const
    {
        QProcess process;
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

// Files of every kind, most of them near a quote that passes: dates about the loan's, ages near
// the limits, options and boxes as any program could have stored them, now and then garbage.
QStringList generatedFiles(const QTemporaryDir &dir, int count)
{
    QRandomGenerator random(17);
    const auto pick = [&](std::initializer_list<const char *> texts) {
        return QString::fromLatin1(texts.begin()[random.bounded(int(texts.size()))]);
    };
    const auto date = [&](int fromYear, int years) {
        const QDate day = QDate(fromYear, 1, 1).addDays(random.bounded(366 * years));
        return day.toString("ddMMyyyy").left(random.bounded(12) ? 8 : random.bounded(9));
    };
    const auto number = [&](int low, int high) {
        return QString::number(random.bounded(low, high));
    };
    const auto flag = [&] { return qint16(-random.bounded(2)); };
    QStringList files;
    for (int i = 0; i < count; ++i) {
        IllusRecord r;
        r.effet = random.bounded(10) ? date(2010, 1) : pick({"", "31022010", "x"});
        r.echeance = random.bounded(3) ? date(2011, 30) : pick({"", "01012050", "3"});
        r.optEcheance = flag();
        r.duree = random.bounded(3) ? number(-5, 400) : pick({"", "---", "abc"});
        r.terme = random.bounded(5) ? number(0, 70) : pick({"", "x1"});
        r.dateNais = date(1940, 55);
        r.age = random.bounded(4) ? number(10, 75) : pick({"", "---"});
        r.parDate = flag(), r.homme = flag(), r.fumeur = flag();
        r.coemprunteur = quint8(random.bounded(3));
        r.dateNaisCo = random.bounded(4) ? date(1940, 55) : pick({"", "1a2b"});
        r.ageCo = random.bounded(3) ? number(10, 75) : pick({"", "---", "1234"});
        r.parDateCo = flag(), r.hommeCo = flag(), r.fumeurCo = flag();
        r.montant = random.bounded(20) ? number(0, 9999999) : pick({"", "12a"});
        r.versement = random.bounded(20) ? number(0, 99999) : pick({""});
        r.prenom = pick({"Jean", "Élodie", "Marie-Ève Tremblay-Gagnon", ""});
        r.nom = pick({"Roy", "Lévesque", "Abcdefghijklmnopqrst"});
        r.prenomCo = pick({"Luc", "", "Anne-Marie-Josée"}), r.nomCo = pick({"Côté", "Gagnon"});
        QByteArray bytes =
            encodeIllustration(pick({"Courtier", "", "Nom de trente caractères et plus"}),
                               pick({"5145550123", "514555", "", "51 555x0123"}), r);
        if (random.bounded(40) == 0)
            bytes.chop(1);
        files << dir.filePath(QStringLiteral("g%1.nvl").arg(i));
        if (!writeBytes(files.last(), bytes))
            return {};
    }
    return files;
}

// File > Open in the program's own form, the quote button, and what the form then shows.
FileQuote quoteInForm(MainWindow &main, ScriptedDialogs &dialogs, const QString &file)
{
    dialogs.clearRecord();
    FileQuote quote;
    quote.file = file;
    QuoteForm *form = main.quoteForm();
    form->illustration().modified = false;
    dialogs.scriptFiles({file});
    OuvrirIllustration(main);
    const auto said = [&](const QString &key) {
        quote.errorKey = key;
        quote.errorMessage = dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text;
        return quote;
    };
    if (form->illustration().fileName != file)
        return said(QStringLiteral("ErrAffSoumission"));
    const qsizetype told = dialogs.messages.size();
    form->cmdCotation->click();
    if (dialogs.messages.size() > told) {
        const auto fault = validateQuote(form->validationSnapshot(), today());
        return said(fault ? fault->key : QStringLiteral("ErrTaux"));
    }
    const QuoteCommand *command = form->findChild<QuoteCommand *>();
    quote.ok = true;
    quote.prices = command->prices();
    quote.report =
        std::shared_ptr<const Report>(std::shared_ptr<void>(), command->preview()->report());
    return quote;
}

} // namespace

class NorvelQuoteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { setToday(QDate()); }

    // The committed examples are what this program's writer makes of their entries.
    void examples()
    {
        setToday(QDate(2010, 8, 31));
        RunningProgram program("[courtier]\r\nnom=Luc Roy\r\ntelephone=5145550123\r\n");
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

    // Each example's line: the six premiums of a valid one, the broker of the file (never the
    // settings'), and the report's controls in layout order; then files of brokers of their own,
    // one named past a NUL (written here as "_"), each shown. One PDF per quoted input, named
    // after it. A rewrite gives the same bytes. norvel.ini keeps its bytes, even one that no
    // write could give back, and none is made where there was none.
    void json_data()
    {
        QTest::addColumn<QByteArray>("settings");
        row("none", QByteArray());
        row("another broker, English",
            QByteArray("[systeme]\r\nlangage=.\\Data\\English.lng\r\n[courtier]\r\n"
                       "nom=Autre Courtier\r\ntelephone=4185550000\r\n"));
        row("a broker name holding a NUL", QByteArray("[courtier]\r\nnom=Old\0\r\n", 21));
    }
    void json()
    {
        QFETCH(QByteArray, settings);
        ToolFolder tool;
        const QString ini = tool.folder.file(QStringLiteral("norvel.ini"));
        if (!settings.isEmpty())
            tool.folder.writeFile(QStringLiteral("norvel.ini"), settings);
        const QString dir = tool.folder.file(QStringLiteral("pdf"));
        QStringList arguments{"--json", "--today", kToday, "--province", "dev", "--out-dir", dir};
        for (const Example &e : kExamples)
            arguments << example(e.file);
        const char *brokers[][3] = {{"Ev_il", "9999999999", "(999) 999-9999"},
                                    {"Anne Roy", "4185550001", "(418) 555-0001"},
                                    {"Marc Roy", "8195550002", "(819) 555-0002"}};
        for (const auto &broker : brokers) {
            QByteArray bytes = encodeBrokerRecord(broker[0], broker[1]) +
                               bytesOf(example("couple.nvl")).mid(kIllusRecordSize);
            arguments << tool.folder.file(QLatin1String(broker[1]) + ".nvl");
            QVERIFY(writeBytes(arguments.last(), bytes.replace('_', '\0')));
        }
        const Run run = tool.run(arguments);
        QCOMPARE(run.status, 1); // the invalid example fails; the others go on
        const char *names[] = {"PrimeVieEmp",   "PrimeInv24Emp",   "PrimeInvDureeEmp",
                               "PrimeVieCoemp", "PrimeInv24Coemp", "PrimeInvDureeCoemp"};
        const char *premiums[] = {"478.5 636 1113 0 0 0",
                                  "605.625 637.830017 1118.33997 1992.625 1667.25 2918.97021",
                                  "1566 0 0 0 0 0", "478.5 0 0 0 0 0"};
        for (int i = 0; i < int(std::size(kExamples)); ++i) {
            const Example &e = kExamples[i];
            const QJsonObject line = run.line(i);
            QCOMPARE(line[QStringLiteral("file")].toString(), example(e.file));
            QCOMPARE(line[QStringLiteral("ok")].toBool(), e.valid);
            QCOMPARE(float(line[QStringLiteral("monthlyFactor")].toDouble()), 0.08333f);
            QCOMPARE(run.member(i, "rates").toVariantMap(),
                     (QVariantMap{{"name", "Tarifs 2010"}, {"effective", "2010-01-01"}}));
            const QString pdf = QFileInfo(e.file).completeBaseName() + QStringLiteral(".pdf");
            QCOMPARE(QFile::exists(QDir(dir).filePath(pdf)), e.valid);
            if (!e.valid)
                continue;
            const QStringList want = QString::fromLatin1(premiums[i]).split(u' ');
            for (int p = 0; p < 6; ++p)
                QCOMPARE(run.member(i, "premiums")[QLatin1String(names[p])].toDouble(),
                         want[p].toDouble());
            QCOMPARE(run.member(i, "report")[QStringLiteral("lblCourtier")].toString(),
                     QStringLiteral("Luc Roy"));
        }
        for (int i = 0; i < 3; ++i) {
            const QJsonObject report = run.member(int(std::size(kExamples)) + i, "report");
            QCOMPARE(report["lblCourtier"].toString(),
                     QString::fromLatin1(brokers[i][0]).remove('_'));
            QCOMPARE(report["lblTelephone"].toString(), QLatin1String(brokers[i][2]));
        }
        if (settings.isEmpty()) { // in French: an amount, and the title the program gives a PDF
            QCOMPARE(run.member(1, "report")[QStringLiteral("lblMntAnn17")].toString(),
                     QStringLiteral("2\u00A0598,25 $"));
            QCOMPARE(pdfInfo(QDir(dir).filePath("couple.pdf"), QStringLiteral("Title")),
                     QStringLiteral("Soumission - Hélène Tremblay - 2010-08-31"));
        }
        const QByteArray raw = run.out.split('\n').at(1);
        QVERIFY(raw.indexOf("\"lblTitre\":") < raw.indexOf("\"lblMntAnn11\":"));
        QVERIFY(raw.indexOf("\"lblMntAnn11\":") < raw.indexOf("\"lblSEO\":"));
        QCOMPARE(modeOf(dir), 0700);
        QCOMPARE(modeOf(QDir(dir).filePath("couple.pdf")), 0600);
        const QString out = tool.folder.file(QStringLiteral("out.nvl"));
        QCOMPARE(tool.run({"--rewrite", out, example("couple.nvl")}).status, 0);
        QCOMPARE(bytesOf(out), bytesOf(example("couple.nvl")));
        QCOMPARE(QFile::exists(ini), !settings.isEmpty());
        QCOMPARE(bytesOf(ini), settings);
    }

    // A name outside the basic plane, or with a byte that is not UTF-8, keeps every character.
    void fileNamesInJson()
    {
        FileQuote quote;
        quote.file = QString::fromUtf8("/q/😀") + QChar(0xDCE9) + ".nvl";
        QVERIFY2(jsonLine(quote, 0.08333f, std::nullopt)
                     .startsWith("{\"file\":\"/q/\xf0\x9f\x98\x80\\udce9.nvl\""),
                 jsonLine(quote, 0.08333f, std::nullopt).constData());
    }

    // Told in the language of the settings read: an installed copy reads the user's own, as the
    // program does; until the user has some, the program's. It never writes either.
    void errors_data()
    {
        columns<QStringList, QString, QString, QString, bool>("extra", "file", "key", "language",
                                                              "userSettings");
        const QString invalid = example("age-70-invalid.nvl");
        row("fails validation, French", QStringList(), invalid, "AgeEmpLimitAge", "French", false);
        row("fails validation, English", QStringList{"--language", "en"}, invalid, "AgeEmpLimitAge",
            "English", false);
        row("Ontario is English", QStringList{"--province", "ontario"}, invalid, "AgeEmpLimitAge",
            "English", false);
        row("the user's settings", QStringList(), invalid, "AgeEmpLimitAge", "English", true);
        row("not an illustration", QStringList(), QDir(sourceDir()).filePath("README.md"),
            "ErrAffSoumission", "French", false);
        row("missing file, a name JSON must escape", QStringList(),
            "/nonexistent/\"x\\y\"\t\n\x01.nvl", "ErrAffSoumission", "French", false);
        static QTemporaryDir pipes;
        const QString fifo = pipes.filePath("fifo.nvl");
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        row("a FIFO, which no one writes", QStringList(), fifo, "ErrAffSoumission", "French",
            false);
    }
    void errors()
    {
        auto [extra, file, key, language, userSettings] =
            fetch<QStringList, QString, QString, QString, bool>("extra", "file", "key", "language",
                                                                "userSettings");
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
        const Run run = tool.run(
            QStringList{"--json", "--today", kToday} + extra + QStringList{file}, home.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.line(0)[QStringLiteral("file")].toString(), file);
        QCOMPARE(run.member(0, "error")[QStringLiteral("key")].toString(), key);
        RunningProgram program;
        const QString section =
            key.startsWith(QLatin1String("Err")) ? "modEnregistrement-Msg" : "frmCotalmira-Msg";
        QCOMPARE(run.member(0, "error")[QStringLiteral("message")].toString(),
                 program.text(qPrintable(language), section, key));
        QCOMPARE(bytesOf(user), userSettings ? english : QByteArray());
    }

    void exitStatuses_data()
    {
        // broken: a file of the program folder taken away
        columns<QStringList, QString, int>("arguments", "broken", "status");
        const QString couple = example("couple.nvl");
        const QString none;
        row("quoted", QStringList{"--today", kToday, couple}, none, 0);
        row("too late for the loan date", QStringList{couple}, none, 1);
        row("the eve of the rates", QStringList{"--today", "2009-12-31", couple}, none, 1);
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
        auto [arguments, broken, status] =
            fetch<QStringList, QString, int>("arguments", "broken", "status");
        ToolFolder tool;
        if (!broken.isEmpty())
            tool.folder.remove(broken);
        const Run run = tool.run(arguments);
        QCOMPARE(run.status, status);
        if (arguments.contains(QStringLiteral("--help")))
            QVERIFY(run.out.contains("Exit status"));
        else if (status == 0)
            QVERIFY(run.out.startsWith("rates: Tarifs 2010, effective 2010-01-01\n"));
        else if (status >= 2)
            QVERIFY(!run.err.isEmpty());
    }

    // A report replaces only a PDF, or with --overwrite another regular file; never an input,
    // never through a link, never a FIFO or a device.
    void pdfReplacesOnlyWhatItShould_data()
    {
        columns<QString, bool, int>("target", "overwrite", "status");
        row("an older report", "old.pdf", false, 0);
        row("its own input", "c1.nvl", false, 2);
        row("another illustration", "c2.nvl", false, 1);
        row("another file, asked for", "c2.nvl", true, 0);
        row("a link to another file", "link.pdf", true, 1);
        row("a FIFO", "fifo.pdf", true, 1);
    }
    void pdfReplacesOnlyWhatItShould()
    {
        auto [target, overwrite, status] =
            fetch<QString, bool, int>("target", "overwrite", "status");
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
        QVERIFY(status != 0 || pdfInfo(path, QStringLiteral("Author")) == QLatin1String("Luc Roy"));
    }

    // Interrupted, the tool leaves no copy of the broker's settings in the temporary folder.
    void anInterruptedRunLeavesNoSettingsBehind()
    {
        ToolFolder tool;
        tool.folder.writeFile("norvel.ini",
                              "[courtier]\r\nnom=Luc Roy\r\ntelephone=5145550123\r\n");
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

    // The tool quotes without the form what the form quotes, file after file, as one program.
    void toolQuotesAsTheForm_data()
    {
        columns<QString, QString>("province", "language");
        row("Québec, French", "quebec", "fr");
        row("Québec, English", "quebec", "en");
        row("Ontario", "ontario", "");
    }
    void toolQuotesAsTheForm()
    {
        auto [province, language] = fetch<QString, QString>("province", "language");
        setToday(QDate(2010, 8, 31));
        QTemporaryDir dir;
        const QStringList files = generatedFiles(dir, 400);
        HeadlessProgram program;
        QString error;
        QVERIFY2(program.start(builtProgramDir(), province, language, &error), qPrintable(error));
        FileQuoter tool(program.window()->quoteForm()->state());
        int quoted = 0;
        for (const QString &file : files) {
            const QByteArray expected =
                jsonLine(quoteInForm(*program.window(), program.dialogs, file), 0, std::nullopt);
            const QByteArray actual = jsonLine(tool.quote(file), 0, std::nullopt);
            qsizetype at = 0; // where they part, shown in both
            while (at < actual.size() && at < expected.size() && actual.at(at) == expected.at(at))
                ++at;
            QVERIFY2(actual == expected,
                     expected.mid(at - 80, 200) + "\n" + actual.mid(at - 80, 200));
            quoted += expected.contains("\"ok\":true");
        }
        QVERIFY(quoted > files.size() / 10 && quoted < files.size() * 9 / 10);
    }

    // Drawn on a terminal only, and only for more than one file.
    void progressBar()
    {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        std::FILE *terminal = std::fopen(ptsname(master), "w");
        QVERIFY(terminal);
        std::FILE *file = std::tmpfile();
        for (auto [stream, total] : {std::pair{terminal, 2}, {terminal, 1}, {file, 2}}) {
            ProgressBar bar(stream, total);
            for (int i = 0; i < total; ++i)
                bar.advance();
        }
        std::fclose(terminal);
        // A terminal hands its output over in pieces; the writer is gone, so read to the end.
        QByteArray drawn;
        char piece[4096];
        for (ssize_t n; (n = read(master, piece, sizeof piece)) > 0;)
            drawn.append(piece, n);
        close(master);
        const QByteArray half = QByteArray(20, '#') + QByteArray(20, '.');
        QCOMPARE(drawn, "\r[" + QByteArray(40, '.') + "] 0/2\r[" + half + "] 1/2\r[" +
                            QByteArray(40, '#') + "] 2/2\r\n");
        QCOMPARE(std::ftell(file), 0L);
        std::fclose(file);
    }
};

QTEST_MAIN(NorvelQuoteTest)
#include "test_norvelquote.moc"
