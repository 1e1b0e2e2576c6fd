// Which changes of the quote form mark the illustration modified, and what the form derives
// when an entry changes. Code that sets a value raises the same reactions as typing does.
#include "domain/amountformat.h"
#include "ui/maskededit.h"
#include "ui/optionpair.h"
#include "ui/quoteform.h"

#include <QLineEdit>
#include <QRadioButton>
#include <memory>

namespace norvel {

void QuoteForm::connectChanges()
{
    for (QLineEdit *box : {txtTerme, txtPrenom, txtNom, txtPrenomCo, txtNomCo})
        connect(box, &QLineEdit::textChanged, this, &QuoteForm::markModified);
    // An amount is modified by its digits, not by showing it grouped or plain.
    for (QLineEdit *box : {txtHypotheque, txtVersement}) {
        auto digits = std::make_shared<QString>(ChiffresSeulement(box->text()));
        connect(box, &QLineEdit::textChanged, this, [this, digits](const QString &text) {
            const QString now = ChiffresSeulement(text);
            if (now != *digits) {
                *digits = now;
                markModified();
            }
        });
    }
    for (QRadioButton **pair : {optSexe, optFumeur, optSexeCo, optFumCo})
        onSelected(pair, this, [this](int) { markModified(); });

    connect(mskEffet, &QLineEdit::textChanged, this, [this] {
        markModified();
        react([](QuoteFormReactions &r) { r.loanDateChanged(); });
    });
    connect(mskEcheance, &QLineEdit::textChanged, this, [this] {
        markModified();
        react([](QuoteFormReactions &r) { r.endOfTermChanged(); });
    });
    connect(mskDateEmp, &QLineEdit::textChanged, this, [this] {
        markModified();
        react([](QuoteFormReactions &r) { r.birthDateChanged(false); });
    });
    connect(mskDateCo, &QLineEdit::textChanged, this, &QuoteForm::markModified);
}

} // namespace norvel
