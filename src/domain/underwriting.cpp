#include "domain/underwriting.h"

#include "domain/language.h"

#include <limits>

namespace norvel {

namespace {

constexpr Exigence Enq = Exigence::EnqueteReg;
constexpr Exigence Sang = Exigence::ProfilSang;
constexpr Exigence Para = Exigence::ExamParamedic;
constexpr Exigence Urine = Exigence::UrineHIV;
constexpr Exigence ECG = Exigence::ECGRepos;
constexpr Exigence Tel = Exigence::EntrevueTel;
constexpr Exigence TelSV = Exigence::EntrevueTelSignesVitaux;
constexpr Exigence DSouTel = Exigence::DeclaSanteOuEntrevueTel;
constexpr Exigence RMT = Exigence::RapportMedTraitant;

constexpr qint32 kNoLimit = std::numeric_limits<qint32>::max();

// clang-format off
constexpr Band kPaymentAges[] = {{18, 35}, {36, 45}, {46, 50}, {51, 65}};
constexpr Band kPayments[] = {
    {1, 1000}, {1001, 2000}, {2001, 2500}, {2501, 3000}, {3001, 4500}, {4501, kNoLimit}};
constexpr Exigences kPaymentCells[] = {
/* 18-35 */ DSouTel,     DSouTel,     DSouTel,       Urine | Tel,
            Enq | Sang | Urine | TelSV,              Enq | Sang | Para | Urine,
/* 36-45 */ DSouTel,     DSouTel,     Urine | Tel,   Sang | Urine | Tel,
            Enq | Sang | Urine | TelSV,              Enq | Sang | Para | Urine,
/* 46-50 */ DSouTel,     Urine | Tel, Urine | TelSV, Sang | Urine | TelSV,
            Enq | Sang | Urine | TelSV,              Enq | Sang | Para | Urine,
/* 51-65 */ Urine | Tel, Urine | Tel, Urine | TelSV, Sang | Para | Urine | RMT,
            Enq | Sang | Para | Urine | ECG | RMT,   Enq | Sang | Para | Urine | ECG | RMT};

constexpr Band kAmountAges[] = {{18, 35}, {36, 40}, {41, 50}, {51, 60}, {61, 65}};
constexpr Band kAmounts[] = {
    {1, 99000}, {99001, 99999}, {100000, 200000}, {200001, 300000}, {300001, 500000},
    {500001, 1000000}, {1000001, kNoLimit}};
// Ages 41 to 50 from 99,001 to 99,999 dollars follow the amounts below, as every other row
// does.
constexpr Exigences kAmountCells[] = {
/* 18-35 */ DSouTel, DSouTel, Urine | DSouTel, Urine | DSouTel,         Urine | Tel,
            Sang | Urine | TelSV,              Sang | Urine | TelSV,
/* 36-40 */ DSouTel, DSouTel, Urine | DSouTel, Urine | Tel,             Sang | Urine | TelSV,
            Sang | Urine | TelSV,              Sang | Para | Urine,
/* 41-50 */ DSouTel, DSouTel, Urine | TelSV,   Urine | TelSV,           Sang | Urine | TelSV,
            Sang | Urine | TelSV,              Enq | Sang | Para | Urine | ECG,
/* 51-60 */ TelSV,   TelSV,   Urine | TelSV,   Sang | Urine | TelSV,    Sang | Urine | TelSV,
            Sang | Urine | ECG | TelSV,        Enq | Sang | Para | Urine | ECG,
/* 61-65 */ TelSV,   TelSV,   Urine | TelSV,   Sang | Para | Urine | ECG, Sang | Para | Urine | ECG,
            Sang | Para | Urine | ECG,         Enq | Sang | Para | Urine | ECG | RMT};
// clang-format on

static_assert(std::size(kPaymentCells) == std::size(kPaymentAges) * std::size(kPayments));
static_assert(std::size(kAmountCells) == std::size(kAmountAges) * std::size(kAmounts));

struct Key {
    Exigence exigence;
    const char *key;
};
// In the order the quote lists them.
constexpr Key kKeys[] = {{Enq, "EnqueteReg"},
                         {Sang, "ProfilSang"},
                         {Para, "ExamParamedic"},
                         {Urine, "UrineHIV"},
                         {ECG, "ECGRepos"},
                         {Tel, "EntrevueTel"},
                         {TelSV, "EntrevueTelSignesVitaux"},
                         {DSouTel, "declaSanteOuEntrevueTel"},
                         {RMT, "RapportMedTraitant"}};

int bandOf(std::span<const Band> bands, qint32 value)
{
    for (size_t i = 0; i < bands.size(); ++i)
        if (value >= bands[i].first && value <= bands[i].last)
            return int(i);
    return -1;
}

} // namespace

Exigences RequirementGrid::lookup(qint32 age, qint32 value) const
{
    const int row = bandOf(ages, age);
    const int column = bandOf(columns, value);
    return row < 0 || column < 0 ? Exigences{} : cell(size_t(row), size_t(column));
}

const RequirementGrid &grilleVersement()
{
    static const RequirementGrid grid{kPaymentAges, kPayments, kPaymentCells};
    return grid;
}

const RequirementGrid &grilleMontant()
{
    static const RequirementGrid grid{kAmountAges, kAmounts, kAmountCells};
    return grid;
}

Exigences exigencesRequises(qint16 age, qint16 versement, qint32 montant)
{
    Exigences found =
        grilleVersement().lookup(age, versement) | grilleMontant().lookup(age, montant);
    // A paramedical exam includes the interviews; an interview with vital signs includes the
    // exam and the other interviews.
    if (found.testFlag(Para))
        found &= ~Exigences(Tel | DSouTel);
    if (found.testFlag(TelSV))
        found &= ~Exigences(Tel | DSouTel | Para);
    return found;
}

QStringList clesExigences(Exigences exigences)
{
    QStringList keys;
    for (const Key &k : kKeys)
        if (exigences.testFlag(k.exigence))
            keys << QLatin1String(k.key);
    return keys;
}

QString ExigencesMedicales(const Language &language, qint16 age, qint16 versement, qint32 montant)
{
    QStringList texts;
    for (const QString &key : clesExigences(exigencesRequises(age, versement, montant)))
        texts << language.text(QStringLiteral("frmCotalmira-Val"), key);
    return texts.join(QLatin1String("\r\n"));
}

QString ExigencesVieInvalidite(const Language &language, qint16 age, qint16 versement,
                               qint32 montant)
{
    return ExigencesMedicales(language, age, versement, montant);
}

QString ExigencesInvalidite(const Language &language, qint16 age, qint16 versement)
{
    return ExigencesMedicales(language, age, versement, -1);
}

QString ExigencesVie(const Language &language, qint16 age, qint32 montant)
{
    return ExigencesMedicales(language, age, -1, montant);
}

} // namespace norvel
