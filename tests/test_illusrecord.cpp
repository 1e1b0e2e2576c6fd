// The illustration file's bytes, against images made by hand.
#include "domain/illusrecord.h"
#include "support/datarow.h"
#include "support/newillustration.h"

#include <QRandomGenerator>
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
        row("empty telephone", "", "", QByteArray(30, ' '), QByteArray("__________     "));
        row("blank telephone", "X", "    ", QByteArray("X").leftJustified(30),
            QByteArray("__________     "));
        row("long name cut", QString(40, QLatin1Char('n')), "514_______", QByteArray(30, 'n'),
            QByteArray("514_______     "));
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
        QCOMPARE(d.optEcheance, r.optEcheance);
        QCOMPARE(d.fumeurCo, r.fumeurCo);
        QCOMPARE(d.parDateCo, r.parDateCo);
        QCOMPARE(d.hommeCo, r.hommeCo);
        QCOMPARE(d.coemprunteur, r.coemprunteur);
        QCOMPARE(d.dateNaisCo, r.dateNaisCo);
        QCOMPARE(d.nom, r.nom);
        QCOMPARE(d.prenomCo, r.prenomCo);
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

    void unreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
        const QByteArray good = encodeIllustration({}, {}, test::newIllustrationRecord());
        row("good", good, true);
        row("one byte short", good.left(kIllustrationFileSize - 1), false);
        row("empty", QByteArray(), false);
        row("longer, extra ignored", (good + "garbage"), true);
        for (int byte : {0, 1, 2, 3, 255}) {
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

    void randomBytesNeverCrash()
    {
        QRandomGenerator random(1234);
        for (int i = 0; i < 2000; ++i) {
            QByteArray bytes(int(random.bounded(0, 400)), '\0');
            for (char &c : bytes)
                c = char(random.bounded(256));
            if (const auto file = decodeIllustration(bytes))
                QCOMPARE(encodeQuoteRecord(file->quote).size(), kIllusRecordSize);
        }
    }

    void displayName_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        row("extension", "Tremblay.NVL", "Tremblay");
        row("several periods", "Tremblay.J.NVL", "Tremblay");
        row("no period", "Tremblay", "Tremblay");
        row("leading period", ".NVL", "");
    }
    void displayName()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(NomIllustration(title), name);
    }
};

QTEST_GUILESS_MAIN(IllusRecordTest)
#include "test_illusrecord.moc"
