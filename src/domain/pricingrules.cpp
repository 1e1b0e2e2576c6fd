#include "domain/pricingrules.h"

#include <cmath>

namespace norvel {

int ColonneRisque(bool homme, bool fumeur)
{
    return (homme ? 1 : 3) + (fumeur ? 1 : 0);
}

QString TableInvalidite(bool homme, bool fumeur)
{
    return QStringLiteral("TarAssInv") + QLatin1String(homme ? "H" : "F") +
           QLatin1String(fumeur ? "F" : "NF");
}

quint8 ClasseAmortissement(double mois)
{
    struct Range {
        double first, last;
    };
    static constexpr Range classes[] = {{0, 24}, {25, 84}, {85, 144}, {145, 216}};
    for (quint8 i = 0; i < std::size(classes); ++i)
        if (mois >= classes[i].first && mois <= classes[i].last)
            return i + 1;
    return 5;
}

double TauxAnnuelTronque(float taux, float monthlyFactor)
{
    return std::trunc(double(taux) / double(monthlyFactor) * 100) / 100;
}

float PrimeVie(float taux, float montant, float monthlyFactor)
{
    return float(TauxAnnuelTronque(taux, monthlyFactor) / 1000 * double(montant));
}

float PrimeInvalidite(float taux, qint16 versement, float monthlyFactor)
{
    return float(TauxAnnuelTronque(taux, monthlyFactor) / 10 * double(versement));
}

float AppliquerRabais(float prime)
{
    // A product of two singles is exact in double, so narrowing it rounds exactly as a
    // single-precision multiplication would, whatever the compiler fuses.
    const float rabais = float(double(prime) * double(TauxRabais));
    return prime - rabais;
}

float Mensuel(float annuel, float monthlyFactor)
{
    return float(double(monthlyFactor) * double(annuel));
}

} // namespace norvel
