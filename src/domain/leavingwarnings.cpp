#include "domain/leavingwarnings.h"

#include "base/vbnumber.h"

namespace norvel {

namespace {

ValidationFault dateWarning(const char *key, QuoteField field)
{
    return {QString::fromLatin1(key), true, field};
}

ValidationFault warning(const char *key, QuoteField field)
{
    return {QString::fromLatin1(key), false, field};
}

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

LeavingWarning loanDateWarning(const MaskedValue &loan, const QDate &today)
{
    constexpr QuoteField field = QuoteField::mskEffet;
    if (isEmptyDate(loan))
        return std::nullopt;
    if (isIncompleteDate(loan))
        return dateWarning("DatePretNonComplete", field);
    const std::optional<QDate> date = validDate(loan);
    if (!date)
        return dateWarning("DatePretNonValide", field);
    if (*date < earliestLoanDate(today))
        return warning("DatePretPrec6Actuel", field);
    return std::nullopt;
}

LeavingWarning termWarning(const QString &term)
{
    if (isBlank(term))
        return warning("TermePretNonInscrit", QuoteField::txtTerme);
    if (!kTermMonths.admits(term))
        return warning("TermePretLimitMois", QuoteField::txtTerme);
    return std::nullopt;
}

LeavingWarning endOfTermWarning(const MaskedValue &end, const QString &amortization)
{
    constexpr QuoteField field = QuoteField::mskEcheance;
    if (isEmptyDate(end)) {
        // A duration typed instead of a date is a complete answer.
        if (!amortization.isEmpty())
            return std::nullopt;
        return dateWarning("DateFinTermeNonInscrite", field);
    }
    if (isIncompleteDate(end))
        return dateWarning("DateFinTermeNonComplete", field);
    if (!validDate(end) || !isNumeric(amortization))
        return dateWarning("DateFinTermeNonValide", field);
    return std::nullopt;
}

LeavingWarning amortizationWarning(const QString &amortization)
{
    if (isBlank(amortization))
        return warning("DureeAmortiNonInscrite", QuoteField::txtEcheance);
    if (!kAmortizationMonths.admits(amortization))
        return warning("DureeAmortiLimitMois", QuoteField::txtEcheance);
    return std::nullopt;
}

LeavingWarning birthDateWarning(const MaskedValue &birth, const QString &age, bool coBorrower)
{
    const QuoteField field = coBorrower ? QuoteField::mskDateCo : QuoteField::mskDateEmp;
    if (validDate(birth)) {
        if (!kInsuredAge.admits(age))
            return warning(coBorrower ? "AgeCoempLimitAge" : "AgeEmpLimitAge", field);
        return std::nullopt;
    }
    if (!isEmptyDate(birth) && !isIncompleteDate(birth))
        return dateWarning(coBorrower ? "DateNaisCoempNonValide" : "DateNaisEmpNonValide", field);
    // An age typed instead of a date is a complete answer.
    if (!isBlank(age))
        return std::nullopt;
    if (isEmptyDate(birth))
        return dateWarning(coBorrower ? "DateNaisCoempNonInscrite" : "DateNaisEmpNonInscrite",
                           field);
    return dateWarning(coBorrower ? "DateNaisCoempNonComplete" : "DateNaisEmpNonComplete", field);
}

LeavingWarning ageWarning(const QString &age, bool coBorrower)
{
    const QuoteField field = coBorrower ? QuoteField::txtAgeCo : QuoteField::txtAge;
    if (isBlank(age))
        return warning(coBorrower ? "AgeCoempNonInscrite" : "AgeEmpNonInscrit", field);
    if (!kInsuredAge.admits(age))
        return warning(coBorrower ? "AgeCoempLimitAge" : "AgeEmpLimitAge", field);
    return std::nullopt;
}

} // namespace norvel
