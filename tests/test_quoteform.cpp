// The quote form as the broker meets it: enabling and colours, the co-borrower memory, Esc,
// the quote button's validation; its fields as the broker types in them: key filters, Enter and
// the space bar, the warning on leaving a field (none on leaving the window), the derived ages
// and durations, and which edits mark the illustration modified. The rules themselves are
// tested on their functions (test_validation).
#include "base/clock.h"
#include "support/program.h"
#include "support/quoteentry.h"
#include "ui/formutils.h"
#include <QClipboard>
#include <QMimeData>
#include <QMenu>
#include <QSignalSpy>
#include <functional>

using namespace norvel;
using namespace norvel::test;

using Action = std::function<void(QuoteForm *)>;
Q_DECLARE_METATYPE(Action)

class QuoteFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *f = nullptr;

    // "optNaisEmp(1)" names the second option of the pair.
    static QWidget *control(QuoteForm *form, const QString &name)
    {
        const qsizetype paren = name.indexOf(QLatin1Char('('));
        for (QWidget *w : form->findChildren<QWidget *>(name.left(paren)))
            if (paren < 0 || w->property("Index").toInt() == name.mid(paren + 1, 1).toInt())
                return w;
        return nullptr;
    }
    static void click(QuoteForm *form, const QString &name)
    {
        if (!name.isEmpty())
            static_cast<QAbstractButton *>(control(form, name))->click();
    }
    static void focusOn(QWidget *w) { w->setFocus(Qt::TabFocusReason); }
    static void typeInto(QWidget *w, const QString &keys)
    {
        focusOn(w);
        QTest::keyClicks(w, keys);
    }
    // A key on the control that has the focus, and whatever follows it.
    static void key(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QCoreApplication::processEvents();
    }
    QString text(const char *key) const
    {
        return program_->text("French", "frmCotalmira-Msg", QLatin1String(key));
    }
    QStringList told() const
    {
        QStringList texts;
        // A warning under another title or icon reads as a different one.
        for (const Dialogs::Message &m : program_->dialogs.messages)
            texts << m.text + (m.title == programContext().appTitle &&
                                       m.icon == Dialogs::Icon::Exclamation
                                   ? QString()
                                   : QStringLiteral(" [title or icon]"));
        return texts;
    }
    static QColor base(const QWidget *w) { return w->palette().color(QPalette::Base); }
    static QColor appBase(const QWidget *w, QPalette::ColorRole role = QPalette::Base)
    {
        return QApplication::palette(w).color(QPalette::Active, role);
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

    void spaceBar_data()
    {
        // choose: an option chosen first
        columns<QString, QString, QString, int, int>("choose", "name", "expected", "caret",
                                                     "beeps");
        row("term", "", "txtTerme", "60", 2, 1);
        row("amount", "", "txtHypotheque", "10000", 5, 1);
        row("payment", "", "txtVersement", "100", 3, 1);
        row("duration: thirty years", "optEcheance(1)", "txtEcheance", "360", 3, 0);
        row("age: swallowed", "", "txtAge", "4", 0, 0);
    }
    void spaceBar()
    {
        auto [choose, name, expected, caret, beeps] = fetch<QString, QString, QString, int, int>(
            "choose", "name", "expected", "caret", "beeps");
        click(f, choose);
        auto *box = static_cast<QLineEdit *>(control(f, name));
        typeInto(box, QStringLiteral("4"));
        box->setCursorPosition(0);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->text(), expected);
        QCOMPARE(box->cursorPosition(), caret);
        QCOMPARE(program_->dialogs.beeps, beeps);
    }

    // Every way of changing a number box: digits get in and count as typed (the illustration
    // is modified, the age no longer comes from the date); anything else is refused.
    void numberBoxesTakeDigitsOnly_data()
    {
        columns<Action, QString, bool>("change", "age", "typed");
        // Standard keys on the age box, the clipboard holding the text given.
        const auto keys = [](const char *clipboard, const QList<QKeySequence::StandardKey> &ks) {
            return Action([=](QuoteForm *f) {
                QGuiApplication::clipboard()->setText(QLatin1String(clipboard));
                for (QKeySequence::StandardKey k : ks) {
                    ::norvel::test::illustration().modified = false; // the last key is judged
                    QTest::keySequence(f->txtAge, k);
                }
            });
        };
        row("typing", Action([](QuoteForm *f) {
                QTest::keyClicks(f->txtAge, QStringLiteral("a1-.2"));
                QTest::keyClick(f->txtAge, Qt::Key_Backspace);
                QTest::keyClicks(f->txtAge, QStringLiteral("x3"));
            }),
            "13", true);
        row("cut", keys("", {QKeySequence::Cut}), "", true);
        row("delete", keys("", {QKeySequence::Delete}), "", true);
        row("undo", keys("", {QKeySequence::Delete, QKeySequence::Undo}), "40", true);
        row("paste digits", keys("52", {QKeySequence::Paste}), "52", true);
        row("paste a letter", keys("5a", {QKeySequence::Paste}), "40", false);
        row("drop", Action([](QuoteForm *f) {
                QMimeData data;
                data.setText(QStringLiteral("5"));
                QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(f->txtAge, &enter);
                QVERIFY(!enter.isAccepted());
                QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(f->txtAge, &drop);
            }),
            "40", false);
    }
    void numberBoxesTakeDigitsOnly()
    {
        auto [change, age, typed] = fetch<Action, QString, bool>("change", "age", "typed");
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("01091970"));
        f->optNaisEmp[1]->click(); // the age, 40, stays with the date under it
        focusOn(f->txtAge);
        ::norvel::test::illustration().modified = false;
        change(f);
        QCOMPARE(f->txtAge->text(), age);
        QCOMPARE(::norvel::test::illustration().modified, typed);
        QCOMPARE(f->mskDateEmp->digits().isEmpty(), typed);
    }

    void enterMovesOn_data()
    {
        columns<QString, QString>("from", "to");
        row("loan date", "mskEffet", "txtTerme");
        row("past the unticked co-borrower", "chkCoemprunteur", "cmdCotation");
        row("an option starts its box", "optNaisEmp(1)", "txtAge");
        row("an end-of-term option starts its date", "optEcheance(0)", "mskEcheance");
    }
    void enterMovesOn()
    {
        auto [from, to] = fetch<QString, QString>("from", "to");
        focusOn(control(f, from));
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control(f, to));
        QVERIFY(!f->chkCoemprunteur->isChecked());
    }

    // An option enables its box, and greys the other; Enter on it moves on as Tab does; a digit
    // typed on an option, or in the number box, replaces the date beside it.
    void optionsLeadToTheirBox()
    {
        f->txtAge->setText(QStringLiteral("33"));
        f->optNaisEmp[0]->click();
        QVERIFY(f->mskDateEmp->isEnabled() && !f->txtAge->isEnabled());
        QCOMPARE(base(f->mskDateEmp), appBase(f->mskDateEmp));
        QCOMPARE(base(f->txtAge), appBase(f->txtAge, QPalette::Button));
        QCOMPARE(f->txtAge->text(), QStringLiteral("33"));   // the age stays shown, greyed
        typeInto(f->mskDateEmp, QStringLiteral("01091970")); // the caret stays after the mask
        QCOMPARE(f->txtAge->text(), QStringLiteral("40"));
        focusOn(f->optNaisEmp[0]);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->mskDateEmp);
        QTest::keyClicks(f->mskDateEmp, QStringLiteral("02091980"));
        QCOMPARE(f->mskDateEmp->formattedText(), QStringLiteral("02/09/1980"));
        f->optNaisEmp[1]->click();
        QVERIFY(f->txtAge->isEnabled() && !f->mskDateEmp->isEnabled());
        focusOn(f->optNaisEmp[1]);
        key(Qt::Key_4);
        QCOMPARE(QApplication::focusWidget(), f->txtAge);
        QCOMPARE(f->mskDateEmp->digits(), QString());
        QCOMPARE(f->txtAge->cursorPosition(), 1);
        QVERIFY(!f->txtAge->hasSelectedText());
        key(Qt::Key_5);
        QCOMPARE(f->txtAge->text(), QStringLiteral("45"));
        typeInto(f->mskEcheance, QStringLiteral("01092040"));
        f->optEcheance[1]->click();
        typeInto(f->txtEcheance, QStringLiteral("1"));
        QCOMPARE(f->mskEcheance->digits(), QString());
    }

    void aFaultIsToldOnLeavingTheField()
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
        QCOMPARE(told(), QStringList{text("TermePretLimitMois")});
        QVERIFY(QApplication::focusWidget() != f->txtTerme); // the broker goes on
        // Quoting from the faulty field tells its fault once, and goes back to it.
        focusOn(f->txtTerme);
        QTest::mouseClick(f->cmdCotation, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(told(), QStringList(2, text("TermePretLimitMois")));
        QCOMPARE(QApplication::focusWidget(), f->txtTerme);
    }

    // The space bar on a date gives today, and thirty years on for the end of term.
    void loanDateOpensAndClosesTheEndOfTerm()
    {
        f->optEcheance[1]->click();
        QVERIFY(!f->mskEcheance->isEnabled() && f->txtEcheance->isEnabled());
        QCOMPARE(base(f->txtEcheance), appBase(f->txtEcheance));
        ViderMasque(f->mskEffet);
        QVERIFY(!f->fraEcheance->isEnabled());
        focusOn(f->mskEffet);
        key(Qt::Key_Space);
        QCOMPARE(f->mskEffet->digits(), QStringLiteral("31082010"));
        QVERIFY(f->optEcheance[0]->isChecked() && f->mskEcheance->isEnabled());
        QVERIFY(!f->txtEcheance->isEnabled());

        focusOn(f->mskEcheance);
        key(Qt::Key_Space);
        QCOMPARE(f->mskEcheance->digits(), QStringLiteral("31082040"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("360"));
        focusOn(f->mskEffet);
        f->mskEffet->setCursorPosition(10);
        key(Qt::Key_Backspace);
        QVERIFY(!f->fraEcheance->isEnabled());
        QVERIFY(!f->optEcheance[0]->isChecked() && !f->optEcheance[1]->isChecked());
        QCOMPARE(f->mskEcheance->digits(), QString());
        QCOMPARE(f->txtEcheance->text(), QString());
    }

    void datesGiveTheDurationAndTheAge()
    {
        typeInto(f->mskEcheance, QStringLiteral("01092017"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("84"));
        // A day earlier, as typed over the old date: 85 months, the next disability class.
        ViderMasque(f->mskEffet, QStringLiteral("31082010"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("85"));
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("15031970"));
        QCOMPARE(f->txtAge->text(), QStringLiteral("40"));
        key(Qt::Key_Backspace); // an incomplete date takes its age away
        QCOMPARE(f->txtAge->text(), QString());
    }

    // An age given by a date follows the loan date; one given under the age option stays,
    // even with the unused date box still holding a date (as an opened file may leave it).
    void agesFollowTheLoanDate_data()
    {
        columns<bool, QString, QString>("byDate", "age", "ageCo");
        row("dates in use", true, "40", "30");
        row("ages given", false, "45", "33");
    }
    void agesFollowTheLoanDate()
    {
        auto [byDate, age, ageCo] = fetch<bool, QString, QString>("byDate", "age", "ageCo");
        ViderMasque(f->mskEffet, QStringLiteral("15032010"));
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("16031970"));
        tick();
        f->optNaisCo[0]->click();
        typeInto(f->mskDateCo, QStringLiteral("16031980"));
        if (!byDate) {
            f->optNaisEmp[1]->click();
            f->txtAge->setText(QStringLiteral("45"));
            f->optNaisCo[1]->click();
            f->txtAgeCo->setText(QStringLiteral("33"));
        }
        tick(); // the co-borrower's entries wait in the memory

        typeInto(f->mskEffet, QStringLiteral("16032010"));
        QCOMPARE(f->txtAge->text(), age);
        tick();
        QCOMPARE(f->txtAgeCo->text(), ageCo);
    }

    void modifiedFlag_data()
    {
        columns<Action, bool>("edit", "modified");
        row("loan date typed", Action([](QuoteForm *f) { typeInto(f->mskEffet, "1"); }), true);
        row("amount only visited", Action([](QuoteForm *f) {
                focusOn(f->txtHypotheque);
                key(Qt::Key_Tab);
            }),
            false);
        row("sex chosen", Action([](QuoteForm *f) { click(f, "optSexe(1)"); }), true);
        row("birth option chosen", Action([](QuoteForm *f) { click(f, "optNaisEmp(0)"); }), false);
        row("duration set by code",
            Action([](QuoteForm *f) { f->txtEcheance->setText(QStringLiteral("100")); }), false);
    }
    void modifiedFlag()
    {
        auto [edit, modified] = fetch<Action, bool>("edit", "modified");
        ::norvel::test::illustration().modified = false;
        edit(f);
        QCOMPARE(::norvel::test::illustration().modified, modified);
    }

    void coBorrowerStartsFreshAndComesBackAsTyped()
    {
        tick();
        QVERIFY(f->optNaisCo[1]->isChecked() && f->txtAgeCo->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f->txtPrenomCo);

        f->txtPrenomCo->insert(QStringLiteral("Hélène"));
        f->optNaisCo[0]->click();
        f->mskDateCo->setCursorPosition(0);
        QTest::keyClicks(f->mskDateCo, QStringLiteral("02041975"));
        f->optFumCo[1]->click();

        tick();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 f->txtPrenomCo, f->txtNomCo, f->mskDateCo, f->txtAgeCo, f->optNaisCo[0]})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(f->mskDateCo->digits().isEmpty() && f->txtPrenomCo->text().isEmpty());

        tick();
        QCOMPARE(f->txtPrenomCo->text(), QString::fromUtf8("Hélène"));
        QVERIFY(f->optNaisCo[0]->isChecked() && f->optFumCo[1]->isChecked());
        QCOMPARE(f->mskDateCo->formattedText(), QStringLiteral("02/04/1975"));
    }

    void escapeClosesTheForm()
    {
        ::norvel::test::illustration().modified = false; // nothing to save: no question
        QTest::keyClick(f->txtNom, Qt::Key_Escape);
        QTRY_VERIFY(!::norvel::test::quoteForm());
        MainWindow *w = program_->window();
        QVERIFY(!w->quoteFormOpen());
        Q_EMIT w->item("mnuFichier")->menu()->aboutToShow();
        QVERIFY(!w->item("indEnregistrer")->isEnabled());
        QVERIFY(!w->item("indEnregistrerSous")->isEnabled());
        QVERIFY(w->item("indNouveau")->isEnabled());
        w->showQuoteForm();
        Q_EMIT w->item("mnuFichier")->menu()->aboutToShow();
        QVERIFY(w->item("indEnregistrer")->isEnabled());
    }

    void quoteButtonValidatesFirst()
    {
        ViderMasque(f->mskEffet);
        QSignalSpy quoted(f, &QuoteForm::quoteRequested);
        f->txtHypotheque->setText(QStringLiteral("150000"));
        QTest::mouseClick(f->cmdCotation, Qt::LeftButton);
        QCOMPARE(quoted.count(), 0);
        QCOMPARE(told(), QStringList{text("DatePretNonInscrit") + "\r\n" + text("FormatDate")});
        QCOMPARE(QApplication::focusWidget(), f->mskEffet);
        // The amounts are re-presented even though the quote stopped.
        QCOMPARE(f->txtHypotheque->text(), QStringLiteral("150\u00A0000 $"));
        QVERIFY(f->cmdCotation->isEnabled());

        enterQuote(f, {});
        f->optFumeur[1]->click();
        QTest::mouseClick(f->cmdCotation, Qt::LeftButton);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QCOMPARE(quoted.count(), 1);
        // The entries as the form reads them, options by their index.
        const QuoteInput input = f->quoteInput();
        const QuoteInput::Person &borrower = input.emprunteur;
        QCOMPARE((QStringList{input.datePret, input.dureeAmorti, input.montantPret, borrower.age}),
                 (QStringList{"01/09/2010", "300", "150\u00A0000 $", "45"}));
        QCOMPARE((QList<int>{input.optionEcheance, borrower.optionNais, borrower.sexe,
                             borrower.fumeur, input.coemprunteur}),
                 (QList<int>{1, 1, 1, 1, false}));
    }
};

QTEST_MAIN(QuoteFormTest)
#include "test_quoteform.moc"
