// Every rate of a quote is read here: a rate read from the wrong row or field, or a missing
// one priced as if it were there, is a wrong quote. The database opens only with its key,
// and norvel-rates builds and checks one.
#include "domain/databaserates.h"
#include "domain/ratedatabase.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "support/ratefiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <unistd.h>

using namespace norvel;
using namespace norvel::test;

Q_DECLARE_METATYPE(RateError::Kind)

namespace {

int runTool(const QStringList &arguments, QString *errors, QString *out = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral(NORVEL_RATES_TOOL), arguments);
    tool.waitForFinished();
    *errors = QString::fromUtf8(tool.readAllStandardError());
    if (out)
        *out = QString::fromUtf8(tool.readAllStandardOutput());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

} // namespace

class RateLookupTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    RateDatabase shipped_;
    RateDatabase small_;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(shipped_.open(builtProgramDir() + QStringLiteral("/Data/Illustra.mdb")));
        // Fields named against their order: only the ordinal may pick a rate.
        const QString path = dir_.filePath(QStringLiteral("small.mdb"));
        QVERIFY(makeDatabase(path, RateDatabase::shippedKey(),
                             {QStringLiteral("CREATE TABLE T (Years INTEGER, z REAL, y REAL, x);"),
                              QStringLiteral("INSERT INTO T VALUES (30, 0.1, 2, 0.3333);"),
                              QStringLiteral("INSERT INTO T VALUES (31, NULL, 'abc', 0);"),
                              QStringLiteral("INSERT INTO T VALUES (32, -0.5, 1e300, '0.2');"),
                              QStringLiteral("CREATE VIEW V AS WITH RECURSIVE c(Years, z) AS "
                                             "(SELECT 0, 0.1 UNION ALL SELECT * FROM c) "
                                             "SELECT * FROM c;")}));
        QVERIFY(small_.open(path));
    }

    void nothingMissingIsPriced_data()
    {
        columns<QString, double, int, RateError::Kind, QString>("table", "age", "column", "kind",
                                                                "described");
        using K = RateError::Kind;
        row("no table", "Nope", 30.0, 1, K::NoTable, "Nope: no such rate table");
        row("a view, whose query may never end", "V", 30.0, 1, K::NoTable, "V: no such rate table");
        row("no row", "T", 29.0, 1, K::NoRow, "T: no row for age 29");
        row("column 0 is the age", "T", 30.0, 0, K::NoColumn, "T: no column 0 (age 30)");
        row("age is matched exactly", "T", 30.5, 1, K::NoRow, "T: no row for age 30.5");
        row("past the last field", "T", 30.0, 4, K::NoColumn, "T: no column 4 (age 30)");
        row("empty", "T", 31.0, 1, K::BadRate,
            "T: age 31, column 1 holds no positive rate (empty)");
        row("zero", "T", 31.0, 3, K::BadRate, "T: age 31, column 3 holds no positive rate (\"0\")");
        row("negative", "T", 32.0, 1, K::BadRate,
            "T: age 32, column 1 holds no positive rate (\"-0.5\")");
        row("number stored as text", "T", 32.0, 3, K::BadRate,
            "T: age 32, column 3 holds no positive rate (\"0.2\")");
    }
    void nothingMissingIsPriced()
    {
        auto [table, age, column, kind, described] =
            fetch<QString, double, int, RateError::Kind, QString>("table", "age", "column", "kind",
                                                                  "described");
        DatabaseRates rates(small_);
        // Twice: a failed lookup leaves the table's statement fit for the next one, which reads
        // the field at its ordinal in single precision.
        for (int round = 0; round < 2; ++round) {
            const RateResult read = rates.LireTaux(table, age, column);
            QVERIFY(!read);
            QCOMPARE(read.error->kind, kind);
            QCOMPARE(read.error->table, table);
            QCOMPARE_EQ(read.error->age, age);
            QCOMPARE(read.error->describe(), described);
            QCOMPARE_EQ(rates.LireTaux(QStringLiteral("T"), 30, 1).rate, 0.1f);
            QCOMPARE_EQ(rates.LireTaux(QStringLiteral("T"), 30, 3).rate, 0.3333f);
        }
    }

    // An installed copy's database is only read, even by root, who could write it.
    void anotherUsersDatabaseIsOnlyRead()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("Illustra.mdb"));
        QVERIFY(QFile::copy(builtProgramDir() + QStringLiteral("/Data/Illustra.mdb"), copy));
        if (::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534) != 0)
            QSKIP("only root can give a folder to another user");
        RateDatabase db;
        QVERIFY(db.open(copy));
        QVERIFY(db.isReadOnly());
    }

    void databaseAndTool()
    {
        RateDatabase db;
        const QString shipped = builtProgramDir() + QStringLiteral("/Data/Illustra.mdb");
        QCOMPARE(db.open(shipped, QByteArray(32, 'k')).error, RateDatabase::Error::NotADatabase);
        QVERIFY(!db.isOpen());
        // Nothing but the key reads a table: not a plain SQLite open, nor the password.
        const auto readable = [&](const QByteArray &keying) {
            sqlite3 *raw = nullptr;
            sqlite3_open_v2(shipped.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
            const bool read = sqlite3_exec(raw, keying + "SELECT count(*) FROM sqlite_master;",
                                           nullptr, nullptr, nullptr) == SQLITE_OK;
            sqlite3_close(raw);
            return read;
        };
        QVERIFY(!readable(""));
        QVERIFY(!readable("PRAGMA key = 'qrlbmzatsoki';"));
        QVERIFY(readable("PRAGMA key = \"x'" + RateDatabase::shippedKey().toHex() + "'\";"));
        float factor = 0;
        QVERIFY(shipped_.readMonthlyFactor(factor));
        QCOMPARE(factor, 0.08333f);

        const QString out = dir_.filePath(QStringLiteral("Illustra.mdb"));
        QString errors;
        QCOMPARE(runTool({"build", sourceDir() + QStringLiteral("/data/rates"), out}, &errors), 0);
        QCOMPARE(runTool({"check", out}, &errors), 0);
        QCOMPARE(errors, QString());
        QString dumped;
        QCOMPARE(runTool({"dump", out}, &errors, &dumped), 0);
        QCOMPARE(dumped, QStringLiteral("name = Tarifs 2010\neffective = 2010-01-01\n"));
        {
            RateDatabase built;
            QVERIFY(built.open(out) && built.exec(QStringLiteral("DROP TABLE RateVintage;")));
        }
        QCOMPARE(runTool({"check", out}, &errors), 1);
        QVERIFY2(errors.contains(QLatin1String("RateVintage")), qPrintable(errors));
        const QString other = dir_.filePath(QStringLiteral("other.mdb"));
        QVERIFY(makeDatabase(other, "another", generalTable({"0.08333,100,90,75,35"})));
        QCOMPARE(runTool({"check", other}, &errors), 1);
        QVERIFY2(errors.contains(QLatin1String("cannot open")), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(RateLookupTest)
#include "test_ratelookup.moc"
