// norvel-quote run as a process over the examples: premiums and report in JSON, rewriting,
// and exit statuses.
#include "support/datarow.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

const QString kToday = QStringLiteral("2010-08-31");

// The examples: a borrower of 45 alone, a couple of 42 and 47, a borrower of 61, a payment of
// 0, and an age of 70 that fails validation.
struct Example {
    const char *file;
    bool valid;
};
const Example kExamples[] = {
    {"borrower-alone.nvl", true}, {"couple.nvl", true},         {"borrower-61.nvl", true},
    {"payment-0.nvl", true},      {"age-70-invalid.nvl", false},
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
        QCOMPARE(run.report(1)[QStringLiteral("lblMntAnn17")].toString(),
                 QStringLiteral("2 598,25 $"));
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
        row("no file", QStringList{"--json"}, none, 2);
        row("unknown option", QStringList{"--fast", couple}, none, 2);
        row("bad date", QStringList{"--today", "2010-02-30", couple}, none, 2);
        row("no rate database", QStringList{"--today", kToday, couple}, "Data/Illustra.mdb", 3);
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
        if (status >= 2)
            QVERIFY(!run.err.isEmpty());
    }

    void rewriteGivesTheSameBytes_data()
    {
        QTest::addColumn<QString>("file");
        row("couple", example("couple.nvl"));
    }
    void rewriteGivesTheSameBytes()
    {
        QFETCH(QString, file);
        ToolFolder tool;
        const QString out = tool.folder.file(QStringLiteral("out.nvl"));
        QCOMPARE(tool.run({"--rewrite", out, file}).status, 0);
        QCOMPARE(bytesOf(out), bytesOf(file));
    }
};

QTEST_MAIN(NorvelQuoteTest)
#include "test_norvelquote.moc"
