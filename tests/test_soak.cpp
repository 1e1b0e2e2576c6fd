// A long headless run keeps its memory: after the first hundred quotes, nothing more is kept
// per quote. (The 10,000-quote run, with its figures, is a benchmark.)
#include "support/processmemory.h"
#include "support/soak.h"

#include <QtTest>

using namespace norvel;

class SoakTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quotesKeepNothingBehind()
    {
        if (test::heapInUseBytes() == 0)
            QSKIP("this allocator does not count what it hands out (a sanitizer build checks "
                  "leaks itself)");
        const test::SoakFigures figures = test::soakQuotes(600);
        QCOMPARE(figures.quotes, 600);
        // One example of five fails validation, as it should; every other one is quoted.
        QCOMPARE(figures.failed, 120);
        const qint64 grown = figures.heapBytesAtEnd - figures.heapBytesAt100;
        qInfo("heap in use: %lld bytes after quote 100, %lld after quote 600",
              figures.heapBytesAt100, figures.heapBytesAtEnd);
        // What the first few hundred quotes warm up (texts kept, allocator pools) stays under
        // 70 KiB, and as much over 10,000 quotes; half a kilobyte kept per quote adds 250 KiB.
        QVERIFY2(grown < 128 * 1024, qPrintable(QStringLiteral("grew by %1 bytes").arg(grown)));
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
