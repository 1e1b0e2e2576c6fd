// Ages and amortization durations derived from the form's dates: an age one year off prices
// the wrong rate, a duration one month off is a wrong quote.
#include "domain/quotedates.h"
#include "support/datarow.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class QuoteDatesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_GUILESS_MAIN(QuoteDatesTest)
#include "test_quotedates.moc"
