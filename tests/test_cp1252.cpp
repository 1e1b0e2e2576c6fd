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
        row("oe", 0x9C, 0x0153);
        row("e acute", 0xE9, 0xE9);
    }
    void mapping()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString decoded = fromCp1252(QByteArray(1, char(byte)));
        QCOMPARE(int(decoded.at(0).unicode()), unicode);
        QCOMPARE(toCp1252(QString(QChar(char16_t(unicode)))), QByteArray(1, char(byte)));
    }
};

QTEST_GUILESS_MAIN(Cp1252Test)
#include "test_cp1252.moc"
