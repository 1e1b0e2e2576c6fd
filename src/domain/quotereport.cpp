#include "domain/quotereport.h"

#include "base/paths.h"
#include "domain/language.h"
#include "domain/report.h"

namespace norvel {

namespace {

enum Style : unsigned {
    Plain = 0,
    Bold = 1,
    Right = 2,
    Centre = 4,
    Small = 8,    // footnotes and requirement texts
    Heading = 16, // the page title
};

struct Design {
    const char *name;
    ControlKind kind;
    int x, y, w, h;
    const char *caption; // the French design caption, replaced by the language's
    unsigned style;
};

constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind T = ControlKind::TextField;
constexpr ControlKind S = ControlKind::Shape;
constexpr ControlKind N = ControlKind::Line;
constexpr ControlKind P = ControlKind::Picture;

constexpr int kRow = 270;
constexpr int kMensuelWidth = 840;
constexpr int kSlashWidth = 360;
constexpr int kBox = 240;
constexpr int kRowLabelWidth = 2680;

const Design kHeader[] = {
    {"lblTitre", L, 0, 850, 10772, 284, "Soumission", Heading},
    {"Image1", P, 7230, 15, 3450, 960, "", Plain},
};

const Design kDetail[] = {
    // Persons.
    {"lblTitreEmp", L, 915, 0, 2600, 450, "Assuré principal / emprunteur :", Plain},
    {"txtEmprunteur", T, 3543, 0, 2693, 425, "", Bold},
    {"lblTitreNais", L, 900, 450, 2600, kRow, "Date de naissance :", Plain},
    {"lblNaissance", L, 3540, 450, 2600, kRow, "", Plain},
    {"lblTitreAge", L, 900, 720, 2600, kRow, "Âge :", Plain},
    {"lblAge", L, 3540, 720, 2600, kRow, "", Plain},
    {"lblTitreSexe", L, 900, 990, 2600, kRow, "Sexe :", Plain},
    {"lblSexe", L, 3540, 990, 2600, kRow, "", Plain},
    {"Risque", L, 900, 1260, 2600, kRow, "Risque :", Plain},
    {"lblRisque", L, 3540, 1260, 2600, kRow, "", Plain},
    {"lblTitreCo", L, 6300, 0, 1420, 450, "Coemprunteur :", Plain},
    {"txtCoEmp", T, 7740, 0, 2820, 450, "", Bold},
    {"lblTitreNaisCo", L, 6300, 450, 2200, kRow, "Date de naissance :", Plain},
    {"lblNaisCo", L, 8520, 450, 2200, kRow, "", Plain},
    {"lblTitreAgeCo", L, 6300, 720, 2200, kRow, "Âge :", Plain},
    {"lblAgeCo", L, 8520, 720, 2200, kRow, "", Plain},
    {"lblTitreSexeCo", L, 6300, 990, 2200, kRow, "Sexe :", Plain},
    {"lblSexeCo", L, 8520, 990, 2200, kRow, "", Plain},
    {"lblTitreRisqCo", L, 6300, 1260, 2200, kRow, "Risque :", Plain},
    {"lblRisqueCo", L, 8520, 1260, 2200, kRow, "", Plain},
    // Loan.
    {"lblTitreMntHypo", L, 900, 1770, 2200, kRow, "Montant du prêt :", Plain},
    {"lblHypotheque", L, 3135, 1770, 2400, kRow, "", Plain},
    {"lblTitreVersMens", L, 900, 2040, 2200, kRow, "Versement mensuel :", Plain},
    {"lblVersement", L, 3135, 2040, 2400, kRow, "", Plain},
    {"lblTitreTerme", L, 900, 2310, 2200, kRow, "Terme du prêt :", Plain},
    {"lblTerme", L, 3135, 2310, 2400, kRow, "", Plain},
    {"Label4", L, 6255, 1680, 4400, kRow, "Période d'amortissement", Bold},
    {"lblTitreEffet", L, 6255, 2040, 2100, kRow, "Date du prêt :", Plain},
    {"lblEffet", L, 8370, 2040, 2200, kRow, "", Plain},
    {"lblTitreEcheance", L, 6255, 2295, 2100, kRow, "Date de la fin du terme :", Plain},
    {"lblEcheance", L, 8370, 2295, 2200, kRow, "", Plain},
    {"lblTitreDuree", L, 6255, 2565, 2100, kRow, "Durée d'amortissement :", Plain},
    {"lblDuree", L, 8370, 2565, 2200, kRow, "", Plain},
    {"lblTitrePrime", L, 0, 2895, 10710, kRow,
     "Primes selon les 3 options (mensuelles / annuelles)", Bold | Centre},
    // Table 1: life.
    {"shpCase1", S, 360, 3225, kBox, kBox, "", Plain},
    {"lblAssVie", L, 900, 3225, 5000, kRow, "Vie hypothécaire", Bold},
    {"lblTitreVie1", L, 3600, 3540, 2115, 300, "Vie hypothécaire", Centre},
    {"lblTitrePrime1", L, 7920, 3540, 2340, 300, "Prime totale", Centre},
    {"linTab1", N, 900, 3855, 9360, 0, "", Plain},
    {"lblEmp1", L, 900, 3930, kRowLabelWidth, kRow, "Assuré principal / emprunteur :", Plain},
    {"lblCo1", L, 900, 4215, kRowLabelWidth, kRow, "Coemprunteur :", Plain},
    {"asterix1", L, 10290, 4485, 200, kRow, "*", Bold},
    // Table 4: disability alone.
    {"Shape1", S, 360, 4770, kBox, kBox, "", Plain},
    {"lblAssInv", L, 900, 4755, 5000, kRow, "Invalidité hypothécaire", Bold},
    {"shpCase42a", S, 3180, 5085, kBox, kBox, "", Plain},
    {"lblTitreInv42a", L, 3480, 5070, 2235, 300, "Option A : durée 24 mois", Plain},
    {"shpCase42b", S, 5925, 5085, kBox, kBox, "", Plain},
    {"lblTitreInv42b", L, 6225, 5070, 2250, 300, "Option B : durée du prêt", Plain},
    {"linTab4", N, 900, 5385, 9360, 0, "", Plain},
    {"lblEmp42", L, 900, 5460, kRowLabelWidth, kRow, "Assuré principal / emprunteur :", Plain},
    {"lblCo42", L, 900, 5745, kRowLabelWidth, kRow, "Coemprunteur :", Plain},
    {"lblTotalPrime4", L, 900, 6000, kRowLabelWidth, kRow, "Prime totale :", Bold},
    {"asterix4a", L, 5730, 6000, 200, kRow, "*", Bold},
    {"asterix4b", L, 8505, 6000, 200, kRow, "*", Bold},
    // Table 2: life and 24-month disability.
    {"shpCase2", S, 360, 6345, kBox, kBox, "", Plain},
    {"lblAssVieInv24Mois", L, 915, 6330, 5000, kRow, "Vie hypothécaire et Invalidité hypothécaire",
     Bold},
    {"lblOptionA", L, 6000, 6330, 4260, kRow, "Option A : durée 24 mois", Bold},
    {"lblTitreVie2", L, 3600, 6645, 2115, 300, "Vie hypothécaire", Centre},
    {"lblTitreInv2", L, 5760, 6645, 2115, 300, "Invalidité hypothécaire", Centre},
    {"lblTitrePrime2", L, 7920, 6645, 2340, 300, "Prime totale", Centre},
    {"linTab2", N, 900, 6960, 9360, 0, "", Plain},
    {"lblEmp2", L, 900, 7035, kRowLabelWidth, kRow, "Assuré principal / emprunteur :", Plain},
    {"lblCo2", L, 900, 7320, kRowLabelWidth, kRow, "Coemprunteur :", Plain},
    {"asterix2", L, 10290, 7590, 200, kRow, "*", Bold},
    // Table 3: life and disability for the loan's duration.
    {"shpCase3", S, 360, 7905, kBox, kBox, "", Plain},
    {"lblAssVieInvPret", L, 915, 7890, 5000, kRow, "Vie hypothécaire et Invalidité hypothécaire",
     Bold},
    {"lblOptionB", L, 6000, 7860, 4260, kRow, "Option B : durée du prêt", Bold},
    {"lblTitreVie3", L, 3600, 8205, 2115, 300, "Vie hypothécaire", Centre},
    {"lblTitreInv3", L, 5760, 8205, 2115, 300, "Invalidité hypothécaire", Centre},
    {"lblTitrePrime3", L, 7920, 8205, 2340, 300, "Prime totale", Centre},
    {"linTab3", N, 900, 8520, 9360, 0, "", Plain},
    {"lblEmp3", L, 900, 8595, kRowLabelWidth, kRow, "Assuré principal / emprunteur :", Plain},
    {"lblCo3", L, 900, 8880, kRowLabelWidth, kRow, "Coemprunteur :", Plain},
    {"asterix3", L, 10290, 9150, 200, kRow, "*", Bold},
    // Underwriting requirements.
    {"lblNormes", L, 840, 9330, 2400, kRow, "Normes de sélection :", Bold},
    {"lblEntNormesVie", L, 3285, 9360, 2450, kRow, "Vie seulement", Bold},
    {"lblEntNormesInvl", L, 5825, 9360, 2450, kRow, "Invalidité", Bold},
    {"lblEntNormesVieEtInvl", L, 8400, 9360, 2450, kRow, "Vie et Invalidité", Bold},
    {"lblAss1", L, 870, 9630, 2300, kRow, "Emprunteur :", Plain},
    {"lblAss2", L, 870, 10965, 2300, kRow, "", Plain},
    {"lblNormeVie1", L, 3300, 9630, 2450, 1305, "", Small},
    {"lblNormeInvl1", L, 5825, 9630, 2450, 1305, "", Small},
    {"lblNormeVieEtInvl1", L, 8400, 9630, 2450, 1305, "", Small},
    {"lblNormeVie2", L, 3300, 10965, 2450, 1305, "", Small},
    {"lblNormeInvl2", L, 5825, 10965, 2450, 1305, "", Small},
    {"lblNormeVieEtInvl2", L, 8400, 10995, 2450, 1305, "", Small},
};

const Design kFooter[] = {
    {"lblRabaisApplique", L, 15, 15, 10650, 255, "Rabais", Small},
    {"lblTitreCourt", L, 0, 240, 1260, kRow, "Représentant :", Plain},
    {"lblCourtier", L, 1260, 240, 3600, kRow, "", Plain},
    {"lblTelTitre", L, 0, 510, 1260, kRow, "Téléphone :", Plain},
    {"lblTelephone", L, 1260, 510, 3000, kRow, "", Plain},
    {"lblSEO", L, 0, 240, 10800, kRow, "", Centre | Small},
    {"lblVersion", L, 8355, 225, 2445, kRow, "", Right},
    {"lblDate", L, 8370, 510, 2430, kRow, "", Right},
    {"Label1", L, 0, 510, 10800, kRow, "Page 1 de 1", Centre},
};

// The amount cells: monthly, slash and annual left edges and the annual width of a column.
struct Column {
    int mensuel, slash, annuel, annuelWidth;
};
constexpr Column kLife{3600, 4410, 4770, 945};
constexpr Column kDisability{5760, 6570, 6930, 945};
constexpr Column kTotal{7920, 8820, 9180, 1080};
constexpr Column kOptionA{3585, 4395, 4755, 945};
constexpr Column kOptionB{6465, 7275, 7530, 945};

struct Cell {
    const char *code;
    int y;
    Column column;
};

const Cell kCells[] = {
    {"11", 3930, kLife},       {"13", 3930, kTotal},      {"18", 3930, kTotal},
    {"14", 4215, kLife},       {"16", 4215, kTotal},      {"17", 4485, kTotal},
    {"421", 5460, kOptionA},   {"422", 5460, kOptionB},   {"424", 5745, kOptionA},
    {"425", 5745, kOptionB},   {"21", 7035, kLife},       {"22", 7035, kDisability},
    {"23", 7035, kTotal},      {"28", 7035, kTotal},      {"24", 7320, kLife},
    {"25", 7320, kDisability}, {"26", 7320, kTotal},      {"27", 7590, kTotal},
    {"31", 8595, kLife},       {"32", 8595, kDisability}, {"33", 8595, kTotal},
    {"38", 8595, kTotal},      {"34", 8880, kLife},       {"35", 8880, kDisability},
    {"36", 8880, kTotal},      {"37", 9150, kTotal},
};

// Table 4's totals row names its three labels apart from the cells.
const AmountCell kTotalA{"lblTotalAM", "lblSlashTotal4", "lblTotalAA"};
const AmountCell kTotalB{"lblTotalBM", "Label12", "lblTotalBA"};
constexpr int kTotalRow = 6000;
constexpr int kAnnuel18 = 9075; // cell 18's annual label starts a little to the left

constexpr qreal kPoints = 9;
constexpr qreal kSmallPoints = 8;
constexpr qreal kAmountPoints = 8.5;
constexpr qreal kHeadingPoints = 13;

ReportControl control(const Design &d)
{
    ReportControl c;
    c.name = QLatin1String(d.name);
    c.kind = d.kind;
    c.twips = QRect(d.x, d.y, d.w, d.h);
    c.caption = QString::fromUtf8(d.caption);
    c.bold = d.style & (Bold | Heading);
    c.pointSize = (d.style & Heading) ? kHeadingPoints : (d.style & Small) ? kSmallPoints : kPoints;
    const Qt::Alignment horizontal = (d.style & Right)    ? Qt::AlignRight
                                     : (d.style & Centre) ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
    c.alignment = horizontal | Qt::AlignTop;
    return c;
}

ReportControl amountLabel(const QString &name, int x, int y, int w, Qt::Alignment alignment,
                          const QString &caption = QString())
{
    ReportControl c;
    c.name = name;
    c.twips = QRect(x, y, w, kRow);
    c.caption = caption;
    c.pointSize = kAmountPoints;
    c.alignment = alignment | Qt::AlignTop;
    return c;
}

void addAmountCell(std::vector<ReportControl> &controls, const AmountCell &names, int y,
                   const Column &column, int annuelLeft)
{
    controls.push_back(
        amountLabel(names.mensuel, column.mensuel, y, kMensuelWidth, Qt::AlignRight));
    controls.push_back(
        amountLabel(names.slash, column.slash, y, kSlashWidth, Qt::AlignHCenter, "/"));
    controls.push_back(amountLabel(names.annuel, annuelLeft, y, column.annuelWidth, Qt::AlignLeft));
}

template <size_t N> std::vector<ReportControl> controls(const Design (&designs)[N])
{
    std::vector<ReportControl> result;
    for (const Design &d : designs)
        result.push_back(control(d));
    return result;
}

} // namespace

AmountCell amountCell(const QString &code)
{
    return {QStringLiteral("lblMntMens") + code, QStringLiteral("lblSlash") + code,
            QStringLiteral("lblMntAnn") + code};
}

namespace {

std::unique_ptr<Report> buildQuoteReport(const Language &language, const QString &programDir)
{
    std::vector<ReportControl> detail = controls(kDetail);
    for (const Cell &cell : kCells) {
        const QString code = QLatin1String(cell.code);
        addAmountCell(detail, amountCell(code), cell.y, cell.column,
                      code == QLatin1String("18") ? kAnnuel18 : cell.column.annuel);
    }
    addAmountCell(detail, kTotalA, kTotalRow, kOptionA, kOptionA.annuel);
    addAmountCell(detail, kTotalB, kTotalRow, kOptionB, kOptionB.annuel);

    std::vector<ReportSection> sections;
    sections.push_back({QStringLiteral("PageHeader"), 1140, controls(kHeader)});
    sections.push_back({QStringLiteral("Detail"), 12300, std::move(detail)});
    sections.push_back({QStringLiteral("PageFooter"), 750, controls(kFooter)});
    auto report = std::make_unique<Report>(QStringLiteral("actCotalmira"), std::move(sections));

    // The design's picture, until the language names its own.
    ReportControl &logo = (*report)[QStringLiteral("Image1")];
    logo.pictureTag = QStringLiteral(".\\Img\\logo-rapport_fr.jpg");
    logo.picture = QImage(ResolvePath(logo.pictureTag, programDir));
    TranslateForm(*report, language, programDir);
    return report;
}

} // namespace

std::unique_ptr<Report> newQuoteReport(const Language &language, const QString &programDir)
{
    // Laying out and translating the page, its picture decoded, costs more than the figures of
    // a quote: each quote starts from a copy of the page made last for the same texts.
    struct Page {
        quint64 revision = 0;
        QString programDir;
        std::unique_ptr<Report> report;
    };
    static Page last;
    const quint64 revision = language.revision();
    if (revision == 0 || revision != last.revision || programDir != last.programDir || !last.report)
        last = {revision, programDir, buildQuoteReport(language, programDir)};
    return std::make_unique<Report>(*last.report);
}

} // namespace norvel
