#pragma once

#include <QString>
#include <QtGlobal>

namespace norvel {

// The co-borrower discount on every premium of both persons.
inline constexpr float TauxRabais = 0.05f;
// Disability is priced only for an age strictly below this.
inline constexpr double AgeLimiteInvalidite = 60;

// Rate column of the life and 24-month disability tables: 1 man non-smoker, 2 man smoker,
// 3 woman non-smoker, 4 woman smoker.
int ColonneRisque(bool homme, bool fumeur);

// The person's loan-duration disability table ("TarAssInvHNF", ..., "TarAssInvFF").
QString TableInvalidite(bool homme, bool fumeur);

// Column of the loan-duration tables for an amortization in months. The bounds are tested on
// the real value, so a duration between two ranges (24.5) falls to the last class.
quint8 ClasseAmortissement(double mois);

// A tabled rate made annual and cut (never rounded) to hundredths.
double TauxAnnuelTronque(float taux, float monthlyFactor);

// Annual life premium: the rate is per 1,000 dollars of loan.
float PrimeVie(float taux, float montant, float monthlyFactor);

// Annual disability premium: the rate is per 10 dollars of monthly payment.
float PrimeInvalidite(float taux, qint16 versement, float monthlyFactor);

// The premium less the co-borrower discount, the discount itself rounded to single precision
// first.
float AppliquerRabais(float prime);

// Monthly figure of an annual premium or total.
float Mensuel(float annuel, float monthlyFactor);

} // namespace norvel
