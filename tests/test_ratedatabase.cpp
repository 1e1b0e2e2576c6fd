// The rate database opens only with its password, and norvel-rates builds and checks one.
#include "domain/ratedatabase.h"
#include "support/programfolder.h"
#include "support/ratefiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace norvel;
using namespace norvel::test;

namespace {

QString shipped()
{
    return builtProgramDir() + QStringLiteral("/Data/Illustra.mdb");
}

int runTool(const QStringList &arguments, QString *errors = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral(NORVEL_RATES_TOOL), arguments);
    tool.waitForFinished();
    if (errors)
        *errors = QString::fromUtf8(tool.readAllStandardError());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

} // namespace

class RateDatabaseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensOnlyWithThePassword()
    {
        RateDatabase db;
        QVERIFY(db.open(shipped()));
        float factor = 0;
        QVERIFY(db.readMonthlyFactor(factor));
        QCOMPARE(factor, 0.08333f);
        db.close();
        QCOMPARE(db.open(shipped(), "qrlbmzatsokj").error, RateDatabase::Error::NotADatabase);
        QVERIFY(!db.isOpen());
    }

    // An installed copy's database is only read, even by root, who could write it.
    void anotherUsersDatabaseIsOnlyRead()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("Illustra.mdb"));
        QVERIFY(QFile::copy(shipped(), copy));
        if (::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534) != 0)
            QSKIP("only root can give a folder to another user");
        RateDatabase db;
        QVERIFY(db.open(copy));
        QVERIFY(db.isReadOnly());
    }

    void toolBuildsChecksAndNeedsThePassword()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("Illustra.mdb"));
        QCOMPARE(
            runTool({QStringLiteral("build"), sourceDir() + QStringLiteral("/data/rates"), out}),
            0);
        QString errors;
        QCOMPARE(runTool({QStringLiteral("check"), out}, &errors), 0);
        QCOMPARE(errors, QString());

        const QString other = dir.filePath(QStringLiteral("other.mdb"));
        QVERIFY(makeDatabase(other, "another", generalTable({QStringLiteral("0.08333,100,90,75,35")})));
        QCOMPARE(runTool({QStringLiteral("check"), other}, &errors), 1);
        QVERIFY2(errors.contains(QLatin1String("cannot open")), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(RateDatabaseTest)
#include "test_ratedatabase.moc"
