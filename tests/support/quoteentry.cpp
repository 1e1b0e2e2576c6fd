#include "support/quoteentry.h"

#include "ui/formutils.h"
#include "ui/maskededit.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace norvel::test {

void enterQuote(QuoteForm *form, const QuoteEntry &entry)
{
    ViderMasque(form->mskEffet, QStringLiteral("01092010"));
    form->txtTerme->setText(QStringLiteral("60"));
    form->optEcheance[1]->click();
    form->txtEcheance->setText(QStringLiteral("300"));
    form->txtHypotheque->setText(QString::number(entry.montant));
    form->txtVersement->setText(QString::number(entry.versement));
    form->txtPrenom->setText(QStringLiteral("Hélène"));
    form->txtNom->setText(QStringLiteral("Tremblay"));
    form->txtAge->setText(QString::number(entry.ageEmp));
    form->optSexe[1]->setChecked(true);
    if (entry.ageCo <= 0)
        return;
    if (!form->chkCoemprunteur->isChecked())
        form->chkCoemprunteur->click();
    form->txtPrenomCo->setText(QStringLiteral("Marc"));
    form->txtNomCo->setText(QStringLiteral("Gagnon"));
    form->optNaisCo[1]->click();
    form->txtAgeCo->setText(QString::number(entry.ageCo));
    form->optFumCo[1]->setChecked(true);
}

QuoteSnapshot snapshotOf(const QuoteEntry &e)
{
    const MaskedValue noDate{QString(), QStringLiteral("__/__/____"), false};
    QuoteSnapshot s;
    s.loanDate = {QStringLiteral("01092010"), QStringLiteral("01/09/2010"), true};
    s.term = {QStringLiteral("60"), true};
    s.endOfTerm = noDate;
    s.amortization = {QStringLiteral("300"), true};
    s.amount = QString::number(e.montant);
    s.payment = QString::number(e.versement);
    s.borrower = {QStringLiteral("Hélène"),
                  QStringLiteral("Tremblay"),
                  noDate,
                  {QString::number(e.ageEmp), true},
                  false,
                  false};
    s.coBorrower = e.ageCo > 0;
    s.coBorrowerPerson = {QStringLiteral("Marc"),
                          QStringLiteral("Gagnon"),
                          noDate,
                          {QString::number(e.ageCo), s.coBorrower},
                          true,
                          true};
    return s;
}

} // namespace norvel::test
