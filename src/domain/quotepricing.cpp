#include "domain/quotepricing.h"

#include "domain/pricingrules.h"
#include "domain/ratetables.h"

#include <cmath>

namespace norvel {

float QuotePrices::mensuel(float annuel) const
{
    return Mensuel(annuel, monthlyFactor);
}

namespace {

class QuotePricer {
public:
    QuotePricer(const QuoteTerms &terms, RateSource &rates)
        : terms_(terms)
        , rates_(rates)
    {
        prices_.monthlyFactor = terms.monthlyFactor;
    }

    QuotePrices run()
    {
        const InsuredPerson &emp = terms_.emprunteur;
        const InsuredPerson &coemp = terms_.coemprunteur;
        prices_.vieCoemp = terms_.CoempAssure;
        prices_.invaliditeEmp = hasDisability(emp);
        prices_.invaliditeCoemp = terms_.CoempAssure && hasDisability(coemp);

        life(emp, prices_.PrimeVieEmp);
        if (prices_.vieCoemp)
            life(coemp, prices_.PrimeVieCoemp);
        if (prices_.invaliditeEmp)
            disability(emp, prices_.PrimeInv24Emp, prices_.PrimeInvDureeEmp);
        if (prices_.invaliditeCoemp)
            disability(coemp, prices_.PrimeInv24Coemp, prices_.PrimeInvDureeCoemp);
        if (!prices_.error)
            totals();
        return prices_;
    }

private:
    bool hasDisability(const InsuredPerson &who) const
    {
        return terms_.versement > 0 && who.age < AgeLimiteInvalidite;
    }

    // False once any rate has failed, so the first failure is the one reported.
    bool rate(const QString &table, const InsuredPerson &who, int column, float &taux)
    {
        if (prices_.error)
            return false;
        const RateResult read = rates_.LireTaux(table, who.age, column);
        prices_.error = read.error;
        taux = read.rate;
        return bool(read);
    }

    // A premium, annual and monthly, must be a number a single can hold: a rate or a factor at
    // the edge of the range gives an infinity, or a NaN once discounted, which is no price.
    bool priced(float annuel) const
    {
        const float monthly = prices_.mensuel(annuel);
        return std::isfinite(annuel) && annuel >= 0 && std::isfinite(monthly) && monthly >= 0;
    }

    void check(std::initializer_list<float> premiums, const QString &table, double age,
               int column)
    {
        for (const float prime : premiums)
            if (!prices_.error && !priced(prime))
                prices_.error = RateError{RateError::Kind::NoPrice, table, age, column,
                                          QString::number(double(prime))};
    }

    float discounted(float prime) const
    {
        return terms_.CoempAssure ? AppliquerRabais(prime) : prime;
    }

    void life(const InsuredPerson &who, float &prime)
    {
        float taux = 0;
        const int column = ColonneRisque(who.homme, who.fumeur);
        if (!rate(TableVie, who, column, taux))
            return;
        prime = discounted(PrimeVie(taux, terms_.montant, terms_.monthlyFactor));
        check({prime}, TableVie, who.age, column);
    }

    void disability(const InsuredPerson &who, float &prime24, float &primeDuree)
    {
        float taux24 = 0;
        float tauxDuree = 0;
        const int column = ColonneRisque(who.homme, who.fumeur);
        const QString table = TableInvalidite(who.homme, who.fumeur);
        const int classe = ClasseAmortissement(terms_.amortissement);
        if (!rate(TableInvalidite24, who, column, taux24) || !rate(table, who, classe, tauxDuree))
            return;
        prime24 = discounted(PrimeInvalidite(taux24, terms_.versement, terms_.monthlyFactor));
        primeDuree = discounted(PrimeInvalidite(tauxDuree, terms_.versement, terms_.monthlyFactor));
        check({prime24}, TableInvalidite24, who.age, column);
        check({primeDuree}, table, who.age, classe);
    }

    void totals()
    {
        QuotePrices &p = prices_;
        p.totalVie = p.PrimeVieEmp + p.PrimeVieCoemp;
        p.totalVieInv24Emp = p.PrimeVieEmp + p.PrimeInv24Emp;
        p.totalVieInv24Coemp = p.PrimeVieCoemp + p.PrimeInv24Coemp;
        p.totalVieInv24 = p.PrimeVieEmp + p.PrimeInv24Emp + p.PrimeVieCoemp + p.PrimeInv24Coemp;
        p.totalVieInvDureeEmp = p.PrimeVieEmp + p.PrimeInvDureeEmp;
        p.totalVieInvDureeCoemp = p.PrimeVieCoemp + p.PrimeInvDureeCoemp;
        p.totalVieInvDuree =
            p.PrimeVieEmp + p.PrimeInvDureeEmp + p.PrimeVieCoemp + p.PrimeInvDureeCoemp;
        p.totalInv24 = p.PrimeInv24Emp + p.PrimeInv24Coemp;
        p.totalInvDuree = p.PrimeInvDureeEmp + p.PrimeInvDureeCoemp;
        // Priced premiums near the top of the range can still add up to an infinity.
        check({p.totalVie, p.totalVieInv24Emp, p.totalVieInv24Coemp, p.totalVieInv24,
               p.totalVieInvDureeEmp, p.totalVieInvDureeCoemp, p.totalVieInvDuree, p.totalInv24,
               p.totalInvDuree},
              TableVie, terms_.emprunteur.age, 0);
    }

    const QuoteTerms &terms_;
    RateSource &rates_;
    QuotePrices prices_;
};

} // namespace

QuotePrices priceQuote(const QuoteTerms &terms, RateSource &rates)
{
    return QuotePricer(terms, rates).run();
}

} // namespace norvel
