#pragma once

#include "domain/validation.h"

#include <QDate>
#include <optional>

namespace norvel {

// The warning given when the broker leaves a field of the quote form: the same messages as the
// check before quoting, judged on the field alone, and only once something is wrong with what
// was typed. Nothing is answered when the field may be left as it is.
using LeavingWarning = std::optional<ValidationFault>;

LeavingWarning loanDateWarning(const MaskedValue &loan, const QDate &today);
LeavingWarning termWarning(const QString &term);
// The end of term beside the amortization box's text, which a good date has derived.
LeavingWarning endOfTermWarning(const MaskedValue &end, const QString &amortization);
LeavingWarning amortizationWarning(const QString &amortization);
// A birth date beside its age box, which shows the age the date gives ("---" outside 18–65).
LeavingWarning birthDateWarning(const MaskedValue &birth, const QString &age, bool coBorrower);
LeavingWarning ageWarning(const QString &age, bool coBorrower);

} // namespace norvel
