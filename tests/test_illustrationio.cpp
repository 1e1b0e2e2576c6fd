// Writing the form to an illustration file and reading it back, through the real windows.
#include "domain/illusrecord.h"
#include "domain/illustration.h"
#include "support/datarow.h"
#include "support/filesizelimit.h"
#include "support/newillustration.h"
#include "support/readonlymark.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/appstate.h"
#include "ui/brokerwindow.h"
#include "ui/formutils.h"
#include "ui/illustrationio.h"
#include "ui/maskededit.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class IllustrationIoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *form_ = nullptr;

private Q_SLOTS:
    void init()
    {
        program_ = std::make_unique<RunningProgram>();
        form_ = ::norvel::test::quoteForm();
        QVERIFY(form_);
    }
    void cleanup() { program_.reset(); }

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
        form_->txtTerme->setText(QStringLiteral("60"));
        form_->txtHypotheque->setText(QStringLiteral("150 000 $"));
        form_->txtNom->setText(QString::fromUtf8("Côté"));
        form_->txtPrenom->setText(QString::fromUtf8("Hélène"));
        form_->optSexe[1]->setChecked(true);
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
        QCOMPARE(form_->txtTerme->text(), QStringLiteral("60"));
        QCOMPARE(form_->txtHypotheque->text(), QStringLiteral("150 000 $"));
        QCOMPARE(form_->txtVersement->text(), QStringLiteral("100 $"));
        QCOMPARE(form_->txtNom->text(), QString::fromUtf8("Côté"));
        QCOMPARE(form_->txtPrenom->text(), QString::fromUtf8("Hélène"));
        QVERIFY(form_->optSexe[1]->isChecked());
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
        QVERIFY(form_->optSexeCo[0]->isChecked());
    }

    void anUnreadableFileChangesNothing_data()
    {
        QTest::addColumn<int>("damage");
        row("missing", 0);
        row("truncated", 1);
        row("co-borrower byte 3", 2);
        row("amount not a number", 3);
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
        if (damage == 3)
            bytes.replace(kIllusRecordSize + 61, 6, "12a   ");
        const QString bad = program_->illustration(QStringLiteral("Bad.nvl"));
        if (damage != 0)
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

    void aFailedWriteLosesNothing_data()
    {
        QTest::addColumn<QString>("target");
        row("missing folder", "Missing/X.nvl");
        row("a folder in the way", "Folder.nvl");
    }
    void aFailedWriteLosesNothing()
    {
        QFETCH(QString, target);
        QDir().mkpath(program_->illustration(QStringLiteral("Folder.nvl")));
        form_->txtNom->setText(QStringLiteral("Tremblay"));
        ::norvel::test::illustration().modified = true;
        const QString caption = form_->windowTitle();
        const QString path = program_->illustration(target);
        QVERIFY(!EcrireIllustration(*::norvel::test::mainWindow(), path));
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QVERIFY(program_->dialogs.messages.at(0).text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(::norvel::test::illustration().modified);
        QCOMPARE(form_->windowTitle(), caption);
    }

    void aReadOnlyMarkIsKept_data()
    {
        QTest::addColumn<bool>("markFolder");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("reason");
        row("read-only file", false, true, "read-only file");
        row("file in a read-only folder", true, true, "read-only folder");
        row("new file in a read-only folder", true, false, "read-only folder");
    }
    void aReadOnlyMarkIsKept()
    {
        QFETCH(bool, markFolder);
        QFETCH(bool, existing);
        QFETCH(QString, reason);
        const QString path = program_->illustration(QStringLiteral("Lecture.nvl"));
        if (existing)
            QVERIFY(EcrireIllustration(*::norvel::test::mainWindow(), path));
        const QByteArray before = bytesOf(path);
        const QString folder = QFileInfo(path).absolutePath();
        const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
        ReadOnlyMark mark(markFolder ? folder : path);
        QVERIFY(mark.isSet());
        form_->txtNom->setText(QStringLiteral("Changed"));
        ::norvel::test::illustration().modified = true;
        QVERIFY(!EcrireIllustration(*::norvel::test::mainWindow(), path));
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(QFileInfo::exists(path), existing);
        QCOMPARE(QDir(folder).entryList(QDir::Files), filesBefore);
        QVERIFY(::norvel::test::illustration().modified);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QVERIFY(program_->dialogs.messages.at(0).text.endsWith(QLatin1Char('(') + reason + ')'));
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

QTEST_MAIN(IllustrationIoTest)
#include "test_illustrationio.moc"
