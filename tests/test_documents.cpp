// Opening the product documents: the stored reader, the file associations, the reader question
// and dialog, and the six menu items. No real reader is ever started.
#include "base/fileassociations.h"
#include "base/profile.h"
#include "base/programlauncher.h"
#include "base/readerplatform.h"
#include "base/shortpath.h"
#include "domain/language.h"
#include "support/datarow.h"
#include "support/running.h"
#include "ui/appstate.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/pdfreader.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QtTest>
#include <functional>

using namespace norvel;
using namespace norvel::test;
using Answer = Dialogs::Answer;

namespace {

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
    struct Start {
        QString program;
        QStringList arguments;
    };
    QList<Start> starts;
    QStringList refused;                 // programs that do not start
    std::function<void()> whileStarting; // looks at the program as the reader starts
    bool start(const QString &program, const QStringList &arguments) override
    {
        starts.append({program, arguments});
        if (whileStarting)
            whileStarting();
        return !refused.contains(program);
    }
};

struct FakeShortPaths : ShortPaths {
    QMap<QString, QString> shortForms; // none: the path has no short form
    QString shortPath(const QString &path) override { return shortForms.value(path); }
};

const QString kPdfCommand = QStringLiteral(".PDF");
const QString kAcrobatCommand = QStringLiteral("AcroExch.Document\\shell\\open\\command");

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder_;
    ScriptedDialogs dialogs_;
    FakeAssociations associations_;
    RecordingLauncher launcher_;
    FakeShortPaths shortPaths_;
    ReaderPlatform platform_;

    QString settings() const { return folder_->file(QStringLiteral("norvel.ini")); }
    QString storedReader() const
    {
        return ReadSetting(settings(), QStringLiteral("systeme"), QStringLiteral("acrobat"));
    }
    void storeReader(const QString &reader)
    {
        WriteSetting(settings(), QStringLiteral("systeme"), QStringLiteral("acrobat"), reader);
    }
    QString msg(const char *key) const
    {
        return GetLangString(QStringLiteral("modCotalmira-Msg"), QLatin1String(key));
    }
    QString document(const QString &relative = QStringLiteral("documents/Brochure.pdf")) const
    {
        folder_->writeFile(relative, QByteArrayLiteral("%PDF-1.4\n"));
        return folder_->file(relative);
    }
    // An executable file in the program folder, as an installed reader would be.
    QString program(const QString &name) const
    {
        const QString path = folder_->file(QStringLiteral("bin/") + name);
        folder_->writeFile(QStringLiteral("bin/") + name, QByteArrayLiteral("#!/bin/sh\n"));
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
        return path;
    }
    // A menu item of the running program, with the fakes in the machine's place.
    void triggerWithFakes(MainWindow *window, const char *item)
    {
        const ReaderPlatform saved = readerPlatform();
        readerPlatform() = platform_;
        window->item(item)->trigger();
        readerPlatform() = saved;
    }
    QString readerQuestion() const
    {
        return msg("OuvErrPDF2_1") + QStringLiteral("\r\n\r\n") + msg("OuvErrPDF2_2");
    }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<ProgramFolder>();
        dialogs_ = ScriptedDialogs();
        associations_ = FakeAssociations();
        launcher_ = RecordingLauncher();
        shortPaths_ = FakeShortPaths();
        platform_ = {&associations_, &launcher_, &shortPaths_, ReaderConvention::Desktop};
        resetAppState();
        AppState &state = appState();
        state.programDir = folder_->path();
        state.exeBaseName = QStringLiteral("norvel");
        state.settingsFilePath = settings();
        state.language = Language(folder_->file(QStringLiteral("Data/French.lng")));
        state.dialogs = &dialogs_;
    }
    void cleanup() { resetAppState(); }

    void missingDocumentIsToldAndNothingStarts()
    {
        const QString missing = folder_->file(QStringLiteral("documents/Normes.pdf"));
        OuvrirDocument(missing, platform_);
        QCOMPARE(dialogs_.messages.size(), 1);
        const Dialogs::Message &m = dialogs_.messages.first();
        QCOMPARE(m.text, msg("OuvErrPDF_1") + missing + msg("OuvErrPDF_2"));
        QCOMPARE(m.title, QStringLiteral("norvel"));
        QCOMPARE(m.icon, Dialogs::Icon::Critical);
        QVERIFY(launcher_.starts.isEmpty());
        QCOMPARE(associations_.reads, 0);
    }

    void storedReaderThatExistsIsUsedWithoutAssociations()
    {
        const QString reader = program(QStringLiteral("reader"));
        storeReader(QStringLiteral("  ") + reader + QStringLiteral(" "));
        associations_.values[kPdfCommand] = QStringLiteral("Other");
        const QString doc = document();
        OuvrirDocument(doc, platform_);
        QCOMPARE(associations_.reads, 0);
        QCOMPARE(launcher_.starts.size(), 1);
        QCOMPARE(launcher_.starts.first().program, reader);
        QCOMPARE(launcher_.starts.first().arguments, QStringList{doc});
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void associatedReaderIsStartedAndKept_data()
    {
        QTest::addColumn<QString>("pdfClass");
        QTest::addColumn<QString>("commandKey");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("stored"); // a stored reader that no longer exists
        row("quoted program, arguments after it", "AcroExch.Document.7",
            "AcroExch.Document.7\\shell\\open\\command",
            "\"C:\\Program Files\\Adobe\\AcroRd32.exe\" \"%1\"",
            "C:\\Program Files\\Adobe\\AcroRd32.exe", "");
        row("unquoted command taken whole", "Reader", "Reader\\shell\\open\\command",
            "/usr/bin/reader --page 1 %1", "/usr/bin/reader --page 1 %1", "");
        row("blank class: Acrobat's command", "   ", kAcrobatCommand,
            "\"/opt/Acrobat/AcroRd32\" /s \"%1\"", "/opt/Acrobat/AcroRd32", "");
        row("stored reader gone: looked up again", "Reader", "Reader\\shell\\open\\command",
            "\"/usr/bin/evince\" \"%1\"", "/usr/bin/evince", "/nowhere/old-reader");
    }
    void associatedReaderIsStartedAndKept()
    {
        QFETCH(QString, pdfClass);
        QFETCH(QString, commandKey);
        QFETCH(QString, command);
        QFETCH(QString, reader);
        QFETCH(QString, stored);
        if (!stored.isEmpty())
            storeReader(stored);
        associations_.values[kPdfCommand] = pdfClass;
        associations_.values[commandKey] = command;
        const QString doc = document();
        OuvrirDocument(doc, platform_);
        QCOMPARE(launcher_.starts.size(), 1);
        QCOMPARE(launcher_.starts.first().program, reader);
        QCOMPARE(launcher_.starts.first().arguments, QStringList{doc});
        QCOMPARE(storedReader(), reader);
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void associatedReaderThatFailsIsNotKept()
    {
        associations_.values[kAcrobatCommand] = QStringLiteral("\"/opt/broken\" \"%1\"");
        launcher_.refused << QStringLiteral("/opt/broken");
        dialogs_.script({Answer::No});
        OuvrirDocument(document(), platform_);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages.first().text, readerQuestion());
        QCOMPARE(storedReader(), QString());
    }

    void storedReaderThatCannotStartLeadsToTheQuestion()
    {
        const QString reader = program(QStringLiteral("reader"));
        storeReader(reader);
        launcher_.refused << reader;
        dialogs_.script({Answer::No});
        OuvrirDocument(document(), platform_);
        QCOMPARE(associations_.reads, 0);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages.first().text, readerQuestion());
        QCOMPARE(storedReader(), reader);
    }

    // No command anywhere: the reader question, then the dialog as the user answers.
    void noReaderFound_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("chosen"); // "-": dialog cancelled; a name: made executable
        QTest::addColumn<bool>("started");
        row("No ends", false, "-", false);
        row("Yes, dialog cancelled", true, "-", false);
        row("Yes, a reader chosen", true, "mupdf", true);
    }
    void noReaderFound()
    {
        QFETCH(bool, yes);
        QFETCH(QString, chosen);
        QFETCH(bool, started);
        const QString reader = chosen == QLatin1String("-") ? QString() : program(chosen);
        dialogs_.script({yes ? Answer::Yes : Answer::No});
        dialogs_.scriptFiles({reader.isEmpty() ? std::nullopt : std::optional<QString>(reader)});
        const QString doc = document();
        OuvrirDocument(doc, platform_);

        const Dialogs::Message &question = dialogs_.messages.first();
        QCOMPARE(question.text, readerQuestion());
        QCOMPARE(question.title, QStringLiteral("norvel"));
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.fileRequests.size(), yes ? 1 : 0);
        if (yes) {
            const Dialogs::FileRequest &request = dialogs_.fileRequests.first();
            QCOMPARE(request.title, msg("RchAcroread"));
            QCOMPARE(request.kind, Dialogs::FileRequest::Kind::Open);
        }
        QCOMPARE(launcher_.starts.size(), started ? 1 : 0);
        if (started)
            QCOMPARE(launcher_.starts.first().arguments, QStringList{doc});
        QCOMPARE(storedReader(), started ? reader : QString());
    }

    void wrongProgramRepeatsTheQuestion()
    {
        const QString notAProgram = folder_->file(QStringLiteral("Data/French.lng"));
        const QString reader = program(QStringLiteral("okular"));
        dialogs_.script({Answer::Yes, Answer::Yes});
        dialogs_.scriptFiles({notAProgram, reader});
        OuvrirDocument(document(), platform_);

        QCOMPARE(dialogs_.messages.size(), 2);
        const Dialogs::Message &wrong = dialogs_.messages.at(1);
        QCOMPARE(wrong.text, msg("RchErrAcroread_1") + QStringLiteral("French.lng") +
                                 msg("RchErrAcroread_2") + QStringLiteral("\r\n\r\n") +
                                 msg("RchErrAcroread_3"));
        QCOMPARE(wrong.title, msg("RchErrAcroread_t"));
        QCOMPARE(wrong.buttons, Dialogs::Buttons::YesNo);
        // The second dialog starts where the wrong file was.
        QCOMPARE(dialogs_.fileRequests.size(), 2);
        QCOMPARE(dialogs_.fileRequests.at(1).folder, folder_->file(QStringLiteral("Data")));
        QCOMPARE(launcher_.starts.size(), 1);
        QCOMPARE(launcher_.starts.first().program, reader);
        QCOMPARE(storedReader(), reader);
    }

    void wrongProgramThenNoEnds()
    {
        dialogs_.script({Answer::Yes, Answer::No});
        dialogs_.scriptFiles({folder_->file(QStringLiteral("Data/French.lng"))});
        OuvrirDocument(document(), platform_);
        QCOMPARE(dialogs_.messages.size(), 2);
        QCOMPARE(dialogs_.fileRequests.size(), 1);
        QVERIFY(launcher_.starts.isEmpty());
        QCOMPARE(storedReader(), QString());
    }

    void chosenReaderThatCannotStartIsToldAndNotKept()
    {
        const QString reader = program(QStringLiteral("reader"));
        launcher_.refused << reader;
        dialogs_.script({Answer::Yes});
        dialogs_.scriptFiles({reader});
        OuvrirDocument(document(), platform_);
        QCOMPARE(dialogs_.messages.size(), 2);
        const Dialogs::Message &told = dialogs_.messages.at(1);
        QCOMPARE(told.text, msg("ErrLancerLecteur_1") + reader + msg("ErrLancerLecteur_2"));
        QCOMPARE(told.icon, Dialogs::Icon::Critical);
        QCOMPARE(told.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(storedReader(), QString());
    }

    // The Windows readers: exactly two names, letter case included, in any folder.
    void windowsReaderNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        row("Reader", "C:\\Program Files\\Adobe\\Reader\\AcroRd32.exe", true);
        row("Acrobat elsewhere", "D:\\Outils\\Acrobat.exe", true);
        row("small letters", "C:\\Adobe\\acrord32.exe", false);
        row("another program", "C:\\Windows\\notepad.exe", false);
    }
    void windowsReaderNames()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        const QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
        QCOMPARE(isReaderProgram(ReaderConvention::Windows, path, name), accepted);
    }

    void windowsReaderGetsSlashSAndShortPath()
    {
        platform_.convention = ReaderConvention::Windows;
        const QString doc = document(QStringLiteral("Mes documents/Brochure.pdf"));
        shortPaths_.shortForms[doc] = QStringLiteral("C:\\MESDOC~1\\BROCHU~1.PDF");
        associations_.values[kAcrobatCommand] = QStringLiteral("\"C:\\Acro\\AcroRd32.exe\" \"%1\"");
        OuvrirDocument(doc, platform_);
        QCOMPARE(launcher_.starts.size(), 1);
        QCOMPARE(launcher_.starts.first().arguments,
                 (QStringList{QStringLiteral("/s"), QStringLiteral("C:\\MESDOC~1\\BROCHU~1.PDF")}));
    }

    void pathWithBlanksReachesTheReaderWhole()
    {
        const QString doc =
            document(QStringLiteral("Program Files/Nor vel/documents/Normes A.pdf"));
        associations_.values[kAcrobatCommand] = QStringLiteral("\"/usr/bin/mupdf\" \"%1\"");
        OuvrirDocument(doc, platform_);
        QCOMPARE(launcher_.starts.size(), 1);
        QCOMPARE(launcher_.starts.first().arguments, QStringList{doc});
    }

    void readerOfCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reader");
        row("quoted", "\"C:\\A B\\x.exe\" \"%1\"", "C:\\A B\\x.exe");
        row("quoted alone", "\"/usr/bin/evince\"", "/usr/bin/evince");
        row("unquoted", "C:\\Acro\\AcroRd32.exe %1", "C:\\Acro\\AcroRd32.exe %1");
        row("quote only later", "C:\\Acro\\x.exe \"%1\"", "C:\\Acro\\x.exe \"%1\"");
        row("unclosed quote", "\"C:\\x.exe", "\"C:\\x.exe");
    }
    void readerOfCommand()
    {
        QFETCH(QString, command);
        QFETCH(QString, reader);
        QCOMPARE(norvel::readerOfCommand(command), reader);
    }

    // The six items of the running program, each with its document, the busy pointer while
    // the reader starts.
    void menuItemsOpenTheirDocuments_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("relative");
        row("pamphlet", "mnu_Brochure", "documents/Brochure.pdf");
        row("standards", "mnu_Formulaire", "documents/Normes.pdf");
        row("contract", "mnu_Specimen", "documents/Specimen.pdf");
        row("pamphlet, English", "mnu_BrochureA", "documents/BrochureA.pdf");
        row("standards, English", "mnu_FormulaireA", "documents/NormesA.pdf");
        row("contract, English", "mnu_SpecimenA", "documents/SpecimenA.pdf");
    }
    void menuItemsOpenTheirDocuments()
    {
        QFETCH(QString, item);
        QFETCH(QString, relative);
        RunningProgram running;
        MainWindow *window = running.window();
        QVERIFY(window);
        running.folder.writeFile(relative, QByteArrayLiteral("%PDF-1.4\n"));
        associations_.values[kAcrobatCommand] = QStringLiteral("\"/usr/bin/mupdf\" \"%1\"");
        Qt::CursorShape during = Qt::ArrowCursor;
        launcher_.whileStarting = [&] { during = window->cursor().shape(); };
        triggerWithFakes(window, item.toLatin1().constData());

        QCOMPARE(launcher_.starts.size(), 1);
        QCOMPARE(launcher_.starts.first().arguments,
                 QStringList{QDir::toNativeSeparators(running.folder.file(relative))});
        QCOMPARE(during, Qt::WaitCursor);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(running.dialogs.messages.isEmpty());
        QCOMPARE(running.setting("systeme", "acrobat"), QStringLiteral("/usr/bin/mupdf"));
    }

    void menuItemWithoutItsDocumentSaysSo()
    {
        RunningProgram running;
        MainWindow *window = running.window();
        QVERIFY(window);
        triggerWithFakes(window, "mnu_SpecimenA");
        QCOMPARE(running.dialogs.messages.size(), 1);
        QVERIFY(running.dialogs.messages.first().text.contains(QDir::toNativeSeparators(
            running.folder.file(QStringLiteral("documents/SpecimenA.pdf")))));
        QVERIFY(launcher_.starts.isEmpty());
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(DocumentsTest)
#include "test_documents.moc"
