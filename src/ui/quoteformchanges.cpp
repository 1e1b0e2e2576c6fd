// What the quote form derives when an entry changes, and which changes mark the illustration
// modified. Code that sets a value raises the same reactions as typing does.
#include "base/clock.h"
#include "base/vbnumber.h"
#include "domain/amountformat.h"
#include "domain/quotedates.h"
#include "ui/formutils.h"
#include "ui/formvalues.h"
#include "ui/optionpair.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

namespace norvel {

namespace {

constexpr int kDateDigits = 8;

// The memory keeps a date as its digits; read as a number, "dd/mm/yyyy" again.
QString dateFromDigits(const QString &digits)
{
    const QString d = digits.rightJustified(kDateDigits, QLatin1Char('0'));
    return d.left(2) + QLatin1Char('/') + d.mid(2, 2) + QLatin1Char('/') + d.mid(4);
}

} // namespace

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

    connect(mskEffet, &QLineEdit::textChanged, this, &QuoteForm::loanDateChanged);
    connect(mskEcheance, &QLineEdit::textChanged, this, &QuoteForm::endOfTermChanged);
    connect(mskDateEmp, &QLineEdit::textChanged, this,
            [this] { birthDateChanged(mskDateEmp, txtAge); });
    connect(mskDateCo, &QLineEdit::textChanged, this,
            [this] { birthDateChanged(mskDateCo, txtAgeCo); });
}

void QuoteForm::loanDateChanged()
{
    markModified();
    const MaskedValue loan = maskedValue(mskEffet);
    if (loan.digits.size() < kDateDigits) {
        // No end of term without a loan date to count from.
        if (fraEcheance->isEnabled()) {
            fraEcheance->setEnabled(false);
            optEcheance[0]->setEnabled(false);
            optEcheance[1]->setEnabled(false);
            deselectBoth(optEcheance);
            ViderMasque(mskEcheance);
            mskEcheance->setEnabled(false);
            setEntryColours(mskEcheance, false);
            ActiverChamp(false, txtEcheance);
        }
        return;
    }
    const std::optional<QDate> date = validDate(loan);
    if (!date || *date < earliestLoanDate(today()))
        return;

    fraEcheance->setEnabled(true);
    optEcheance[0]->setEnabled(true);
    select(optEcheance[0]);
    mskEcheance->setEnabled(true);
    setEntryColours(mskEcheance, true);
    optEcheance[1]->setEnabled(true);
    // A duration derived from the old loan date would contradict the dates shown and printed.
    if (validDate(maskedValue(mskEcheance)))
        CalculerDureeAmortissement();

    // The ages given by a birth date are those at the new loan date; an age typed under the
    // age option stays, whatever the unused date box still holds.
    if (optNaisEmp[0]->isChecked()) {
        const QString age = CalculerAge(mskEffet->formattedText(), mskDateEmp->formattedText());
        if (!age.isEmpty())
            txtAge->setText(age);
        if (isNumeric(txtAge->text()) && !kInsuredAge.admits(txtAge->text()))
            txtAge->setText(kNoValue);
    }
    CoempMemoire &memory = illustration_.coempMemoire;
    if (!memory.parDate)
        return;
    const QString coAge = CalculerAge(mskEffet->formattedText(), dateFromDigits(memory.dateNais));
    if (coAge.isEmpty())
        return;
    memory.age = coAge;
    if (chkCoemprunteur->isChecked())
        txtAgeCo->setText(coAge);
}

void QuoteForm::endOfTermChanged()
{
    markModified();
    // The first key of a new date clears the duration derived from the old one.
    if (!txtEcheance->text().isEmpty() && !ownEnabled(txtEcheance)) {
        txtEcheance->clear();
        return;
    }
    const MaskedValue end = maskedValue(mskEcheance);
    if (end.digits.size() != kDateDigits)
        return;
    if (validDate(end))
        CalculerDureeAmortissement();
    else
        txtEcheance->setText(kNoValue);
}

void QuoteForm::birthDateChanged(MaskedEdit *date, QLineEdit *age)
{
    markModified();
    const MaskedValue birth = maskedValue(date);
    if (birth.digits.size() == kDateDigits) {
        const QString years =
            validDate(birth) ? CalculerAge(mskEffet->formattedText(), birth.text) : QString();
        age->setText(kInsuredAge.admits(years) ? years : kNoValue);
        return;
    }
    // An age derived from the date goes with it.
    if (!age->text().isEmpty() && !ownEnabled(age))
        age->clear();
}

} // namespace norvel
