#pragma once

#include "domain/ratesource.h"

#include <QtGlobal>

namespace norvel {

struct InsuredPerson {
    double age = 0; // completed years at the loan date
    bool homme = true;
    bool fumeur = false;
};

// What pricing needs of a quote, as the form gives it.
struct QuoteTerms {
    float montant = 0;    // loan amount, whole dollars
    qint16 versement = 0; // monthly payment, whole dollars
    InsuredPerson emprunteur;
    InsuredPerson coemprunteur; // read only when CoempAssure
    bool CoempAssure = false;
    double amortissement = 0; // months
    float monthlyFactor = 0;  // positive, as start-up guarantees
};

// Every figure of a quote, annual and discounted. A premium that does not exist is 0. When
// `error` is set the quote could not be priced and no figure may be shown.
struct QuotePrices {
    float PrimeVieEmp = 0;
    float PrimeVieCoemp = 0;
    float PrimeInv24Emp = 0;
    float PrimeInv24Coemp = 0;
    float PrimeInvDureeEmp = 0;
    float PrimeInvDureeCoemp = 0;

    bool vieCoemp = false;        // the co-borrower is insured
    bool invaliditeEmp = false;   // both disability options, borrower
    bool invaliditeCoemp = false; // both disability options, co-borrower

    // Totals: single-precision sums of the premiums above, life first, borrower first.
    // Life, both persons.
    float totalVie = 0;
    // Life with 24-month disability: per person, then both.
    float totalVieInv24Emp = 0;
    float totalVieInv24Coemp = 0;
    float totalVieInv24 = 0;
    // Life with disability for the loan's duration: per person, then both.
    float totalVieInvDureeEmp = 0;
    float totalVieInvDureeCoemp = 0;
    float totalVieInvDuree = 0;
    // Disability alone, both persons: 24 months, then the loan's duration.
    float totalInv24 = 0;
    float totalInvDuree = 0;

    float monthlyFactor = 0;
    std::optional<RateError> error; // the first rate that could not be read

    // The monthly figure of any of the annual figures above.
    float mensuel(float annuel) const;
};

// Prices both persons, every coverage and every total of one quote. Each rate is read once;
// pricing stops at the first rate that cannot be read.
QuotePrices priceQuote(const QuoteTerms &terms, RateSource &rates);

} // namespace norvel
