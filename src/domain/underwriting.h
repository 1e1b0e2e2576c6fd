#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>
#include <span>

namespace norvel {

class Language;

// The medical requirements an insured person can be asked for, in the order the quote lists
// them.
enum class Exigence : quint16 {
    EnqueteReg = 1 << 0,
    ProfilSang = 1 << 1,
    ExamParamedic = 1 << 2,
    UrineHIV = 1 << 3,
    ECGRepos = 1 << 4,
    EntrevueTel = 1 << 5,
    EntrevueTelSignesVitaux = 1 << 6,
    DeclaSanteOuEntrevueTel = 1 << 7,
    RapportMedTraitant = 1 << 8,
};
Q_DECLARE_FLAGS(Exigences, Exigence)
Q_DECLARE_OPERATORS_FOR_FLAGS(Exigences)

// An inclusive range of ages or of dollars.
struct Band {
    qint32 first;
    qint32 last;
};

// One requirement grid: a cell per age row and per column of dollars.
struct RequirementGrid {
    std::span<const Band> ages;
    std::span<const Band> columns;
    std::span<const Exigences> cells; // row after row

    Exigences cell(size_t row, size_t column) const { return cells[row * columns.size() + column]; }
    // Nothing for an age or a value outside every row or column.
    Exigences lookup(qint32 age, qint32 value) const;
};

// Disability: by monthly payment. Life: by loan amount.
const RequirementGrid &grilleVersement();
const RequirementGrid &grilleMontant();

// The union of both grids' cells, less the requirements another one includes. A payment or an
// amount below 1 adds nothing; ages outside 18 to 65 find no row.
Exigences exigencesRequises(qint16 age, qint16 versement, qint32 montant);

// The language keys (section "frmCotalmira-Val") of the requirements, in the quote's order.
QStringList clesExigences(Exigences exigences);

// The requirements' texts in the language given, one per line (CR LF), in the quote's
// order; empty when nothing is required.
QString ExigencesMedicales(const Language &language, qint16 age, qint16 versement, qint32 montant);
QString ExigencesVieInvalidite(const Language &language, qint16 age, qint16 versement,
                               qint32 montant);
QString ExigencesInvalidite(const Language &language, qint16 age, qint16 versement);
QString ExigencesVie(const Language &language, qint16 age, qint32 montant);

} // namespace norvel
