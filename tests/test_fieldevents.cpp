// The quote form's fields as the broker types in them: help line and selection on arrival,
// key filters, Enter and the space bar, the warning on leaving a field (and none on leaving
// the window), the derived ages and durations, and which edits mark the illustration modified.
#include "base/clock.h"
#include "support/running.h"
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

void settle()
{
    QCoreApplication::processEvents();
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

// The Tab key on the control that has the focus, and whatever follows it.
void tab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
}

void key(Qt::Key k)
{
    QTest::keyClick(QApplication::focusWidget(), k);
    settle();
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
        f = appState().quoteForm;
        QVERIFY(f);
        program_->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program_->window()));
        ViderMasque(f->mskEffet, QStringLiteral("01092010"));
        f->cmdCotation->setFocus(Qt::TabFocusReason);
        settle();
    }
    void cleanup()
    {
        program_.reset();
        setToday(QDate());
    }

    // Focus gained.

    void helpLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("choose"); // an option that enables the control first
        QTest::addColumn<QString>("keys");   // "/" a line break, "+" run on
        QTest::newRow("loan date") << "mskEffet"
                                   << ""
                                   << "FormatDate/BarreEspaceDateAct";
        QTest::newRow("term") << "txtTerme"
                              << ""
                              << "TermePretDesc_1/TermePretDesc_2/BarreEspaceTermeMax";
        QTest::newRow("amount") << "txtHypotheque"
                                << ""
                                << "InsMontantPret";
        QTest::newRow("end-of-term option") << "optEcheance(0)"
                                            << ""
                                            << "ChoixDateFinTermeOuDureeAmor";
        QTest::newRow("end of term") << "mskEcheance"
                                     << ""
                                     << "FormatDate/DateCalculDureeAmor/BarreEspaceDateMax";
        QTest::newRow("amortization") << "txtEcheance"
                                      << "optEcheance(1)"
                                      << "DureeAmorDesc_1+DureeAmorDesc_2";
        QTest::newRow("birth date") << "mskDateEmp"
                                    << "optNaisEmp(0)"
                                    << "FormatDate/DateNaisCalculAge";
        QTest::newRow("age") << "txtAge"
                             << ""
                             << "InsAge_1/InsAge_2+InsAge_3/InsAge_4";
        QTest::newRow("smoker") << "optFumeur(0)"
                                << ""
                                << "SelEmpFumeur_1/SelEmpFumeur_2+SelEmpFumeur_3";
        QTest::newRow("co-borrower smoker") << "optFumCo(0)"
                                            << "chkCoemprunteur"
                                            << "SelCoempFumeur_1/SelCoempFumeur_2+SelCoempFumeur_3";
        QTest::newRow("co-borrower last name") << "txtNomCo"
                                               << "chkCoemprunteur"
                                               << "NomCoempLimitLettre";
        QTest::newRow("quote button") << "cmdCotation"
                                      << ""
                                      << "VisualiSoumission";
    }
    void helpLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, choose);
        QFETCH(QString, keys);
        if (!choose.isEmpty())
            static_cast<QAbstractButton *>(control(f, choose))->click();
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
    }

    void amountsAreTypedPlainAndShownGrouped()
    {
        focusOn(f->txtHypotheque);
        QCOMPARE(f->txtHypotheque->text(), QStringLiteral("10000"));
        QCOMPARE(f->txtHypotheque->maxLength(), 6);
        QCOMPARE(f->txtHypotheque->selectedText(), QStringLiteral("10000"));
        QTest::keyClicks(f->txtHypotheque, QStringLiteral("2500009"));
        tab();
        QCOMPARE(f->txtHypotheque->text(), QStringLiteral("250 000 $"));
        QCOMPARE(QApplication::focusWidget(), f->txtVersement);
        QCOMPARE(f->txtVersement->text(), QStringLiteral("100"));
        QCOMPARE(f->txtVersement->maxLength(), 4);
    }

    void arrivingOnADashAgeEmptiesIt()
    {
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("01091940"));
        QCOMPARE(f->txtAge->text(), QStringLiteral("---"));
        f->optNaisEmp[1]->click();
        focusOn(f->txtAge);
        QCOMPARE(f->txtAge->text(), QString());
    }

    // Key presses.

    void spaceBar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("beeps");
        QTest::newRow("term") << "txtTerme"
                              << "60" << 2 << 1;
        QTest::newRow("loan amount") << "txtHypotheque"
                                     << "10000" << 5 << 1;
        QTest::newRow("payment") << "txtVersement"
                                 << "100" << 3 << 1;
        QTest::newRow("age: swallowed") << "txtAge"
                                        << "4" << 0 << 0;
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
        QTest::newRow("term") << "txtTerme";
        QTest::newRow("amount") << "txtVersement";
        QTest::newRow("age") << "txtAge";
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
        QTest::newRow("loan date") << "mskEffet"
                                   << "txtTerme";
        QTest::newRow("term") << "txtTerme"
                              << "txtHypotheque";
        QTest::newRow("first name") << "txtPrenom"
                                    << "txtNom";
        QTest::newRow("to the chosen option") << "txtNom"
                                              << "optNaisEmp(1)";
        QTest::newRow("past the unticked co-borrower") << "chkCoemprunteur"
                                                       << "cmdCotation";
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
        tab();
        QCOMPARE(told(), QStringList());
        QVERIFY(f->optEcheance[0]->isChecked());
    }

    void spaceGivesTheLongestEndOfTerm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("end-of-term date") << "mskEcheance";
        QTest::newRow("amortization") << "txtEcheance";
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

    void digitOnTheAgeOptionStartsTheAge()
    {
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("01091970"));
        QCOMPARE(f->txtAge->text(), QStringLiteral("40"));
        f->optNaisEmp[1]->click();
        focusOn(f->optNaisEmp[1]);
        key(Qt::Key_4);
        QCOMPARE(QApplication::focusWidget(), f->txtAge);
        QCOMPARE(f->mskDateEmp->digits(), QString());
        QCOMPARE(f->txtAge->text(), QStringLiteral("4"));
        QCOMPARE(f->txtAge->cursorPosition(), 1);
        QVERIFY(!f->txtAge->hasSelectedText());
        key(Qt::Key_5);
        QCOMPARE(f->txtAge->text(), QStringLiteral("45"));
    }

    void digitOnTheDateOptionStartsTheDate()
    {
        f->txtAge->setText(QStringLiteral("33"));
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

    // Focus lost.

    void warningOnLeaving_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("choose"); // an option chosen before typing
        QTest::addColumn<QString>("beside"); // what the number box beside the date holds
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("withFormat");
        QTest::newRow("loan date empty") << "mskEffet"
                                         << ""
                                         << ""
                                         << "" << QString() << false;
        QTest::newRow("loan date incomplete") << "mskEffet"
                                              << ""
                                              << ""
                                              << "1503"
                                              << "DatePretNonComplete" << true;
        QTest::newRow("loan date month 13") << "mskEffet"
                                            << ""
                                            << ""
                                            << "15132010"
                                            << "DatePretNonValide" << true;
        QTest::newRow("loan date too old") << "mskEffet"
                                           << ""
                                           << ""
                                           << "02032010"
                                           << "DatePretPrec6Actuel" << false;
        QTest::newRow("term empty") << "txtTerme"
                                    << ""
                                    << ""
                                    << ""
                                    << "TermePretNonInscrit" << false;
        QTest::newRow("term 61") << "txtTerme"
                                 << ""
                                 << ""
                                 << "61"
                                 << "TermePretLimitMois" << false;
        QTest::newRow("term 60") << "txtTerme"
                                 << ""
                                 << ""
                                 << "60" << QString() << false;
        QTest::newRow("end of term empty") << "mskEcheance"
                                           << ""
                                           << ""
                                           << ""
                                           << "DateFinTermeNonInscrite" << true;
        QTest::newRow("end of term empty beside a duration") << "mskEcheance"
                                                             << ""
                                                             << "120"
                                                             << "" << QString() << false;
        QTest::newRow("end of term incomplete") << "mskEcheance"
                                                << ""
                                                << ""
                                                << "0109"
                                                << "DateFinTermeNonComplete" << true;
        QTest::newRow("end of term on the loan date") << "mskEcheance"
                                                      << ""
                                                      << ""
                                                      << "01092010"
                                                      << "DateFinTermeNonValide" << true;
        QTest::newRow("end of term good") << "mskEcheance"
                                          << ""
                                          << ""
                                          << "01092030" << QString() << false;
        QTest::newRow("amortization 361") << "txtEcheance"
                                          << "optEcheance(1)"
                                          << ""
                                          << "361"
                                          << "DureeAmortiLimitMois" << false;
        QTest::newRow("birth date empty") << "mskDateEmp"
                                          << "optNaisEmp(0)"
                                          << ""
                                          << ""
                                          << "DateNaisEmpNonInscrite" << true;
        QTest::newRow("birth date empty beside age 40") << "mskDateEmp"
                                                        << "optNaisEmp(0)"
                                                        << "40"
                                                        << "" << QString() << false;
        QTest::newRow("birth date incomplete") << "mskDateEmp"
                                               << "optNaisEmp(0)"
                                               << ""
                                               << "0109"
                                               << "DateNaisEmpNonComplete" << true;
        QTest::newRow("birth date invalid") << "mskDateEmp"
                                            << "optNaisEmp(0)"
                                            << ""
                                            << "32011970"
                                            << "DateNaisEmpNonValide" << true;
        QTest::newRow("birth date giving 70") << "mskDateEmp"
                                              << "optNaisEmp(0)"
                                              << ""
                                              << "01091940"
                                              << "AgeEmpLimitAge" << false;
        QTest::newRow("birth date giving 40") << "mskDateEmp"
                                              << "optNaisEmp(0)"
                                              << ""
                                              << "01091970" << QString() << false;
        QTest::newRow("age empty") << "txtAge"
                                   << ""
                                   << ""
                                   << ""
                                   << "AgeEmpNonInscrit" << false;
        QTest::newRow("age 17") << "txtAge"
                                << ""
                                << ""
                                << "17"
                                << "AgeEmpLimitAge" << false;
        QTest::newRow("age 65") << "txtAge"
                                << ""
                                << ""
                                << "65" << QString() << false;
        QTest::newRow("co-borrower birth date giving 70") << "mskDateCo"
                                                          << "optNaisCo(0)"
                                                          << ""
                                                          << "01091940"
                                                          << "AgeCoempLimitAge" << false;
        QTest::newRow("co-borrower age 66") << "txtAgeCo"
                                            << ""
                                            << ""
                                            << "66"
                                            << "AgeCoempLimitAge" << false;
    }
    void warningOnLeaving()
    {
        QFETCH(QString, name);
        QFETCH(QString, choose);
        QFETCH(QString, beside);
        QFETCH(QString, typed);
        QFETCH(QString, warning);
        QFETCH(bool, withFormat);
        if (name.endsWith(QLatin1String("Co")))
            tick();
        QLineEdit *number = name.startsWith(QLatin1String("mskEcheance")) ? f->txtEcheance
                            : name.endsWith(QLatin1String("Co"))          ? f->txtAgeCo
                                                                          : f->txtAge;
        if (!beside.isEmpty())
            number->setText(beside);
        if (!choose.isEmpty())
            static_cast<QAbstractButton *>(control(f, choose))->click();
        typeInto(control(f, name), typed);
        tab();
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
        settle();
        QCOMPARE(told(), QStringList());

        program_->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program_->window()));
        settle();
        QCOMPARE(QApplication::focusWidget(), f->txtTerme);
        QCOMPARE(told(), QStringList());
        tab();
        QCOMPARE(told(), QStringList{text(QStringLiteral("TermePretLimitMois"))});
    }

    void closingTheFormWarnsNothing()
    {
        typeInto(f->txtTerme, QStringLiteral("61"));
        program_->dialogs.script({Dialogs::Answer::No}); // not saved
        key(Qt::Key_Escape);
        QTRY_VERIFY(!appState().quoteForm);
        settle();
        QVERIFY(!told().contains(text(QStringLiteral("TermePretLimitMois"))));
    }

    // Changes.

    void completeLoanDateReselectsTheEndOfTermDate()
    {
        f->optEcheance[1]->click();
        typeInto(f->mskEffet, QStringLiteral("15032010"));
        QVERIFY(f->optEcheance[0]->isChecked());
        QVERIFY(f->mskEcheance->isEnabled());
        QVERIFY(!f->txtEcheance->isEnabled());
    }

    void incompleteLoanDateClosesTheEndOfTerm()
    {
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
        QTest::newRow("a started month counts") << "20052012"
                                                << "27";
        QTest::newRow("thirty years") << "15032040"
                                      << "360";
        QTest::newRow("same day") << "15032010"
                                  << "---";
        QTest::newRow("not a date") << "15132012"
                                    << "---";
        QTest::newRow("incomplete") << "2005201" << QString();
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
        QTest::newRow("day before the birthday") << "16031970"
                                                 << "39";
        QTest::newRow("on the birthday") << "15031970"
                                         << "40";
        QTest::newRow("over 65") << "15031940"
                                 << "---";
        QTest::newRow("not a date") << "15131970"
                                    << "---";
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
        QTest::newRow("loan date typed")
            << Action([](QuoteForm *f) { typeInto(f->mskEffet, QStringLiteral("1")); }) << true;
        QTest::newRow("term typed")
            << Action([](QuoteForm *f) { typeInto(f->txtTerme, QStringLiteral("1")); }) << true;
        QTest::newRow("amount typed")
            << Action([](QuoteForm *f) { typeInto(f->txtHypotheque, QStringLiteral("5")); })
            << true;
        QTest::newRow("amount only visited") << Action([](QuoteForm *f) {
            focusOn(f->txtHypotheque);
            tab();
        }) << false;
        QTest::newRow("last name typed")
            << Action([](QuoteForm *f) { typeInto(f->txtNom, QStringLiteral("R")); }) << true;
        QTest::newRow("age typed")
            << Action([](QuoteForm *f) { typeInto(f->txtAge, QStringLiteral("4")); }) << true;
        QTest::newRow("sex chosen") << Action([](QuoteForm *f) { f->optSexe[1]->click(); }) << true;
        QTest::newRow("smoker chosen")
            << Action([](QuoteForm *f) { f->optFumeur[1]->click(); }) << true;
        QTest::newRow("birth option chosen")
            << Action([](QuoteForm *f) { f->optNaisEmp[0]->click(); }) << false;
        QTest::newRow("end-of-term option chosen")
            << Action([](QuoteForm *f) { f->optEcheance[1]->click(); }) << false;
        QTest::newRow("duration set by code")
            << Action([](QuoteForm *f) { f->txtEcheance->setText(QStringLiteral("100")); })
            << false;
    }
    void modifiedFlag()
    {
        QFETCH(Action, edit);
        QFETCH(bool, modified);
        appState().modified = false;
        edit(f);
        QCOMPARE(appState().modified, modified);
    }
};

QTEST_MAIN(FieldEventsTest)
#include "test_fieldevents.moc"
