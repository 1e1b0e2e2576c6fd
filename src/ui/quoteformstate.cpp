// The quote form's controls as data and back: its reactions run on the data, the same
// functions the headless tool runs, and the form shows what they leave.
#include "base/clock.h"
#include "ui/formutils.h"
#include "ui/formvalues.h"
#include "ui/optionpair.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <utility>

namespace norvel {

namespace {

int selected(QRadioButton *const pair[2])
{
    return pair[0]->isChecked() ? 0 : pair[1]->isChecked() ? 1 : -1;
}

void setSelected(QRadioButton *const pair[2], int k)
{
    if (k < 0)
        deselectBoth(pair);
    else if (!pair[k]->isChecked())
        pair[k]->setChecked(true);
}

// Set only when it differs, so that the box being typed in keeps its caret.
void setText(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

void setDigits(MaskedEdit *box, const QString &digits)
{
    if (box->digits() != digits)
        ViderMasque(box, digits);
}

// An amount box takes a text of any length; its limit is set when it is formatted.
void setAmount(QLineEdit *box, const QString &text)
{
    if (box->text() == text)
        return;
    box->setMaxLength(32767);
    box->setText(text);
}

void setInUse(QWidget *box, bool on, bool greyText = false)
{
    box->setEnabled(on);
    setEntryColours(box, on, greyText);
}

// Which control holds which part of the data.
struct Bindings {
    std::pair<QString QuoteFormState::*, MaskedEdit *> dates[4];
    std::pair<QString QuoteFormState::*, QLineEdit *> texts[8];
    std::pair<QString QuoteFormState::*, QLineEdit *> amounts[2];
    std::pair<int QuoteFormState::*, QRadioButton *const *> pairs[7];
    std::pair<bool QuoteFormState::*, QLineEdit *> inUse[8];
};

Bindings bindings(const QuoteForm &f)
{
    using S = QuoteFormState;
    return {{{&S::mskEffet, f.mskEffet},
             {&S::mskEcheance, f.mskEcheance},
             {&S::mskDateEmp, f.mskDateEmp},
             {&S::mskDateCo, f.mskDateCo}},
            {{&S::txtTerme, f.txtTerme},
             {&S::txtEcheance, f.txtEcheance},
             {&S::txtPrenom, f.txtPrenom},
             {&S::txtNom, f.txtNom},
             {&S::txtAge, f.txtAge},
             {&S::txtPrenomCo, f.txtPrenomCo},
             {&S::txtNomCo, f.txtNomCo},
             {&S::txtAgeCo, f.txtAgeCo}},
            {{&S::txtHypotheque, f.txtHypotheque}, {&S::txtVersement, f.txtVersement}},
            {{&S::optEcheance, f.optEcheance},
             {&S::optNaisEmp, f.optNaisEmp},
             {&S::optSexe, f.optSexe},
             {&S::optFumeur, f.optFumeur},
             {&S::optNaisCo, f.optNaisCo},
             {&S::optSexeCo, f.optSexeCo},
             {&S::optFumCo, f.optFumCo}},
            {{&S::mskEcheanceOn, f.mskEcheance},
             {&S::txtEcheanceOn, f.txtEcheance},
             {&S::mskDateEmpOn, f.mskDateEmp},
             {&S::txtAgeOn, f.txtAge},
             {&S::txtPrenomCoOn, f.txtPrenomCo},
             {&S::txtNomCoOn, f.txtNomCo},
             {&S::mskDateCoOn, f.mskDateCo},
             {&S::txtAgeCoOn, f.txtAgeCo}}};
}

} // namespace

QuoteFormState QuoteForm::state() const
{
    const Bindings b = bindings(*this);
    QuoteFormState s;
    for (const auto &[part, box] : b.dates)
        s.*part = box->digits();
    for (const auto &[part, box] : b.texts)
        s.*part = box->text();
    for (const auto &[part, box] : b.amounts)
        s.*part = box->text();
    for (const auto &[part, pair] : b.pairs)
        s.*part = selected(pair);
    for (const auto &[part, box] : b.inUse)
        s.*part = ownEnabled(box);
    s.chkCoemprunteur = chkCoemprunteur->isChecked();
    s.fraEcheance = fraEcheance->isEnabled();
    s.memory = illustration_.coempMemoire;
    return s;
}

void QuoteForm::showState(const QuoteFormState &s)
{
    // What the controls tell of these changes has been reacted to already, in the data.
    const QScopedValueRollback showing(showing_, true);
    const Bindings b = bindings(*this);
    illustration_.coempMemoire = s.memory;
    chkCoemprunteur->setChecked(s.chkCoemprunteur);
    for (const auto &[part, box] : b.dates)
        setDigits(box, s.*part);
    for (const auto &[part, box] : b.texts)
        setText(box, s.*part);
    for (const auto &[part, box] : b.amounts)
        setAmount(box, s.*part);
    for (const auto &[part, pair] : b.pairs)
        setSelected(pair, s.*part);
    for (const auto &[part, box] : b.inUse)
        setInUse(box, s.*part, box == mskDateCo);

    for (QWidget *w : {static_cast<QWidget *>(fraEcheance), static_cast<QWidget *>(optEcheance[0]),
                       static_cast<QWidget *>(optEcheance[1])})
        w->setEnabled(s.fraEcheance);
    // The co-borrower's captions, frames and options are in use with the box ticked.
    const bool co = s.chkCoemprunteur;
    for (QWidget *w : {static_cast<QWidget *>(lblPrenomCo), static_cast<QWidget *>(lblNomCo),
                       static_cast<QWidget *>(fraNaisCo), static_cast<QWidget *>(fraSexeCo),
                       static_cast<QWidget *>(fraFumCo)})
        w->setEnabled(co);
    for (QRadioButton **pair : {optNaisCo, optSexeCo, optFumCo}) {
        pair[0]->setEnabled(co);
        pair[1]->setEnabled(co);
    }
}

void QuoteForm::react(const std::function<void(QuoteFormReactions &)> &reaction)
{
    if (showing_)
        return;
    QuoteFormState s = state();
    QuoteFormReactions reactions(s, today());
    reaction(reactions);
    showState(s);
}

} // namespace norvel
