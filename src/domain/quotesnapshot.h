#pragma once

#include "domain/validation.h"

#include <QString>

namespace norvel {

// The quote form as it stands when a quote is asked for, after its field reactions: every
// entry as the form shows it, and whether each box is in use.
struct QuoteSnapshot {
    struct Person {
        QString firstName;
        QString lastName;
        MaskedValue birthDate;
        FieldValue age;
        bool man = true;
        bool smoker = false;
    };

    MaskedValue loanDate;    // mskEffet
    FieldValue term;         // txtTerme
    MaskedValue endOfTerm;   // mskEcheance
    FieldValue amortization; // txtEcheance
    QString amount;          // txtHypotheque, as shown
    QString payment;         // txtVersement, as shown
    Person borrower;
    bool coBorrower = false; // chkCoemprunteur ticked
    Person coBorrowerPerson;

    // What validation judges of it.
    ValidationSnapshot validation() const
    {
        return {loanDate,
                term,
                endOfTerm,
                amortization,
                borrower.birthDate,
                borrower.age,
                coBorrower,
                coBorrowerPerson.birthDate,
                coBorrowerPerson.age};
    }
};

} // namespace norvel
