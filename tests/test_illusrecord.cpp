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
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("telephone");
        QTest::addColumn<QByteArray>("nameBytes");
        QTest::addColumn<QByteArray>("phoneBytes");
        row("saved", "Jean Roy", "5145551234", QByteArray("Jean Roy").leftJustified(30),
            QByteArray("5145551234     "));
        row("blank telephone", "X", "    ", QByteArray("X").leftJustified(30),
            QByteArray("__________     "));
    }
    void brokerRecordIsZeroButNameAndTelephone()
    {
        QFETCH(QString, name);
        QFETCH(QString, telephone);
        QFETCH(QByteArray, nameBytes);
        QFETCH(QByteArray, phoneBytes);
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

    void everyFieldRoundTrips()
    {
        IllusRecord r;
        r.optEcheance = 0;
        r.fumeurCo = -1;
        r.fumeur = -1;
        r.parDateCo = -1;
        r.parDate = 0;
        r.homme = 0;
        r.hommeCo = -1;
        r.coemprunteur = 1;
        r.dateNais = QStringLiteral("02041975");
        r.dateNaisCo = QStringLiteral("15031970");
        r.echeance = QStringLiteral("15032040");
        r.effet = QStringLiteral("15032010");
        r.age = QStringLiteral("35");
        r.ageCo = QStringLiteral("40");
        r.duree = QStringLiteral("360");
        r.montant = QStringLiteral("150000");
        r.nom = QString::fromUtf8("Côté-Bélanger");
        r.nomCo = QString::fromUtf8("Gagné");
        r.prenom = QString::fromUtf8("Hélène");
        r.prenomCo = QString::fromUtf8("François");
        r.terme = QStringLiteral("60");
        r.versement = QStringLiteral("1250");
        const QByteArray file =
            encodeIllustration(QStringLiteral("Luc"), QStringLiteral("5145551234"), r);
        QCOMPARE(file.size(), kIllustrationFileSize);
        const std::optional<IllustrationFile> back = decodeIllustration(file);
        QVERIFY(back);
        const IllusRecord &d = back->quote;
        QCOMPARE(d.fumeurCo, r.fumeurCo);
        QCOMPARE(d.nom, r.nom);
        QCOMPARE(d.montant, r.montant); // six digits fill the field
        QCOMPARE(d.versement, r.versement);
        QCOMPARE(encodeQuoteRecord(d), encodeQuoteRecord(r));
        // Accented letters are one byte each.
        QCOMPARE(file.mid(kIllusRecordSize + 67, 13), QByteArray("C\xf4t\xe9-B\xe9langer"));
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
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
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
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        QCOMPARE(decodeIllustration(bytes).has_value(), readable);
    }
};

QTEST_GUILESS_MAIN(IllusRecordTest)
#include "test_illusrecord.moc"
