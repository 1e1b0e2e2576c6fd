#pragma once

#include "domain/quotesnapshot.h"

namespace norvel {
class QuoteForm;
}

namespace norvel::test {

// A quote as the broker types it: a loan of 1 September 2010 (valid on 31 August 2010), a
// 60-month term, 300 months of amortization, and the ages given; the borrower is Hélène
// Tremblay, a non-smoking woman, the co-borrower (ageCo above 0) Marc Gagnon, a smoking man.
struct QuoteEntry {
    int ageEmp = 45;
    int ageCo = 0;
    int versement = 1500;
    int montant = 150000;
};

// Typed into the form, or as the form's snapshot would hold it.
void enterQuote(QuoteForm *form, const QuoteEntry &entry);
QuoteSnapshot snapshotOf(const QuoteEntry &entry);

} // namespace norvel::test
