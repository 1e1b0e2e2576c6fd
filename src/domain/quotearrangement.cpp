#include "domain/quotearrangement.h"

#include "domain/language.h"
#include "domain/pricingrules.h"
#include "domain/quotereport.h"
#include "domain/report.h"
#include "domain/underwriting.h"

#include <initializer_list>

namespace norvel {

namespace {

void hide(Report &report, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        report[QLatin1String(name)].visible = false;
}

void hideCells(Report &report, std::initializer_list<const char *> codes)
{
    for (const char *code : codes) {
        const AmountCell cell = amountCell(QLatin1String(code));
        for (const QString &name : {cell.mensuel, cell.slash, cell.annuel})
            report[name].visible = false;
    }
}

void hideSlashes(Report &report, char table)
{
    for (char cell = '1'; cell <= '8'; ++cell)
        report[amountCell(QString(QLatin1Char(table)) + QLatin1Char(cell)).slash].visible = false;
}

bool above59(double age)
{
    return age >= AgeLimiteInvalidite;
}

} // namespace

void arrangeByAges(Report &report, bool coemprunteur, double ageEmp, double ageCo)
{
    if (coemprunteur && !above59(ageEmp) && !above59(ageCo))
        return;
    hide(report, {"lblCo2", "lblCo3", "lblCo42", "asterix1", "asterix2", "asterix3", "asterix4a",
                  "asterix4b", "lblTotalPrime4", "lblSlashTotal4", "lblTotalAM", "lblTotalAA",
                  "lblTotalBA", "lblTotalBM", "Label12", "lblSlash27", "lblSlash37"});
    hideCells(report, {"24", "34", "424", "25", "35", "425", "26", "36"});
    if (above59(ageEmp) || above59(ageCo))
        hideCells(report, {"23", "33"});
    const bool nobodyDisabled = above59(ageEmp) && (!coemprunteur || above59(ageCo));
    if (!nobodyDisabled)
        return;
    hide(report, {"lblAssVieInv24Mois",
                  "lblOptionA",
                  "shpCase2",
                  "lblAssVieInvPret",
                  "lblOptionB",
                  "shpCase3",
                  "lblTitreInv42a",
                  "lblTitreInv42b",
                  "Shape1",
                  "lblAssInv",
                  "shpCase42a",
                  "shpCase42b",
                  "lblTitreVie2",
                  "lblTitreInv2",
                  "lblTitrePrime2",
                  "linTab2",
                  "linTab4",
                  "lblTitreVie3",
                  "lblTitreInv3",
                  "lblTitrePrime3",
                  "linTab3",
                  "lblEmp2",
                  "lblEmp3",
                  "lblEmp42"});
    hideCells(report, {"21", "31", "421", "22", "32", "422", "28", "38"});
    hide(report, {"lblNormeInvl1", "lblNormeInvl2", "lblEntNormesInvl", "lblNormeVieEtInvl1",
                  "lblNormeVieEtInvl2", "lblEntNormesVieEtInvl"});
}

void makeSingleTotalRow(Report &report)
{
    ReportControl &rowLabel = report[QStringLiteral("lblCo42")];
    if (!report[QStringLiteral("lblAssInv")].visible || rowLabel.visible)
        return;
    rowLabel.caption = report[QStringLiteral("lblTotalPrime4")].caption;
    rowLabel.visible = true;
    rowLabel.bold = true;
    for (const char *code : {"424", "425"}) {
        const AmountCell cell = amountCell(QLatin1String(code));
        for (const QString &name : {cell.mensuel, cell.slash, cell.annuel}) {
            report[name].visible = true;
            report[name].bold = true;
        }
    }
}

void hideCombinedTables(Report &report, const std::function<void()> &step)
{
    hide(report, {"lblAssVieInv24Mois", "lblOptionA", "shpCase2", "lblTitreVie2", "lblTitreInv2",
                  "lblTitrePrime2", "linTab2", "lblEmp2", "lblCo2"});
    step();
    hideSlashes(report, '2');
    step();
    hide(report, {"lblAssVieInvPret", "lblOptionB", "shpCase3", "lblTitreVie3", "lblTitreInv3",
                  "lblTitrePrime3", "linTab3", "lblEmp3", "lblCo3"});
    step();
    hideSlashes(report, '3');
    step();
}

void fillRequirements(Report &report, const RequirementFacts &facts, const Language &language)
{
    const auto fill = [&](char row, qint16 age) {
        const QString n = QString(QLatin1Char(row));
        if (!above59(age)) {
            report[QStringLiteral("lblNormeVieEtInvl") + n].caption =
                ExigencesVieInvalidite(language, age, facts.versement, facts.montant);
            report[QStringLiteral("lblNormeInvl") + n].caption =
                ExigencesInvalidite(language, age, facts.versement);
        }
        report[QStringLiteral("lblNormeVie") + n].caption =
            ExigencesVie(language, age, facts.montant);
    };
    fill('1', facts.ageEmp);
    if (facts.versement <= 0)
        hide(report, {"lblNormeInvl1", "lblNormeInvl2", "lblEntNormesInvl", "lblNormeVieEtInvl1",
                      "lblNormeVieEtInvl2", "lblEntNormesVieEtInvl"});
    if (facts.montant <= 0)
        hide(report, {"lblNormeVieEtInvl1", "lblNormeVieEtInvl2", "lblEntNormesVieEtInvl"});
    if (!facts.coemprunteur)
        return;
    report[QStringLiteral("lblAss2")].caption =
        language.text(QStringLiteral("frmCotalmira-Val"), QStringLiteral("Coemp2points"));
    fill('2', facts.ageCo);
}

} // namespace norvel
