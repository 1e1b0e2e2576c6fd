// The quote form as the broker meets it: tab order, enabling and colours, the co-borrower
// memory, Esc, the quote button's validation; and its fields as the broker types in them: key
// filters, Enter and the space bar, the warning on leaving a field (and none on leaving the
// window), the derived ages and durations, and which edits mark the illustration modified.
// The rules themselves are tested on their functions (test_validation, test_quotedates).
#include "base/clock.h"
#include "domain/illustration.h"
#include "support/datarow.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/formutils.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

using namespace norvel;
using namespace norvel::test;

using Action = std::function<void(QuoteForm *)>;
Q_DECLARE_METATYPE(Action)

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

class QuoteFormTest : public QObject {
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

    void spaceBar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("beeps");
        row("term", "txtTerme", "60", 2, 1);
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

    // Every way of changing a number box: digits get in and count as typed (the illustration
    // is modified, the age no longer comes from the date); anything else is refused.
    void numberBoxesTakeDigitsOnly_data()
    {
        QTest::addColumn<Action>("change");
        QTest::addColumn<QString>("age");
        QTest::addColumn<bool>("typed");
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
        row("redo", keys("", {QKeySequence::Delete, QKeySequence::Undo, QKeySequence::Redo}), "",
            true);
        row("paste digits", keys("52", {QKeySequence::Paste}), "52", true);
        row("paste a letter", keys("5a", {QKeySequence::Paste}), "40", false);
        row("paste from the menu", Action([](QuoteForm *f) {
                QGuiApplication::clipboard()->setText(QStringLiteral("x"));
                QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                        f->txtAge->mapToGlobal(QPoint(4, 4)));
                QApplication::sendEvent(f->txtAge, &event);
                QWidget *menu = QApplication::activePopupWidget();
                QVERIFY(menu);
                const QString paste = QKeySequence(QKeySequence::Paste).toString();
                const QList<QAction *> items = menu->actions();
                const auto item = std::find_if(items.begin(), items.end(), [&](QAction *a) {
                    return a->text().endsWith(QLatin1Char('\t') + paste);
                });
                QVERIFY(item != items.end());
                (*item)->trigger();
                menu->close();
            }),
            "40", false);
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
        QFETCH(Action, change);
        QFETCH(QString, age);
        QFETCH(bool, typed);
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
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        row("loan date", "mskEffet", "txtTerme");
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
    }

    void enterOnAnOptionMovesOnAsTabDoes()
    {
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("01091970")); // the caret stays after the mask
        focusOn(f->optNaisEmp[0]);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->mskDateEmp);
        QTest::keyClicks(f->mskDateEmp, QStringLiteral("02091980"));
        QCOMPARE(f->mskDateEmp->formattedText(), QStringLiteral("02/09/1980"));
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
        row("term 61", "txtTerme", "", "61", "TermePretLimitMois", false);
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
            QCOMPARE(m.title, programContext().appTitle);
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

    void quotingFromAFaultyFieldTellsTheFaultOnce()
    {
        typeInto(f->txtTerme, QStringLiteral("61"));
        QTest::mouseClick(f->cmdCotation, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(told(), QStringList{text(QStringLiteral("TermePretLimitMois"))});
        QCOMPARE(QApplication::focusWidget(), f->txtTerme);
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

    void datesGiveTheDurationAndTheAge()
    {
        ViderMasque(f->mskEffet, QStringLiteral("15032010"));
        typeInto(f->mskEcheance, QStringLiteral("15032040"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("360"));
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("15031970"));
        QCOMPARE(f->txtAge->text(), QStringLiteral("40"));
        key(Qt::Key_Backspace); // an incomplete date takes its age away
        QCOMPARE(f->txtAge->text(), QString());
    }

    void durationFollowsTheLoanDate()
    {
        typeInto(f->mskEcheance, QStringLiteral("01092017"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("84"));
        // A day earlier, as typed over the old date: 85 months, the next disability class.
        ViderMasque(f->mskEffet, QStringLiteral("31082010"));
        QCOMPARE(f->txtEcheance->text(), QStringLiteral("85"));
    }

    // An age given by a date follows the loan date; one given under the age option stays,
    // even with the unused date box still holding a date (as an opened file may leave it).
    void agesFollowTheLoanDate_data()
    {
        QTest::addColumn<bool>("byDate");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("ageCo");
        row("dates in use", true, "40", "30");
        row("ages given", false, "45", "33");
    }
    void agesFollowTheLoanDate()
    {
        QFETCH(bool, byDate);
        QFETCH(QString, age);
        QFETCH(QString, ageCo);
        ViderMasque(f->mskEffet, QStringLiteral("15032010"));
        f->optNaisEmp[0]->click();
        typeInto(f->mskDateEmp, QStringLiteral("16031970"));
        tick();
        f->optNaisCo[0]->click();
        typeInto(f->mskDateCo, QStringLiteral("16031980"));
        QCOMPARE(f->txtAgeCo->text(), QStringLiteral("29"));
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
        QTest::addColumn<Action>("edit");
        QTest::addColumn<bool>("modified");
        const auto typed = [](const char *name, const char *keys) {
            return Action([=](QuoteForm *f) { typeInto(control(f, name), keys); });
        };
        const auto clicked = [](const char *name) {
            return Action([=](QuoteForm *f) { click(f, name); });
        };
        row("loan date typed", typed("mskEffet", "1"), true);
        row("amount only visited", Action([](QuoteForm *f) {
                focusOn(f->txtHypotheque);
                key(Qt::Key_Tab);
            }),
            false);
        row("sex chosen", clicked("optSexe(1)"), true);
        row("birth option chosen", clicked("optNaisEmp(0)"), false);
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
        QWidget *w = f->mskEffet;
        for (int i = 0; i < expected.size(); ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty())
                w = w->nextInFocusChain();
            chain << nameOf(w);
        }
        QCOMPARE(chain, expected);
    }

    void optionsEnableTheirBox()
    {
        f->txtAge->setText(QStringLiteral("40"));
        f->optNaisEmp[0]->click();
        QVERIFY(f->mskDateEmp->isEnabled());
        QCOMPARE(base(f->mskDateEmp), windowBackground(f->mskDateEmp));
        QVERIFY(!f->txtAge->isEnabled());
        QCOMPARE(base(f->txtAge), buttonFace(f->txtAge));
        QCOMPARE(f->txtAge->text(), QStringLiteral("40")); // the age stays shown, greyed
        f->optNaisEmp[1]->click();
        QVERIFY(f->txtAge->isEnabled());
        QCOMPARE(f->txtAge->text(), QStringLiteral("40"));
        QVERIFY(!f->mskDateEmp->isEnabled());

        ViderMasque(f->mskEffet, today().toString(QStringLiteral("ddMMyyyy")));
        f->optEcheance[1]->click();
        QVERIFY(!f->mskEcheance->isEnabled());
        QVERIFY(f->txtEcheance->isEnabled());
        QCOMPARE(base(f->txtEcheance), windowBackground(f->txtEcheance));
        f->optEcheance[0]->click();
        QVERIFY(f->mskEcheance->isEnabled());
        QVERIFY(!f->txtEcheance->isEnabled());
    }

    void coBorrowerStartsFreshAndComesBackAsTyped()
    {
        tick();
        QVERIFY(f->optNaisCo[1]->isChecked());
        QVERIFY(f->txtAgeCo->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f->txtPrenomCo);

        f->txtPrenomCo->insert(QStringLiteral("Hélène"));
        f->txtNomCo->setText(QStringLiteral("Côté"));
        f->optNaisCo[0]->click();
        f->mskDateCo->setCursorPosition(0);
        QTest::keyClicks(f->mskDateCo, QStringLiteral("02041975"));
        f->optSexeCo[1]->click();
        f->optFumCo[1]->click();

        tick();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 f->txtPrenomCo, f->txtNomCo, f->mskDateCo, f->txtAgeCo,
                 f->optNaisCo[0], f->optSexeCo[1], f->optFumCo[1]})
            QVERIFY2(!w->isEnabled(), qPrintable(nameOf(w)));
        QVERIFY(f->mskDateCo->digits().isEmpty());
        QVERIFY(f->txtPrenomCo->text().isEmpty());

        tick();
        QCOMPARE(f->txtPrenomCo->text(), QString::fromUtf8("Hélène"));
        QVERIFY(f->optNaisCo[0]->isChecked());
        QCOMPARE(f->mskDateCo->formattedText(), QStringLiteral("02/04/1975"));
        QVERIFY(f->optFumCo[1]->isChecked());
    }

    void escapeClosesTheForm()
    {
        ::norvel::test::illustration().modified = false; // nothing to save: no question
        QTest::keyClick(f->txtNom, Qt::Key_Escape);
        QTRY_VERIFY(!::norvel::test::quoteForm());
        QVERIFY(!program_->window()->quoteFormOpen());
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
        ViderMasque(f->mskEffet);
        QSignalSpy quoted(f, &QuoteForm::quoteRequested);
        f->txtHypotheque->setText(QStringLiteral("150000"));
        QTest::mouseClick(f->cmdCotation, Qt::LeftButton);
        QCOMPARE(quoted.count(), 0);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        const Dialogs::Message &m = program_->dialogs.messages.at(0);
        QCOMPARE(m.text, program_->text("French", "frmCotalmira-Msg", "DatePretNonInscrit") +
                             QStringLiteral("\r\n") +
                             program_->text("French", "frmCotalmira-Msg", "FormatDate"));
        QCOMPARE(m.title, programContext().appTitle);
        QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(QApplication::focusWidget(), f->mskEffet);
        // The amounts are re-presented even though the quote stopped.
        QCOMPARE(f->txtHypotheque->text(), QStringLiteral("150\u00A0000 $"));
        QVERIFY(f->cmdCotation->isEnabled());

        ViderMasque(f->mskEffet, QStringLiteral("01092010"));
        f->txtTerme->setText(QStringLiteral("60"));
        f->optEcheance[1]->click();
        f->txtEcheance->setText(QStringLiteral("300"));
        f->txtAge->setText(QStringLiteral("45"));
        QTest::mouseClick(f->cmdCotation, Qt::LeftButton);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QCOMPARE(quoted.count(), 1);
    }
};

QTEST_MAIN(QuoteFormTest)
#include "test_quoteform.moc"
