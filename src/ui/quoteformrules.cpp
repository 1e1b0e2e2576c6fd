// The enabling rules of the quote form and the co-borrower memory they keep.
#include "ui/formutils.h"
#include "ui/maskededit.h"
#include "ui/optionpair.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace norvel {

void QuoteForm::connectRules()
{
    CoempMemoire *memory = &illustration_.coempMemoire;
    connect(chkCoemprunteur, &QCheckBox::toggled, this, &QuoteForm::coBorrowerClicked);

    onSelected(optEcheance, this, [this](int k) {
        mskEcheance->setEnabled(k == 0);
        setEntryColours(mskEcheance, k == 0);
        ActiverChamp(k == 1, txtEcheance, txtEcheance->text());
    });
    onSelected(optNaisEmp, this, [this](int k) {
        mskDateEmp->setEnabled(k == 0);
        setEntryColours(mskDateEmp, k == 0);
        ActiverChamp(k == 1, txtAge, txtAge->text());
    });
    onSelected(optNaisCo, this, [this, memory](int k) {
        memory->parDate = optNaisCo[0]->isChecked();
        mskDateCo->setEnabled(k == 0);
        setEntryColours(mskDateCo, k == 0, true);
        ActiverChamp(k == 1, txtAgeCo, txtAgeCo->text());
    });
    onSelected(optSexeCo, this, [this, memory](int) {
        if (optSexeCo[0]->isEnabled())
            memory->homme = optSexeCo[0]->isChecked();
    });
    onSelected(optFumCo, this, [this, memory](int) {
        if (optFumCo[0]->isEnabled())
            memory->fumeur = optFumCo[1]->isChecked();
    });
    connect(txtPrenomCo, &QLineEdit::textChanged, this, [this, memory](const QString &text) {
        if (txtPrenomCo->isEnabled())
            memory->prenom = text;
    });
    connect(txtNomCo, &QLineEdit::textChanged, this, [this, memory](const QString &text) {
        if (txtNomCo->isEnabled())
            memory->nom = text;
    });
    connect(txtAgeCo, &QLineEdit::textChanged, this, [this, memory](const QString &text) {
        if (chkCoemprunteur->isChecked())
            memory->age = text;
    });
    connect(mskDateCo, &QLineEdit::textChanged, this, [this, memory] {
        if (mskDateCo->isEnabled())
            memory->dateNais = mskDateCo->digits();
    });
    connect(cmdCotation, &QPushButton::clicked, this, &QuoteForm::quoteClicked);
}

void QuoteForm::coBorrowerClicked()
{
    const CoempMemoire memory = illustration_.coempMemoire; // the entries to show again
    const bool e = chkCoemprunteur->isChecked();

    lblPrenomCo->setEnabled(e);
    ActiverChamp(e, txtPrenomCo, e ? memory.prenom : QString());
    lblNomCo->setEnabled(e);
    ActiverChamp(e, txtNomCo, e ? memory.nom : QString());
    for (QGroupBox *box : {fraNaisCo, fraSexeCo, fraFumCo})
        box->setEnabled(e);
    if (e)
        select(optFumCo[memory.fumeur ? 1 : 0]);
    for (QRadioButton **pair : {optNaisCo, optSexeCo, optFumCo}) {
        pair[0]->setEnabled(e);
        pair[1]->setEnabled(e);
    }
    if (e)
        select(optNaisCo[memory.parDate ? 0 : 1]);
    ViderMasque(mskDateCo, e ? memory.dateNais : QString());
    txtAgeCo->setText(e ? memory.age : QString());
    if (e)
        select(optSexeCo[memory.homme ? 0 : 1]);

    if (e) {
        if (isVisible())
            txtPrenomCo->setFocus();
        return;
    }
    mskDateCo->setEnabled(false);
    ViderMasque(mskDateCo);
    setEntryColours(mskDateCo, false, true);
    ActiverChamp(false, txtAgeCo);
}

} // namespace norvel
