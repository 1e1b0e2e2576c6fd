// What the documents rest on: the free desktops' PDF associations, a desktop entry's command,
// starting a program, and the generated documents themselves.
#include "base/desktopassociations.h"
#include "base/desktopentry.h"
#include "base/programlauncher.h"
#include "domain/language.h"
#include "domain/productdocuments.h"
#include "domain/standardsgrid.h"
#include "domain/underwriting.h"
#include "support/datarow.h"
#include "support/pdftext.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

void write(const QString &path, const QByteArray &content)
{
    QVERIFY(writeBytes(path, content));
}

} // namespace

class DocumentFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QString config() const { return root_.filePath(QStringLiteral("config")); }
    QString data() const { return root_.filePath(QStringLiteral("data")); }
    QString system() const { return root_.filePath(QStringLiteral("system")); }
    QString applications(const QString &base) const
    {
        return QDir(base).filePath(QStringLiteral("applications"));
    }
    DesktopAssociations associations() const
    {
        return DesktopAssociations({config()}, {data(), system()}, {QStringLiteral("gnome")});
    }
    void entry(const QString &base, const QString &id, const QByteArray &keys) const
    {
        write(QDir(applications(base)).filePath(id),
              "[Desktop Entry]\nType=Application\nName=Reader\n" + keys + "\n");
    }

private Q_SLOTS:
    void init()
    {
        QDir(root_.path()).removeRecursively();
        QDir().mkpath(root_.path());
    }

    void execArguments_data()
    {
        columns<QString, QStringList>("exec", "arguments");
        row("file", "evince %U", QStringList{"evince", "/d/a b.pdf"});
        row("quoted program", "\"/opt/My Reader/run\" --single %f",
            QStringList{"/opt/My Reader/run", "--single", "/d/a b.pdf"});
        row("escapes inside quotes", "\"/opt/a\\\\\\\"b\" %F",
            QStringList{"/opt/a\\\"b", "/d/a b.pdf"});
        row("icon, name, entry, percent", "app %i --title=%c %k 100%% %d",
            QStringList{"app", "--icon", "reader-icon", "--title=Reader", "/e/r.desktop", "100%"});
        row("no file code", "app --new", QStringList{"app", "--new"});
        row("unclosed quote", "\"app %f", QStringList{});
    }
    void execArguments()
    {
        auto [exec, arguments] = fetch<QString, QStringList>("exec", "arguments");
        DesktopEntry entry;
        entry.path = QStringLiteral("/e/r.desktop");
        entry.name = QStringLiteral("Reader");
        entry.icon = QStringLiteral("reader-icon");
        entry.exec = exec;
        QCOMPARE(norvel::execArguments(entry, QStringLiteral("/d/a b.pdf")), arguments);
    }

    void keyFileValueReadsItsGroupOnly()
    {
        const QByteArray content = "[Other]\nExec=no\n[Desktop Entry]\n# note\nName = A\\sB\n"
                                   "Comment=a\\nb\\tc\\rd\\\\e\\;f\\\n"
                                   "Exec=x\n[Desktop Action New]\nExec=y\n";
        QCOMPARE(keyFileValue(content, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")),
                 QStringLiteral("x"));
        QCOMPARE(keyFileValue(content, QStringLiteral("Desktop Entry"), QStringLiteral("Name")),
                 QStringLiteral("A B"));
        QCOMPARE(keyFileValue(content, QStringLiteral("Desktop Entry"), QStringLiteral("Comment")),
                 QStringLiteral("a\nb\tc\rd\\e\\;f\\"));
        QVERIFY(!keyFileValue(content, QStringLiteral("Desktop Entry"), QStringLiteral("Icon")));
    }

    // Which entry is the PDF default, as the freedesktop rules rank them.
    void defaultReader_data()
    {
        // userList: config/mimeapps.list; desktopList: config/gnome-mimeapps.list; cache:
        // system/applications/mimeinfo.cache; declared: mupdf's entry names the PDF type
        columns<QByteArray, QByteArray, QByteArray, QString, bool>("userList", "desktopList",
                                                                   "cache", "expected", "declared");
        const QByteArray cache = "[MIME Cache]\napplication/pdf=mupdf.desktop;evince.desktop;\n";
        row("nothing declared", QByteArray(), QByteArray(), QByteArray(), "", false);
        row("no cache, entries declare it", QByteArray(), QByteArray(), QByteArray(),
            "mupdf.desktop", true);
        row("installed readers only", QByteArray(), QByteArray(), cache, "mupdf.desktop", false);
        row("user default", QByteArray("[Default Applications]\napplication/pdf=evince.desktop\n"),
            QByteArray(), cache, "evince.desktop", false);
        row("desktop's own list first",
            QByteArray("[Default Applications]\napplication/pdf=evince.desktop\n"),
            QByteArray("[Default Applications]\napplication/pdf=mupdf.desktop\n"), cache,
            "mupdf.desktop", false);
        row("default not installed",
            QByteArray("[Default Applications]\napplication/pdf=gone.desktop;evince.desktop\n"),
            QByteArray(), QByteArray(), "evince.desktop", false);
        row("removed association",
            QByteArray("[Removed Associations]\napplication/pdf=mupdf.desktop\n"), QByteArray(),
            cache, "evince.desktop", false);
        row("hidden entry", QByteArray(), QByteArray(),
            QByteArray("[MIME Cache]\napplication/pdf=hidden.desktop;"
                       "evince.desktop\n"),
            "evince.desktop", false);
    }
    void defaultReader()
    {
        auto [userList, desktopList, cache, expected, declared] =
            fetch<QByteArray, QByteArray, QByteArray, QString, bool>(
                "userList", "desktopList", "cache", "expected", "declared");
        entry(system(), QStringLiteral("mupdf.desktop"),
              declared ? "Exec=mupdf %f\nMimeType=application/pdf;" : "Exec=mupdf %f");
        entry(data(), QStringLiteral("evince.desktop"), "Exec=evince %U");
        entry(system(), QStringLiteral("hidden.desktop"), "Exec=hidden %f\nHidden=true");
        if (!userList.isEmpty())
            write(QDir(config()).filePath(QStringLiteral("mimeapps.list")), userList);
        if (!desktopList.isEmpty())
            write(QDir(config()).filePath(QStringLiteral("gnome-mimeapps.list")), desktopList);
        if (!cache.isEmpty())
            write(QDir(applications(system())).filePath(QStringLiteral("mimeinfo.cache")), cache);
        QCOMPARE(associations().value(QStringLiteral(".PDF"), QString()), expected);
    }

    void openCommandQuotesTheInstalledProgram()
    {
        const QString bin = root_.filePath(QStringLiteral("bin dir/reader"));
        write(bin, "#!/bin/sh\n");
        entry(system(), QStringLiteral("kde4-reader.desktop"),
              "Exec=\"" + bin.toUtf8() + "\" --fullscreen %U");
        write(QDir(applications(system())).filePath(QStringLiteral("mimeinfo.cache")),
              "[MIME Cache]\napplication/pdf=kde4-reader.desktop\n");
        DesktopAssociations found = associations();
        const QString id = found.value(QStringLiteral(".pdf"), QString());
        QCOMPARE(id, QStringLiteral("kde4-reader.desktop"));
        QCOMPARE(found.value(id + QStringLiteral("\\shell\\open\\command"), QString()),
                 QLatin1Char('"') + bin + QStringLiteral("\" \"--fullscreen\" \"%1\""));
        QCOMPARE(found.value(QStringLiteral("AcroExch.Document\\shell\\open\\command"), QString()),
                 QString());
        QCOMPARE(found.value(QStringLiteral(".pdf"), QStringLiteral("Content Type")), QString());
    }

    void bareProgramIsFoundOnThePath()
    {
        const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
        QVERIFY(!sh.isEmpty());
        entry(system(), QStringLiteral("shell.desktop"), "Exec=sh %f");
        QCOMPARE(
            associations().value(QStringLiteral("shell.desktop\\shell\\open\\command"), QString()),
            QLatin1Char('"') + sh + QStringLiteral("\" \"%1\""));
    }

    void launcherReportsAProgramThatCannotStart()
    {
        DetachedLauncher launcher;
        QVERIFY(!launcher.start(root_.filePath(QStringLiteral("no such reader")), {}));
        const QString notExecutable = root_.filePath(QStringLiteral("plain.txt"));
        write(notExecutable, "text");
        QVERIFY(!launcher.start(notExecutable, {}));
    }

    // The printed grids are the quote's own: every cell lists the numbers of its
    // requirements, numbered in the quote's order.
    void printedGridsAreTheQuoteGrids_data()
    {
        QTest::addColumn<bool>("payment");
        row("payment", true);
        row("amount", false);
    }
    void printedGridsAreTheQuoteGrids()
    {
        QFETCH(bool, payment);
        const RequirementGrid &grid = payment ? grilleVersement() : grilleMontant();
        const GridWording english{QStringLiteral("en_CA"), QStringLiteral("Age"),
                                  QStringLiteral("$%1"), QStringLiteral("%1 – %2"),
                                  QStringLiteral("%1 and more")};
        const PrintedGrid printed = printedGrid(grid, english);
        const QStringList numbered = numberedRequirementKeys();
        QCOMPARE(printed.rows.size(), qsizetype(grid.ages.size()));
        QCOMPARE(printed.header.size(), qsizetype(grid.columns.size() + 1));
        for (size_t row = 0; row < grid.ages.size(); ++row)
            for (size_t column = 0; column < grid.columns.size(); ++column) {
                QStringList keys;
                for (const QString &number : printed.rows.at(row)
                                                 .at(column + 1)
                                                 .split(QStringLiteral(", "), Qt::SkipEmptyParts))
                    keys << numbered.at(number.toInt() - 1);
                QCOMPARE(keys, clesExigences(grid.cell(row, column)));
            }
        QCOMPARE(printed.header.first(), QStringLiteral("Age"));
        QCOMPARE(printed.rows.first().first(), QStringLiteral("18 – 35"));
        QVERIFY(printed.header.last().endsWith(QLatin1String(" and more")));
    }

    void printedBandsInFrench()
    {
        const GridWording french{QStringLiteral("fr_CA"), QStringLiteral("Âge"),
                                 QStringLiteral("%1 $"), QStringLiteral("%1 – %2"),
                                 QStringLiteral("%1 et plus")};
        const PrintedGrid printed = printedGrid(grilleVersement(), french);
        const QString group = QLocale(QStringLiteral("fr_CA")).groupSeparator();
        QCOMPARE(printed.header.at(1), QStringLiteral("1 $ – 1") + group + QStringLiteral("000 $"));
        QCOMPARE(printed.header.last(),
                 QStringLiteral("4") + group + QStringLiteral("501 $ et plus"));
    }

    // The built documents: all six, and the standards name every requirement as the
    // language file does.
    void builtDocuments_data()
    {
        columns<QString, QString, QString>("relative", "language", "expected");
        row("pamphlet", "documents/Brochure.pdf", "", "5 %");
        row("pamphlet, English", "documents/BrochureA.pdf", "", "Option 3");
        row("standards", "documents/Normes.pdf", "French", "et plus");
        row("standards, English", "documents/NormesA.pdf", "English", "$4,501 and more");
        row("contract", "documents/Specimen.pdf", "", "Option B");
        row("contract, English", "documents/SpecimenA.pdf", "", "Option B");
    }
    void builtDocuments()
    {
        auto [relative, language, expected] =
            fetch<QString, QString, QString>("relative", "language", "expected");
        const QString path = QDir(builtProgramDir()).filePath(relative);
        QFile pdf(path);
        QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(path));
        QCOMPARE(pdf.read(5), QByteArrayLiteral("%PDF-"));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = pdfText(path).simplified();
        QVERIFY2(text.contains(expected), qPrintable(expected));
        if (language.isEmpty())
            return;
        QFile lang(QDir(builtProgramDir()).filePath(QStringLiteral("Data/%1.lng").arg(language)));
        QVERIFY(lang.open(QIODevice::ReadOnly));
        const QByteArray content = lang.readAll();
        for (const QString &key : numberedRequirementKeys()) {
            const QString name = langText(content, QStringLiteral("frmCotalmira-Val"), key);
            QVERIFY2(!name.isEmpty() && text.contains(name), qPrintable(key));
        }
    }

    void everyDocumentIsBuilt()
    {
        for (const ProductDocument &document : productDocuments())
            QVERIFY(QFile::exists(documentPath(builtProgramDir(), document)));
    }
};

QTEST_MAIN(DocumentFilesTest)
#include "test_documents_files.moc"
