#pragma once

#include <QString>

namespace norvel {

// What the age and amortization boxes show when there is no value to show.
inline const QString kNoValue = QStringLiteral("---");

// The age at the loan date of a person born on the birth date, both "dd/mm/yyyy" as the masked
// boxes show them; empty when the birth date is not a date. A loan date that is not a date
// counts as the zero date 30/12/1899, which gives a negative age that callers show as "---".
QString CalculerAge(const QString &loanDateText, const QString &birthText);

// The months from the loan date (start) to the end of term, both "dd/mm/yyyy", a started month
// counting whole: 15/03/2010 to 20/05/2012 is 27. kNoValue when either is not a date, when the
// end falls less than a calendar month later, or when the years between them are 31 or more.
QString CalculerDureeAmortissement(const QString &endText, const QString &startText);

// The digits (ddmmyyyy) of the latest end of term, the loan date 30 years on; a 29 February loan
// ends on the 28th, a day the calendar has. Empty when the loan digits are not a date.
QString EcheanceMaximale(const QString &loanDigits);

} // namespace norvel
