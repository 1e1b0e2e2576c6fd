// The shipped rate database is encrypted and built from the repository's sources.
#include "pricing/ratedatabase.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class RateDatabaseTest : public QObject {
    Q_OBJECT

    static QString shipped() { return builtProgramDir() + QStringLiteral("/Data/Illustra.mdb"); }

    static int runTool(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess tool;
        tool.start(QStringLiteral(NORVEL_RATES_TOOL), arguments);
        tool.waitForFinished();
        if (errors)
            *errors = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
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
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("reason");
        QTest::newRow("short row")
            << QByteArray("A,B\n1,2\n3\n") << ":3: 1 values where the header names 2 fields";
        QTest::newRow("not a number") << QByteArray("A,B\n1,x\n") << ":2: \"x\" is not a number";
        QTest::newRow("bad field name") << QByteArray("A,B C\n1,2\n") << ":1: field name \"B C\"";
        QTest::newRow("no header") << QByteArray("\n\n") << "no header line";
    }
    void toolRefusesMalformedSources()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("src")));
        QFile source(dir.filePath(QStringLiteral("src/Table.csv")));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(csv);
        source.close();
        const QString out = dir.filePath(QStringLiteral("out.mdb"));
        QString errors;
        QCOMPARE(
            runTool({QStringLiteral("build"), dir.filePath(QStringLiteral("src")), out}, &errors),
            1);
        QVERIFY2(errors.contains(QStringLiteral("Table.csv")) && errors.contains(reason),
                 qPrintable(errors));
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
    }
};

QTEST_GUILESS_MAIN(RateDatabaseTest)
#include "test_ratedatabase.moc"
