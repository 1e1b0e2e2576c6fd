#include "domain/quoteformstate.h"

#include "base/vbnumber.h"
#include "domain/amountformat.h"
#include "domain/illusrecord.h"
#include "domain/quotedates.h"
#include "domain/validation.h"

namespace norvel {

namespace {

constexpr int kDateDigits = 8;

// What a date box keeps of the digits set in it: the digits alone, as many as it has places.
QString boxDigits(const QString &text)
{
    QString only;
    for (QChar c : text)
        if (c.isDigit())
            only += c;
    return only.left(kDateDigits);
}

// Sets a value; true when it changed, as a control only then tells its change.
bool changed(QString &box, const QString &value)
{
    if (box == value)
        return false;
    box = value;
    return true;
}

MaskedValue masked(const QString &digits, bool enabled)
{
    return {digits, dateBoxText(digits), enabled};
}

// An option pair set from its stored integer: index 0 takes the value, then index 1 its
// complement; the last one set true wins.
int pairIndex(qint16 stored)
{
    return qint16(~stored) == 0 ? 0 : 1;
}

// The memory keeps a date as its digits; read as a number, "dd/mm/yyyy" again.
QString memoryDateText(const QString &digits)
{
    const QString d = digits.rightJustified(kDateDigits, QLatin1Char('0'));
    return d.left(2) + QLatin1Char('/') + d.mid(2, 2) + QLatin1Char('/') + d.mid(4);
}

// A blank amount comes back as an empty box, as this program writes a cleared one.
QString storedAmount(const QString &stored, const Language &language)
{
    return stored.trimmed().isEmpty() ? QString() : FormaterMontant(language, stored, false);
}

} // namespace

QString dateBoxText(const QString &digits)
{
    QString text = QStringLiteral("__/__/____");
    int next = 0;
    for (QChar &c : text)
        if (c != QLatin1Char('/') && next < digits.size())
            c = digits.at(next++);
    return text;
}

QuoteSnapshot QuoteFormState::snapshot() const
{
    QuoteSnapshot s;
    s.loanDate = masked(mskEffet, true);
    s.term = {txtTerme, true};
    s.endOfTerm = masked(mskEcheance, mskEcheanceOn);
    s.amortization = {txtEcheance, txtEcheanceOn};
    s.amount = txtHypotheque;
    s.payment = txtVersement;
    s.borrower = {txtPrenom,         txtNom,       masked(mskDateEmp, mskDateEmpOn),
                  {txtAge, txtAgeOn}, optSexe == 0, optFumeur == 1};
    s.coBorrower = chkCoemprunteur;
    s.coBorrowerPerson = {txtPrenomCo,           txtNomCo,       masked(mskDateCo, mskDateCoOn),
                          {txtAgeCo, txtAgeCoOn}, optSexeCo == 0, optFumCo == 1};
    return s;
}

void QuoteFormReactions::setLoanDate(const QString &digits)
{
    if (changed(s_.mskEffet, boxDigits(digits)))
        loanDateChanged();
}

void QuoteFormReactions::setEndOfTerm(const QString &digits)
{
    if (changed(s_.mskEcheance, boxDigits(digits)))
        endOfTermChanged();
}

void QuoteFormReactions::setBirthDate(const QString &digits)
{
    if (changed(s_.mskDateEmp, boxDigits(digits)))
        birthDateChanged(false);
}

void QuoteFormReactions::setCoBirthDate(const QString &digits)
{
    if (changed(s_.mskDateCo, boxDigits(digits)))
        coBirthDateChanged();
}

void QuoteFormReactions::coBirthDateChanged()
{
    // The memory follows the box only while it is in use.
    if (s_.chkCoemprunteur && s_.mskDateCoOn)
        s_.memory.dateNais = s_.mskDateCo;
    birthDateChanged(true);
}

void QuoteFormReactions::setCoBorrower(bool ticked)
{
    if (s_.chkCoemprunteur == ticked)
        return;
    s_.chkCoemprunteur = ticked;
    coBorrowerClicked();
}

void QuoteFormReactions::setAge(const QString &text)
{
    s_.txtAge = text.left(QuoteFormLimits::kAge);
}

void QuoteFormReactions::setCoAge(const QString &text)
{
    if (changed(s_.txtAgeCo, text.left(QuoteFormLimits::kAge)))
        coAgeChanged();
}

void QuoteFormReactions::setCoFirstName(const QString &text)
{
    if (changed(s_.txtPrenomCo, text.left(QuoteFormLimits::kName)))
        coFirstNameChanged();
}

void QuoteFormReactions::setCoLastName(const QString &text)
{
    if (changed(s_.txtNomCo, text.left(QuoteFormLimits::kName)))
        coLastNameChanged();
}

// What the co-borrower's boxes show is kept in the memory only while they are in use.
void QuoteFormReactions::coFirstNameChanged()
{
    if (s_.txtPrenomCoOn)
        s_.memory.prenom = s_.txtPrenomCo;
}

void QuoteFormReactions::coLastNameChanged()
{
    if (s_.txtNomCoOn)
        s_.memory.nom = s_.txtNomCo;
}

void QuoteFormReactions::coAgeChanged()
{
    if (s_.chkCoemprunteur)
        s_.memory.age = s_.txtAgeCo;
}

void QuoteFormReactions::selectEndOfTerm(int k)
{
    s_.optEcheance = k;
    s_.mskEcheanceOn = k == 0;
    s_.txtEcheanceOn = k == 1;
}

void QuoteFormReactions::selectBirthOption(int k)
{
    s_.optNaisEmp = k;
    s_.mskDateEmpOn = k == 0;
    s_.txtAgeOn = k == 1;
}

void QuoteFormReactions::selectCoBirthOption(int k)
{
    s_.optNaisCo = k;
    s_.memory.parDate = k == 0;
    s_.mskDateCoOn = k == 0;
    s_.txtAgeCoOn = k == 1;
}

void QuoteFormReactions::selectCoSex(int k)
{
    s_.optSexeCo = k;
    if (s_.chkCoemprunteur)
        s_.memory.homme = k == 0;
}

void QuoteFormReactions::selectCoSmoker(int k)
{
    s_.optFumCo = k;
    if (s_.chkCoemprunteur)
        s_.memory.fumeur = k == 1;
}

void QuoteFormReactions::amortizationFromDates()
{
    s_.txtEcheance = CalculerDureeAmortissement(dateBoxText(s_.mskEcheance), dateBoxText(s_.mskEffet))
                         .left(QuoteFormLimits::kEcheance);
}

void QuoteFormReactions::loanDateChanged()
{
    const MaskedValue loan = masked(s_.mskEffet, true);
    if (loan.digits.size() < kDateDigits) {
        // No end of term without a loan date to count from.
        if (s_.fraEcheance) {
            s_.fraEcheance = false;
            s_.optEcheance = -1;
            setEndOfTerm(QString());
            s_.mskEcheanceOn = false;
            s_.txtEcheanceOn = false;
            s_.txtEcheance.clear();
        }
        return;
    }
    const std::optional<QDate> date = validDate(loan);
    if (!date || *date < earliestLoanDate(today_))
        return;
    s_.fraEcheance = true;
    selectEndOfTerm(0);
    // A duration derived from the old loan date would contradict the dates shown and printed.
    if (validDate(masked(s_.mskEcheance, s_.mskEcheanceOn)))
        amortizationFromDates();

    // The ages given by a birth date are those at the new loan date; an age typed under the
    // age option stays, whatever the unused date box still holds.
    if (s_.optNaisEmp == 0) {
        const QString age = CalculerAge(loan.text, dateBoxText(s_.mskDateEmp));
        if (!age.isEmpty())
            setAge(age);
        if (isNumeric(s_.txtAge) && !kInsuredAge.admits(s_.txtAge))
            setAge(kNoValue);
    }
    if (!s_.memory.parDate)
        return;
    const QString coAge = CalculerAge(loan.text, memoryDateText(s_.memory.dateNais));
    if (coAge.isEmpty())
        return;
    s_.memory.age = coAge;
    if (s_.chkCoemprunteur)
        setCoAge(coAge);
}

void QuoteFormReactions::endOfTermChanged()
{
    // The first key of a new date clears the duration derived from the old one.
    if (!s_.txtEcheance.isEmpty() && !s_.txtEcheanceOn) {
        s_.txtEcheance.clear();
        return;
    }
    const MaskedValue end = masked(s_.mskEcheance, s_.mskEcheanceOn);
    if (end.digits.size() != kDateDigits)
        return;
    if (validDate(end))
        amortizationFromDates();
    else
        s_.txtEcheance = kNoValue;
}

void QuoteFormReactions::birthDateChanged(bool coBorrower)
{
    const QString &digits = coBorrower ? s_.mskDateCo : s_.mskDateEmp;
    const bool ageOn = coBorrower ? s_.txtAgeCoOn : s_.txtAgeOn;
    const QString &age = coBorrower ? s_.txtAgeCo : s_.txtAge;
    const auto setShown = [&](const QString &text) {
        if (coBorrower)
            setCoAge(text);
        else
            setAge(text);
    };
    const MaskedValue birth = masked(digits, true);
    if (birth.digits.size() == kDateDigits) {
        const QString years =
            validDate(birth) ? CalculerAge(dateBoxText(s_.mskEffet), birth.text) : QString();
        setShown(kInsuredAge.admits(years) ? years : kNoValue);
        return;
    }
    // An age derived from the date goes with it.
    if (!age.isEmpty() && !ageOn)
        setShown(QString());
}

void QuoteFormReactions::coBorrowerClicked()
{
    const CoempMemoire memory = s_.memory; // the entries to show again
    const bool e = s_.chkCoemprunteur;
    s_.txtPrenomCoOn = e;
    setCoFirstName(e ? memory.prenom : QString());
    s_.txtNomCoOn = e;
    setCoLastName(e ? memory.nom : QString());
    if (e)
        selectCoSmoker(memory.fumeur ? 1 : 0);
    if (e)
        selectCoBirthOption(memory.parDate ? 0 : 1);
    setCoBirthDate(e ? memory.dateNais : QString());
    setCoAge(e ? memory.age : QString());
    if (e) {
        selectCoSex(memory.homme ? 0 : 1);
        return;
    }
    s_.mskDateCoOn = false;
    setCoBirthDate(QString());
    s_.txtAgeCoOn = false;
    setCoAge(QString());
}

QuoteFormState loadRecord(QuoteFormState state, const IllusRecord &r, const Language &language,
                          const QDate &today)
{
    QuoteFormReactions form(state, today);
    form.setCoBorrower(false);
    state.memory.age = r.ageCo;
    state.memory.dateNais = r.dateNaisCo;
    state.memory.fumeur = r.fumeurCo != 0;
    state.memory.nom = r.nomCo;
    state.memory.parDate = r.parDateCo != 0;
    state.memory.prenom = r.prenomCo;
    state.memory.homme = r.hommeCo != 0;
    // 2 is the classic "greyed" state of a check box: no co-borrower is quoted.
    form.setCoBorrower(r.coemprunteur == 1);
    form.setBirthDate(r.dateNais);
    form.setLoanDate(r.effet);
    form.setEndOfTerm(r.echeance);
    // An option already selected is not set again, so its reaction does not run.
    if (const int k = pairIndex(r.optEcheance); state.optEcheance != k)
        form.selectEndOfTerm(k);
    state.optFumeur = r.fumeur != 0 ? 1 : 0;
    if (const int k = pairIndex(r.parDate); state.optNaisEmp != k)
        form.selectBirthOption(k);
    state.optSexe = pairIndex(r.homme);
    form.setAge(r.age);
    state.txtEcheance = r.duree.left(QuoteFormLimits::kEcheance);
    state.txtHypotheque = storedAmount(r.montant, language);
    state.txtNom = r.nom.left(QuoteFormLimits::kName);
    state.txtPrenom = r.prenom.left(QuoteFormLimits::kName);
    state.txtTerme = r.terme.left(QuoteFormLimits::kTerme);
    state.txtVersement = storedAmount(r.versement, language);
    return state;
}

QString cashText(const QString &text, const Language &language)
{
    return formatNumberText(language, text, cashPattern(language, ChiffresSeulement(text).size(), false))
        .trimmed();
}

void formatAmountsForQuote(QuoteFormState &state, const Language &language)
{
    for (QString *amount : {&state.txtHypotheque, &state.txtVersement})
        *amount = cashText(*amount, language);
}

} // namespace norvel
