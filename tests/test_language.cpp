// Text lookup in the current language file, and the paths stored in the settings.
#include "base/paths.h"
#include "domain/language.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "ui/programcontext.h"
#include "ui/langstring.h"
#include "ui/programcontext.h"
#include "ui/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class LanguageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;

    QString writeLanguage(const QString &name, const QByteArray &content)
    {
        return writeBytes(dir_.filePath(name), content) ? dir_.filePath(name) : QString();
    }

private Q_SLOTS:
    void init()
    {
        resetProgramContext();
        dialogs_.messages.clear();
        programContext().dialogs = &dialogs_;
    }

    void lookup_data()
    {
        columns<QByteArray, QString>("value", "expected");
        row("plain", QByteArray("Norvel"), "Norvel");
        row("one character reads empty", QByteArray("F"), "");
        row("escapes", QByteArray("a\\sb\\nc"), "a b\r\nc");
        row("blanks around dropped", QByteArray("   Aide   "), "Aide");
        row("cut at 254 before escapes", (QByteArray(253, 'a') + "\\n"),
            (QString(253, QLatin1Char('a')) + QLatin1Char('\\')));
    }
    void lookup()
    {
        auto [value, expected] = fetch<QByteArray, QString>("value", "expected");
        const Language language(
            writeLanguage(QStringLiteral("t.lng"), "[modCotalmira-Msg]\r\nKey=" + value + "\r\n"));
        QCOMPARE(language.text(QStringLiteral("modCotalmira-Msg"), QStringLiteral("Key")),
                 expected);
    }

    void namesWithoutCaseAndChangesOnDiskAtOnce()
    {
        QCOMPARE(Language().text(QStringLiteral("a"), QStringLiteral("k")), QString()); // no file
        const Language live(
            writeLanguage(QStringLiteral("live.lng"), "[frmMDI]\r\nfrmMDI-Caption=one\r\n"));
        QCOMPARE(live.text(QStringLiteral("FRMMDI"), QStringLiteral("FrmMdi-caption")),
                 QStringLiteral("one"));
        writeLanguage(QStringLiteral("live.lng"), "[frmMDI]\r\nfrmMDI-Caption=two\r\n");
        QCOMPARE(live.text(QStringLiteral("frmMDI"), QStringLiteral("frmMDI-Caption")),
                 QStringLiteral("two"));
    }

    void missingFileIsReportedAndOldOneKept()
    {
        const QString good = writeLanguage(QStringLiteral("good.lng"), "[a]\r\nk=ok\r\n");
        SetLanguageFile(good);
        QCOMPARE(programContext().language.path(), good);
        QVERIFY(dialogs_.messages.isEmpty());

        const QString missing = dir_.filePath(QStringLiteral("Data/English.lng"));
        SetLanguageFile(missing);
        QCOMPARE(programContext().language.path(), good);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages.at(0).text, missing + QStringLiteral(" not found"));
        QCOMPARE(dialogs_.messages.at(0).title, QString());
        QCOMPARE(dialogs_.messages.at(0).icon, Dialogs::Icon::Critical);
        QCOMPARE(GetLangString(QStringLiteral("a"), QStringLiteral("k")), QStringLiteral("ok"));
    }

    void fileExistsForFilesOnly()
    {
        QVERIFY(FileExists(writeLanguage(QStringLiteral("good.lng"), "x")));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(!FileExists(dir_.filePath(QStringLiteral("folder"))));
    }

    void resolvePath_data()
    {
        columns<QString, QString, QString>("path", "base", "expected");
        row("dot", ".\\Data\\French.lng", "/opt/norvel", "/opt/norvel/Data/French.lng");
        row("one up", "..\\Data\\x.jpg", "/opt/norvel/bin", "/opt/norvel/Data/x.jpg");
        row("more up than the base has", "..\\..\\..\\..\\x.jpg", "/a/b", "x.jpg");
        row("absolute unchanged", "/usr/share/x.lng", "/opt/norvel", "/usr/share/x.lng");
    }
    void resolvePath()
    {
        auto [path, base, expected] = fetch<QString, QString, QString>("path", "base", "expected");
        QCOMPARE(ResolvePath(path, base), QDir::toNativeSeparators(expected));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "test_language.moc"
