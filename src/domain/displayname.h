#pragma once

#include <QString>

namespace norvel {

class Language;

// The name printed for an insured person: first and last names, or the salutation and the
// last name, or "Insured" and the person's number.
QString NomAffiche(const Language &language, const QString &firstName, const QString &lastName,
                   bool isMan, int number);

} // namespace norvel
