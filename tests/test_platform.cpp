// The operating-system services the program asks for.
#include "base/filenames.h"
#include "base/instancelock.h"
#include "base/instancename.h"
#include "base/largepages.h"
#include "base/programlauncher.h"
#include "base/regularfile.h"
#include "base/settingsstore.h"
#include "support/datarow.h"
#include "support/programfolder.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace norvel;
using namespace norvel::test;

class PlatformTest : public QObject {
    Q_OBJECT

    QTemporaryDir program_;
    QString programPath() const { return program_.filePath(QStringLiteral("norvel")); }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void heapServesStartUpFromLargePages()
    {
        if (!QFileInfo::exists(QStringLiteral("/sys/kernel/mm/transparent_hugepage")))
            QSKIP("this system has no large pages for a program to ask for");
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer's allocator keeps a heap of its own");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
        QSKIP("the address sanitizer's allocator keeps a heap of its own");
#endif
#endif
        QVERIFY(useLargePagesForHeap());
        QFile maps(QStringLiteral("/proc/self/smaps"));
        QVERIFY(maps.open(QIODevice::ReadOnly | QIODevice::Text));
        bool inHeap = false, advised = false;
        for (const QByteArray &line : maps.readAll().split('\n')) {
            if (line.contains('-') && line.contains(" rw"))
                inHeap = line.endsWith("[heap]");
            advised = advised || (inHeap && line.startsWith("VmFlags:") && line.contains(" hg"));
        }
        QVERIFY(advised);
        // A block the size of a window's backing store comes from the heap, not a mapping.
        void *volatile block = std::malloc(3 << 20);
        QVERIFY(quintptr(block) < quintptr(sbrk(0)));
        std::free(block);
    }

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

    // Whatever is not a regular file is refused before anything could wait on it.
    void onlyRegularFilesAreRead_data()
    {
        columns<QString, bool>("path", "read");
        const QString file = program_.filePath(QStringLiteral("file.nvl"));
        const QString fifo = program_.filePath(QStringLiteral("fifo.nvl"));
        QFile(file).open(QIODevice::WriteOnly);
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        QFile::link(file, program_.filePath(QStringLiteral("link.nvl")));
        row("regular file", file, true);
        row("link to one", program_.filePath(QStringLiteral("link.nvl")), true);
        row("FIFO", fifo, false);
        row("folder", program_.path(), false);
        row("device", QStringLiteral("/dev/zero"), false);
        row("missing", program_.filePath(QStringLiteral("none")), false);
    }
    void onlyRegularFilesAreRead()
    {
        auto [path, read] = fetch<QString, bool>("path", "read");
        QCOMPARE(readRegularFile(path, 296).has_value(), read);
    }

    // Every name the file system can hold comes back to the same bytes.
    void fileNamesDecodeAsTheFileSystemHoldsThem_data()
    {
        columns<QByteArray, QString>("bytes", "name");
        const QChar e9(0xDCE9);
        row("UTF-8", QByteArray("caf\xc3\xa9.nvl"), QString::fromUtf8("café.nvl"));
        row("outside the basic plane", QByteArray("\xf0\x9f\x98\x80"), QString::fromUtf8("😀"));
        row("a Latin-1 byte", QByteArray("caf\xe9.nvl"), QStringLiteral("caf") + e9 + ".nvl");
        row("an overlong slash", QByteArray("\xc0\xaf"), QString(QChar(0xDCC0)) + QChar(0xDCAF));
        row("a cut sequence", QByteArray("\xe2\x82"), QString(QChar(0xDCE2)) + QChar(0xDC82));
    }
    void fileNamesDecodeAsTheFileSystemHoldsThem()
    {
        auto [bytes, name] = fetch<QByteArray, QString>("bytes", "name");
        QCOMPARE(decodeFileName(bytes), name);
        QCOMPARE(encodeFileName(name), bytes);
    }

    // A quote's name becomes a file name any file system takes, its letters kept.
    void namesEveryFileSystemTakes_data()
    {
        columns<QString, QString>("name", "safe");
        row("accents", QStringLiteral("Soumission - Hélène Côté - 2026-12-07"),
            QStringLiteral("Soumission - Hélène Côté - 2026-12-07"));
        row("slashes", QStringLiteral("Roy/Gagné\\Lévesque"), QStringLiteral("Roy-Gagné-Lévesque"));
        row("colons and the rest", QStringLiteral("a:b*c?d\"e<f>g|h"),
            QStringLiteral("a-b-c-d-e-f-g-h"));
        row("controls, blanks, dots at the end", QStringLiteral("x\ty  z.. "),
            QStringLiteral("x-y z"));
    }
    void namesEveryFileSystemTakes()
    {
        QFETCH(QString, name);
        QTEST(safeFileName(name), "safe");
    }

    // Another user who holds the lock's place or sees the channel learns clients' file names.
    void instanceFilesStayPrivate()
    {
        QTemporaryDir shared, home;
        // A lock never goes through a link to where its owner did not mean.
        const QString victim = home.filePath(QStringLiteral("victim"));
        FileInstanceLock lock(home.path());
        QFile::link(victim, lock.lockFilePath(programPath()));
        lock.acquire(programPath());
        QVERIFY(!QFileInfo::exists(victim));
        const QByteArray saved[] = {qgetenv("TMPDIR"), qgetenv("XDG_RUNTIME_DIR"), qgetenv("HOME")};
        qputenv("TMPDIR", QFile::encodeName(shared.path()));
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        ::chmod(QFile::encodeName(shared.path()).constData(), 01777);
        // The toolkit's fallback and ours, made first by someone else.
        bool taken = true;
        for (const QString &name :
             {QStringLiteral("runtime-") + qEnvironmentVariable("USER", "root"),
              QStringLiteral("norvel-%1").arg(::geteuid())}) {
            const QByteArray path = QFile::encodeName(shared.filePath(name));
            taken = taken && ::mkdir(path.constData(), 0777) == 0 &&
                    ::chown(path.constData(), 65534, 65534) == 0;
        }
        const QString folder = taken ? instanceFolder() : QString();
        qputenv("TMPDIR", saved[0]);
        qputenv("XDG_RUNTIME_DIR", saved[1]);
        qputenv("HOME", saved[2]);
        if (!taken)
            QSKIP("only root can make a folder for another user");
        QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(QFileInfo(folder).ownerId(), ::geteuid());
    }

    // A program that ends at once with an error did not start, as a wrapper that found
    // nothing to run.
    void launchedProgramThatFailsAtOnce_data()
    {
        columns<QString, QStringList, bool>("program", "arguments", "started");
        row("ends well at once", QStringLiteral("true"), QStringList(), true);
        row("ends in error", QStringLiteral("false"), QStringList(), false);
        row("env without its program", QStringLiteral("/usr/bin/env"),
            QStringList{"FOO=1", "/nonexistent/reader"}, false);
        row("missing", QStringLiteral("/nonexistent/reader"), QStringList(), false);
        row("not executable", sourceDir() + "/README.md", QStringList(), false);
    }
    void launchedProgramThatFailsAtOnce()
    {
        auto [program, arguments, started] =
            fetch<QString, QStringList, bool>("program", "arguments", "started");
        QCOMPARE(DetachedLauncher().start(program, arguments), started);
    }

    void settingsStoreIsClearedForItsApplicationOnly()
    {
        const auto settings = [](const char *application) {
            return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                               QLatin1String(application));
        };
        settings("Belmonde")->setValue(QStringLiteral("Options/Langue"), 2);
        settings("Autre")->setValue(QStringLiteral("x"), 1);
        NativeSettingsStore().deleteApplication(QStringLiteral("Belmonde"));
        QVERIFY(settings("Belmonde")->allKeys().isEmpty());
        QCOMPARE(settings("Autre")->value(QStringLiteral("x")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"
