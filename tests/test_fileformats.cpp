// The bytes of the files the program reads and writes. Settings and language files follow the
// Windows private-profile rules; these cases are the files brokers and support staff write by
// hand. Illustration files are checked against images made by hand. Every file is
// Windows-1252: a byte that changes on the way through corrupts a name or a text.
#include "base/cp1252.h"
#include "base/profile.h"
#include "domain/illusrecord.h"
#include "support/datarow.h"
#include "support/filesizelimit.h"
#include "support/newillustration.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class FileFormatsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }

private Q_SLOTS:
    void reads_data()
    {
        columns<QByteArray, QString, QString, QString>("content", "section", "key", "expected");
        const QByteArray basic = "[systeme]\r\nprovince=quebec\r\nlangage=.\\Data\\English.lng\r\n";
        row("plain", basic, "systeme", "province", "quebec");
        row("names without case", basic, "SYSTEME", "Province", "quebec");
        row("missing key", basic, "systeme", "acrobat", "");
        row("blanks around everything",
            QByteArray("  [ courtier ]  \r\n\t nom \t=   Jean Tremblay  \r\n"), "courtier", "nom",
            "Jean Tremblay");
        row("surrounding quotes dropped", QByteArray("[c]\r\nnom=\"  Jean  \"\r\n"), "c", "nom",
            "  Jean  ");
        row("CR-only line ends", QByteArray("[a]\rx=1\r[b]\rx=2\r"), "b", "x", "2");
        row("first of duplicate keys", QByteArray("[a]\r\nx=first\r\nx=second\r\n"), "a", "x",
            "first");
        row("first of duplicate sections", QByteArray("[a]\r\ny=1\r\n[b]\r\n[A]\r\nx=2\r\n"), "a",
            "x", "");
        row("quoted empty value", QByteArray("[a]\r\nx=\"\"\r\n"), "a", "x", "");
        row("comment line is no key", QByteArray("[a]\r\n;x=1\r\nx=2\r\n"), "a", "x", "2");
        row("accented names without case", QByteArray("[\xc9t\xe9]\r\nCL\xc9=1\r\n"),
            QString::fromUtf8("été"), QString::fromUtf8("clé"), "1");
        row("longer values cut to 254", "[a]\r\nx=" + QByteArray(300, 'v') + "\r\n", "a", "x",
            QString(254, QLatin1Char('v')));
    }
    void reads()
    {
        auto [content, section, key, expected] =
            fetch<QByteArray, QString, QString, QString>("content", "section", "key", "expected");
        const QString file = path(QStringLiteral("read.ini"));
        QVERIFY(writeBytes(file, content));
        QCOMPARE(ReadSetting(file, section, key), expected);
        // Language lookups go through an index of the whole content: it must find the same.
        QCOMPARE(ProfileIndex(content).value(section, key), profileValue(content, section, key));
    }

    void writes_data()
    {
        columns<QByteArray, QString, QString, QString, QByteArray>("before", "section", "key",
                                                                   "value", "after");
        row("new file", QByteArray(), "courtier", "nom", "Jean",
            QByteArray("[courtier]\r\nnom=Jean\r\n"));
        row("replace in place, other lines kept",
            QByteArray("; mine\r\n[courtier]\r\n  NOM = Old \r\ntelephone=5145551234\r\n"),
            "courtier", "nom", "New",
            QByteArray("; mine\r\n[courtier]\r\nNOM=New\r\ntelephone=5145551234\r\n"));
        row("new key at end of its section, before the blank line",
            QByteArray("[systeme]\r\nprovince=quebec\r\n\r\n[courtier]\r\nnom=J\r\n"), "systeme",
            "langage", "x",
            QByteArray("[systeme]\r\nprovince=quebec\r\nlangage=x\r\n\r\n[courtier]\r\nnom=J\r\n"));
        row("characters outside the code page become ?", QByteArray(), "a", "x",
            QString::fromUtf8("Łódź €"),
            QByteArray("[a]\r\nx=?\xf3"
                       "d? \x80\r\n"));
        row("line breaks in a value cannot split the file", QByteArray(), "a", "x", "one\r\ntwo",
            QByteArray("[a]\r\nx=one  two\r\n"));
        row("control characters never reach the file", QByteArray(), "a", "x",
            QString::fromLatin1("Ev\0il\x01\x7f", 7) + QChar(0x81),
            QByteArray("[a]\r\nx=Evil\r\n"));
    }
    void writes()
    {
        auto [before, section, key, value, after] =
            fetch<QByteArray, QString, QString, QString, QByteArray>("before", "section", "key",
                                                                     "value", "after");
        const QString file = path(QStringLiteral("write.ini"));
        QFile::remove(file);
        if (!before.isEmpty())
            QVERIFY(writeBytes(file, before));
        QVERIFY(WriteSetting(file, section, key, value));
        QCOMPARE(bytesOf(file), after);
        // The file is replaced whole: no sibling is left behind.
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("write*")}, QDir::Files),
                 QStringList{QStringLiteral("write.ini")});
    }

    void failedWriteChangesNothing()
    {
        // A folder where the file should be: nothing can be written, and nothing is lost.
        const QString folder = path(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(
            !WriteSetting(folder, QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("1")));
        QVERIFY(QFileInfo(folder).isDir());
        // A file under a missing folder is not created.
        QVERIFY(!WriteSetting(path(QStringLiteral("missing/x.ini")), QStringLiteral("a"),
                              QStringLiteral("x"), QStringLiteral("1")));
        // No file may grow past 100 bytes: the new content stops halfway, the old one stays.
        const QString file = path(QStringLiteral("full.ini"));
        const QByteArray before = "[courtier]\r\nnom=" + QByteArray(200, 'x') + "\r\n";
        QVERIFY(writeBytes(file, before));
        QVERIFY(!withFileSizeLimit(100, [&] {
            return WriteSetting(file, QStringLiteral("courtier"), QStringLiteral("telephone"),
                                QStringLiteral("5145551234"));
        }));
        QCOMPARE(bytesOf(file), before);
    }

    void cp1252()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toCp1252(text), all);
        QVERIFY(fitsCp1252(text));
        for (const auto &[byte, unicode] :
             {std::pair{0x80, 0x20AC}, {0x81, 0x81}, {0x92, 0x2019}, {0x9C, 0x0153}, {0xE9, 0xE9}})
            QCOMPARE(int(fromCp1252(QByteArray(1, char(byte))).at(0).unicode()), unicode);
        QVERIFY(!fitsCp1252(QStringLiteral("\u0141")));
        QCOMPARE(toCp1252(QString::fromUtf8("\U0001F600\u0141")), QByteArray("??"));
    }

    void newIllustrationByteForByte()
    {
        QByteArray expected(kIllusRecordSize, ' ');
        // Seven little-endian 16-bit integers (the date option, the man and the co-borrower's
        // memory of one at -1), then the co-borrower byte.
        expected.replace(0, 15, QByteArray("\xff\xff\0\0\0\0\0\0\0\0\xff\xff\xff\xff\0", 15));
        expected.replace(61, 6, "10000 ");
        expected.replace(144, 4, "100 ");
        QCOMPARE(encodeQuoteRecord(test::newIllustrationRecord()), expected);
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
        // The amounts come back as stored, untrimmed.
        QCOMPARE(back->quote.montant, QStringLiteral("10000 "));
        QCOMPARE(back->quote.versement, QStringLiteral("100 "));
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

QTEST_GUILESS_MAIN(FileFormatsTest)
#include "test_fileformats.moc"
