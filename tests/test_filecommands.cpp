// The illustration files through the real windows: New, Open, Save, Save As and Erase with
// every answer the broker can give; what is written and read back, and writes that fail.
#include "domain/illusrecord.h"
#include "domain/illustration.h"
#include "support/datarow.h"
#include "support/filesizelimit.h"
#include "support/newillustration.h"
#include "support/readonlymark.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/brokerwindow.h"
#include "ui/desktopdialogs.h"
#include "ui/filecommands.h"
#include "ui/formutils.h"
#include "ui/illustrationio.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
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

    void eraseAsksThenKeepsTheOpenName()
    {
        const QString open = program_->illustration(QStringLiteral("Ouvert.nvl"));
        program_->dialogs.scriptFiles({open});
        EnregistrerIllustrationSous(*::norvel::test::mainWindow());
        program_->dialogs.scriptFiles({open});
        program_->dialogs.script({Answer::Yes});
        EffacerIllustration();
        const Dialogs::FileRequest &r = program_->dialogs.fileRequests.constLast();
        QCOMPARE(r.title, msg("EffIllus_t"));
        QVERIFY(r.fileName.isEmpty());
        QCOMPARE(lastQuestion().text,
                 msg("EffIllus_1") + QStringLiteral("Ouvert") + msg("EffIllus_2"));
        QCOMPARE(lastQuestion().defaultAnswer, Answer::No);
        QVERIFY(!QFile::exists(open));
        QCOMPARE(::norvel::test::illustration().fileName, open);
        // A later Save writes the erased file again.
        EnregistrerIllustration(*::norvel::test::mainWindow());
        QVERIFY(QFile::exists(open));
    }

    void eraseDialogSaysErase()
    {
        DesktopDialogs desktop;
        programContext().dialogs = &desktop;
        QString accept;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            accept =
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open)->text();
            dialog->reject();
        });
        program_->window()->item("indEffacer")->trigger();
        programContext().dialogs = &program_->dialogs;
        QCOMPARE(accept, msg("EffIllus_b"));
    }

    // The system would let root delete it; the broker's read-only mark does not.
    void eraseKeepsWhatIsMarkedReadOnly()
    {
        const QString path = program_->illustration(QStringLiteral("Garde.nvl"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));
        ReadOnlyMark mark(path);
        QVERIFY(mark.isSet());
        program_->dialogs.scriptFiles({path});
        program_->dialogs.script({Answer::Yes});
        EffacerIllustration();
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QVERIFY(QFile::exists(path));
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

    void newIllustrationIsTheReferenceFile()
    {
        const QString path = program_->illustration(QStringLiteral("Tremblay.J.nvl"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));
        const QByteArray bytes = bytesOf(path);
        QCOMPARE(bytes.size(), kIllustrationFileSize);
        QCOMPARE(bytes.mid(kIllusRecordSize), encodeQuoteRecord(newIllustrationRecord()));
        QCOMPARE(bytes.left(kIllusRecordSize), encodeBrokerRecord(QString(), QString()));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Tremblay"));
        QVERIFY(!::norvel::test::illustration().modified);
    }

    void aQuoteComesBackAsItWasEntered()
    {
        ::norvel::test::brokerWindow()->txtNom->setText(QStringLiteral("Luc Roy"));
        ViderMasque(form_->mskEffet, QStringLiteral("15032010"));
        form_->txtHypotheque->setText(QStringLiteral("150 000 $"));
        form_->txtNom->setText(QString::fromUtf8("Côté"));
        form_->optFumeur[1]->setChecked(true);
        form_->txtAge->setText(QStringLiteral("45"));
        // A co-borrower entered, then unticked: the file keeps the entries.
        form_->chkCoemprunteur->setChecked(true);
        form_->txtPrenomCo->setText(QStringLiteral("Marc"));
        form_->txtAgeCo->setText(QStringLiteral("47"));
        form_->optSexeCo[0]->setChecked(true);
        form_->chkCoemprunteur->setChecked(false);
        const QString path = program_->illustration(QStringLiteral("Cote.nvl"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));

        form_->resetToNewIllustration();
        ::norvel::test::brokerWindow()->txtNom->setText(QString());
        QVERIFY(LireIllustration(*::norvel::test::mainWindow(), path));
        QCOMPARE(form_->mskEffet->formattedText(), QStringLiteral("15/03/2010"));
        QCOMPARE(form_->txtHypotheque->text(), QStringLiteral("150\u00A0000 $"));
        QCOMPARE(form_->txtVersement->text(), QStringLiteral("100 $"));
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
    }

    void anUnreadableFileChangesNothing_data()
    {
        QTest::addColumn<int>("damage");
        row("truncated", 1);
        row("co-borrower byte 3", 2);
    }
    void anUnreadableFileChangesNothing()
    {
        QFETCH(int, damage);
        form_->txtNom->setText(QStringLiteral("Tremblay"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), program_->illustration(QStringLiteral("Good.nvl"))));
        ::norvel::test::illustration().modified = true;
        const QString before =
            QString::fromLatin1(bytesOf(program_->folder.file(QStringLiteral("norvel.ini"))));

        QByteArray bytes =
            encodeIllustration(QStringLiteral("Autre"), QStringLiteral("4185550000"), {});
        if (damage == 1)
            bytes.truncate(200);
        if (damage == 2)
            bytes[kIllusRecordSize + 14] = 3;
        const QString bad = program_->illustration(QStringLiteral("Bad.nvl"));
        program_->folder.writeFile(QStringLiteral("Illust/Bad.nvl"), bytes);

        QVERIFY(!LireIllustration(*::norvel::test::mainWindow(), bad));
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QCOMPARE(program_->dialogs.messages.at(0).text,
                 program_->text("French", "modEnregistrement-Msg", "ErrAffSoumission"));
        QCOMPARE(program_->dialogs.messages.at(0).icon, Dialogs::Icon::Critical);
        QCOMPARE(form_->txtNom->text(), QStringLiteral("Tremblay"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Good"));
        QVERIFY(::norvel::test::illustration().modified);
        QCOMPARE(QString::fromLatin1(bytesOf(program_->folder.file(QStringLiteral("norvel.ini")))),
                 before);
    }

    void aReadOnlyMarkIsKept()
    {
        const QString path = program_->illustration(QStringLiteral("Lecture.nvl"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));
        const QByteArray before = bytesOf(path);
        const QString folder = QFileInfo(path).absolutePath();
        const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
        ReadOnlyMark mark(path);
        QVERIFY(mark.isSet());
        form_->txtNom->setText(QStringLiteral("Changed"));
        ::norvel::test::illustration().modified = true;
        QVERIFY(!EcrireIllustration(*::norvel::test::mainWindow(), path));
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), filesBefore);
        QVERIFY(::norvel::test::illustration().modified);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QVERIFY(program_->dialogs.messages.at(0).text.endsWith(QLatin1String("(read-only file)")));
    }

    void aDiskThatFillsHalfwayKeepsTheOldFile()
    {
        const QString path = program_->illustration(QStringLiteral("Plein.nvl"));
        QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));
        const QByteArray before = bytesOf(path);
        form_->txtNom->setText(QStringLiteral("Changed"));
        ::norvel::test::illustration().modified = true;
        // No file may grow past 100 bytes: the write stops in the middle of the first record.
        const bool written = test::withFileSizeLimit(100, [&] { return EcrireIllustration(*::norvel::test::mainWindow(), path); });
        QVERIFY(!written);
        QCOMPARE(bytesOf(path), before);
        QVERIFY(::norvel::test::illustration().modified);
        const QStringList left = QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files);
        QCOMPARE(left, QStringList{QStringLiteral("Plein.nvl")});
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
