// The shipped rate database is encrypted and built from the repository's sources.
#include "domain/ratedatabase.h"
#include "domain/ratetables.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "support/ratefiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using namespace norvel;
using namespace norvel::test;

class RateDatabaseTest : public QObject {
    Q_OBJECT

    static QString shipped() { return builtProgramDir() + QStringLiteral("/Data/Illustra.mdb"); }

    static int runTool(const QStringList &arguments, QString *errors = nullptr,
                       QString *output = nullptr)
    {
        QProcess tool;
        tool.start(QStringLiteral(NORVEL_RATES_TOOL), arguments);
        tool.waitForFinished();
        if (errors)
            *errors = QString::fromUtf8(tool.readAllStandardError());
        if (output)
            *output = QString::fromUtf8(tool.readAllStandardOutput());
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

    // Every rate table complete, every rate 0.5, with the general parameters.
    static QStringList completeTables()
    {
        QStringList sql = generalTable({QStringLiteral("0.08333, 100, 90, 75, 35")});
        sql << QStringLiteral("BEGIN;");
        for (const RateTable &table : rateTables()) {
            QStringList columns{QStringLiteral("Age INTEGER")};
            QStringList rates;
            for (int c = 1; c <= table.columns; ++c) {
                columns << QStringLiteral("c%1 REAL").arg(c);
                rates << QStringLiteral("0.5");
            }
            sql << QStringLiteral("CREATE TABLE %1 (%2);").arg(table.name, columns.join(u','));
            for (int age = table.firstAge; age <= table.lastAge; ++age)
                sql << QStringLiteral("INSERT INTO %1 VALUES (%2, %3);")
                           .arg(table.name)
                           .arg(age)
                           .arg(rates.join(u','));
        }
        return sql << QStringLiteral("COMMIT;");
    }

    // The numbers of a CSV text, row by row, whatever their spelling.
    static QList<QList<double>> numbers(const QString &csv)
    {
        QList<QList<double>> rows;
        for (const QString &line : csv.split(u'\n', Qt::SkipEmptyParts).mid(1)) {
            QList<double> row;
            for (const QString &cell : line.trimmed().split(u','))
                row << cell.toDouble();
            rows << row;
        }
        return rows;
    }

private Q_SLOTS:
    void shippedFileIsEncrypted()
    {
        QFile file(shipped());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(16);
        QCOMPARE(head.size(), 16);
        QVERIFY(head != QByteArray("SQLite format 3\0", 16));
    }

    void opensOnlyWithThePassword()
    {
        RateDatabase db;
        QVERIFY(db.open(shipped()));
        float factor = 0;
        QVERIFY(db.readMonthlyFactor(factor));
        QCOMPARE(factor, 0.08333f);
        db.close();

        const RateDatabase::Status wrong = db.open(shipped(), "qrlbmzatsokj");
        QCOMPARE(wrong.error, RateDatabase::Error::NotADatabase);
        QVERIFY(!db.isOpen());
        QCOMPARE(db.open(shipped(), QByteArray()).error, RateDatabase::Error::NotADatabase);
    }

    void toolRefusesMalformedSources_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("reason");
        const QString table = QStringLiteral("Table.csv");
        row("short row", table, QByteArray("A,B\n1,2\n3\n"),
            ":3: 1 values where the header names 2 fields");
        row("not a number", table, QByteArray("A,B\n1,x\n"), ":2: \"x\" is not a number");
        row("not a finite number", table, QByteArray("A,B\n1,inf\n"),
            ":2: \"inf\" is not a number");
        row("empty value", table, QByteArray("A,B\n1,\n"), ":2: \"\" is not a number");
        row("bad field name", table, QByteArray("A,B C\n1,2\n"), ":1: field name \"B C\"");
        row("field named twice", table, QByteArray("Age,A,age\n"), ":1: a field is named twice");
        row("no header", table, QByteArray("\n\n"), "no header line");
        row("age twice", table, QByteArray("Age,A\n30,1\n31,1\n\n30,2\n"),
            ":5: age 30 already stands on line 2");
        row("age not whole", table, QByteArray("Age,A\n30.5,1\n"),
            ":2: age 30.5 is not a whole number");
        row("table name", "Tar Ass.csv", QByteArray("Age,A\n30,1\n"),
            "\"Tar Ass\" is not a plain table name");
    }
    void toolRefusesMalformedSources()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, csv);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("src")));
        QFile source(dir.filePath(QStringLiteral("src/") + file));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(csv);
        source.close();
        const QString out = dir.filePath(QStringLiteral("out.mdb"));
        QString errors;
        QCOMPARE(
            runTool({QStringLiteral("build"), dir.filePath(QStringLiteral("src")), out}, &errors),
            1);
        QVERIFY2(errors.contains(file) && errors.contains(reason), qPrintable(errors));
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(out + QStringLiteral(".partial")));
    }

    void toolBuildsEveryTable()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("Illustra.mdb"));
        QCOMPARE(
            runTool({QStringLiteral("build"), sourceDir() + QStringLiteral("/data/rates"), out}),
            0);
        RateDatabase db;
        QVERIFY(db.open(out));
        float factor = 0;
        QVERIFY(db.readMonthlyFactor(factor));
        QCOMPARE(factor, 0.08333f);
        QCOMPARE(runTool({QStringLiteral("frobnicate")}), 2);

        // One unique index on the age of each rate table.
        for (const RateTable &table : rateTables()) {
            sqlite3_stmt *stmt = nullptr;
            sqlite3_prepare_v2(
                db.handle(), "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ?1",
                -1, &stmt, nullptr);
            const QByteArray name = table.name.toUtf8();
            sqlite3_bind_text(stmt, 1, name.constData(), -1, SQLITE_TRANSIENT);
            QStringList indexes;
            while (sqlite3_step(stmt) == SQLITE_ROW)
                indexes << QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
            sqlite3_finalize(stmt);
            QCOMPARE(indexes.size(), 1);
            QVERIFY2(indexes[0].startsWith(QLatin1String("CREATE UNIQUE INDEX")) &&
                         indexes[0].endsWith(QLatin1String("(\"Age\")")),
                     qPrintable(indexes[0]));
        }
    }

    void checkPassesOnTheShippedDatabase()
    {
        QString errors, output;
        QCOMPARE(runTool({QStringLiteral("check"), shipped()}, &errors, &output), 0);
        QCOMPARE(errors, QString());
        QVERIFY(output.contains(QLatin1String("6 rate tables complete")));
    }

    void checkFindsEveryProblem_data()
    {
        QTest::addColumn<QString>("defect");
        QTest::addColumn<QStringList>("problems");
        row("complete", QString(), QStringList{});
        row("gap", "DELETE FROM TarAssVie WHERE Age = 40;",
            QStringList{"TarAssVie: no row for age 40"});
        row("last age missing", "DELETE FROM TarAssInvFF WHERE Age >= 58;",
            QStringList{"TarAssInvFF: no row for age 58", "TarAssInvFF: no row for age 59"});
        row("age twice", "INSERT INTO TarAssInv24 VALUES (30, 1, 1, 1, 1);",
            QStringList{"TarAssInv24: age 30 stands on 2 rows"});
        row("table missing", "DROP TABLE TarAssInvHF;",
            QStringList{"TarAssInvHF: no such rate table"});
        row("class missing",
            "CREATE TABLE Short AS SELECT Age, c1, c2, c3, c4 FROM TarAssInvHNF;"
            "DROP TABLE TarAssInvHNF; ALTER TABLE Short RENAME TO TarAssInvHNF;",
            QStringList{"TarAssInvHNF: no column 5 (age 18)"});
        row("rates not positive",
            "UPDATE TarAssVie SET c2 = 0 WHERE Age = 65; "
            "UPDATE TarAssInvFNF SET c1 = NULL WHERE Age = 18;",
            QStringList{"TarAssVie: age 65, column 2 holds no positive rate (\"0.0\")",
                        "TarAssInvFNF: age 18, column 1 holds no positive rate (empty)"});
        row("no general parameters", "DELETE FROM General_Cotalmira;",
            QStringList{"General_Cotalmira: no row"});
    }
    void checkFindsEveryProblem()
    {
        QFETCH(QString, defect);
        QFETCH(QStringList, problems);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Illustra.mdb"));
        QStringList sql = completeTables();
        if (!defect.isEmpty())
            sql << defect;
        QVERIFY(makeDatabase(path, RateDatabase::kPassword, sql));
        QString errors;
        QCOMPARE(runTool({QStringLiteral("check"), path}, &errors), problems.isEmpty() ? 0 : 1);
        QStringList lines = errors.split(u'\n', Qt::SkipEmptyParts);
        for (QString &line : lines)
            line.remove(path + QStringLiteral(": "));
        std::sort(lines.begin(), lines.end());
        std::sort(problems.begin(), problems.end());
        QCOMPARE(lines, problems);
    }

    void checkNeedsThePassword()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Illustra.mdb"));
        QVERIFY(makeDatabase(path, "another", completeTables()));
        QString errors;
        QCOMPARE(runTool({QStringLiteral("check"), path}, &errors), 1);
        QVERIFY2(errors.contains(QLatin1String("cannot open")), qPrintable(errors));
    }

    void dumpGivesBackTheSources_data()
    {
        QTest::addColumn<QString>("table");
        for (const QString &csv :
             QDir(sourceDir() + QStringLiteral("/data/rates")).entryList({QStringLiteral("*.csv")}))
            row(qPrintable(csv), QFileInfo(csv).completeBaseName());
    }
    void dumpGivesBackTheSources()
    {
        QFETCH(QString, table);
        QFile source(sourceDir() + QStringLiteral("/data/rates/%1.csv").arg(table));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString csv = QString::fromUtf8(source.readAll());
        QString output;
        QCOMPARE(runTool({QStringLiteral("dump"), shipped(), table}, nullptr, &output), 0);
        QCOMPARE(output.section(u'\n', 0, 0), csv.section(u'\n', 0, 0).trimmed());
        QCOMPARE(numbers(output), numbers(csv));
    }

    void dumpRefusesAnUnknownTable()
    {
        QString errors, output;
        QCOMPARE(
            runTool({QStringLiteral("dump"), shipped(), QStringLiteral("Nope")}, &errors, &output),
            1);
        QVERIFY(errors.contains(QLatin1String("no table Nope")));
        QCOMPARE(output, QString());
    }
};

QTEST_GUILESS_MAIN(RateDatabaseTest)
#include "test_ratedatabase.moc"
