// The quote form's fields as the broker types in them: help line and selection on arrival,
// key filters, Enter and the space bar, the warning on leaving a field (and none on leaving
// the window), the derived ages and durations, and which edits mark the illustration modified.
// The rules themselves are tested on their functions (test_validation, test_quotedates).
#include "base/clock.h"
#include "domain/illustration.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

using namespace norvel;
using namespace norvel::test;

using Action = std::function<void(QuoteForm *)>;
Q_DECLARE_METATYPE(Action)

namespace {

// "optNaisEmp(1)" names the second option of the pair.
QWidget *control(QuoteForm *form, const QString &name)
{
    const qsizetype paren = name.indexOf(QLatin1Char('('));
    const QString base = name.left(paren);
    for (QWidget *w : form->findChildren<QWidget *>(base))
        if (paren < 0 || w->property("Index").toInt() == name.mid(paren + 1, 1).toInt())
            return w;
    return nullptr;
}

void click(QuoteForm *form, const QString &name)
{
    if (!name.isEmpty())
        static_cast<QAbstractButton *>(control(form, name))->click();
}

void focusOn(QWidget *w)
{
    w->setFocus(Qt::TabFocusReason);
}

void typeInto(QWidget *w, const QString &keys)
{
    focusOn(w);
    QTest::keyClicks(w, keys);
}

// A key on the control that has the focus, and whatever follows it.
void key(Qt::Key k)
{
    QTest::keyClick(QApplication::focusWidget(), k);
    QCoreApplication::processEvents();
}

} // namespace

class FieldEventsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *f = nullptr;

    QString text(const QString &key) const
    {
        return program_->text("French", "frmCotalmira-Msg", key);
    }
    QStringList told() const
    {
        QStringList texts;
        for (const Dialogs::Message &m : program_->dialogs.messages)
            texts << m.text;
        return texts;
    }
    void tick()
    {
        QCheckBox *box = f->chkCoemprunteur;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

private Q_SLOTS:
    void init()
    {
        setToday(QDate(2010, 8, 31));
        program_ = std::make_unique<RunningProgram>();
        f = ::norvel::test::quoteForm();
        QVERIFY(f);
        program_->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program_->window()));
        ViderMasque(f->mskEffet, QStringLiteral("01092010"));
        f->cmdCotation->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void cleanup()
    {
        program_.reset();
        setToday(QDate());
    }

    // A few controls' help lines: "/" a line break, "+" run on.
    void helpLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("choose"); // an option that enables the control first
        QTest::addColumn<QString>("keys");
        row("loan date", "mskEffet", "", "FormatDate/BarreEspaceDateAct");
        row("amount", "txtHypotheque", "", "InsMontantPret");
        row("age", "txtAge", "", "InsAge_1/InsAge_2+InsAge_3/InsAge_4");
        row("co-borrower smoker", "optFumCo(0)", "chkCoemprunteur",
            "SelCoempFumeur_1/SelCoempFumeur_2+SelCoempFumeur_3");
    }
    void helpLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, choose);
        QFETCH(QString, keys);
        click(f, choose);
        QStringList lines;
        for (const QString &line : keys.split(QLatin1Char('/'))) {
            QString joined;
            for (const QString &k : line.split(QLatin1Char('+')))
                joined += text(k);
            lines << joined;
        }
        focusOn(control(f, name));
        QCOMPARE(QApplication::focusWidget(), control(f, name));
        QCOMPARE(f->lblDescription->text(), lines.join(QStringLiteral("\r\n")));
    }

    void arrivalSelectsTheWholeEntry()
    {
        focusOn(f->mskEffet);
        QCOMPARE(f->mskEffet->selectedText(), QStringLiteral("01/09/2010"));
        QTest::keyClicks(f->mskEffet, QStringLiteral("15032010"));
        QCOMPARE(f->mskEffet->formattedText(), QStringLiteral("15/03/2010"));
        focusOn(f->txtHypotheque);
        QCOMPARE(f->txtHypotheque->maxLength(), 6);
        QCOMPARE(f->txtHypotheque->selectedText(), QStringLiteral("10000"));
        QTest::keyClicks(f->txtHypotheque, QStringLiteral("2500009"));
        key(Qt::Key_Tab);
        QCOMPARE(f->txtHypotheque->text(), QStringLiteral("250 000 $"));
        QCOMPARE(QApplication::focusWidget(), f->txtVersement);
        QCOMPARE(f->txtVersement->text(), QStringLiteral("100"));
        QCOMPARE(f->txtVersement->maxLength(), 4);
        // A "---" age is emptied on arrival.
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("01091940"));
        QCOMPARE(f->txtAge->text(), QStringLiteral("---"));
        f->optNaisEmp[1]->click();
        focusOn(f->txtAge);
        QCOMPARE(f->txtAge->text(), QString());
    }

    void spaceBar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("beeps");
        row("term", "txtTerme", "60", 2, 1);
        row("loan amount", "txtHypotheque", "10000", 5, 1);
        row("payment", "txtVersement", "100", 3, 1);
        row("age: swallowed", "txtAge", "4", 0, 0);
    }
    void spaceBar()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        QFETCH(int, beeps);
        auto *box = static_cast<QLineEdit *>(control(f, name));
        typeInto(box, QStringLiteral("4"));
        box->setCursorPosition(0);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->text(), expected);
        QCOMPARE(box->cursorPosition(), caret);
        QCOMPARE(program_->dialogs.beeps, beeps);
    }

    void numberBoxesTakeDigitsOnly_data()
    {
        QTest::addColumn<QString>("name");
        row("term", "txtTerme");
        row("payment", "txtVersement");
        row("age", "txtAge");
    }
    void numberBoxesTakeDigitsOnly()
    {
        QFETCH(QString, name);
        auto *box = static_cast<QLineEdit *>(control(f, name));
        typeInto(box, QStringLiteral("a1-.2"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("x3"));
        QCOMPARE(box->text(), QStringLiteral("13"));
    }

    void enterMovesOn_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        row("loan date", "mskEffet", "txtTerme");
        row("first name", "txtPrenom", "txtNom");
        row("to the chosen option", "txtNom", "optNaisEmp(1)");
        row("past the unticked co-borrower", "chkCoemprunteur", "cmdCotation");
    }
    void enterMovesOn()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        focusOn(control(f, from));
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control(f, to));
        QVERIFY(!f->chkCoemprunteur->isChecked());
    }

    void spaceInLoanDateGivesTodayAndNoWarning()
    {
        focusOn(f->mskEffet);
        key(Qt::Key_Space);
        QCOMPARE(f->mskEffet->formattedText(), QStringLiteral("31/08/2010"));
        QCOMPARE(f->mskEffet->cursorPosition(), 10);
        key(Qt::Key_Tab);
        QCOMPARE(told(), QStringList());
        QVERIFY(f->optEcheance[0]->isChecked());
    }

    void spaceGivesTheLongestEndOfTerm_data()
    {
        QTest::addColumn<QString>("name");
        row("end-of-term date", "mskEcheance");
        row("amortization", "txtEcheance");
    }
    void spaceGivesTheLongestEndOfTerm()
    {
        QFETCH(QString, name);
        ViderMasque(f->mskEffet, QStringLiteral("15032010"));
        if (name == QLatin1String("txtEcheance"))
            f->optEcheance[1]->click();
        focusOn(control(f, name));
        key(Qt::Key_Space);
        QCOMPARE(f->mskEcheance->formattedText(), QStringLiteral("15/03/2040"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("360"));
    }

    void digitOnAnOptionStartsItsBox()
    {
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("01091970"));
        QCOMPARE(f->txtAge->text(), QStringLiteral("40"));
        f->optNaisEmp[1]->click();
        focusOn(f->optNaisEmp[1]);
        key(Qt::Key_4);
        QCOMPARE(QApplication::focusWidget(), f->txtAge);
        QCOMPARE(f->mskDateEmp->digits(), QString());
        QCOMPARE(f->txtAge->cursorPosition(), 1);
        QVERIFY(!f->txtAge->hasSelectedText());
        key(Qt::Key_5);
        QCOMPARE(f->txtAge->text(), QStringLiteral("45"));

        f->optNaisEmp[0]->click();
        focusOn(f->optNaisEmp[0]);
        key(Qt::Key_7);
        QCOMPARE(QApplication::focusWidget(), f->mskDateEmp);
        QCOMPARE(f->txtAge->text(), QString());
        QCOMPARE(f->mskDateEmp->cursorPosition(), 1);
        key(Qt::Key_1);
        QCOMPARE(f->mskDateEmp->formattedText(), QStringLiteral("71/__/____"));
    }

    void enterOnAnOptionKeepsTheEntry()
    {
        ViderMasque(f->mskEcheance, QStringLiteral("01092030"));
        focusOn(f->optEcheance[0]);
        key(Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), f->mskEcheance);
        QVERIFY(!f->mskEcheance->hasSelectedText());
        QCOMPARE(f->mskEcheance->digits(), QStringLiteral("01092030"));
    }

    void typedDurationReplacesTheDate()
    {
        focusOn(f->mskEcheance);
        key(Qt::Key_Space);
        f->optEcheance[1]->click();
        typeInto(f->txtEcheance, QStringLiteral("2"));
        QCOMPARE(f->mskEcheance->digits(), QString());
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("2"));
    }

    // Each box is judged with what it and the box beside it hold, on the program's today.
    void warningOnLeaving_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("choose"); // an option chosen before typing
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("withFormat");
        row("loan date empty", "mskEffet", "", "", QString(), false);
        row("loan date month 13", "mskEffet", "", "15132010", "DatePretNonValide", true);
        row("loan date too old", "mskEffet", "", "02032010", "DatePretPrec6Actuel", false);
        row("term 61", "txtTerme", "", "61", "TermePretLimitMois", false);
        row("end of term incomplete", "mskEcheance", "", "0109", "DateFinTermeNonComplete", true);
        row("end of term good", "mskEcheance", "", "01092030", QString(), false);
        row("amortization 361", "txtEcheance", "optEcheance(1)", "361", "DureeAmortiLimitMois",
            false);
        row("birth date giving 70", "mskDateEmp", "optNaisEmp(0)", "01091940", "AgeEmpLimitAge",
            false);
        row("age 17", "txtAge", "", "17", "AgeEmpLimitAge", false);
        row("age 65", "txtAge", "", "65", QString(), false);
        row("co-borrower birth date giving 70", "mskDateCo", "optNaisCo(0)", "01091940",
            "AgeCoempLimitAge", false);
        row("co-borrower age 66", "txtAgeCo", "", "66", "AgeCoempLimitAge", false);
    }
    void warningOnLeaving()
    {
        QFETCH(QString, name);
        QFETCH(QString, choose);
        QFETCH(QString, typed);
        QFETCH(QString, warning);
        QFETCH(bool, withFormat);
        if (name.endsWith(QLatin1String("Co")))
            tick();
        click(f, choose);
        typeInto(control(f, name), typed);
        key(Qt::Key_Tab);
        QStringList expected;
        if (!warning.isEmpty())
            expected << text(warning) + (withFormat ? QStringLiteral("\r\n") +
                                                          text(QStringLiteral("FormatDate"))
                                                    : QString());
        QCOMPARE(told(), expected);
        for (const Dialogs::Message &m : program_->dialogs.messages) {
            QCOMPARE(m.title, appState().appTitle);
            QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        }
        QVERIFY(QApplication::focusWidget() != control(f, name)); // the broker goes on
    }

    void leavingTheWindowIsNotLeavingTheField()
    {
        typeInto(f->txtTerme, QStringLiteral("61"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCoreApplication::processEvents();
        QCOMPARE(told(), QStringList());

        program_->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program_->window()));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), f->txtTerme);
        QCOMPARE(told(), QStringList());
        key(Qt::Key_Tab);
        QCOMPARE(told(), QStringList{text(QStringLiteral("TermePretLimitMois"))});
    }

    void closingTheFormWarnsNothing()
    {
        typeInto(f->txtTerme, QStringLiteral("61"));
        program_->dialogs.script({Dialogs::Answer::No}); // not saved
        key(Qt::Key_Escape);
        QTRY_VERIFY(!::norvel::test::quoteForm());
        QCoreApplication::processEvents();
        QVERIFY(!told().contains(text(QStringLiteral("TermePretLimitMois"))));
    }

    void loanDateOpensAndClosesTheEndOfTerm()
    {
        f->optEcheance[1]->click();
        typeInto(f->mskEffet, QStringLiteral("15032010"));
        QVERIFY(f->optEcheance[0]->isChecked());
        QVERIFY(f->mskEcheance->isEnabled());
        QVERIFY(!f->txtEcheance->isEnabled());

        focusOn(f->mskEcheance);
        key(Qt::Key_Space);
        focusOn(f->mskEffet);
        f->mskEffet->setCursorPosition(10);
        key(Qt::Key_Backspace);
        QVERIFY(!f->fraEcheance->isEnabled());
        QVERIFY(!f->optEcheance[0]->isChecked());
        QVERIFY(!f->optEcheance[1]->isChecked());
        QCOMPARE(f->mskEcheance->digits(), QString());
        QCOMPARE(f->txtEcheance->text(), QString());
    }

    void endOfTermDerivesTheDuration_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("duration");
        row("a started month counts", "20052012", "27");
        row("thirty years", "15032040", "360");
        row("same day", "15032010", "---");
        row("incomplete", "2005201", QString());
    }
    void endOfTermDerivesTheDuration()
    {
        QFETCH(QString, end);
        QFETCH(QString, duration);
        ViderMasque(f->mskEffet, QStringLiteral("15032010"));
        typeInto(f->mskEcheance, end);
        QCOMPARE(f->txtEcheance->text(), duration);
    }

    void newEndOfTermClearsTheOldDuration()
    {
        typeInto(f->mskEcheance, QStringLiteral("01092030"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("240"));
        typeInto(f->mskEcheance, QStringLiteral("0"));
        QCOMPARE(f->txtEcheance->text(), QString());
    }

    void birthDateDerivesTheAge_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("age");
        row("day before the birthday", "16031970", "39");
        row("on the birthday", "15031970", "40");
        row("over 65", "15031940", "---");
    }
    void birthDateDerivesTheAge()
    {
        QFETCH(QString, birth);
        QFETCH(QString, age);
        ViderMasque(f->mskEffet, QStringLiteral("15032010"));
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, birth);
        QCOMPARE(f->txtAge->text(), age);
        key(Qt::Key_Backspace); // an incomplete date takes its age away
        QCOMPARE(f->txtAge->text(), QString());
    }

    void agesFollowTheLoanDate()
    {
        ViderMasque(f->mskEffet, QStringLiteral("15032010"));
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("16031970"));
        tick();
        f->optNaisCo[0]->click();
        typeInto(f->mskDateCo, QStringLiteral("16031980"));
        QCOMPARE(f->txtAgeCo->text(), QStringLiteral("29"));
        tick(); // the co-borrower's entries wait in the memory

        typeInto(f->mskEffet, QStringLiteral("16032010"));
        QCOMPARE(f->txtAge->text(), QStringLiteral("40"));
        tick();
        QCOMPARE(f->txtAgeCo->text(), QStringLiteral("30"));
    }

    void typedCoBorrowerAgeSurvivesANewLoanDate()
    {
        tick();
        f->optNaisCo[0]->click();
        typeInto(f->mskDateCo, QStringLiteral("16031980"));
        f->optNaisCo[1]->click();
        typeInto(f->txtAgeCo, QStringLiteral("50"));
        QCOMPARE(f->mskDateCo->digits(), QString());
        typeInto(f->mskEffet, QStringLiteral("15032010"));
        QCOMPARE(f->txtAgeCo->text(), QStringLiteral("50"));
    }

    void modifiedFlag_data()
    {
        QTest::addColumn<Action>("edit");
        QTest::addColumn<bool>("modified");
        const auto typed = [](const char *name, const char *keys) {
            return Action([=](QuoteForm *f) { typeInto(control(f, name), keys); });
        };
        const auto clicked = [](const char *name) {
            return Action([=](QuoteForm *f) { click(f, name); });
        };
        row("loan date typed", typed("mskEffet", "1"), true);
        row("term typed", typed("txtTerme", "1"), true);
        row("amount typed", typed("txtHypotheque", "5"), true);
        row("amount only visited", Action([](QuoteForm *f) {
                focusOn(f->txtHypotheque);
                key(Qt::Key_Tab);
            }),
            false);
        row("last name typed", typed("txtNom", "R"), true);
        row("age typed", typed("txtAge", "4"), true);
        row("sex chosen", clicked("optSexe(1)"), true);
        row("smoker chosen", clicked("optFumeur(1)"), true);
        row("birth option chosen", clicked("optNaisEmp(0)"), false);
        row("end-of-term option chosen", clicked("optEcheance(1)"), false);
        row("duration set by code",
            Action([](QuoteForm *f) { f->txtEcheance->setText(QStringLiteral("100")); }), false);
    }
    void modifiedFlag()
    {
        QFETCH(Action, edit);
        QFETCH(bool, modified);
        ::norvel::test::illustration().modified = false;
        edit(f);
        QCOMPARE(::norvel::test::illustration().modified, modified);
    }
};

QTEST_MAIN(FieldEventsTest)
#include "test_fieldevents.moc"
