// The gate before a quote: every check in its order, the first fault alone reported, the
// broker sent back to the box to correct; the warning given on leaving one field; and the ages
// and durations derived from the form's dates (a year or a month off is a wrong quote).
#include "domain/amountformat.h"
#include "domain/language.h"
#include "domain/leavingwarnings.h"
#include "domain/quotedates.h"
#include "domain/validation.h"
#include "support/datarow.h"
#include "support/programfolder.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

using F = QuoteField;
const QDate kToday(2010, 3, 15);
const QString kEmptyDate = QStringLiteral("__/__/____");

MaskedValue masked(const QString &text, bool enabled)
{
    return {ChiffresSeulement(text), text, enabled};
}

// A form that passes: loan date and end of term given, borrower by age, no co-borrower.
ValidationSnapshot goodForm()
{
    ValidationSnapshot form;
    form.loanDate = masked(QStringLiteral("15/03/2010"), true);
    form.term = {QStringLiteral("60"), true};
    form.endOfTerm = masked(QStringLiteral("15/03/2040"), true);
    form.amortization = {QStringLiteral("360"), false};
    form.birthDate = masked(kEmptyDate, false);
    form.age = {QStringLiteral("40"), true};
    form.coBirthDate = masked(kEmptyDate, false);
    form.coAge = {QString(), false};
    return form;
}

// The good form with one box given a text and enabled; the other box of its pair (end of term
// or duration, birth date or age) is disabled and holds the text beside. A co-borrower's box
// ticks the co-borrower.
ValidationSnapshot formWith(QuoteField field, const QString &text, const QString &beside)
{
    ValidationSnapshot form = goodForm();
    const auto pair = [&](MaskedValue &date, FieldValue &number, bool byDate) {
        date = masked(byDate ? text : beside.isEmpty() ? kEmptyDate : beside, byDate);
        number = {byDate ? beside : text, !byDate};
    };
    if (field == F::mskEffet)
        form.loanDate = masked(text, true);
    else if (field == F::txtTerme)
        form.term.text = text;
    else if (field == F::mskEcheance || field == F::txtEcheance)
        pair(form.endOfTerm, form.amortization, field == F::mskEcheance);
    else if (field == F::mskDateEmp || field == F::txtAge)
        pair(form.birthDate, form.age, field == F::mskDateEmp);
    else {
        form.coBorrower = true;
        pair(form.coBirthDate, form.coAge, field == F::mskDateCo);
    }
    return form;
}

// Both tables: the box given a text, the text of the other box of its pair, and the fault
// expected (key: empty: none), which sends the broker back to that box.
void addColumns()
{
    columns<QuoteField, QString, QString, QString, bool>("field", "text", "beside", "key",
                                                         "withFormatDate");
}

void compareFault(const std::optional<ValidationFault> &fault)
{
    QFETCH(QuoteField, field);
    QFETCH(QString, key);
    QFETCH(bool, withFormatDate);
    QCOMPARE(fault ? fault->key : QString(), key);
    if (fault) {
        QCOMPARE(fault->withFormatDate, withFormatDate);
        QCOMPARE(fault->focus, field);
    }
}

} // namespace

class ValidationTest : public QObject {
    Q_OBJECT
    const Language french_{builtProgramDir() + QStringLiteral("/Data/French.lng")};

    QString message(const QString &key) const
    {
        return french_.text(QStringLiteral("frmCotalmira-Msg"), key);
    }

private Q_SLOTS:
    void checks_data()
    {
        addColumns();
        row("good form", F::mskEffet, "15/03/2010", "", "", false);
        row("1 loan date empty", F::mskEffet, kEmptyDate, "", "DatePretNonInscrit", true);
        row("2 loan date 31/02", F::mskEffet, "31/02/2010", "", "DatePretNonValide", true);
        row("3 loan date a day too old", F::mskEffet, "14/09/2009", "", "DatePretPrec6Actuel",
            false);
        row("4 loan date incomplete", F::mskEffet, "15/03/20__", "", "DatePretNonComplete", true);
        row("5 term empty", F::txtTerme, "", "", "TermePretNonInscrit", false);
        row("6 term 0", F::txtTerme, "0", "", "TermePretLimitMois", false);
        row("6 term 61", F::txtTerme, "61", "", "TermePretLimitMois", false);
        row("6 term 1", F::txtTerme, "1", "", "", false);
        row("6 term 60", F::txtTerme, "60", "", "", false);
        row("7 end of term empty", F::mskEcheance, kEmptyDate, "", "DateFinTermeNonInscrite", true);
        row("8 end of term 31/02", F::mskEcheance, "31/02/2012", "---", "DateFinTermeNonValide",
            true);
        row("7-9 end of term not judged under the duration option", F::txtEcheance, "240",
            "31/02/2012", "", false);
        row("10 duration empty, typed", F::txtEcheance, "", "", "DureeAmortiNonInscrite", false);
        row("11 duration ---, derived", F::mskEcheance, "15/03/2010", "---", "DureeAmortiLimitMois",
            false);
        row("11 duration 0, typed", F::txtEcheance, "0", "", "DureeAmortiLimitMois", false);
        row("11 duration 361, typed", F::txtEcheance, "361", "", "DureeAmortiLimitMois", false);
        row("11 duration 1", F::txtEcheance, "1", "", "", false);
        row("11 duration 360", F::txtEcheance, "360", "", "", false);
        row("12 birth date empty", F::mskDateEmp, kEmptyDate, "", "DateNaisEmpNonInscrite", true);
        row("13 birth date 31/02", F::mskDateEmp, "31/02/1970", "", "DateNaisEmpNonValide", true);
        row("12-14 skipped: date option beside an age", F::mskDateEmp, kEmptyDate, "40", "", false);
        row("15 age empty", F::txtAge, "", "", "AgeEmpNonInscrit", false);
        row("16 age 17", F::txtAge, "17", "", "AgeEmpLimitAge", false);
        row("16 age 66", F::txtAge, "66", "", "AgeEmpLimitAge", false);
        row("16 age 18", F::txtAge, "18", "", "", false);
        row("16 age 65", F::txtAge, "65", "", "", false);
        row("20 co age empty", F::txtAgeCo, "", "", "AgeCoempNonInscrite", false);
        row("21 co age 66", F::txtAgeCo, "66", "", "AgeCoempLimitAge", false);
        row("21 co age derived", F::mskDateCo, "15/03/1975", "35", "", false);
    }
    void checks()
    {
        QFETCH(QuoteField, field);
        QFETCH(QString, text);
        QFETCH(QString, beside);
        const std::optional<ValidationFault> fault =
            validateQuote(formWith(field, text, beside), kToday);
        compareFault(fault);
        if (!fault)
            return;
        QVERIFY(!message(fault->key).isEmpty());
        QCOMPARE(validationMessage(*fault, french_),
                 message(fault->key) +
                     (fault->withFormatDate ? "\r\n" + message(QStringLiteral("FormatDate")) : ""));
    }

    // The first fault alone is reported; an unticked co-borrower is not judged at all.
    void firstFaultAndUntickedCoBorrower()
    {
        ValidationSnapshot form = formWith(F::txtTerme, QStringLiteral("61"), QString());
        form.age.text = QStringLiteral("17");
        const ValidationFault first = validateQuote(form, kToday).value_or(ValidationFault{});
        QCOMPARE(first.key, QStringLiteral("TermePretLimitMois"));
        QCOMPARE(first.focus, F::txtTerme);
        form = formWith(F::mskDateCo, QStringLiteral("31/02/1975"), QString());
        form.coBorrower = false;
        QVERIFY(!validateQuote(form, kToday));
    }

    // On leaving a field, the field alone is judged, beside the number box next to a date.
    void leavingWarnings_data()
    {
        addColumns();
        row("loan date empty", F::mskEffet, kEmptyDate, "", "", false);
        row("loan date incomplete", F::mskEffet, "15/03/20__", "", "DatePretNonComplete", true);
        row("loan date 31/02", F::mskEffet, "31/02/2010", "", "DatePretNonValide", true);
        row("loan date a day too old", F::mskEffet, "14/09/2009", "", "DatePretPrec6Actuel", false);
        row("loan date six months old", F::mskEffet, "15/09/2009", "", "", false);
        row("term empty", F::txtTerme, "", "", "TermePretNonInscrit", false);
        row("term 60", F::txtTerme, "60", "", "", false);
        row("term 61", F::txtTerme, "61", "", "TermePretLimitMois", false);
        row("end empty", F::mskEcheance, kEmptyDate, "", "DateFinTermeNonInscrite", true);
        row("end empty beside a duration", F::mskEcheance, kEmptyDate, "240", "", false);
        row("end incomplete", F::mskEcheance, "15/03/20__", "", "DateFinTermeNonComplete", true);
        row("end on the loan date", F::mskEcheance, "15/03/2010", "---", "DateFinTermeNonValide",
            true);
        row("end in thirty years", F::mskEcheance, "15/03/2040", "360", "", false);
        row("duration empty", F::txtEcheance, "", "", "DureeAmortiNonInscrite", false);
        row("duration 360", F::txtEcheance, "360", "", "", false);
        row("duration 361", F::txtEcheance, "361", "", "DureeAmortiLimitMois", false);
        row("birth giving ---", F::mskDateEmp, "01/09/1940", "---", "AgeEmpLimitAge", false);
        row("birth giving 40", F::mskDateEmp, "15/03/1970", "40", "", false);
        row("co birth 31/02", F::mskDateCo, "31/02/1970", "", "DateNaisCoempNonValide", true);
        row("birth empty beside an age", F::mskDateEmp, kEmptyDate, "40", "", false);
        row("co birth empty", F::mskDateCo, kEmptyDate, "", "DateNaisCoempNonInscrite", true);
        row("birth incomplete", F::mskDateEmp, "15/03/19__", "", "DateNaisEmpNonComplete", true);
        row("co age empty", F::txtAgeCo, "", "", "AgeCoempNonInscrite", false);
        row("age 17", F::txtAge, "17", "", "AgeEmpLimitAge", false);
        row("age 18", F::txtAge, "18", "", "", false);
        row("age 66", F::txtAge, "66", "", "AgeEmpLimitAge", false);
        row("co age 66", F::txtAgeCo, "66", "", "AgeCoempLimitAge", false);
    }
    void leavingWarnings()
    {
        QFETCH(QuoteField, field);
        QFETCH(QString, text);
        QFETCH(QString, beside);
        const MaskedValue date = masked(text, true);
        const bool co = field == F::mskDateCo || field == F::txtAgeCo;
        if (field == F::mskEffet)
            compareFault(loanDateWarning(date, kToday));
        else if (field == F::txtTerme)
            compareFault(termWarning(text));
        else if (field == F::mskEcheance)
            compareFault(endOfTermWarning(date, beside));
        else if (field == F::txtEcheance)
            compareFault(amortizationWarning(text));
        else if (field == F::mskDateEmp || field == F::mskDateCo)
            compareFault(birthDateWarning(date, beside, co));
        else
            compareFault(ageWarning(text, co));
    }

    // What the form derives from its dates: the age at the loan date (loan, birth), the
    // amortization in months (end, start) and the latest end of term (loan digits).
    void derivedFromDates_data()
    {
        columns<QString, QString, QString, QString>("derived", "first", "second", "expected");
        row("day before the birthday", "age", "15/03/2010", "16/03/1970", "39");
        row("on the birthday", "age", "15/03/2010", "15/03/1970", "40");
        row("born 29/02, loan 28/02", "age", "28/02/2010", "29/02/1972", "37");
        row("born 29/02, loan 01/03", "age", "01/03/2010", "29/02/1972", "38");
        row("loan 29/02, born 01/03", "age", "29/02/2012", "01/03/1970", "41");
        row("born after the loan", "age", "15/03/2010", "16/03/2010", "-1");
        row("birth 29/02 of a common year", "age", "15/03/2010", "29/02/1970", "");
        // The zero date 30/12/1899 stands in for a loan date that cannot be read.
        row("no loan date", "age", "__/__/____", "15/03/1970", "-71");
        row("started month counts", "months", "20/05/2012", "15/03/2010", "27");
        row("day short of a month", "months", "14/04/2010", "15/03/2010", "1");
        row("same day", "months", "15/03/2010", "15/03/2010", "---");
        row("end before start", "months", "15/03/2009", "15/03/2010", "---");
        row("thirty years", "months", "15/03/2040", "15/03/2010", "360");
        row("a day past thirty years", "months", "16/03/2040", "15/03/2010", "361");
        row("31 calendar years, 361 months", "months", "15/01/2041", "15/12/2010", "---");
        row("from 29/02 to 28/02", "months", "28/02/2042", "29/02/2012", "360");
        row("end not a date", "months", "31/02/2012", "15/03/2010", "---");
        row("latest, plain", "latest", "15032010", "", "15032040");
        row("latest from 29/02, never a leap year 30 years on", "latest", "29022012", "",
            "28022042");
        row("latest from a loan not a date", "latest", "31022010", "", "");
        row("latest beyond year 9999", "latest", "15039980", "", "");
    }
    void derivedFromDates()
    {
        auto [derived, first, second, expected] =
            fetch<QString, QString, QString, QString>("derived", "first", "second", "expected");
        if (derived == QLatin1String("age"))
            QCOMPARE(CalculerAge(first, second), expected);
        else if (derived == QLatin1String("months"))
            QCOMPARE(CalculerDureeAmortissement(first, second), expected);
        else
            QCOMPARE(EcheanceMaximale(first), expected);
    }
};

QTEST_GUILESS_MAIN(ValidationTest)
#include "test_validation.moc"
