// The product's arithmetic, to the single-precision bit: the rules one by one, then whole
// quotes over rates held in memory. Reals are compared with QCOMPARE_EQ, never QCOMPARE, which
// forgives a last digit.
#include "domain/pricingrules.h"
#include "domain/quotepricing.h"
#include "support/datarow.h"

#include <QHash>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

constexpr float kFactor = 0.08333f;

// Rates by (table, age, column); every lookup is recorded.
struct MemoryRates : RateSource {
    QHash<QString, float> rates; // by "table age/column"
    QStringList asked;
    void set(const QString &table, double age, int column, float rate)
    {
        rates.insert(QStringLiteral("%1 %2/%3").arg(table).arg(age).arg(column), rate);
    }
    RateResult LireTaux(const QString &table, double age, int column) override
    {
        asked << QStringLiteral("%1 %2/%3").arg(table).arg(age).arg(column);
        if (!rates.contains(asked.last()))
            return {0, RateError{RateError::Kind::NoRow, table, age, column, {}}};
        return {rates.value(asked.last()), {}};
    }
};

// Rates whose annual values are round: 0.25 gives 3.00, 0.15 gives 1.80, 0.2 gives 2.40,
// 0.5 gives 6.00 and 0.1 gives 1.20 once divided by the factor and cut.
// Borrower: a man non-smoker of 40; co-borrower: a woman smoker of 35; class 5.
MemoryRates twoPersonRates()
{
    MemoryRates rates;
    rates.rates = {{"TarAssVie 40/1", 0.25f},   {"TarAssInv24 40/1", 0.15f},
                   {"TarAssInvHNF 40/5", 0.2f}, {"TarAssVie 35/4", 0.5f},
                   {"TarAssInv24 35/4", 0.1f},  {"TarAssInvFF 35/5", 0.15f}};
    return rates;
}

QuoteTerms twoPersonTerms(bool coempAssure)
{
    QuoteTerms terms;
    terms.montant = 200000;
    terms.versement = 1000;
    terms.emprunteur = {40, true, false};
    terms.coemprunteur = {35, false, true};
    terms.CoempAssure = coempAssure;
    terms.amortissement = 300;
    terms.monthlyFactor = kFactor;
    return terms;
}

} // namespace

class PricingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void annualPremiums_data()
    {
        columns<bool, float, float, float>("life", "rate", "base", "annual");
        row("worked example", true, 0.25f, 200000.f, 600.0f);
        row("cut, not rounded: 2.99892 gives 2.99", true, 0.2499f, 1000.f, 2.99f);
        row("disability per 10 dollars", false, 0.15f, 1500.f, 270.0f);
    }
    void annualPremiums()
    {
        auto [life, rate, base, annual] =
            fetch<bool, float, float, float>("life", "rate", "base", "annual");
        const float premium =
            life ? PrimeVie(rate, base, kFactor) : PrimeInvalidite(rate, qint16(base), kFactor);
        QCOMPARE_EQ(premium, annual);
    }

    void discountRoundsItsOwnProductFirst_data()
    {
        columns<float, float>("premium", "discounted");
        row("600", 600.0f, 570.0f);
        row("zero", 0.0f, 0.0f);
        // 0.05 is not exact in single precision: the product is rounded, then subtracted;
        // neither p x 0.95 nor one rounding at the end gives these.
        row("0.15", 0.15f, 0.142500013f);
        // p - p * 0.05f worked in double and rounded once gives 4183.3071.
        row("4403.4814", 4403.4814f, 4183.3076f);
    }
    void discountRoundsItsOwnProductFirst()
    {
        auto [premium, discounted] = fetch<float, float>("premium", "discounted");
        QCOMPARE_EQ(AppliquerRabais(premium), discounted);
    }

    void amortizationClasses_data()
    {
        columns<double, int>("months", "classe");
        const std::pair<double, int> cases[] = {{0, 1},   {1, 1},     {24, 1},  {24.5, 5}, {25, 2},
                                                {84, 2},  {84.5, 5},  {85, 3},  {144, 3},  {145, 4},
                                                {216, 4}, {216.5, 5}, {217, 5}, {360, 5},  {-1, 5}};
        for (const auto &[months, classe] : cases)
            QTest::addRow("%g months", months) << months << classe;
    }
    void amortizationClasses()
    {
        auto [months, classe] = fetch<double, int>("months", "classe");
        QCOMPARE(int(ClasseAmortissement(months)), classe);
    }

    // Every premium of both persons, each from its own table, column and base, and every
    // total, with and without the co-borrower's discount.
    void everyPremiumAndTotal_data()
    {
        // premiums: life, 24-month, duration; borrower first
        columns<bool, QList<float>, QList<float>>("coempAssure", "premiums", "totals");
        // life both; life+24 borrower, co-borrower, both; life+duration likewise; 24 both;
        // duration both
        row("borrower alone", false, QList<float>{600, 180, 240, 0, 0, 0},
            QList<float>{600, 780, 0, 780, 840, 0, 840, 180, 240});
        row("co-borrower insured, 5 % off each", true, QList<float>{570, 171, 228, 1140, 114, 171},
            QList<float>{1710, 741, 1254, 1995, 798, 1311, 2109, 285, 399});
    }
    void everyPremiumAndTotal()
    {
        auto [coempAssure, premiums, totals] =
            fetch<bool, QList<float>, QList<float>>("coempAssure", "premiums", "totals");
        MemoryRates rates = twoPersonRates();
        const QuotePrices p = priceQuote(twoPersonTerms(coempAssure), rates);
        QVERIFY(!p.error);
        QCOMPARE((QList<float>{p.PrimeVieEmp, p.PrimeInv24Emp, p.PrimeInvDureeEmp, p.PrimeVieCoemp,
                               p.PrimeInv24Coemp, p.PrimeInvDureeCoemp}),
                 premiums);
        QCOMPARE((QList<float>{p.totalVie, p.totalVieInv24Emp, p.totalVieInv24Coemp,
                               p.totalVieInv24, p.totalVieInvDureeEmp, p.totalVieInvDureeCoemp,
                               p.totalVieInvDuree, p.totalInv24, p.totalInvDuree}),
                 totals);
        QCOMPARE_EQ(p.mensuel(p.totalVieInv24), coempAssure ? 166.243347f : 64.9973984f);
    }

    // Totals are single-precision sums in a fixed order: the exact sum rounded once would be
    // 1136.29504.
    void totalsAreSinglePrecisionSums()
    {
        MemoryRates rates = twoPersonRates();
        QuoteTerms terms = twoPersonTerms(true);
        terms.montant = 100000;
        terms.versement = 987;
        const QuotePrices p = priceQuote(terms, rates);
        QVERIFY(!p.error);
        QCOMPARE_EQ(p.PrimeInv24Emp, 168.777008f);
        QCOMPARE_EQ(p.totalVieInv24, 1136.29492f);
    }

    void whichPremiumsExist_data()
    {
        columns<double, bool, double, int, double, QStringList>("age", "coempAssure", "ageCo",
                                                                "payment", "months", "asked");
        const QString vie40 = QStringLiteral("TarAssVie 40/1");
        const QString vieCo = QStringLiteral("TarAssVie 35/4");
        row("borrower, payment", 40.0, false, 35.0, 1, 300.0,
            QStringList{vie40, "TarAssInv24 40/1", "TarAssInvHNF 40/5"});
        row("no payment, no disability", 40.0, true, 35.0, 0, 300.0, QStringList{vie40, vieCo});
        row("borrower 59", 59.0, false, 35.0, 500, 24.0,
            QStringList{"TarAssVie 59/1", "TarAssInv24 59/1", "TarAssInvHNF 59/1"});
        row("borrower 60", 60.0, true, 35.0, 500, 25.0,
            QStringList{"TarAssVie 60/1", vieCo, "TarAssInv24 35/4", "TarAssInvFF 35/2"});
        row("co-borrower 60", 40.0, true, 60.0, 500, 216.0,
            QStringList{vie40, "TarAssVie 60/4", "TarAssInv24 40/1", "TarAssInvHNF 40/4"});
    }
    void whichPremiumsExist()
    {
        auto [age, coempAssure, ageCo, payment, months, asked] =
            fetch<double, bool, double, int, double, QStringList>("age", "coempAssure", "ageCo",
                                                                  "payment", "months", "asked");
        // Every rate a quote could ask for, so that only what exists decides what is read.
        MemoryRates rates;
        for (const QString &key : asked)
            rates.rates.insert(key, 0.25f);
        QuoteTerms terms = twoPersonTerms(coempAssure);
        terms.emprunteur.age = age;
        terms.coemprunteur.age = ageCo;
        terms.versement = qint16(payment);
        terms.amortissement = months;
        const QuotePrices p = priceQuote(terms, rates);
        QVERIFY(!p.error);
        QCOMPARE(rates.asked, asked);
        QCOMPARE(p.vieCoemp, coempAssure);
        QCOMPARE(p.invaliditeEmp, payment > 0 && age < 60);
        QCOMPARE(p.invaliditeCoemp, coempAssure && payment > 0 && ageCo < 60);
        QCOMPARE(p.PrimeInv24Coemp > 0, p.invaliditeCoemp);
    }

    // A rate or a factor at the edge of single precision gives an infinity or a NaN: no price.
    void figuresThatAreNoNumberStopThePricing_data()
    {
        columns<float, float, QString>("rate", "factor", "table");
        row("rate near the largest single", 3e38f, kFactor, "TarAssVie");
        row("factor zero as a single", 0.25f, float(1e-300), "TarAssVie");
        row("disability rate near the largest single", 3e38f, kFactor, "TarAssInvHNF");
    }
    void figuresThatAreNoNumberStopThePricing()
    {
        auto [rate, factor, table] = fetch<float, float, QString>("rate", "factor", "table");
        MemoryRates rates = twoPersonRates();
        rates.set(table, 40, table == QLatin1String("TarAssInvHNF") ? 5 : 1, rate);
        QuoteTerms terms = twoPersonTerms(true);
        terms.monthlyFactor = factor;
        const QuotePrices p = priceQuote(terms, rates);
        QVERIFY(p.error);
        QCOMPARE(p.error->kind, RateError::Kind::NoPrice);
        QCOMPARE(p.error->table, table);
    }

    void firstMissingRateStopsThePricing()
    {
        MemoryRates rates = twoPersonRates();
        QuoteTerms terms = twoPersonTerms(true);
        terms.emprunteur.age = 41; // only the life rate of 41 is there
        rates.set(QStringLiteral("TarAssVie"), 41, 1, 0.25f);
        const QuotePrices p = priceQuote(terms, rates);
        QVERIFY(p.error);
        QCOMPARE(p.error->table, QStringLiteral("TarAssInv24"));
        QCOMPARE_EQ(p.error->age, 41.0);
        QCOMPARE(p.error->column, 1);
        QCOMPARE(rates.asked.last(), QStringLiteral("TarAssInv24 41/1"));
        QCOMPARE_EQ(p.totalVie, 0.0f);
    }
};

QTEST_APPLESS_MAIN(PricingTest)
#include "test_pricing.moc"
