// The quote as a function of the form's snapshot: validated, priced and laid out without a
// widget, against the shipped rate database and French language file.
#include "domain/databaserates.h"
#include "domain/language.h"
#include "domain/quote.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "support/programfolder.h"

#include <QtTest>

using namespace norvel;
using norvel::test::builtProgramDir;

namespace {

MaskedValue date(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char('/'));
    return {digits, text, true};
}

// Hélène Tremblay, 45, and on request her co-borrower Marc Gagnon, 47, a smoker.
QuoteSnapshot entries(const QString &age, const QString &payment, bool couple)
{
    QuoteSnapshot s;
    s.loanDate = date(QStringLiteral("01/09/2010"));
    s.term = {QStringLiteral("60"), true};
    s.endOfTerm = {QString(), QStringLiteral("__/__/____"), false};
    s.amortization = {QStringLiteral("300"), true};
    s.amount = couple ? QStringLiteral("250 000") : QStringLiteral("150 000");
    s.payment = payment;
    s.borrower = {QStringLiteral("Hélène"),
                  QStringLiteral("Tremblay"),
                  {QString(), QStringLiteral("__/__/____"), false},
                  {age, true},
                  false,
                  false};
    s.coBorrower = couple;
    s.coBorrowerPerson = {QStringLiteral("Marc"),
                          QStringLiteral("Gagnon"),
                          {QString(), QStringLiteral("__/__/____"), false},
                          {QStringLiteral("47"), true},
                          true,
                          true};
    return s;
}

} // namespace

class TestQuote : public QObject {
    Q_OBJECT

    RateDatabase database_;
    Language french_{builtProgramDir() + QStringLiteral("/Data/French.lng")};
    float factor_ = 0;

    Quote quote(const QuoteSnapshot &snapshot, RateSource *rates,
                std::optional<QuotePage::Broker> broker = std::nullopt)
    {
        return makeQuote(snapshot, {broker, QDate(2010, 8, 31), QStringLiteral("Version 1.0")},
                         {rates, factor_, french_, builtProgramDir()});
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(database_.open(builtProgramDir() + QStringLiteral("/Data/Illustra.mdb")));
        QVERIFY(database_.readMonthlyFactor(factor_));
    }

    void pricesAndLaysOut_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<bool>("couple");
        QTest::addColumn<QStringList>("cells"); // name=caption
        QTest::newRow("borrower alone")
            << "45"
            << "1 500" << false << QStringList{"lblMntMens11=39,87 $",    "lblMntAnn11=478,50 $",
                                               "lblMntMens28=92,87 $",    "lblMntAnn38=1 591,50 $",
                                               "lblMntAnn422=1 113,00 $", "lblAge=45 ans"};
        QTest::newRow("couple, discounted")
            << "42"
            << "1 800" << true << QStringList{"lblMntAnn11=605,63 $",  "lblMntAnn14=1 992,63 $",
                                              "lblMntMens17=216,51 $", "lblMntAnn27=4 903,33 $",
                                              "lblMntMens37=552,94 $", "lblMntAnn37=6 635,56 $",
                                              "txtCoEmp=Marc Gagnon"};
        QTest::newRow("borrower over 59: life only")
            << "61"
            << "1 500" << false << QStringList{"lblMntMens11=130,49 $", "lblMntAnn18=1 566,00 $"};
        QTest::newRow("payment of 0: life only")
            << "45"
            << "0" << false << QStringList{"lblMntAnn11=478,50 $", "lblMntMens18=39,87 $"};
    }
    void pricesAndLaysOut()
    {
        QFETCH(QString, age);
        QFETCH(QString, payment);
        QFETCH(bool, couple);
        QFETCH(QStringList, cells);
        DatabaseRates rates(database_);
        const Quote q = quote(entries(age, payment, couple), &rates);
        QVERIFY(q.ok());
        for (const QString &cell : cells) {
            const QString name = cell.section(QLatin1Char('='), 0, 0);
            QCOMPARE((*q.report)[name].caption, cell.section(QLatin1Char('='), 1));
        }
        QCOMPARE((*q.report)[QStringLiteral("lblDate")].caption, QStringLiteral("31 août 2010"));
        QCOMPARE((*q.report)[QStringLiteral("lblVersion")].caption, QStringLiteral("Version 1.0"));
        // Whoever is over 59 or has no payment gets no combined table.
        const bool combined = age.toInt() < 60 && payment != QLatin1String("0");
        QCOMPARE((*q.report)[QStringLiteral("lblOptionA")].visible, combined);
    }

    void faultsAndMissingRatesMakeNoReport()
    {
        DatabaseRates rates(database_);
        const Quote young =
            quote(entries(QStringLiteral("17"), QStringLiteral("1 500"), false), &rates);
        QVERIFY(!young.ok());
        QVERIFY(young.fault);
        QCOMPARE(young.fault->focus, QuoteField::txtAge);
        const Quote noDatabase =
            quote(entries(QStringLiteral("45"), QStringLiteral("1 500"), false), nullptr);
        QVERIFY(!noDatabase.ok());
        QVERIFY(noDatabase.noRateDatabase && noDatabase.rateError);
    }

    void brokerLineOnlyWhenGiven()
    {
        DatabaseRates rates(database_);
        const QuoteSnapshot s = entries(QStringLiteral("45"), QStringLiteral("1 500"), false);
        const Quote with =
            quote(s, &rates,
                  QuotePage::Broker{QStringLiteral("Luc Roy"), printedTelephone("(514)555-0123")});
        QCOMPARE((*with.report)[QStringLiteral("lblTelephone")].caption,
                 QStringLiteral("(514) 555-0123"));
        QCOMPARE((*with.report)[QStringLiteral("lblCourtier")].caption, QStringLiteral("Luc Roy"));
    }
};

QTEST_GUILESS_MAIN(TestQuote)
#include "test_quote.moc"
