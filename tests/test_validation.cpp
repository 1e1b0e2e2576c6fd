// The gate before a quote: every check in its order, the first fault alone reported, the
// broker sent back to the box to correct; the warning given on leaving one field; and the ages
// and durations derived from the form's dates (a year or a month off is a wrong quote).
#include "domain/amountformat.h"
#include "domain/language.h"
#include "domain/leavingwarnings.h"
#include "domain/validation.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "ui/langstring.h"
#include "ui/programcontext.h"

#include <QtTest>
#include <functional>
#include "domain/quotedates.h"

using namespace norvel;
using namespace norvel::test;

using Edit = std::function<void(ValidationSnapshot &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

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

Edit loan(const QString &text)
{
    return [=](ValidationSnapshot &f) { f.loanDate = masked(text, true); };
}
Edit term(const QString &text)
{
    return [=](ValidationSnapshot &f) { f.term.text = text; };
}
// The end-of-term date option (date enabled, duration derived) or the duration option.
Edit byDate(const QString &end, const QString &duration)
{
    return [=](ValidationSnapshot &f) {
        f.endOfTerm = masked(end, true);
        f.amortization = {duration, false};
    };
}
Edit byDuration(const QString &duration, const QString &end = kEmptyDate)
{
    return [=](ValidationSnapshot &f) {
        f.endOfTerm = masked(end, false);
        f.amortization = {duration, true};
    };
}
// The borrower by birth date (age derived) or by age.
Edit bornOn(const QString &birth, const QString &age)
{
    return [=](ValidationSnapshot &f) {
        f.birthDate = masked(birth, true);
        f.age = {age, false};
    };
}
Edit aged(const QString &age)
{
    return [=](ValidationSnapshot &f) { f.age.text = age; };
}
Edit coBornOn(const QString &birth, const QString &age, bool ticked = true)
{
    return [=](ValidationSnapshot &f) {
        f.coBorrower = ticked;
        f.coBirthDate = masked(birth, true);
        f.coAge = {age, false};
    };
}
Edit coAged(const QString &age, bool ticked = true)
{
    return [=](ValidationSnapshot &f) {
        f.coBorrower = ticked;
        f.coBirthDate = masked(kEmptyDate, false);
        f.coAge = {age, true};
    };
}
Edit both(const Edit &first, const Edit &second)
{
    return [=](ValidationSnapshot &f) {
        first(f);
        second(f);
    };
}

void addRow(const char *name, const Edit &edit, const char *key = "", bool withFormatDate = false,
            QuoteField focus = QuoteField::mskEffet)
{
    row(name, edit, QString::fromLatin1(key), withFormatDate, focus);
}

} // namespace

class ValidationTest : public QObject {
    Q_OBJECT
    const Language french_{builtProgramDir() + QStringLiteral("/Data/French.lng")};

    QString text(const QString &key) const
    {
        return french_.text(QStringLiteral("frmCotalmira-Msg"), key);
    }

private Q_SLOTS:

    void checks_data()
    {
        // key: empty: the form passes
        columns<Edit, QString, bool, QuoteField>("edit", "key", "withFormatDate", "focus");
        using F = QuoteField;
        addRow("good form", [](ValidationSnapshot &) {});

        addRow("1 loan date empty", loan(kEmptyDate), "DatePretNonInscrit", true, F::mskEffet);
        addRow("2 loan date 31/02", loan("31/02/2010"), "DatePretNonValide", true, F::mskEffet);
        addRow("3 loan date a day too old", loan("14/09/2009"), "DatePretPrec6Actuel", false,
               F::mskEffet);
        addRow("4 loan date incomplete", loan("15/03/20__"), "DatePretNonComplete", true,
               F::mskEffet);

        addRow("5 term empty", term(""), "TermePretNonInscrit", false, F::txtTerme);
        addRow("6 term 0", term("0"), "TermePretLimitMois", false, F::txtTerme);
        addRow("6 term 61", term("61"), "TermePretLimitMois", false, F::txtTerme);
        addRow("6 term 1", term("1"));
        addRow("6 term 60", term("60"));

        addRow("7 end of term empty", byDate(kEmptyDate, ""), "DateFinTermeNonInscrite", true,
               F::mskEcheance);
        addRow("8 end of term 31/02", byDate("31/02/2012", "---"), "DateFinTermeNonValide", true,
               F::mskEcheance);
        addRow("7-9 end of term not judged under the duration option",
               byDuration("240", "31/02/2012"));

        addRow("10 duration empty, typed", byDuration(""), "DureeAmortiNonInscrite", false,
               F::txtEcheance);
        addRow("11 duration ---, derived", byDate("15/03/2010", "---"), "DureeAmortiLimitMois",
               false, F::mskEcheance);
        addRow("11 duration 0, typed", byDuration("0"), "DureeAmortiLimitMois", false,
               F::txtEcheance);
        addRow("11 duration 361, typed", byDuration("361"), "DureeAmortiLimitMois", false,
               F::txtEcheance);
        addRow("11 duration 1", byDuration("1"));
        addRow("11 duration 360", byDuration("360"));

        addRow("12 birth date empty", bornOn(kEmptyDate, ""), "DateNaisEmpNonInscrite", true,
               F::mskDateEmp);
        addRow("13 birth date 31/02", bornOn("31/02/1970", ""), "DateNaisEmpNonValide", true,
               F::mskDateEmp);
        addRow("12-14 skipped: date option beside an age", bornOn(kEmptyDate, "40"));
        addRow("15 age empty", aged(""), "AgeEmpNonInscrit", false, F::txtAge);
        addRow("16 age 17", aged("17"), "AgeEmpLimitAge", false, F::txtAge);
        addRow("16 age 66", aged("66"), "AgeEmpLimitAge", false, F::txtAge);
        addRow("16 age 18", aged("18"));
        addRow("16 age 65", aged("65"));

        addRow("20 co age empty", coAged(""), "AgeCoempNonInscrite", false, F::txtAgeCo);
        addRow("21 co age 66", coAged("66"), "AgeCoempLimitAge", false, F::txtAgeCo);
        addRow("21 co age derived", coBornOn("15/03/1975", "35"));
        addRow("17-21 unticked: faulty date ignored", coBornOn("31/02/1975", "", false));

        addRow("first wins: term before age", both(term("61"), aged("17")), "TermePretLimitMois",
               false, F::txtTerme);
    }
    void checks()
    {
        auto [edit, key, withFormatDate, focus] =
            fetch<Edit, QString, bool, QuoteField>("edit", "key", "withFormatDate", "focus");
        ValidationSnapshot form = goodForm();
        edit(form);
        const std::optional<ValidationFault> fault = validateQuote(form, kToday);
        if (key.isEmpty()) {
            QVERIFY2(!fault, fault ? qPrintable(fault->key) : "");
            return;
        }
        QVERIFY(fault);
        QCOMPARE(fault->key, key);
        QCOMPARE(fault->withFormatDate, withFormatDate);
        QCOMPARE(fault->focus, focus);
        QVERIFY(!text(key).isEmpty());
        QCOMPARE(validationMessage(*fault, french_),
                 text(key) + (withFormatDate ? "\r\n" + text(QStringLiteral("FormatDate")) : ""));
    }

    // On leaving a field, the field alone is judged, beside the number box next to a date.
    void leavingWarnings_data()
    {
        // key: empty: no warning
        columns<QString, QString, QString, QString, bool>("field", "text", "beside", "key",
                                                          "withFormatDate");
        row("loan date empty", "loan", "__/__/____", "", "", false);
        row("loan date incomplete", "loan", "15/03/20__", "", "DatePretNonComplete", true);
        row("loan date 31/02", "loan", "31/02/2010", "", "DatePretNonValide", true);
        row("loan date a day too old", "loan", "14/09/2009", "", "DatePretPrec6Actuel", false);
        row("loan date six months old", "loan", "15/09/2009", "", "", false);
        row("term empty", "term", "", "", "TermePretNonInscrit", false);
        row("term 60", "term", "60", "", "", false);
        row("term 61", "term", "61", "", "TermePretLimitMois", false);
        row("end empty", "end", "__/__/____", "", "DateFinTermeNonInscrite", true);
        row("end empty beside a duration", "end", "__/__/____", "240", "", false);
        row("end incomplete", "end", "15/03/20__", "", "DateFinTermeNonComplete", true);
        row("end on the loan date", "end", "15/03/2010", "---", "DateFinTermeNonValide", true);
        row("end in thirty years", "end", "15/03/2040", "360", "", false);
        row("duration empty", "duration", "", "", "DureeAmortiNonInscrite", false);
        row("duration 360", "duration", "360", "", "", false);
        row("duration 361", "duration", "361", "", "DureeAmortiLimitMois", false);
        row("birth giving ---", "birth", "01/09/1940", "---", "AgeEmpLimitAge", false);
        row("birth giving 40", "birth", "15/03/1970", "40", "", false);
        row("co birth 31/02", "coBirth", "31/02/1970", "", "DateNaisCoempNonValide", true);
        row("birth empty beside an age", "birth", "__/__/____", "40", "", false);
        row("co birth empty", "coBirth", "__/__/____", "", "DateNaisCoempNonInscrite", true);
        row("birth incomplete", "birth", "15/03/19__", "", "DateNaisEmpNonComplete", true);
        row("co age empty", "coAge", "", "", "AgeCoempNonInscrite", false);
        row("age 17", "age", "17", "", "AgeEmpLimitAge", false);
        row("age 18", "age", "18", "", "", false);
        row("age 66", "age", "66", "", "AgeEmpLimitAge", false);
        row("co age 66", "coAge", "66", "", "AgeCoempLimitAge", false);
    }
    void leavingWarnings()
    {
        auto [field, text, beside, key, withFormatDate] =
            fetch<QString, QString, QString, QString, bool>("field", "text", "beside", "key",
                                                            "withFormatDate");
        const MaskedValue date = masked(text, true);
        LeavingWarning warning;
        if (field == QLatin1String("loan"))
            warning = loanDateWarning(date, kToday);
        else if (field == QLatin1String("term"))
            warning = termWarning(text);
        else if (field == QLatin1String("end"))
            warning = endOfTermWarning(date, beside);
        else if (field == QLatin1String("duration"))
            warning = amortizationWarning(text);
        else if (field.endsWith(QLatin1String("irth")))
            warning = birthDateWarning(date, beside, field.startsWith(QLatin1String("co")));
        else
            warning = ageWarning(text, field.startsWith(QLatin1String("co")));
        QCOMPARE(warning ? warning->key : QString(), key);
        if (warning)
            QCOMPARE(warning->withFormatDate, withFormatDate);
    }

    void ageAtTheLoanDate_data()
    {
        columns<QString, QString, QString>("loan", "birth", "expected");
        row("day before the birthday", "15/03/2010", "16/03/1970", "39");
        row("on the birthday", "15/03/2010", "15/03/1970", "40");
        row("born 29/02, loan 28/02", "28/02/2010", "29/02/1972", "37");
        row("born 29/02, loan 01/03", "01/03/2010", "29/02/1972", "38");
        row("loan 29/02, born 01/03", "29/02/2012", "01/03/1970", "41");
        row("born after the loan", "15/03/2010", "16/03/2010", "-1");
        row("birth 29/02 of a common year", "15/03/2010", "29/02/1970", "");
        // The zero date 30/12/1899 stands in for a loan date that cannot be read.
        row("no loan date", "__/__/____", "15/03/1970", "-71");
    }
    void ageAtTheLoanDate()
    {
        auto [loan, birth, expected] =
            fetch<QString, QString, QString>("loan", "birth", "expected");
        QCOMPARE(CalculerAge(loan, birth), expected);
    }

    void amortization_data()
    {
        columns<QString, QString, QString>("end", "start", "expected");
        row("started month counts", "20/05/2012", "15/03/2010", "27");
        row("day short of a month", "14/04/2010", "15/03/2010", "1");
        row("same day", "15/03/2010", "15/03/2010", "---");
        row("end before start", "15/03/2009", "15/03/2010", "---");
        row("thirty years", "15/03/2040", "15/03/2010", "360");
        row("a day past thirty years", "16/03/2040", "15/03/2010", "361");
        row("31 calendar years, 361 months", "15/01/2041", "15/12/2010", "---");
        row("from 29/02 to 28/02", "28/02/2042", "29/02/2012", "360");
        row("end not a date", "31/02/2012", "15/03/2010", "---");
    }
    void amortization()
    {
        auto [end, start, expected] = fetch<QString, QString, QString>("end", "start", "expected");
        QCOMPARE(CalculerDureeAmortissement(end, start), expected);
    }

    void latestEndOfTerm_data()
    {
        columns<QString, QString>("loanDigits", "expected");
        row("plain", "15032010", "15032040");
        row("29/02, never a leap year 30 years on", "29022012", "28022042");
        row("loan not a date", "31022010", "");
        row("beyond year 9999", "15039980", "");
    }
    void latestEndOfTerm()
    {
        auto [loanDigits, expected] = fetch<QString, QString>("loanDigits", "expected");
        QCOMPARE(EcheanceMaximale(loanDigits), expected);
    }
};

QTEST_GUILESS_MAIN(ValidationTest)
#include "test_validation.moc"
