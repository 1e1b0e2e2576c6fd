// The quote form as the broker meets it: tab order, design state, enabling rules, colours,
// the co-borrower memory, Esc, and the quote button's validation.
#include "base/clock.h"
#include "domain/displayname.h"
#include "domain/illustration.h"
#include "domain/language.h"
#include "support/datarow.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/appstate.h"
#include "ui/formutils.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

QString nameOf(const QWidget *w)
{
    const QVariant index = w->property("Index");
    return w->objectName() +
           (index.isValid() ? QStringLiteral("(%1)").arg(index.toInt()) : QString());
}

QColor base(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

QColor windowBackground(const QWidget *w)
{
    return QApplication::palette(w).color(QPalette::Active, QPalette::Base);
}

QColor buttonFace(const QWidget *w)
{
    return QApplication::palette(w).color(QPalette::Active, QPalette::Button);
}

} // namespace

class QuoteFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *form_ = nullptr;

    // A click on the box itself, where the broker clicks.
    void tick()
    {
        QCheckBox *box = form_->chkCoemprunteur;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

private Q_SLOTS:
    void init()
    {
        program_ = std::make_unique<RunningProgram>();
        form_ = ::norvel::test::quoteForm();
        QVERIFY(form_);
        program_->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program_->window()));
    }
    void cleanup()
    {
        program_.reset();
        setToday(QDate());
    }

    void tabOrderFollowsTheForm()
    {
        const QStringList expected = {
            "mskEffet",       "txtTerme",      "txtHypotheque", "txtVersement",    "optEcheance(0)",
            "optEcheance(1)", "mskEcheance",   "txtEcheance",   "txtPrenom",       "txtNom",
            "optNaisEmp(0)",  "optNaisEmp(1)", "mskDateEmp",    "txtAge",          "optSexe(0)",
            "optSexe(1)",     "optFumeur(0)",  "optFumeur(1)",  "chkCoemprunteur", "txtPrenomCo",
            "txtNomCo",       "optNaisCo(0)",  "optNaisCo(1)",  "mskDateCo",       "txtAgeCo",
            "optSexeCo(0)",   "optSexeCo(1)",  "optFumCo(0)",   "optFumCo(1)",     "cmdCotation"};
        QStringList chain;
        QWidget *w = form_->mskEffet;
        for (int i = 0; i < expected.size(); ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty())
                w = w->nextInFocusChain();
            chain << nameOf(w);
        }
        QCOMPARE(chain, expected);
    }

    void newIllustrationDefaults()
    {
        QCOMPARE(form_->txtHypotheque->text(), QStringLiteral("10 000 $"));
        QCOMPARE(form_->txtVersement->text(), QStringLiteral("100 $"));
        QVERIFY(form_->optEcheance[0]->isChecked());
        QVERIFY(form_->optNaisEmp[1]->isChecked());
        QVERIFY(form_->optSexe[0]->isChecked());
        QVERIFY(form_->optFumeur[0]->isChecked());
        QVERIFY(!form_->chkCoemprunteur->isChecked());
        QCOMPARE(form_->windowTitle(),
                 program_->text("French", "modEnregistrement-Msg", "NouIllus"));
        QCOMPARE(QApplication::focusWidget(), form_->mskEffet);
        QVERIFY(appState().quoteFormOpen);
        QVERIFY(!::norvel::test::illustration().modified);
    }

    void designStateAndColours_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("enabled");
        row("loan date", "mskEffet", true);
        row("end-of-term date, no loan date yet", "mskEcheance", false);
        row("amortization", "txtEcheance", false);
        row("birth date", "mskDateEmp", false);
        row("age", "txtAge", true);
        row("co first name", "txtPrenomCo", false);
        row("co age", "txtAgeCo", false);
    }
    void designStateAndColours()
    {
        QFETCH(QString, control);
        QFETCH(bool, enabled);
        auto *box = form_->findChild<QLineEdit *>(control);
        QVERIFY(box);
        QCOMPARE(box->isEnabled(), enabled);
        QCOMPARE(base(box), enabled ? windowBackground(box) : buttonFace(box));
    }

    void optionsEnableTheirBox()
    {
        form_->txtAge->setText(QStringLiteral("40"));
        form_->optNaisEmp[0]->click();
        QVERIFY(form_->mskDateEmp->isEnabled());
        QCOMPARE(base(form_->mskDateEmp), windowBackground(form_->mskDateEmp));
        QVERIFY(!form_->txtAge->isEnabled());
        QCOMPARE(base(form_->txtAge), buttonFace(form_->txtAge));
        QCOMPARE(form_->txtAge->text(), QStringLiteral("40")); // the age stays shown, greyed
        form_->optNaisEmp[1]->click();
        QVERIFY(form_->txtAge->isEnabled());
        QCOMPARE(form_->txtAge->text(), QStringLiteral("40"));
        QVERIFY(!form_->mskDateEmp->isEnabled());

        ViderMasque(form_->mskEffet, today().toString(QStringLiteral("ddMMyyyy")));
        form_->optEcheance[1]->click();
        QVERIFY(!form_->mskEcheance->isEnabled());
        QVERIFY(form_->txtEcheance->isEnabled());
        QCOMPARE(base(form_->txtEcheance), windowBackground(form_->txtEcheance));
        form_->optEcheance[0]->click();
        QVERIFY(form_->mskEcheance->isEnabled());
        QVERIFY(!form_->txtEcheance->isEnabled());
    }

    void coBorrowerStartsFreshAndComesBackAsTyped()
    {
        tick();
        QVERIFY(form_->optFumCo[0]->isChecked());
        QVERIFY(form_->optNaisCo[1]->isChecked());
        QVERIFY(form_->optSexeCo[0]->isChecked());
        QVERIFY(form_->txtPrenomCo->text().isEmpty());
        QVERIFY(form_->txtAgeCo->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form_->txtPrenomCo);

        form_->txtPrenomCo->insert(QStringLiteral("Hélène"));
        form_->txtNomCo->setText(QStringLiteral("Côté"));
        form_->optNaisCo[0]->click();
        form_->mskDateCo->setCursorPosition(0);
        QTest::keyClicks(form_->mskDateCo, QStringLiteral("02041975"));
        form_->optSexeCo[1]->click();
        form_->optFumCo[1]->click();

        tick();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 form_->txtPrenomCo, form_->txtNomCo, form_->mskDateCo, form_->txtAgeCo,
                 form_->optNaisCo[0], form_->optSexeCo[1], form_->optFumCo[1]})
            QVERIFY2(!w->isEnabled(), qPrintable(nameOf(w)));
        QVERIFY(form_->mskDateCo->digits().isEmpty());
        QVERIFY(form_->txtAgeCo->text().isEmpty());
        QVERIFY(form_->txtPrenomCo->text().isEmpty());
        QCOMPARE(form_->mskDateCo->palette().color(QPalette::Text),
                 QApplication::palette(form_->mskDateCo).color(QPalette::Disabled, QPalette::Text));

        tick();
        QCOMPARE(form_->txtPrenomCo->text(), QString::fromUtf8("Hélène"));
        QCOMPARE(form_->txtNomCo->text(), QString::fromUtf8("Côté"));
        QVERIFY(form_->optNaisCo[0]->isChecked());
        QVERIFY(form_->mskDateCo->isEnabled());
        QCOMPARE(form_->mskDateCo->formattedText(), QStringLiteral("02/04/1975"));
        QVERIFY(form_->optSexeCo[1]->isChecked());
        QVERIFY(form_->optFumCo[1]->isChecked());
    }

    void escapeClosesTheForm()
    {
        QTest::keyClick(form_->txtNom, Qt::Key_Escape);
        QTRY_VERIFY(!::norvel::test::quoteForm());
        QVERIFY(!appState().quoteFormOpen);
        QAction *file = program_->window()->item("mnuFichier");
        Q_EMIT file->menu()->aboutToShow();
        QVERIFY(!program_->window()->item("indEnregistrer")->isEnabled());
        QVERIFY(!program_->window()->item("indEnregistrerSous")->isEnabled());
        QVERIFY(program_->window()->item("indNouveau")->isEnabled());

        program_->window()->showQuoteForm();
        Q_EMIT file->menu()->aboutToShow();
        QVERIFY(program_->window()->item("indEnregistrer")->isEnabled());
    }

    void quoteButtonValidatesFirst()
    {
        setToday(QDate(2010, 8, 31));
        QSignalSpy quoted(form_, &QuoteForm::quoteRequested);
        form_->txtHypotheque->setText(QStringLiteral("150000"));
        QTest::mouseClick(form_->cmdCotation, Qt::LeftButton);
        QCOMPARE(quoted.count(), 0);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        const Dialogs::Message &m = program_->dialogs.messages.at(0);
        QCOMPARE(m.text, program_->text("French", "frmCotalmira-Msg", "DatePretNonInscrit") +
                             QStringLiteral("\r\n") +
                             program_->text("French", "frmCotalmira-Msg", "FormatDate"));
        QCOMPARE(m.title, appState().appTitle);
        QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(QApplication::focusWidget(), form_->mskEffet);
        // The amounts are re-presented even though the quote stopped.
        QCOMPARE(form_->txtHypotheque->text(), QStringLiteral("150 000 $"));
        QVERIFY(form_->cmdCotation->isEnabled());

        ViderMasque(form_->mskEffet, QStringLiteral("01092010"));
        form_->txtTerme->setText(QStringLiteral("60"));
        form_->optEcheance[1]->click();
        form_->txtEcheance->setText(QStringLiteral("300"));
        form_->txtAge->setText(QStringLiteral("45"));
        QTest::mouseClick(form_->cmdCotation, Qt::LeftButton);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QCOMPARE(quoted.count(), 1);
    }

    void maskedBoxTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("formatted");
        row("complete", "15032010", "15032010", "15/03/2010");
        row("partial", "1503", "1503", "15/03/____");
        row("empty", "", "", "__/__/____");
        row("too many", "1503201099", "15032010", "15/03/2010");
    }
    void maskedBoxTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, digits);
        QFETCH(QString, formatted);
        MaskedEdit *box = form_->mskEffet;
        ViderMasque(box, typed);
        QCOMPARE(box->digits(), digits);
        QCOMPARE(box->formattedText(), formatted);
        QCOMPARE(box->maskText(), formatted);
        box->setPromptInclude(false);
        QCOMPARE(box->maskText(), digits);
        box->setPromptInclude(true);
        ViderMasque(box);
        box->setCursorPosition(0);
        QTest::keyClicks(box, typed);
        QCOMPARE(box->digits(), digits);
    }

    void displayedNames_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("man");
        QTest::addColumn<QString>("expected");
        row("both", " Jean ", " Roy ", true, "Jean Roy");
        row("last only, man", "", "Roy", true, "M. Roy");
        row("last only, woman", "", "Roy", false, "Mme Roy");
        row("first only", "Jean", "", true, "Jean");
        row("none", "", "  ", true, QString::fromUtf8("Assuré 2"));
    }
    void displayedNames()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(bool, man);
        QFETCH(QString, expected);
        QCOMPARE(NomAffiche(appState().language, first, last, man, 2), expected);
    }
};

QTEST_MAIN(QuoteFormTest)
#include "test_quoteform.moc"
