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

namespace norvel {

namespace {

int selected(QRadioButton *const pair[2])
{
    return pair[0]->isChecked() ? 0 : pair[1]->isChecked() ? 1 : -1;
}

void setSelected(QRadioButton *pair[2], int k)
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

} // namespace

QuoteFormState QuoteForm::state() const
{
    QuoteFormState s;
    s.mskEffet = mskEffet->digits();
    s.mskEcheance = mskEcheance->digits();
    s.mskDateEmp = mskDateEmp->digits();
    s.mskDateCo = mskDateCo->digits();
    s.txtTerme = txtTerme->text();
    s.txtHypotheque = txtHypotheque->text();
    s.txtVersement = txtVersement->text();
    s.txtEcheance = txtEcheance->text();
    s.txtPrenom = txtPrenom->text();
    s.txtNom = txtNom->text();
    s.txtAge = txtAge->text();
    s.txtPrenomCo = txtPrenomCo->text();
    s.txtNomCo = txtNomCo->text();
    s.txtAgeCo = txtAgeCo->text();
    s.optEcheance = selected(optEcheance);
    s.optNaisEmp = selected(optNaisEmp);
    s.optSexe = selected(optSexe);
    s.optFumeur = selected(optFumeur);
    s.optNaisCo = selected(optNaisCo);
    s.optSexeCo = selected(optSexeCo);
    s.optFumCo = selected(optFumCo);
    s.chkCoemprunteur = chkCoemprunteur->isChecked();
    s.fraEcheance = fraEcheance->isEnabled();
    s.mskEcheanceOn = ownEnabled(mskEcheance);
    s.txtEcheanceOn = ownEnabled(txtEcheance);
    s.mskDateEmpOn = ownEnabled(mskDateEmp);
    s.txtAgeOn = ownEnabled(txtAge);
    s.txtPrenomCoOn = ownEnabled(txtPrenomCo);
    s.txtNomCoOn = ownEnabled(txtNomCo);
    s.mskDateCoOn = ownEnabled(mskDateCo);
    s.txtAgeCoOn = ownEnabled(txtAgeCo);
    s.memory = illustration_.coempMemoire;
    return s;
}

void QuoteForm::showState(const QuoteFormState &s)
{
    // What the controls tell of these changes has been reacted to already, in the data.
    const QScopedValueRollback showing(showing_, true);
    illustration_.coempMemoire = s.memory;
    chkCoemprunteur->setChecked(s.chkCoemprunteur);
    setDigits(mskEffet, s.mskEffet);
    setDigits(mskEcheance, s.mskEcheance);
    setDigits(mskDateEmp, s.mskDateEmp);
    setDigits(mskDateCo, s.mskDateCo);
    setText(txtTerme, s.txtTerme);
    setAmount(txtHypotheque, s.txtHypotheque);
    setAmount(txtVersement, s.txtVersement);
    setText(txtEcheance, s.txtEcheance);
    setText(txtPrenom, s.txtPrenom);
    setText(txtNom, s.txtNom);
    setText(txtAge, s.txtAge);
    setText(txtPrenomCo, s.txtPrenomCo);
    setText(txtNomCo, s.txtNomCo);
    setText(txtAgeCo, s.txtAgeCo);
    setSelected(optEcheance, s.optEcheance);
    setSelected(optNaisEmp, s.optNaisEmp);
    setSelected(optSexe, s.optSexe);
    setSelected(optFumeur, s.optFumeur);
    setSelected(optNaisCo, s.optNaisCo);
    setSelected(optSexeCo, s.optSexeCo);
    setSelected(optFumCo, s.optFumCo);

    for (QWidget *w : {static_cast<QWidget *>(fraEcheance), static_cast<QWidget *>(optEcheance[0]),
                       static_cast<QWidget *>(optEcheance[1])})
        w->setEnabled(s.fraEcheance);
    setInUse(mskEcheance, s.mskEcheanceOn);
    setInUse(txtEcheance, s.txtEcheanceOn);
    setInUse(mskDateEmp, s.mskDateEmpOn);
    setInUse(txtAge, s.txtAgeOn);
    const bool co = s.chkCoemprunteur;
    for (QWidget *w : {static_cast<QWidget *>(lblPrenomCo), static_cast<QWidget *>(lblNomCo),
                       static_cast<QWidget *>(fraNaisCo), static_cast<QWidget *>(fraSexeCo),
                       static_cast<QWidget *>(fraFumCo)})
        w->setEnabled(co);
    for (QRadioButton **pair : {optNaisCo, optSexeCo, optFumCo}) {
        pair[0]->setEnabled(co);
        pair[1]->setEnabled(co);
    }
    setInUse(txtPrenomCo, s.txtPrenomCoOn);
    setInUse(txtNomCo, s.txtNomCoOn);
    setInUse(mskDateCo, s.mskDateCoOn, true);
    setInUse(txtAgeCo, s.txtAgeCoOn);
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
