// New, Open, Save, Save As and Erase with every answer the broker can give.
#include "domain/illustration.h"
#include "support/datarow.h"
#include "support/readonlymark.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/appstate.h"
#include "ui/filecommands.h"
#include "ui/illustrationio.h"
#include "ui/mainwindow.h"
#include "ui/quoteform.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

using Answer = Dialogs::Answer;

class FileCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *form_ = nullptr;

    QString msg(const char *key) const
    {
        return program_->text("French", QStringLiteral("modEnregistrement-Msg"),
                              QLatin1String(key));
    }
    // The broker's unsaved entry.
    void edit(const QString &name)
    {
        form_->txtNom->setText(name);
        ::norvel::test::illustration().modified = true;
    }
    const Dialogs::Message &lastQuestion() const { return program_->dialogs.messages.constLast(); }

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
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("reset");
        row("Cancel keeps everything", int(Answer::Cancel), false);
        row("No resets the form", int(Answer::No), true);
        row("Yes, then the dialog cancelled, keeps everything", int(Answer::Yes), false);
    }
    void newAsksForAnIllustrationWithoutFile()
    {
        QFETCH(int, answer);
        QFETCH(bool, reset);
        edit(QStringLiteral("Tremblay"));
        program_->dialogs.script({Answer(answer)});
        NouvelleIllustration(*::norvel::test::mainWindow());
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QCOMPARE(lastQuestion().text, msg("NouIllus_t"));
        QCOMPARE(lastQuestion().buttons, Dialogs::Buttons::YesNoCancel);
        QCOMPARE(lastQuestion().defaultAnswer, Answer::Yes);
        QCOMPARE(lastQuestion().icon, Dialogs::Icon::Question);
        QCOMPARE(form_->txtNom->text(), reset ? QString() : QStringLiteral("Tremblay"));
        QCOMPARE(::norvel::test::illustration().modified, !reset);
        QCOMPARE(program_->dialogs.fileRequests.size(), answer == int(Answer::Yes) ? 1 : 0);
    }

    void newWithAFileSavesItWithoutADialog()
    {
        const QString path = program_->illustration(QStringLiteral("Roy.Luc.nvl"));
        program_->dialogs.scriptFiles({path});
        edit(QStringLiteral("Roy"));
        EnregistrerIllustration(*::norvel::test::mainWindow()); // no file yet: Save As
        QCOMPARE(::norvel::test::illustration().fileName, path);
        edit(QStringLiteral("Roy-Gagné"));
        program_->dialogs.script({Answer::Yes});
        NouvelleIllustration(*::norvel::test::mainWindow());
        QCOMPARE(lastQuestion().text,
                 msg("NouIllus_1") + QStringLiteral("Roy") + msg("NouIllus_2"));
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
        QVERIFY(form_->txtNom->text().isEmpty());
        QVERIFY(::norvel::test::illustration().fileName.isEmpty());
        // The file holds the last entry.
        QVERIFY(LireIllustration(*::norvel::test::mainWindow(), path));
        QCOMPARE(form_->txtNom->text(), QString::fromUtf8("Roy-Gagné"));
    }

    void saveAsDialogIsConfigured()
    {
        EnregistrerIllustration(*::norvel::test::mainWindow());
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
        const Dialogs::FileRequest &r = program_->dialogs.fileRequests.at(0);
        QCOMPARE(r.kind, Dialogs::FileRequest::Kind::Save);
        QCOMPARE(r.title, msg("EnrIllus_t"));
        QCOMPARE(r.defaultSuffix, QStringLiteral("NVL"));
        QVERIFY(r.confirmOverwrite);
        QCOMPARE(r.folder, program_->folder.file(QStringLiteral("Illust")));
        QCOMPARE(r.filter, program_->text("French", QStringLiteral("frmMDI-Val"),
                                          QStringLiteral("DialogFilter")));
        QVERIFY(r.fileName.isEmpty());
        QVERIFY(appState().saveCancelled);
    }

    void aSaveThatFailsKeepsTheEntries()
    {
        edit(QStringLiteral("Tremblay"));
        program_->dialogs.script({Answer::Yes});
        program_->dialogs.scriptFiles({program_->illustration(QStringLiteral("Missing/X.nvl"))});
        NouvelleIllustration(*::norvel::test::mainWindow());
        QCOMPARE(form_->txtNom->text(), QStringLiteral("Tremblay"));
        QVERIFY(::norvel::test::illustration().modified);
        QVERIFY(::norvel::test::illustration().fileName.isEmpty());
    }

    void openCancelledChangesNothing()
    {
        form_->txtNom->setText(QStringLiteral("Tremblay"));
        ::norvel::test::illustration().modified = false;
        OuvrirIllustration(*::norvel::test::mainWindow());
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
        QCOMPARE(program_->dialogs.fileRequests.at(0).title, msg("OuvIllus"));
        QCOMPARE(form_->txtNom->text(), QStringLiteral("Tremblay"));
    }

    void openReadsTheChosenFile()
    {
        const QString path = program_->illustration(QStringLiteral("Gagne.nvl"));
        form_->txtNom->setText(QStringLiteral("Gagné"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));
        NouvelleIllustration(*::norvel::test::mainWindow());
        program_->dialogs.scriptFiles({path});
        OuvrirIllustration(*::norvel::test::mainWindow());
        QCOMPARE(form_->txtNom->text(), QString::fromUtf8("Gagné"));
        QCOMPARE(::norvel::test::illustration().fileName, path);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Gagne"));
    }

    void eraseAsksThenKeepsTheOpenName_data()
    {
        QTest::addColumn<int>("answer");
        row("No", int(Answer::No));
        row("Yes", int(Answer::Yes));
    }
    void eraseAsksThenKeepsTheOpenName()
    {
        QFETCH(int, answer);
        const QString open = program_->illustration(QStringLiteral("Ouvert.nvl"));
        program_->dialogs.scriptFiles({open});
        EnregistrerIllustrationSous(*::norvel::test::mainWindow());
        program_->dialogs.scriptFiles({open});
        program_->dialogs.script({Answer(answer)});
        EffacerIllustration();
        const Dialogs::FileRequest &r = program_->dialogs.fileRequests.constLast();
        QCOMPARE(r.title, msg("EffIllus_t"));
        QVERIFY(r.fileName.isEmpty());
        QCOMPARE(lastQuestion().text,
                 msg("EffIllus_1") + QStringLiteral("Ouvert") + msg("EffIllus_2"));
        QCOMPARE(lastQuestion().defaultAnswer, Answer::No);
        QCOMPARE(QFile::exists(open), answer == int(Answer::No));
        QCOMPARE(::norvel::test::illustration().fileName, open);
        // A later Save writes the erased file again.
        EnregistrerIllustration(*::norvel::test::mainWindow());
        QVERIFY(QFile::exists(open));
    }

    // The system would let root delete it; the broker's read-only mark does not.
    void eraseKeepsWhatIsMarkedReadOnly_data()
    {
        QTest::addColumn<bool>("markFolder");
        row("read-only file", false);
        row("file in a read-only folder", true);
    }
    void eraseKeepsWhatIsMarkedReadOnly()
    {
        QFETCH(bool, markFolder);
        const QString path = program_->illustration(QStringLiteral("Garde.nvl"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));
        ReadOnlyMark mark(markFolder ? QFileInfo(path).absolutePath() : path);
        QVERIFY(mark.isSet());
        program_->dialogs.scriptFiles({path});
        program_->dialogs.script({Answer::Yes});
        EffacerIllustration();
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QVERIFY(QFile::exists(path));
    }

    void closingTheFormOffersToSave_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        row("No closes, nothing left to save", int(Answer::No), true);
        row("Cancel keeps it open", int(Answer::Cancel), false);
    }
    void closingTheFormOffersToSave()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        edit(QStringLiteral("Tremblay"));
        program_->dialogs.script({Answer(answer)});
        QVERIFY(form_->parentWidget()->close() == closed);
        QCOMPARE(appState().quoteFormOpen, !closed);
        QCOMPARE(::norvel::test::illustration().modified, !closed);
        if (!closed)
            return;
        // A following Open does not ask.
        OuvrirIllustration(*::norvel::test::mainWindow());
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
    }

    void closingTheMainWindowCanBeCancelled()
    {
        edit(QStringLiteral("Tremblay"));
        program_->dialogs.script({Answer::Cancel});
        QVERIFY(!program_->window()->close());
        QVERIFY(program_->window()->isVisible());
        QVERIFY(::norvel::test::quoteForm() && appState().quoteFormOpen);
        QVERIFY(appState().rateDatabase);
    }

    void fileMenuCommandsAreWired()
    {
        edit(QStringLiteral("Tremblay"));
        program_->dialogs.script({Answer::No});
        program_->window()->item("indNouveau")->trigger();
        QVERIFY(form_->txtNom->text().isEmpty());
        program_->window()->item("indEnregistrerSous")->trigger();
        program_->window()->item("indOuvrir")->trigger();
        program_->window()->item("indEffacer")->trigger();
        QCOMPARE(program_->dialogs.fileRequests.size(), 3);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
