// norvel-quote run as a process over the examples: premiums against the pricing rules, the
// report as the arrangement rules leave it, PDF, rewriting, exit statuses, and the settings
// file left untouched. With NORVEL_WRITE_EXAMPLES set, the examples test writes examples/
// afresh instead of comparing.
#include "base/clock.h"
#include "domain/amountformat.h"
#include "domain/databaserates.h"
#include "domain/quotepricing.h"
#include "domain/quotereport.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "support/quoteentry.h"
#include "support/readonlymark.h"
#include "support/running.h"
#include "ui/appstate.h"
#include "ui/illustrationio.h"
#include "ui/quoteform.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

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

// The figures of an example as the pricing rules give them (the rate database of the
// program folder, opened by a running program).
QuotePrices expectedPrices(const QuoteEntry &e)
{
    QuoteTerms terms;
    terms.montant = float(e.montant);
    terms.versement = qint16(e.versement);
    terms.emprunteur = {double(e.ageEmp), false, false};
    terms.CoempAssure = e.ageCo > 0;
    terms.coemprunteur = {double(e.ageCo), true, true};
    terms.amortissement = 300;
    terms.monthlyFactor = appState().monthlyFactor;
    DatabaseRates rates(*appState().rateDatabase);
    return priceQuote(terms, rates);
}

// A copy of the built program folder with norvel-quote in it, so each case owns its
// norvel.ini and Data/.
struct ToolFolder {
    ProgramFolder folder;
    ToolFolder()
    {
        const QString tool = folder.file(QStringLiteral("norvel-quote"));
        QFile::copy(QDir(builtProgramDir()).filePath(QStringLiteral("norvel-quote")), tool);
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

QStringList examplePaths()
{
    QStringList paths;
    for (const Example &e : kExamples)
        paths << example(e.file);
    return paths;
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
        RunningProgram program(kBrokerSettings);
        const bool write = qEnvironmentVariableIsSet("NORVEL_WRITE_EXAMPLES");
        for (const Example &e : kExamples) {
            appState().quoteForm->resetToNewIllustration();
            enterQuote(appState().quoteForm, e.entry);
            const QString made = program.illustration(QLatin1String(e.file));
            QVERIFY(EcrireIllustration(made));
            if (write) {
                QFile::remove(example(e.file));
                QVERIFY(QFile::copy(made, example(e.file)));
            }
            QCOMPARE(bytesOf(example(e.file)), bytesOf(made));
        }
    }

    void jsonAgainstThePricingRules()
    {
        ToolFolder tool;
        const ToolFolder::Run run =
            tool.run(QStringList{QStringLiteral("--json"), QStringLiteral("--today"), kToday} +
                     examplePaths());
        QCOMPARE(run.status, 1); // the invalid example fails; the others go on
        const QList<QJsonObject> lines = run.lines();
        QCOMPARE(lines.size(), int(std::size(kExamples)));

        setToday(QDate(2010, 8, 31));
        RunningProgram program;
        const std::unique_ptr<Report> layout =
            newQuoteReport(appState().language, appState().programDir);
        QStringList order;
        for (const ReportSection &section : layout->sections())
            for (const ReportControl &control : section.controls)
                order << control.name;

        for (int i = 0; i < lines.size(); ++i) {
            const Example &e = kExamples[i];
            const QJsonObject &line = lines[i];
            QCOMPARE(line[QStringLiteral("file")].toString(), example(e.file));
            QCOMPARE(line[QStringLiteral("ok")].toBool(), e.valid);
            QCOMPARE(float(line[QStringLiteral("monthlyFactor")].toDouble()),
                     appState().monthlyFactor);
            if (!e.valid)
                continue;
            const QuotePrices want = expectedPrices(e.entry);
            const QJsonObject premiums = line[QStringLiteral("premiums")].toObject();
            const std::pair<const char *, float> figures[] = {
                {"PrimeVieEmp", want.PrimeVieEmp},
                {"PrimeVieCoemp", want.PrimeVieCoemp},
                {"PrimeInv24Emp", want.PrimeInv24Emp},
                {"PrimeInv24Coemp", want.PrimeInv24Coemp},
                {"PrimeInvDureeEmp", want.PrimeInvDureeEmp},
                {"PrimeInvDureeCoemp", want.PrimeInvDureeCoemp}};
            for (const auto &[name, value] : figures)
                QCOMPARE(float(premiums[QLatin1String(name)].toDouble()), value);

            // Controls come in layout order, as the raw line shows them.
            const QByteArray raw = run.out.split('\n').at(i);
            const QJsonObject report = line[QStringLiteral("report")].toObject();
            qsizetype last = -1;
            for (const QString &name : order)
                if (report.contains(name)) {
                    const qsizetype at = raw.indexOf("\"" + name.toUtf8() + "\":");
                    QVERIFY2(at > last, qPrintable(name));
                    last = at;
                }
            QCOMPARE(report[QStringLiteral("lblMntAnn11")].toString(),
                     FormaterMontant(appState().language, want.PrimeVieEmp, true));
            // The broker stored in the file, not the settings file's (there is none).
            QCOMPARE(report[QStringLiteral("lblCourtier")].toString(), QStringLiteral("Luc Roy"));
        }
        // The arrangement each example stands for.
        const auto shown = [&](int i, const char *name) {
            return lines[i][QStringLiteral("report")].toObject().contains(QLatin1String(name));
        };
        QVERIFY(!shown(0, "lblCo2") && shown(0, "lblMntAnn18") && shown(0, "lblMntAnn28"));
        QVERIFY(shown(1, "lblCo2") && shown(1, "lblMntAnn17") && shown(1, "lblMntAnn27"));
        QCOMPARE(lines[1][QStringLiteral("report")].toObject()[QStringLiteral("lblMntAnn17")],
                 FormaterMontant(appState().language, expectedPrices(kExamples[1].entry).totalVie,
                                 true));
        QVERIFY(shown(2, "lblMntAnn18") && !shown(2, "lblAssVieInv24Mois"));
        QVERIFY(!shown(3, "lblAssVieInv24Mois") && !shown(3, "lblMntAnn28"));
        QCOMPARE(lines[2][QStringLiteral("premiums")].toObject()[QStringLiteral("PrimeInv24Emp")],
                 0.0);
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("language");
        QTest::newRow("fails validation, French")
            << QStringList{} << example("age-70-invalid.nvl") << QStringLiteral("AgeEmpLimitAge")
            << QStringLiteral("French");
        QTest::newRow("fails validation, English")
            << QStringList{"--language", "en"} << example("age-70-invalid.nvl")
            << QStringLiteral("AgeEmpLimitAge") << QStringLiteral("English");
        QTest::newRow("Ontario is English")
            << QStringList{"--province", "ontario"} << example("age-70-invalid.nvl")
            << QStringLiteral("AgeEmpLimitAge") << QStringLiteral("English");
        QTest::newRow("not an illustration")
            << QStringList{} << QDir(sourceDir()).filePath("README.md")
            << QStringLiteral("ErrAffSoumission") << QStringLiteral("French");
        QTest::newRow("missing file")
            << QStringList{} << QStringLiteral("/nonexistent/x.nvl")
            << QStringLiteral("ErrAffSoumission") << QStringLiteral("French");
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
        QTest::newRow("the user's settings") << true << "English";
        QTest::newRow("none yet: the program's") << false << "French";
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
        QTest::newRow("quoted") << QStringList{"--today", kToday, couple} << QString() << 0;
        QTest::newRow("too late for the loan date") << QStringList{couple} << QString() << 1;
        QTest::newRow("help") << QStringList{"--help"} << QString() << 0;
        QTest::newRow("no file") << QStringList{"--json"} << QString() << 2;
        QTest::newRow("unknown option") << QStringList{"--fast", couple} << QString() << 2;
        QTest::newRow("bad date") << QStringList{"--today", "2010-02-30", couple} << QString() << 2;
        QTest::newRow("bad province")
            << QStringList{"--province", "yukon", couple} << QString() << 2;
        QTest::newRow("pdf of two files")
            << QStringList{"--pdf", "x.pdf", couple, couple} << QString() << 2;
        QTest::newRow("rewrite of two files")
            << QStringList{"--rewrite", "x.nvl", couple, couple} << QString() << 2;
        QTest::newRow("two inputs, one PDF name")
            << QStringList{"--out-dir", "pdf", couple, "elsewhere/couple.nvl"} << QString() << 2;
        QTest::newRow("rewrite of a missing file")
            << QStringList{"--rewrite", "x.nvl", "/nonexistent/x.nvl"} << QString() << 1;
        QTest::newRow("no rate database")
            << QStringList{"--today", kToday, couple} << QStringLiteral("Data/Illustra.mdb") << 3;
        QTest::newRow("no language file")
            << QStringList{"--today", kToday, couple} << QStringLiteral("Data/French.lng") << 3;
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
        if (status >= 2 && !arguments.contains(QStringLiteral("--help")))
            QVERIFY(!run.err.isEmpty());
        if (arguments.contains(QStringLiteral("--help")))
            QVERIFY(run.out.contains("Exit status"));
    }

    void pdfHoldsTheFigures()
    {
        ToolFolder tool;
        const QString pdf = tool.folder.file(QStringLiteral("couple.pdf"));
        const ToolFolder::Run run =
            tool.run({"--json", "--today", kToday, "--pdf", pdf, example("couple.nvl")});
        QCOMPARE(run.status, 0);
        const QJsonObject report = run.lines().value(0)[QStringLiteral("report")].toObject();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *figure : {"lblMntAnn11", "lblMntAnn17", "lblMntAnn27", "lblCourtier"}) {
            const QString shown = report[QLatin1String(figure)].toString();
            QVERIFY2(!shown.isEmpty() && page.contains(shown), figure);
        }
    }

    // One PDF per quoted input, named after it; none for a file that failed.
    void outDir()
    {
        ToolFolder tool;
        const QString dir = tool.folder.file(QStringLiteral("quotes"));
        const ToolFolder::Run run =
            tool.run(QStringList{"--today", kToday, "--out-dir", dir} + examplePaths());
        QCOMPARE(run.status, 1);
        for (const Example &e : kExamples)
            QCOMPARE(QFile::exists(QDir(dir).filePath(QFileInfo(e.file).completeBaseName() +
                                                      QStringLiteral(".pdf"))),
                     e.valid);
    }

    void rewriteGivesTheSameBytes_data()
    {
        QTest::addColumn<QString>("file");
        for (const Example &e : kExamples)
            QTest::newRow(e.file) << example(e.file);
    }
    void rewriteGivesTheSameBytes()
    {
        QFETCH(QString, file);
        ToolFolder tool;
        const QString out = tool.folder.file(QStringLiteral("out.nvl"));
        QCOMPARE(tool.run({"--rewrite", out, file}).status, 0);
        QCOMPARE(bytesOf(out), bytesOf(file));
    }

    // Quoting, writing PDFs and rewriting read each file's broker, yet norvel.ini keeps its
    // bytes, and none is made where there was none.
    void neverWritesTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("another broker, English")
            << QByteArray("[systeme]\r\nlangage=.\\Data\\English.lng\r\n[courtier]\r\n"
                          "nom=Autre Courtier\r\ntelephone=4185550000\r\n");
    }
    void neverWritesTheSettingsFile()
    {
        QFETCH(QByteArray, settings);
        ToolFolder tool;
        const QString ini = tool.folder.file(QStringLiteral("norvel.ini"));
        if (!settings.isEmpty())
            tool.folder.writeFile(QStringLiteral("norvel.ini"), settings);
        const ToolFolder::Run run =
            tool.run(QStringList{"--json", "--today", kToday, "--province", "dev", "--out-dir",
                                 tool.folder.file(QStringLiteral("pdf"))} +
                     examplePaths());
        QCOMPARE(run.lines()
                     .value(0)[QStringLiteral("report")]
                     .toObject()[QStringLiteral("lblCourtier")],
                 QStringLiteral("Luc Roy"));
        tool.run({"--rewrite", tool.folder.file(QStringLiteral("out.nvl")), example("couple.nvl")});
        QCOMPARE(QFile::exists(ini), !settings.isEmpty());
        QCOMPARE(bytesOf(ini), settings);
    }
};

QTEST_MAIN(NorvelQuoteTest)
#include "test_norvelquote.moc"
#include "domain/language.h"
