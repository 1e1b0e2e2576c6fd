// The illustration file's bytes, against images made by hand.
#include "domain/illusrecord.h"
#include "support/datarow.h"
#include "support/newillustration.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

void putInt(QByteArray &bytes, int offset, qint16 value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

} // namespace

class IllusRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newIllustrationByteForByte()
    {
        QByteArray expected(kIllusRecordSize, ' ');
        for (int offset : {0, 2, 4, 6, 8, 10, 12})
            putInt(expected, offset, 0);
        putInt(expected, 0, -1);
        putInt(expected, 10, -1);
        putInt(expected, 12, -1);
        expected[14] = 0;
        expected.replace(61, 6, "10000 ");
        expected.replace(144, 4, "100 ");
        QCOMPARE(encodeQuoteRecord(test::newIllustrationRecord()), expected);
        QCOMPARE(quint8(expected[0]), quint8(0xFF));
        QCOMPARE(quint8(expected[1]), quint8(0xFF));
    }

    void brokerRecordIsZeroButNameAndTelephone_data()
    {
        columns<QString, QString, QByteArray, QByteArray>("name", "telephone", "nameBytes",
                                                          "phoneBytes");
        row("saved", "Jean Roy", "5145551234", QByteArray("Jean Roy").leftJustified(30),
            QByteArray("5145551234     "));
        row("blank telephone", "X", "    ", QByteArray("X").leftJustified(30),
            QByteArray("__________     "));
    }
    void brokerRecordIsZeroButNameAndTelephone()
    {
        auto [name, telephone, nameBytes, phoneBytes] =
            fetch<QString, QString, QByteArray, QByteArray>("name", "telephone", "nameBytes",
                                                            "phoneBytes");
        const QByteArray record = encodeBrokerRecord(name, telephone);
        QCOMPARE(record.size(), kIllusRecordSize);
        QCOMPARE(record.mid(67, 30), nameBytes);
        QCOMPARE(record.mid(112, 15), phoneBytes);
        QByteArray rest = record;
        rest.replace(67, 30, QByteArray(30, '\0')).replace(112, 15, QByteArray(15, '\0'));
        QCOMPARE(rest, QByteArray(kIllusRecordSize, '\0'));
        // The telephone goes back to the settings with its padding.
        QCOMPARE(decodeBrokerRecord(record).telephone, QString::fromLatin1(phoneBytes));
    }

    void amountsComeBackUntrimmed()
    {
        const std::optional<IllustrationFile> back =
            decodeIllustration(encodeIllustration({}, {}, test::newIllustrationRecord()));
        QVERIFY(back);
        QCOMPARE(back->quote.montant, QStringLiteral("10000 "));
        QCOMPARE(back->quote.versement, QStringLiteral("100 "));
        QCOMPARE(back->quote.nom, QString());
    }

    // A NUL or another control character read from a field would end up in norvel.ini; the
    // field keeps its width.
    void controlCharactersAreDropped()
    {
        QByteArray bytes = encodeIllustration(QStringLiteral("Evil"), QStringLiteral("5145551234"),
                                              test::newIllustrationRecord());
        bytes.replace(67, 4, QByteArray("Ev\0l", 4)).replace(112, 2, "\t\x81");
        bytes.replace(kIllusRecordSize + 67, 3, "A\x1b\x7f");
        const std::optional<IllustrationFile> back = decodeIllustration(bytes);
        QVERIFY(back);
        QCOMPARE(back->broker.nom, QStringLiteral("Evl").leftJustified(30));
        QCOMPARE(back->broker.telephone, QStringLiteral("45551234").leftJustified(15));
        QCOMPARE(back->quote.nom, QStringLiteral("A"));
    }

    void unreadableFiles_data()
    {
        columns<QByteArray, bool>("bytes", "readable");
        const QByteArray good = encodeIllustration({}, {}, test::newIllustrationRecord());
        row("good", good, true);
        row("one byte short", good.left(kIllustrationFileSize - 1), false);
        row("longer, extra ignored", (good + "garbage"), true);
        for (int byte : {2, 3}) {
            QByteArray b = good;
            b[kIllusRecordSize + 14] = char(byte);
            QTest::addRow("co-borrower byte %d", byte) << b << (byte <= 2);
        }
        QByteArray letters = good;
        letters.replace(kIllusRecordSize + 61, 6, "12a   ");
        row("amount not a number", letters, false);
        QByteArray blank = good;
        blank.replace(kIllusRecordSize + 144, 4, "    ");
        row("blank payment", blank, true);
    }
    void unreadableFiles()
    {
        auto [bytes, readable] = fetch<QByteArray, bool>("bytes", "readable");
        QCOMPARE(decodeIllustration(bytes).has_value(), readable);
    }
};

QTEST_GUILESS_MAIN(IllusRecordTest)
#include "test_illusrecord.moc"
