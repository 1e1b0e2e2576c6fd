// Every file the program reads or writes is Windows-1252; a byte that changes on the way
// through corrupts a broker's name or a language text.
#include "base/cp1252.h"
#include "support/datarow.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class Cp1252Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toCp1252(text), all);
        QVERIFY(fitsCp1252(text));
    }

    void mapping_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        row("euro", 0x80, 0x20AC);
        row("undefined 0x81", 0x81, 0x81);
        row("ellipsis", 0x85, 0x2026);
        row("S caron", 0x8A, 0x0160);
        row("OE", 0x8C, 0x0152);
        row("undefined 0x9D", 0x9D, 0x9D);
        row("right quote", 0x92, 0x2019);
        row("oe", 0x9C, 0x0153);
        row("Y diaeresis", 0x9F, 0x0178);
        row("nbsp", 0xA0, 0xA0);
        row("e acute", 0xE9, 0xE9);
        row("y diaeresis", 0xFF, 0xFF);
    }
    void mapping()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString decoded = fromCp1252(QByteArray(1, char(byte)));
        QCOMPARE(int(decoded.at(0).unicode()), unicode);
        QCOMPARE(toCp1252(QString(QChar(char16_t(unicode)))), QByteArray(1, char(byte)));
    }

    void unencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        row("polish", QString::fromUtf8("Łukasz"), QByteArray("?ukasz"));
        row("emoji is one ?", QString::fromUtf8("a😀b"), QByteArray("a?b"));
        row("narrow nbsp", QString(QChar(0x202F)), QByteArray("?"));
    }
    void unencodable()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toCp1252(text), bytes);
        QVERIFY(!fitsCp1252(text));
    }

    void folding_data()
    {
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("lower");
        row("A", int('A'), int('a'));
        row("E acute", 0xC9, 0xE9);
        row("C cedilla", 0xC7, 0xE7);
        row("OE", 0x8C, 0x9C);
        row("Y diaeresis", 0x9F, 0xFF);
        row("multiplication sign is no letter", 0xD7, 0xD7);
        row("digit", int('7'), int('7'));
    }
    void folding()
    {
        QFETCH(int, upper);
        QFETCH(int, lower);
        QCOMPARE(int(foldCp1252(upper)), lower);
        QCOMPARE(int(foldCp1252(lower)), lower);
    }
};

QTEST_GUILESS_MAIN(Cp1252Test)
#include "test_cp1252.moc"
