// The illustration files through the real windows: New, Open, Save, Save As and Erase with
// every answer the broker can give; what is written and read back, and writes that fail.
#include "support/program.h"
#include "support/filesizelimit.h"
#include "support/newillustration.h"
#include "support/quoteentry.h"
#include "support/readonlymark.h"
#include "ui/filecommands.h"
#include "ui/formutils.h"
#include "ui/illustrationio.h"
#include <optional>

using namespace norvel;
using namespace norvel::test;

using Answer = Dialogs::Answer;

class FileCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *form_ = nullptr;

    QString msg(const char *key) const
    {
        return program_->text("French", "modEnregistrement-Msg", QLatin1String(key));
    }
    // The broker's unsaved entry.
    void edit(const QString &name)
    {
        form_->txtNom->setText(name);
        ::norvel::test::illustration().modified = true;
    }
    const Dialogs::Message &lastQuestion() const { return program_->dialogs.messages.constLast(); }
    void erase(const QString &path)
    {
        program_->dialogs.scriptFiles({path});
        program_->dialogs.script({Answer::Yes});
        program_->window()->item("indEffacer")->trigger();
    }

private Q_SLOTS:
    void init()
    {
        program_ = std::make_unique<RunningProgram>();
        form_ = ::norvel::test::quoteForm();
        QVERIFY(form_);
    }
    void cleanup() { program_.reset(); }

    void newAsksForAnIllustrationWithoutFile_data()
    {
        // file: chosen in the Save As dialog; empty: cancelled
        columns<int, QString, bool>("answer", "file", "reset");
        row("Cancel keeps everything", int(Answer::Cancel), "", false);
        row("No resets the form", int(Answer::No), "", true);
        row("Yes, then the dialog cancelled, keeps everything", int(Answer::Yes), "", false);
        row("Yes, then a failed write, keeps everything", int(Answer::Yes), "Missing/X.nvl", false);
    }
    void newAsksForAnIllustrationWithoutFile()
    {
        auto [answer, file, reset] = fetch<int, QString, bool>("answer", "file", "reset");
        edit(QStringLiteral("Tremblay"));
        program_->dialogs.script({Answer(answer)});
        if (!file.isEmpty())
            program_->dialogs.scriptFiles({program_->illustration(file)});
        program_->window()->item("indNouveau")->trigger();
        QCOMPARE(program_->dialogs.messages.size(), file.isEmpty() ? 1 : 2);
        QCOMPARE(program_->dialogs.messages.at(0).text, msg("NouIllus_t"));
        QCOMPARE(program_->dialogs.messages.at(0).buttons, Dialogs::Buttons::YesNoCancel);
        QCOMPARE(program_->dialogs.messages.at(0).defaultAnswer, Answer::Yes);
        QCOMPARE(program_->dialogs.messages.at(0).icon, Dialogs::Icon::Question);
        QCOMPARE(form_->txtNom->text(), reset ? QString() : QStringLiteral("Tremblay"));
        QCOMPARE(::norvel::test::illustration().modified, !reset);
        QVERIFY(::norvel::test::illustration().fileName.isEmpty());
        QCOMPARE(program_->dialogs.fileRequests.size(), answer == int(Answer::Yes) ? 1 : 0);
    }

    // New saves an illustration that has its file without a dialog.
    void newWithAFileSavesItWithoutADialog()
    {
        const QString path = program_->illustration(QStringLiteral("Roy.Luc.nvl"));
        program_->dialogs.scriptFiles({path});
        edit(QStringLiteral("Roy"));
        EnregistrerIllustration(*program_->window()); // no file yet: Save As
        QCOMPARE(::norvel::test::illustration().fileName, path);
        edit(QStringLiteral("Roy-Gagné"));
        program_->dialogs.script({Answer::Yes});
        NouvelleIllustration(*program_->window());
        QCOMPARE(lastQuestion().text,
                 msg("NouIllus_1") + QStringLiteral("Roy") + msg("NouIllus_2"));
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
        QVERIFY(form_->txtNom->text().isEmpty());
        QVERIFY(::norvel::test::illustration().fileName.isEmpty());
        // The file holds the last entry.
        OuvrirFichierIllustration(*program_->window(), path);
        QCOMPARE(form_->txtNom->text(), QString::fromUtf8("Roy-Gagné"));

        // Erase asks, then keeps the open name.
        program_->window()->item("indEffacer")->trigger(); // no file chosen: nothing erased
        QVERIFY(QFile::exists(path));
        QCOMPARE(program_->dialogs.messages.size(), 1);
        erase(path);
        const Dialogs::FileRequest &r = program_->dialogs.fileRequests.constLast();
        QCOMPARE(r.title, msg("EffIllus_t"));
        QCOMPARE(r.acceptLabel, msg("EffIllus_b"));
        QVERIFY(r.fileName.isEmpty());
        QCOMPARE(lastQuestion().text,
                 msg("EffIllus_1") + QStringLiteral("Roy") + msg("EffIllus_2"));
        QCOMPARE(lastQuestion().defaultAnswer, Answer::No);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(::norvel::test::illustration().fileName, path);
        // A later Save writes the erased file again; marked read-only, it stays, even where the
        // system would let root delete it.
        EnregistrerIllustration(*program_->window());
        ReadOnlyMark mark(path);
        QVERIFY(mark.isSet());
        erase(path);
        QVERIFY(QFile::exists(path));
        // A file the system does not delete is told, never taken as erased.
        const QString gone = program_->illustration(QStringLiteral("Absent.nvl"));
        erase(gone);
        QVERIFY(lastQuestion().text.startsWith(
            msg("ErrEffIllus_1") + QDir::toNativeSeparators(gone) + msg("ErrEffIllus_2")));
        QCOMPARE(lastQuestion().icon, Dialogs::Icon::Critical);
    }

    // File lists the last four illustrations opened or saved, most recent first, across a
    // restart; one chosen goes through the save question; Erase, or a file gone (with a
    // message), takes it out.
    void recentIllustrations()
    {
        const auto item = [&](int n) {
            return program_->window()->item(qPrintable(QStringLiteral("indRecent%1").arg(n)));
        };
        const auto shown = [&] {
            QStringList captions;
            for (int n = 1; n <= 4; ++n)
                if (item(n)->isVisible())
                    captions << item(n)->text();
            return captions;
        };
        for (const char *name : {"A.nvl", "B.nvl", "C.nvl", "D.nvl", "E.nvl", "C.nvl"})
            program_->dialogs.scriptFiles({program_->illustration(name)});
        // The last Open finds no file chosen.
        for (const char *command : {"EnregistrerSous", "EnregistrerSous", "EnregistrerSous",
                                    "EnregistrerSous", "EnregistrerSous", "Ouvrir", "Ouvrir"})
            program_->window()->item(qPrintable(QStringLiteral("ind") + command))->trigger();
        const QStringList four{"&1 C.nvl", "&2 E.nvl", "&3 D.nvl", "&4 B.nvl"};
        QCOMPARE(shown(), four);
        QCOMPARE(program_->restart(), StartupResult::Running);
        form_ = ::norvel::test::quoteForm();
        QCOMPARE(shown(), four);
        edit(QStringLiteral("Roy"));
        program_->dialogs.script({Answer::Cancel, Answer::No});
        item(2)->trigger();
        QCOMPARE(form_->txtNom->text(), QStringLiteral("Roy"));
        item(2)->trigger();
        QCOMPARE(::norvel::test::illustration().fileName, program_->illustration("E.nvl"));
        QCOMPARE(program_->dialogs.messages.size(), 2);
        erase(program_->illustration("D.nvl"));
        QVERIFY(QFile::remove(program_->illustration("C.nvl")));
        item(2)->trigger();
        QCOMPARE(lastQuestion().text,
                 msg("ErrRecent_1") + program_->illustration("C.nvl") + msg("ErrRecent_2"));
        QCOMPARE(shown(), QStringList({"&1 E.nvl", "&2 B.nvl"}));
        QCOMPARE(program_->setting("recents", "fichier2"), program_->illustration("B.nvl"));
    }

    // A new illustration writes the reference file; a quote comes back as it was entered; a
    // file that cannot be read changes nothing.
    void aQuoteComesBackAsItWasEntered()
    {
        const QString fresh = program_->illustration(QStringLiteral("Tremblay.J.nvl"));
        QVERIFY(EcrireIllustration(*program_->window(), fresh));
        QCOMPARE(bytesOf(fresh), encodeIllustration(QString(), QString(), newIllustrationRecord()));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Tremblay"));
        QVERIFY(!::norvel::test::illustration().modified);

        ::norvel::test::brokerWindow()->txtNom->setText(QStringLiteral("Luc Roy"));
        // A co-borrower entered, then unticked: the file keeps the entries.
        enterQuote(form_, {45, 47, 1500, 150000});
        form_->txtHypotheque->setText(QStringLiteral("150 000 $"));
        form_->txtNom->setText(QString::fromUtf8("Côté"));
        form_->optFumeur[1]->setChecked(true);
        form_->chkCoemprunteur->setChecked(false);
        const QString path = program_->illustration(QStringLiteral("Cote.nvl"));
        QVERIFY(EcrireIllustration(*program_->window(), path));

        form_->resetToNewIllustration();
        ::norvel::test::brokerWindow()->txtNom->setText(QString());
        QVERIFY(LireIllustration(*program_->window(), path));
        QCOMPARE(form_->mskEffet->formattedText(), QStringLiteral("01/09/2010"));
        QCOMPARE(form_->txtHypotheque->text(), QStringLiteral("150\u00A0000 $"));
        QCOMPARE(form_->txtVersement->text(), QStringLiteral("1\u00A0500 $"));
        QCOMPARE(form_->txtNom->text(), QString::fromUtf8("Côté"));
        QVERIFY(form_->optFumeur[1]->isChecked());
        QCOMPARE(form_->txtAge->text(), QStringLiteral("45"));
        QVERIFY(!form_->chkCoemprunteur->isChecked());
        QCOMPARE(form_->windowTitle(), QStringLiteral("Cote"));
        QVERIFY(!::norvel::test::illustration().modified);
        // The broker stored in the file becomes the current one.
        QCOMPARE(program_->setting("courtier", "nom"), QStringLiteral("Luc Roy"));
        QCOMPARE(::norvel::test::brokerWindow()->txtNom->text(), QStringLiteral("Luc Roy"));

        form_->chkCoemprunteur->setChecked(true);
        QCOMPARE(form_->txtPrenomCo->text(), QStringLiteral("Marc"));
        QCOMPARE(form_->txtAgeCo->text(), QStringLiteral("47"));

        edit(QStringLiteral("Roy"));
        const QString ini = program_->folder.file(QStringLiteral("norvel.ini"));
        const QByteArray before = bytesOf(ini);
        const QString bad = program_->illustration(QStringLiteral("Bad.nvl"));
        QVERIFY(writeBytes(bad, encodeIllustration("Autre", "4185550000", {}).left(200)));
        QVERIFY(!LireIllustration(*program_->window(), bad));
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QCOMPARE(program_->dialogs.messages.at(0).text, msg("ErrAffSoumission"));
        QCOMPARE(program_->dialogs.messages.at(0).icon, Dialogs::Icon::Critical);
        QCOMPARE(form_->txtNom->text(), QStringLiteral("Roy"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Cote"));
        QVERIFY(::norvel::test::illustration().modified);
        QCOMPARE(bytesOf(ini), before);
    }

    // A file marked read-only, or a disk that fills halfway (no file may grow past 100
    // bytes: the write stops in the first record), keeps the old file and the entries.
    void aFailedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("readOnly");
        row("read-only mark", true);
        row("disk full", false);
    }
    void aFailedWriteKeepsTheOldFile()
    {
        QFETCH(bool, readOnly);
        const QString path = program_->illustration(QStringLiteral("Lecture.nvl"));
        QVERIFY(EcrireIllustration(*program_->window(), path));
        const QByteArray before = bytesOf(path);
        const QStringList filesBefore = QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files);
        std::optional<ReadOnlyMark> mark;
        if (readOnly)
            QVERIFY(mark.emplace(path).isSet());
        edit(QStringLiteral("Changed"));
        QVERIFY(!withFileSizeLimit(readOnly ? 1 << 20 : 100,
                                   [&] { return EcrireIllustration(*program_->window(), path); }));
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), filesBefore);
        QVERIFY(::norvel::test::illustration().modified);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QVERIFY(program_->dialogs.messages.at(0).text.startsWith(msg("ErrEnrIllus_1") +
                                                                 QDir::toNativeSeparators(path)));
        if (readOnly)
            QVERIFY(program_->dialogs.messages.at(0).text.endsWith("(read-only file)"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
