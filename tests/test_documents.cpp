// The product documents: opening them (the stored reader, the file associations, the reader
// question and dialog, a menu item; no real reader is ever started), what that rests on (the
// free desktops' PDF associations, a desktop entry's command), and the built documents.
#include "base/desktopassociations.h"
#include "base/desktopentry.h"
#include "base/fileassociations.h"
#include "base/profile.h"
#include "base/programlauncher.h"
#include "base/readerplatform.h"
#include "base/shortpath.h"
#include "domain/language.h"
#include "domain/standardsgrid.h"
#include "domain/underwriting.h"
#include "support/pdftext.h"
#include "support/program.h"
#include "ui/langstring.h"
#include "ui/pdfreader.h"

#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

using namespace norvel;
using namespace norvel::test;
using Answer = Dialogs::Answer;
Q_DECLARE_METATYPE(ReaderConvention)

namespace {

void write(const QString &path, const QByteArray &content)
{
    QVERIFY(writeBytes(path, content));
}

struct FakeAssociations : FileAssociations {
    QMap<QString, QString> values;
    int reads = 0;
    QString value(const QString &key, const QString &name) override
    {
        ++reads;
        return name.isEmpty() ? values.value(key) : QString();
    }
};

struct RecordingLauncher : ProgramLauncher {
    QList<QStringList> starts; // the program, then its arguments
    QStringList refused;       // programs that do not start
    std::function<void()> whileStarting;
    bool start(const QString &program, const QStringList &arguments) override
    {
        starts.append(QStringList{program} + arguments);
        if (whileStarting)
            whileStarting();
        return !refused.contains(program);
    }
};

// What the broker picks in the reader dialog.
enum class Chosen { Starts, CannotStart, NoReader };

struct NoShortPaths : ShortPaths {
    QString shortPath(const QString &) override { return QString(); }
};

} // namespace

Q_DECLARE_METATYPE(Chosen)

class DocumentsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    FakeAssociations associations_;
    RecordingLauncher launcher_;
    NoShortPaths shortPaths_;
    ReaderPlatform platform_;

    QString storedReader() const { return program_->setting("systeme", "acrobat"); }
    QString msg(const char *key) const
    {
        return GetLangString(QStringLiteral("modCotalmira-Msg"), QLatin1String(key));
    }
    QString document() const
    {
        program_->folder.writeFile(QStringLiteral("documents/Brochure.pdf"), "%PDF-1.4\n");
        return program_->folder.file(QStringLiteral("documents/Brochure.pdf"));
    }
    // An executable file, as an installed reader would be.
    QString reader(const QString &name) const
    {
        const QString path = program_->folder.file(QStringLiteral("bin/") + name);
        program_->folder.writeFile(QStringLiteral("bin/") + name, "#!/bin/sh\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
        return path;
    }

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
        program_ = std::make_unique<RunningProgram>();
        associations_ = FakeAssociations();
        launcher_ = RecordingLauncher();
        platform_ = {&associations_, &launcher_, &shortPaths_, ReaderConvention::Desktop};
    }
    void cleanup() { program_.reset(); }

    void missingDocumentIsToldAndNothingStarts()
    {
        const QString missing = program_->folder.file(QStringLiteral("documents/Normes.pdf"));
        OuvrirDocument(missing, platform_);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        const Dialogs::Message &m = program_->dialogs.messages.first();
        QCOMPARE(m.text, msg("OuvErrPDF_1") + missing + msg("OuvErrPDF_2"));
        QCOMPARE(m.icon, Dialogs::Icon::Critical);
        QVERIFY(launcher_.starts.isEmpty());
    }

    // A stored reader that is gone is looked up again; the entry found starts its whole command,
    // as sandboxed packages write it, and is kept and used next time without asking the
    // associations; so is a stored reader that is installed.
    void associatedReaderIsStartedAndKept()
    {
        WriteSetting(programContext().settingsFilePath, QStringLiteral("systeme"),
                     QStringLiteral("acrobat"), QStringLiteral("/nowhere/old-reader"));
        associations_.values[QStringLiteral(".PDF")] = QStringLiteral("reader.desktop");
        associations_.values[QStringLiteral("reader.desktop\\shell\\open\\command")] =
            QStringLiteral("\"/usr/bin/env\" \"FOO=1\" \"/opt/reader/bin/reader\" \"%1\"");
        const QString doc = document();
        OuvrirDocument(doc, platform_);
        QCOMPARE(storedReader(), QStringLiteral("reader.desktop")); // the entry, not its program
        associations_.values.remove(QStringLiteral(".PDF"));
        OuvrirDocument(doc, platform_);
        const QStringList whole{"/usr/bin/env", "FOO=1", "/opt/reader/bin/reader", doc};
        QCOMPARE(launcher_.starts, (QList<QStringList>{whole, whole}));
        QVERIFY(program_->dialogs.messages.isEmpty());

        const QString installed = reader(QStringLiteral("okular"));
        WriteSetting(programContext().settingsFilePath, QStringLiteral("systeme"),
                     QStringLiteral("acrobat"), installed);
        associations_.reads = 0;
        OuvrirDocument(doc, platform_);
        QCOMPARE(associations_.reads, 0);
        QCOMPARE(launcher_.starts.last(), (QStringList{installed, doc}));
    }

    // No command anywhere: the reader question, naming Acrobat's programs where those are the
    // readers, the PDF reader elsewhere; then the dialog. The chosen reader is kept if it
    // starts, and told if it does not; a file that is no reader there is refused.
    void noReaderFoundAsksForOne_data()
    {
        columns<ReaderConvention, QString, Chosen>("convention", "name", "chosen");
        row("Linux, it starts", ReaderConvention::Desktop, "mupdf", Chosen::Starts);
        row("Linux, it cannot start", ReaderConvention::Desktop, "mupdf", Chosen::CannotStart);
        row("Linux, no reader", ReaderConvention::Desktop, "notes.txt", Chosen::NoReader);
        row("Windows, no reader", ReaderConvention::Windows, "acrord32.exe", Chosen::NoReader);
    }
    void noReaderFoundAsksForOne()
    {
        auto [convention, name, chosen] =
            fetch<ReaderConvention, QString, Chosen>("convention", "name", "chosen");
        platform_.convention = convention;
        const bool desktop = convention == ReaderConvention::Desktop;
        const char *question = desktop ? "OuvErrPDF2_2Lecteur" : "OuvErrPDF2_2";
        const char *noReader = desktop ? "RchErrAcroread_2Lecteur" : "RchErrAcroread_2";
        QVERIFY(!msg(question).isEmpty() && !msg(noReader).isEmpty());
        QString path = program_->folder.file(QStringLiteral("bin/") + name);
        if (chosen == Chosen::NoReader)
            program_->folder.writeFile(QStringLiteral("bin/") + name, "text\n");
        else
            path = reader(name);
        if (chosen == Chosen::CannotStart)
            launcher_.refused << path;
        program_->dialogs.script({Answer::Yes, Answer::No});
        program_->dialogs.scriptFiles({path});
        const QString doc = document();
        OuvrirDocument(doc, platform_);
        const QList<Dialogs::Message> &told = program_->dialogs.messages;
        QCOMPARE(told.size(), chosen == Chosen::Starts ? 1 : 2);
        QCOMPARE(told.first().text,
                 msg("OuvErrPDF2_1") + QStringLiteral("\r\n\r\n") + msg(question));
        QCOMPARE(told.first().buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
        QCOMPARE(launcher_.starts.size(), chosen == Chosen::NoReader ? 0 : 1);
        QVERIFY(launcher_.starts.isEmpty() || launcher_.starts.first() == QStringList({path, doc}));
        QCOMPARE(storedReader(), chosen == Chosen::Starts ? path : QString());
        if (chosen == Chosen::CannotStart) {
            QCOMPARE(told.at(1).text, msg("ErrLancerLecteur_1") + path + msg("ErrLancerLecteur_2"));
            QCOMPARE(told.at(1).icon, Dialogs::Icon::Critical);
        }
        if (chosen == Chosen::NoReader)
            QCOMPARE(told.at(1).text, msg("RchErrAcroread_1") + name + msg(noReader) +
                                          QStringLiteral("\r\n\r\n") + msg("RchErrAcroread_3"));
    }

    // The menu item opens its document with the busy pointer while the reader starts.
    void menuItemOpensItsDocument()
    {
        MainWindow *window = program_->window();
        const QString doc = document();
        associations_.values[QStringLiteral("AcroExch.Document\\shell\\open\\command")] =
            QStringLiteral("\"/usr/bin/mupdf\" \"%1\"");
        Qt::CursorShape during = Qt::ArrowCursor;
        launcher_.whileStarting = [&] { during = window->cursor().shape(); };
        const ReaderPlatform saved = readerPlatform();
        readerPlatform() = platform_;
        window->item("mnu_Brochure")->trigger();
        readerPlatform() = saved;
        QCOMPARE(launcher_.starts, (QList<QStringList>{{QStringLiteral("/usr/bin/mupdf"),
                                                        QDir::toNativeSeparators(doc)}}));
        QCOMPARE(during, Qt::WaitCursor);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(program_->dialogs.messages.isEmpty());
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
        const DesktopEntry entry{"/e/r.desktop", "Reader", "reader-icon", exec, {}, {}};
        QCOMPARE(norvel::execArguments(entry, QStringLiteral("/d/a b.pdf")), arguments);
    }

    void keyFileValueReadsItsGroupOnly()
    {
        const QByteArray content = "[Other]\nExec=no\n[Desktop Entry]\n# note\nName = A\\sB\n"
                                   "Comment=a\\nb\\tc\\rd\\\\e\\;f\\\n"
                                   "Exec=x\n[Desktop Action New]\nExec=y\n";
        const auto value = [&](const char *key) {
            return keyFileValue(content, QStringLiteral("Desktop Entry"), QLatin1String(key));
        };
        QCOMPARE(value("Exec"), QStringLiteral("x"));
        QCOMPARE(value("Name"), QStringLiteral("A B"));
        QCOMPARE(value("Comment"), QStringLiteral("a\nb\tc\rd\\e\\;f\\"));
        QVERIFY(!value("Icon"));
    }

    // Which entry is the PDF default, as the freedesktop rules rank them.
    void defaultReader_data()
    {
        // userList: config/mimeapps.list; desktopList: config/gnome-mimeapps.list; cache:
        // system/applications/mimeinfo.cache; declared: mupdf's entry names the PDF type
        columns<QByteArray, QByteArray, QByteArray, QString, bool>("userList", "desktopList",
                                                                   "cache", "expected", "declared");
        const QByteArray none;
        const QByteArray cache = "[MIME Cache]\napplication/pdf=mupdf.desktop;evince.desktop;\n";
        const QByteArray evince = "[Default Applications]\napplication/pdf=evince.desktop\n";
        row("nothing declared", none, none, none, "", false);
        row("no cache, entries declare it", none, none, none, "mupdf.desktop", true);
        row("installed readers only", none, none, cache, "mupdf.desktop", false);
        row("user default", evince, none, cache, "evince.desktop", false);
        row("desktop's own list first", evince,
            QByteArray("[Default Applications]\napplication/pdf=mupdf.desktop\n"), cache,
            "mupdf.desktop", false);
        row("default not installed",
            QByteArray("[Default Applications]\napplication/pdf=gone.desktop;evince.desktop\n"),
            none, none, "evince.desktop", false);
        row("removed association",
            QByteArray("[Removed Associations]\napplication/pdf=mupdf.desktop\n"), none, cache,
            "evince.desktop", false);
        row("hidden entry", none, none,
            QByteArray("[MIME Cache]\napplication/pdf=hidden.desktop;evince.desktop\n"),
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

    // The program quoted, found on the path when bare, and the entry's arguments.
    void openCommandQuotesTheInstalledProgram()
    {
        const QString bin = root_.filePath(QStringLiteral("bin dir/reader"));
        write(bin, "#!/bin/sh\n");
        entry(system(), QStringLiteral("kde4-reader.desktop"),
              "Exec=\"" + bin.toUtf8() + "\" --fullscreen %U");
        write(QDir(applications(system())).filePath(QStringLiteral("mimeinfo.cache")),
              "[MIME Cache]\napplication/pdf=kde4-reader.desktop\n");
        const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
        QVERIFY(!sh.isEmpty());
        entry(system(), QStringLiteral("shell.desktop"), "Exec=sh %f");
        DesktopAssociations found = associations();
        const QString id = found.value(QStringLiteral(".pdf"), QString());
        QCOMPARE(id, QStringLiteral("kde4-reader.desktop"));
        QCOMPARE(found.value(id + QStringLiteral("\\shell\\open\\command"), QString()),
                 QLatin1Char('"') + bin + QStringLiteral("\" \"--fullscreen\" \"%1\""));
        QCOMPARE(found.value(QStringLiteral("shell.desktop\\shell\\open\\command"), QString()),
                 QLatin1Char('"') + sh + QStringLiteral("\" \"%1\""));
        QCOMPARE(found.value(QStringLiteral("AcroExch.Document\\shell\\open\\command"), QString()),
                 QString());
        QCOMPARE(found.value(QStringLiteral(".pdf"), QStringLiteral("Content Type")), QString());
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
        QVERIFY2(bytesOf(path).startsWith("%PDF-"), qPrintable(path));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = pdfText(path).simplified();
        QVERIFY2(text.contains(expected), qPrintable(expected));
        if (language.isEmpty())
            return;
        const QByteArray content =
            bytesOf(QDir(builtProgramDir()).filePath(QStringLiteral("Data/%1.lng").arg(language)));
        for (const QString &key : numberedRequirementKeys()) {
            const QString name = langText(content, QStringLiteral("frmCotalmira-Val"), key);
            QVERIFY2(!name.isEmpty() && text.contains(name), qPrintable(key));
        }
    }
};

QTEST_MAIN(DocumentsTest)
#include "test_documents.moc"
