// Opening the product documents: the stored reader, the file associations, the reader question
// and dialog, and a menu item. No real reader is ever started.
#include "base/fileassociations.h"
#include "base/profile.h"
#include "base/programlauncher.h"
#include "base/readerplatform.h"
#include "base/shortpath.h"
#include "support/datarow.h"
#include "support/program.h"
#include "support/running.h"
#include "ui/langstring.h"
#include "ui/pdfreader.h"
#include "ui/programcontext.h"

#include <QMap>
#include <functional>

using namespace norvel;
using namespace norvel::test;
using Answer = Dialogs::Answer;
Q_DECLARE_METATYPE(ReaderConvention)

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

struct NoShortPaths : ShortPaths {
    QString shortPath(const QString &) override { return QString(); }
};

const QString kAcrobatCommand = QStringLiteral("AcroExch.Document\\shell\\open\\command");

} // namespace

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
    QString readerQuestion(const char *ending = "OuvErrPDF2_2Lecteur") const
    {
        return msg("OuvErrPDF2_1") + QStringLiteral("\r\n\r\n") + msg(ending);
    }

private Q_SLOTS:
    void init()
    {
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

    // A stored reader that is gone is looked up again; the one found is kept and used next
    // time without asking the associations.
    void associatedReaderIsStartedAndKept()
    {
        WriteSetting(programContext().settingsFilePath, QStringLiteral("systeme"),
                     QStringLiteral("acrobat"), QStringLiteral("/nowhere/old-reader"));
        associations_.values[QStringLiteral(".PDF")] = QStringLiteral("Reader");
        associations_.values[QStringLiteral("Reader\\shell\\open\\command")] =
            QStringLiteral("\"/usr/bin/evince\" \"%1\"");
        const QString doc = document();
        OuvrirDocument(doc, platform_);
        QCOMPARE(launcher_.starts, (QList<QStringList>{{QStringLiteral("/usr/bin/evince"), doc}}));
        QCOMPARE(storedReader(), QStringLiteral("Reader")); // the entry, not its program
        QVERIFY(program_->dialogs.messages.isEmpty());

        const QString installed = reader(QStringLiteral("okular"));
        WriteSetting(programContext().settingsFilePath, QStringLiteral("systeme"),
                     QStringLiteral("acrobat"), installed);
        associations_.reads = 0;
        OuvrirDocument(doc, platform_);
        QCOMPARE(associations_.reads, 0);
        QCOMPARE(launcher_.starts.last(), (QStringList{installed, doc}));
    }

    // An entry's whole command starts, as sandboxed packages write it, and the entry is kept.
    void desktopEntryStartsAsItSays()
    {
        associations_.values[QStringLiteral(".PDF")] = QStringLiteral("reader.desktop");
        associations_.values[QStringLiteral("reader.desktop\\shell\\open\\command")] =
            QStringLiteral("\"/usr/bin/env\" \"FOO=1\" \"/opt/reader/bin/reader\" \"%1\"");
        const QString doc = document();
        OuvrirDocument(doc, platform_);
        associations_.values.remove(QStringLiteral(".PDF")); // the kept entry is used
        OuvrirDocument(doc, platform_);
        const QStringList whole{"/usr/bin/env", "FOO=1", "/opt/reader/bin/reader", doc};
        QCOMPARE(launcher_.starts, (QList<QStringList>{whole, whole}));
        QCOMPARE(storedReader(), QStringLiteral("reader.desktop"));
    }

    // No command anywhere: the reader question, then the dialog; the chosen reader is kept if
    // it starts, and told if it does not.
    void noReaderFoundAsksForOne_data()
    {
        QTest::addColumn<bool>("starts");
        row("it starts", true);
        row("it cannot start", false);
    }
    void noReaderFoundAsksForOne()
    {
        QFETCH(bool, starts);
        const QString chosen = reader(QStringLiteral("mupdf"));
        if (!starts)
            launcher_.refused << chosen;
        program_->dialogs.script({Answer::Yes});
        program_->dialogs.scriptFiles({chosen});
        const QString doc = document();
        OuvrirDocument(doc, platform_);
        QCOMPARE(program_->dialogs.messages.size(), starts ? 1 : 2);
        QCOMPARE(program_->dialogs.messages.first().text, readerQuestion());
        QCOMPARE(program_->dialogs.messages.first().buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
        QCOMPARE(launcher_.starts, (QList<QStringList>{{chosen, doc}}));
        QCOMPARE(storedReader(), starts ? chosen : QString());
        if (!starts) {
            const Dialogs::Message &told = program_->dialogs.messages.at(1);
            QCOMPARE(told.text, msg("ErrLancerLecteur_1") + chosen + msg("ErrLancerLecteur_2"));
            QCOMPARE(told.icon, Dialogs::Icon::Critical);
        }
    }

    // The questions name Acrobat's programs where those are the readers, the PDF reader
    // elsewhere; a file that is no reader there is refused.
    void questionsNameThePlatformsReader_data()
    {
        columns<ReaderConvention, QString, QString, QString>("convention", "chosen", "question",
                                                             "wrongProgram");
        row("Windows", ReaderConvention::Windows, "acrord32.exe", "OuvErrPDF2_2",
            "RchErrAcroread_2");
        row("Linux", ReaderConvention::Desktop, "notes.txt", "OuvErrPDF2_2Lecteur",
            "RchErrAcroread_2Lecteur");
    }
    void questionsNameThePlatformsReader()
    {
        auto [convention, chosen, question, wrongProgram] =
            fetch<ReaderConvention, QString, QString, QString>("convention", "chosen", "question",
                                                               "wrongProgram");
        platform_.convention = convention;
        program_->folder.writeFile(QStringLiteral("bin/") + chosen, "text\n");
        program_->dialogs.script({Answer::Yes, Answer::No});
        program_->dialogs.scriptFiles({program_->folder.file(QStringLiteral("bin/") + chosen)});
        OuvrirDocument(document(), platform_);
        QVERIFY(!msg(qPrintable(question)).isEmpty() && !msg(qPrintable(wrongProgram)).isEmpty());
        QCOMPARE(program_->dialogs.messages.size(), 2);
        QCOMPARE(program_->dialogs.messages.at(0).text, readerQuestion(qPrintable(question)));
        QCOMPARE(program_->dialogs.messages.at(1).text,
                 msg("RchErrAcroread_1") + chosen + msg(qPrintable(wrongProgram)) +
                     QStringLiteral("\r\n\r\n") + msg("RchErrAcroread_3"));
        QVERIFY(launcher_.starts.isEmpty());
    }

    // The menu item opens its document with the busy pointer while the reader starts.
    void menuItemOpensItsDocument()
    {
        MainWindow *window = program_->window();
        const QString doc = document();
        associations_.values[kAcrobatCommand] = QStringLiteral("\"/usr/bin/mupdf\" \"%1\"");
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
};

QTEST_MAIN(DocumentsTest)
#include "test_documents.moc"
