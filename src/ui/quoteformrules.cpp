// The enabling rules of the quote form and the co-borrower memory they keep, run on the form
// as data.
#include "ui/maskededit.h"
#include "ui/optionpair.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace norvel {

void QuoteForm::connectRules()
{
    connect(chkCoemprunteur, &QCheckBox::toggled, this, &QuoteForm::coBorrowerClicked);
    using Select = void (QuoteFormReactions::*)(int);
    const std::pair<QRadioButton **, Select> pairs[] = {
        {optEcheance, &QuoteFormReactions::selectEndOfTerm},
        {optNaisEmp, &QuoteFormReactions::selectBirthOption},
        {optNaisCo, &QuoteFormReactions::selectCoBirthOption},
        {optSexeCo, &QuoteFormReactions::selectCoSex},
        {optFumCo, &QuoteFormReactions::selectCoSmoker},
    };
    for (const auto &[pair, select] : pairs)
        onSelected(pair, this, [this, select = select](int k) {
            react([&](QuoteFormReactions &r) { (r.*select)(k); });
        });
    using Changed = void (QuoteFormReactions::*)();
    const std::pair<QLineEdit *, Changed> boxes[] = {
        {txtPrenomCo, &QuoteFormReactions::coFirstNameChanged},
        {txtNomCo, &QuoteFormReactions::coLastNameChanged},
        {txtAgeCo, &QuoteFormReactions::coAgeChanged},
        {mskDateCo, &QuoteFormReactions::coBirthDateChanged},
    };
    for (const auto &[box, changed] : boxes)
        connect(box, &QLineEdit::textChanged, this, [this, changed = changed] {
            react([&](QuoteFormReactions &r) { (r.*changed)(); });
        });
    connect(cmdCotation, &QPushButton::clicked, this, &QuoteForm::quoteClicked);
}

void QuoteForm::coBorrowerClicked()
{
    if (showing_)
        return;
    react([](QuoteFormReactions &r) { r.coBorrowerClicked(); });
    if (chkCoemprunteur->isChecked() && isVisible())
        txtPrenomCo->setFocus();
}

} // namespace norvel
