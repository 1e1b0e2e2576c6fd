#pragma once

#include "domain/coempmemoire.h"
#include "domain/quotesnapshot.h"

#include <QDate>
#include <QString>

namespace norvel {

class Language;
struct IllusRecord;

// The quote form as data: what each control shows, which option of each pair is selected and
// which boxes are in use. The form shows one; the headless tool keeps one from file to file,
// as the form keeps its controls.
struct QuoteFormState {
    // The date boxes by their digits (ddmmyyyy, fewer while incomplete), the others as shown.
    QString mskEffet, mskEcheance, mskDateEmp, mskDateCo;
    QString txtTerme, txtHypotheque, txtVersement, txtEcheance;
    QString txtPrenom, txtNom, txtAge, txtPrenomCo, txtNomCo, txtAgeCo;
    // The option selected in each pair, -1 when neither is.
    int optEcheance = 0, optNaisEmp = 1, optSexe = 0, optFumeur = 0;
    int optNaisCo = -1, optSexeCo = -1, optFumCo = -1;
    bool chkCoemprunteur = false;
    // Each box's own enabled state; the co-borrower's frames follow chkCoemprunteur.
    bool fraEcheance = false; // the end-of-term frame and its two options
    bool mskEcheanceOn = false, txtEcheanceOn = false, mskDateEmpOn = false, txtAgeOn = true;
    bool txtPrenomCoOn = false, txtNomCoOn = false, mskDateCoOn = false, txtAgeCoOn = false;
    CoempMemoire memory;

    // The entries as the quote takes them.
    QuoteSnapshot snapshot() const;
};

// The most characters each text box takes.
struct QuoteFormLimits {
    static constexpr int kTerme = 2, kEcheance = 3, kName = 15, kAge = 3;
};

// A date box's text: "dd/mm/yyyy" with "_" in the positions not typed.
QString dateBoxText(const QString &digits);

// The form's reactions to its changes, run on data. A value set here raises what the same
// value set in the form's control raises, in the same order, and only when it changes.
class QuoteFormReactions {
public:
    QuoteFormReactions(QuoteFormState &state, const QDate &today)
        : s_(state)
        , today_(today)
    {
    }

    void setLoanDate(const QString &digits);
    void setEndOfTerm(const QString &digits);
    void setBirthDate(const QString &digits);
    void setCoBirthDate(const QString &digits);
    void setCoBorrower(bool ticked);
    void setAge(const QString &text);
    void setCoAge(const QString &text);
    void setCoFirstName(const QString &text);
    void setCoLastName(const QString &text);
    // An option set as a click sets it: its reaction runs even when it was already selected.
    void selectEndOfTerm(int k);
    void selectBirthOption(int k);
    void selectCoBirthOption(int k);
    void selectCoSex(int k);
    void selectCoSmoker(int k);

    // The reactions themselves, for a change made elsewhere.
    void loanDateChanged();
    void endOfTermChanged();
    void birthDateChanged(bool coBorrower);
    void coBirthDateChanged();
    void coFirstNameChanged();
    void coLastNameChanged();
    void coAgeChanged();
    void coBorrowerClicked();
    void amortizationFromDates();

private:
    QuoteFormState &s_;
    QDate today_;
};

// The form once an illustration record is read into it, from the form as it stood.
QuoteFormState loadRecord(QuoteFormState state, const IllusRecord &record,
                          const Language &language, const QDate &today);

// The two amounts as the quote button shows them, in the language's format.
void formatAmountsForQuote(QuoteFormState &state, const Language &language);

// An amount box's text in the language's format for its digit count; any other text kept.
QString cashText(const QString &text, const Language &language);

} // namespace norvel
