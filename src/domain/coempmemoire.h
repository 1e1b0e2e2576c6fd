#pragma once

#include <QString>

namespace norvel {

// The co-borrower's entries, kept while the co-borrower box is unticked so that ticking it
// again shows them as they were; illustration files store them too.
struct CoempMemoire {
    bool fumeur = false;  // smoker
    bool parDate = false; // date of birth given (not the age)
    bool homme = true;    // man
    QString prenom;
    QString nom;
    QString dateNais; // the date box's digits
    QString age;      // empty, or the typed or derived age
};

// A fresh memory: non-smoker, age given, man, nothing typed.
inline void InitCoemprunteur(CoempMemoire &memory)
{
    memory = CoempMemoire();
}

} // namespace norvel
