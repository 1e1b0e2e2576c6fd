// The medical requirements printed on every quote: cells the underwriters' grids publish, each
// band's limits, and what one requirement takes away from another.
#include "domain/language.h"
#include "domain/underwriting.h"
#include "support/datarow.h"
#include "support/programfolder.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

using enum Exigence;

int flags(Exigences e)
{
    return e.toInt();
}

QString requirementText(const QString &key)
{
    return Language(builtProgramDir() + QStringLiteral("/Data/English.lng"))
        .text(QStringLiteral("frmCotalmira-Val"), key);
}

} // namespace

class UnderwritingTest : public QObject {
    Q_OBJECT
    const Language english_{builtProgramDir() + QStringLiteral("/Data/English.lng")};

private Q_SLOTS:

    // -1: that coverage is not asked for. Each pair of rows straddles one band limit.
    void requirements_data()
    {
        columns<int, int, int, int>("age", "payment", "amount", "expected");
        // The payment grid.
        row("pay: age 17", 17, 1000, -1, 0);
        row("pay: age 18", 18, 1000, -1, flags(DeclaSanteOuEntrevueTel));
        row("pay: age 36, 2001", 36, 2001, -1, flags(UrineHIV | EntrevueTel));
        row("pay: age 46, 1001", 46, 1001, -1, flags(UrineHIV | EntrevueTel));
        row("pay: age 50, 1", 50, 1, -1, flags(DeclaSanteOuEntrevueTel));
        row("pay: age 51, 1", 51, 1, -1, flags(UrineHIV | EntrevueTel));
        row("pay: age 65", 65, 32767, -1,
            flags(EnqueteReg | ProfilSang | ExamParamedic | UrineHIV | ECGRepos |
                  RapportMedTraitant));
        row("pay: age 66", 66, 32767, -1, 0);
        row("pay: 1000, age 46", 46, 1000, -1, flags(DeclaSanteOuEntrevueTel));
        row("pay: 2500, age 18", 18, 2500, -1, flags(DeclaSanteOuEntrevueTel));
        row("pay: 2501, age 18", 18, 2501, -1, flags(UrineHIV | EntrevueTel));
        row("pay: 3000, age 51", 51, 3000, -1,
            flags(ProfilSang | ExamParamedic | UrineHIV | RapportMedTraitant));
        row("pay: 3001, age 51", 51, 3001, -1,
            flags(EnqueteReg | ProfilSang | ExamParamedic | UrineHIV | ECGRepos |
                  RapportMedTraitant));
        row("pay: 4500, age 18", 18, 4500, -1,
            flags(EnqueteReg | ProfilSang | UrineHIV | EntrevueTelSignesVitaux));
        row("pay: 4501, age 18", 18, 4501, -1,
            flags(EnqueteReg | ProfilSang | ExamParamedic | UrineHIV));
        // The amount grid.
        row("amount: age 17", 17, -1, 50000, 0);
        row("amount: age 36, 200001", 36, -1, 200001, flags(UrineHIV | EntrevueTel));
        row("amount: age 41, 100000", 41, -1, 100000, flags(UrineHIV | EntrevueTelSignesVitaux));
        row("amount: age 50, 99000", 50, -1, 99000, flags(DeclaSanteOuEntrevueTel));
        row("amount: age 51, 99000", 51, -1, 99000, flags(EntrevueTelSignesVitaux));
        row("amount: age 61, 200001", 61, -1, 200001,
            flags(ProfilSang | ExamParamedic | UrineHIV | ECGRepos));
        row("amount: age 65, top", 65, -1, 2147483647,
            flags(EnqueteReg | ProfilSang | ExamParamedic | UrineHIV | ECGRepos |
                  RapportMedTraitant));
        row("amount: age 66", 66, -1, 2147483647, 0);
        row("amount: 99999, age 36", 36, -1, 99999, flags(DeclaSanteOuEntrevueTel));
        row("amount: 300000, age 36", 36, -1, 300000, flags(UrineHIV | EntrevueTel));
        row("amount: 300001, age 36", 36, -1, 300001,
            flags(ProfilSang | UrineHIV | EntrevueTelSignesVitaux));
        row("amount: 500001, age 51", 51, -1, 500001,
            flags(ProfilSang | UrineHIV | ECGRepos | EntrevueTelSignesVitaux));
        row("amount: 1000001, age 36", 36, -1, 1000001,
            flags(ProfilSang | ExamParamedic | UrineHIV));
        // Both grids together, less what another requirement includes.
        row("TelSV removes DSouTel", 45, 1500, 150000, flags(UrineHIV | EntrevueTelSignesVitaux));
        row("Para removes Tel and DSouTel", 30, 4501, 350000,
            flags(EnqueteReg | ProfilSang | ExamParamedic | UrineHIV));
        row("TelSV removes Para", 30, 4501, 500001,
            flags(EnqueteReg | ProfilSang | UrineHIV | EntrevueTelSignesVitaux));
    }
    void requirements()
    {
        auto [age, payment, amount, expected] =
            fetch<int, int, int, int>("age", "payment", "amount", "expected");
        QCOMPARE(exigencesRequises(qint16(age), qint16(payment), amount).toInt(), expected);
    }

    // The texts come one per line in the quote's order, whatever the order of the flags.
    void textsInTheQuotesOrder()
    {
        QCOMPARE(clesExigences(Exigences(RapportMedTraitant | DeclaSanteOuEntrevueTel |
                                         EntrevueTelSignesVitaux | EntrevueTel | ECGRepos |
                                         UrineHIV | ExamParamedic | ProfilSang | EnqueteReg)),
                 (QStringList{"EnqueteReg", "ProfilSang", "ExamParamedic", "UrineHIV", "ECGRepos",
                              "EntrevueTel", "EntrevueTelSignesVitaux", "declaSanteOuEntrevueTel",
                              "RapportMedTraitant"}));
        QCOMPARE(ExigencesVieInvalidite(english_, 55, 2600, 600000),
                 QStringLiteral("Blood profile\r\nUrinalysis and HIV test\r\nResting ECG\r\n"
                                "Phone interview, vital signs\r\nAttending physician report"));
        QCOMPARE(ExigencesInvalidite(english_, 45, 1500),
                 requirementText(QStringLiteral("declaSanteOuEntrevueTel")));
        QCOMPARE(ExigencesVie(english_, 45, 150000),
                 requirementText(QStringLiteral("UrineHIV")) + QLatin1String("\r\n") +
                     requirementText(QStringLiteral("EntrevueTelSignesVitaux")));
        QCOMPARE(ExigencesVie(english_, 45, 0), QString());
    }
};

QTEST_GUILESS_MAIN(UnderwritingTest)
#include "test_underwriting.moc"
