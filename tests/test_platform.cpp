// The operating-system services the program asks for.
#include "base/instancelock.h"
#include "base/settingsstore.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;

class PlatformTest : public QObject {
    Q_OBJECT

    QTemporaryDir program_;
    QString programPath() const { return program_.filePath(QStringLiteral("norvel")); }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void instanceLockIsHeldOnlyWhileItsOwnerLives()
    {
        QTemporaryDir locks;
        const QString program = programPath();
        auto first = std::make_unique<FileInstanceLock>(locks.path());
        QVERIFY(first->acquire(program));
        FileInstanceLock second(locks.path());
        QVERIFY(!second.acquire(program));
        FileInstanceLock otherCopy(locks.path());
        QVERIFY(otherCopy.acquire(program + QStringLiteral("-elsewhere")));
        first.reset();
        QVERIFY(second.acquire(program));
    }

    void lockOfAKilledCopyIsFree()
    {
        const QString flock = QStandardPaths::findExecutable(QStringLiteral("flock"));
        if (flock.isEmpty())
            QSKIP("flock(1) is not installed");
        QTemporaryDir locks;
        FileInstanceLock probe(locks.path());
        const QString lockFile = probe.lockFilePath(programPath());
        QProcess holder;
        // -o: only flock itself holds the lock, so killing it frees the lock.
        holder.start(
            flock, {QStringLiteral("-o"), lockFile, QStringLiteral("sleep"), QStringLiteral("5")});
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY(QFile::exists(lockFile));
        QTest::qWait(100);
        FileInstanceLock blocked(locks.path());
        QVERIFY(!blocked.acquire(programPath()));
        holder.kill();
        holder.waitForFinished();
        QTRY_VERIFY(FileInstanceLock(locks.path()).acquire(programPath()));
    }

    void settingsStoreIsClearedForItsApplicationOnly()
    {
        {
            QSettings old(QSettings::NativeFormat, QSettings::UserScope,
                          QStringLiteral("Belmonde"));
            old.setValue(QStringLiteral("Options/Langue"), 2);
            QSettings other(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Autre"));
            other.setValue(QStringLiteral("x"), 1);
        }
        NativeSettingsStore store;
        store.deleteApplication(QStringLiteral("Belmonde"));
        QVERIFY(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Belmonde"))
                    .allKeys()
                    .isEmpty());
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Autre"))
                     .value(QStringLiteral("x"))
                     .toInt(),
                 1);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"
