#include "domain/validation.h"

#include "base/vbdate.h"
#include "base/vbnumber.h"
#include "domain/language.h"

namespace norvel {

namespace {

const QString kMessages = QStringLiteral("frmCotalmira-Msg");
constexpr int kDateDigits = 8;

using Fault = std::optional<ValidationFault>;

ValidationFault dateFault(const char *key, QuoteField focus)
{
    return {QString::fromLatin1(key), true, focus};
}

ValidationFault fault(const char *key, QuoteField focus)
{
    return {QString::fromLatin1(key), false, focus};
}

bool isBlank(const FieldValue &box)
{
    return box.text.trimmed().isEmpty();
}

Fault checkLoanDate(const MaskedValue &loan, const QDate &today)
{
    constexpr QuoteField focus = QuoteField::mskEffet;
    if (isEmptyDate(loan))
        return dateFault("DatePretNonInscrit", focus);
    if (isIncompleteDate(loan))
        return dateFault("DatePretNonComplete", focus);
    const std::optional<QDate> date = validDate(loan);
    if (!date)
        return dateFault("DatePretNonValide", focus);
    if (*date < earliestLoanDate(today))
        return fault("DatePretPrec6Actuel", focus);
    return std::nullopt;
}

Fault checkTerm(const FieldValue &term)
{
    if (isBlank(term))
        return fault("TermePretNonInscrit", QuoteField::txtTerme);
    if (!kTermMonths.admits(term.text))
        return fault("TermePretLimitMois", QuoteField::txtTerme);
    return std::nullopt;
}

// Judged only while the end-of-term date option is chosen; the amortization is checked after
// it either way, derived or typed.
Fault checkEndOfTerm(const MaskedValue &end)
{
    constexpr QuoteField focus = QuoteField::mskEcheance;
    if (!end.enabled)
        return std::nullopt;
    // An empty box is reported as empty even beside a duration typed before the date option
    // was chosen back: "incomplete" would send the broker looking for a missing digit.
    if (isEmptyDate(end))
        return dateFault("DateFinTermeNonInscrite", focus);
    if (isIncompleteDate(end))
        return dateFault("DateFinTermeNonComplete", focus);
    if (!validDate(end))
        return dateFault("DateFinTermeNonValide", focus);
    return std::nullopt;
}

Fault checkAmortization(const FieldValue &amortization)
{
    const QuoteField focus =
        amortization.enabled ? QuoteField::txtEcheance : QuoteField::mskEcheance;
    if (isBlank(amortization))
        return fault("DureeAmortiNonInscrite", focus);
    if (!kAmortizationMonths.admits(amortization.text))
        return fault("DureeAmortiLimitMois", focus);
    return std::nullopt;
}

struct InsuredKeys {
    const char *dateMissing;
    const char *dateInvalid;
    const char *dateIncomplete;
    const char *ageMissing;
    const char *ageOutOfRange;
    QuoteField dateBox;
    QuoteField ageBox;
};

const InsuredKeys kBorrower{
    "DateNaisEmpNonInscrite", "DateNaisEmpNonValide", "DateNaisEmpNonComplete", "AgeEmpNonInscrit",
    "AgeEmpLimitAge",         QuoteField::mskDateEmp, QuoteField::txtAge};
const InsuredKeys kCoBorrower{"DateNaisCoempNonInscrite", "DateNaisCoempNonValide",
                              "DateNaisCoempNonComplete", "AgeCoempNonInscrite",
                              "AgeCoempLimitAge",         QuoteField::mskDateCo,
                              QuoteField::txtAgeCo};

Fault checkInsured(const MaskedValue &birth, const FieldValue &age, const InsuredKeys &keys)
{
    const QuoteField focus = birth.enabled ? keys.dateBox : keys.ageBox;
    if (isBlank(age) && birth.enabled) {
        if (isEmptyDate(birth))
            return dateFault(keys.dateMissing, focus);
        if (isIncompleteDate(birth))
            return dateFault(keys.dateIncomplete, focus);
        // A good date fills the age in as soon as it is left: an empty age beside a complete
        // date means the date gave none.
        return dateFault(keys.dateInvalid, focus);
    }
    if (isBlank(age))
        return fault(keys.ageMissing, focus);
    if (!kInsuredAge.admits(age.text))
        return fault(keys.ageOutOfRange, focus);
    return std::nullopt;
}

} // namespace

std::optional<ValidationFault> validateQuote(const ValidationSnapshot &form, const QDate &today)
{
    for (const Fault &found :
         {checkLoanDate(form.loanDate, today), checkTerm(form.term), checkEndOfTerm(form.endOfTerm),
          checkAmortization(form.amortization), checkInsured(form.birthDate, form.age, kBorrower)})
        if (found)
            return found;
    if (form.coBorrower)
        return checkInsured(form.coBirthDate, form.coAge, kCoBorrower);
    return std::nullopt;
}

QString validationMessage(const ValidationFault &fault, const Language &language)
{
    QString text = language.text(kMessages, fault.key);
    if (fault.withFormatDate)
        text += QLatin1String("\r\n") + language.text(kMessages, QStringLiteral("FormatDate"));
    return text;
}

bool isEmptyDate(const MaskedValue &box)
{
    return box.digits.isEmpty();
}

bool isIncompleteDate(const MaskedValue &box)
{
    return !box.digits.isEmpty() && box.digits.size() != kDateDigits;
}

std::optional<QDate> validDate(const MaskedValue &box)
{
    if (box.digits.size() != kDateDigits)
        return std::nullopt;
    return dayMonthYear(box.text);
}

QDate earliestLoanDate(const QDate &today)
{
    return dateSerial(today.year(), today.month() - 6, today.day());
}

bool Limits::admits(const QString &text) const
{
    const double value = leadingNumber(text);
    return value >= low && value <= high;
}

} // namespace norvel
