#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace norvel {

class Language;

// A masked date box: its digits as typed, its text with separators ("dd/mm/yyyy", "_" where
// nothing is typed yet) and whether it is enabled.
struct MaskedValue {
    QString digits;
    QString text;
    bool enabled = true;
};

// A text box.
struct FieldValue {
    QString text;
    bool enabled = true;
};

// What the quote form holds when a quote is asked for.
struct ValidationSnapshot {
    MaskedValue loanDate;    // mskEffet
    FieldValue term;         // txtTerme
    MaskedValue endOfTerm;   // mskEcheance
    FieldValue amortization; // txtEcheance
    MaskedValue birthDate;   // mskDateEmp
    FieldValue age;          // txtAge
    bool coBorrower = false; // chkCoemprunteur ticked
    MaskedValue coBirthDate; // mskDateCo
    FieldValue coAge;        // txtAgeCo
};

enum class QuoteField {
    mskEffet,
    txtTerme,
    mskEcheance,
    txtEcheance,
    mskDateEmp,
    txtAge,
    mskDateCo,
    txtAgeCo
};

// The first fault of a form: the message key (section "frmCotalmira-Msg"), whether the date
// format reminder follows it, and the control the broker is sent back to.
struct ValidationFault {
    QString key;
    bool withFormatDate = false;
    QuoteField focus = QuoteField::mskEffet;
};

// Walks the loan date, term, end of term, amortization, the borrower's birth date and age,
// then the co-borrower's when the box is ticked; the first fault found is the answer.
std::optional<ValidationFault> validateQuote(const ValidationSnapshot &form, const QDate &today);

// The text shown: the key's text, then for a date message CR LF and the format reminder.
QString validationMessage(const ValidationFault &fault, const Language &language);

// The rules a date box is judged by, here and when a field is left.
bool isEmptyDate(const MaskedValue &box);               // no digit typed
bool isIncompleteDate(const MaskedValue &box);          // some digits, not all 8
std::optional<QDate> validDate(const MaskedValue &box); // all 8, a real day/month/year
// Today moved back six months, an overflowing day carrying on: 31/08/2010 gives 03/03/2010.
QDate earliestLoanDate(const QDate &today);

// The bounds a number is held to, both included; the text is read by its leading number, so
// "---" reads 0 and is refused.
struct Limits {
    int low;
    int high;
    bool admits(const QString &text) const;
};
inline constexpr Limits kTermMonths{1, 60};
inline constexpr Limits kAmortizationMonths{1, 360};
inline constexpr Limits kInsuredAge{18, 65};

} // namespace norvel
