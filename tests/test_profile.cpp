// Settings and language files follow the Windows private-profile rules; these cases are the
// files brokers and support staff write by hand. Every file the program reads or writes is
// Windows-1252: a byte that changes on the way through corrupts a name or a text.
#include "base/cp1252.h"
#include "base/profile.h"
#include "support/datarow.h"
#include "support/filesizelimit.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class ProfileTest : public QObject {
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
};

QTEST_GUILESS_MAIN(ProfileTest)
#include "test_profile.moc"
