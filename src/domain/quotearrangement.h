#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace norvel {

class Language;
class Report;

// The quote report's arrangement: what is hidden or moved for the persons insured.

// A1 to A3: the co-borrower rows, the cells a person above 59 cannot have and, when nobody can
// have disability, the three disability tables with their requirement columns.
void arrangeByAges(Report &report, bool coemprunteur, double ageEmp, double ageCo);

// A4: table 4's co-borrower row becomes its bold total row when there is no co-borrower row.
// Only while table 4 is shown.
void makeSingleTotalRow(Report &report);

// A5: no monthly payment, no combined table; one progress step after each of four groups.
void hideCombinedTables(Report &report, const std::function<void()> &step);

// The requirements block for both persons.
struct RequirementFacts {
    qint16 ageEmp = 0;
    qint16 ageCo = 0;
    bool coemprunteur = false;
    qint16 versement = 0;
    qint32 montant = 0;
};
void fillRequirements(Report &report, const RequirementFacts &facts, const Language &language);

} // namespace norvel
