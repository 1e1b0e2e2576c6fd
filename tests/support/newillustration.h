#pragma once

#include "domain/illusrecord.h"

namespace norvel::test {

// The quote record of a new illustration, as the form's defaults give it: end-of-term date
// option, a man, a fresh co-borrower memory, 10000 $ and 100 $.
inline IllusRecord newIllustrationRecord()
{
    IllusRecord r;
    r.optEcheance = -1;
    r.homme = -1;
    r.hommeCo = -1;
    r.montant = QStringLiteral("10000");
    r.versement = QStringLiteral("100");
    return r;
}

} // namespace norvel::test
