// The quote as a function of the form's snapshot: validated, priced and laid out without a
// widget, against the shipped rate database and French language file; and the medical
// requirements printed on every quote: cells the underwriters' grids publish, each band's
// limits, and what one requirement takes away from another.
#include "domain/databaserates.h"
#include "domain/language.h"
#include "domain/livepremiums.h"
#include "domain/quote.h"
#include "domain/quotereport.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "domain/underwriting.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "support/quoteentry.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

Q_DECLARE_METATYPE(QuoteEntry)

using enum Exigence;

class TestQuote : public QObject {
    Q_OBJECT

    RateDatabase database_;
    Language french_{builtProgramDir() + QStringLiteral("/Data/French.lng")};
    const Language english_{builtProgramDir() + QStringLiteral("/Data/English.lng")};
    float factor_ = 0;

    Quote quote(const QuoteSnapshot &snapshot, RateSource *rates,
                std::optional<QuotePage::Broker> broker = std::nullopt)
    {
        return makeQuote(snapshot, {broker, QDate(2010, 8, 31), QStringLiteral("Version 1.0")},
                         {rates, factor_, french_, builtProgramDir(), {}});
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(database_.open(builtProgramDir() + QStringLiteral("/Data/Illustra.mdb")));
        QVERIFY(database_.readMonthlyFactor(factor_));
    }

    // What must show, what must not, and the caption of some labels ("label=caption",
    // separated by ";"; an empty caption: the label holds nothing). The broker Luc Roy's
    // telephone is as the broker window masks it; one never given is a blank to fill in.
    void arrangement_data()
    {
        // entry: ages, payment, amount; telephone: empty: no broker
        columns<QuoteEntry, QString, QStringList, QStringList, QString>(
            "entry", "telephone", "shown", "hidden", "figures");
        row("borrower 45 alone", QuoteEntry{45, 0, 1500, 150000}, "(514)555-0123",
            names("lblMntAnn11 lblMntAnn18 lblEmp2 lblMntAnn28 lblMntAnn38 lblCo42 lblMntAnn424 "
                  "lblNormeInvl1 lblNormeVieEtInvl1"),
            names("lblMntAnn13 lblSlash13 lblCo1 lblSlash17 lblCo2 lblCo3 asterix1 asterix2 "
                  "asterix3 asterix4a lblRabaisApplique lblTitreCo lblSlash27 lblSlash37 "
                  "lblTotalPrime4 Label12 lblSlashTotal4"),
            QStringLiteral(
                "lblMntAnn11=478,50 $;lblMntMens11=39,87 $;lblMntAnn18=478,50 $;"
                "lblMntAnn21=478,50 $;lblMntAnn22=636,00 $;lblMntAnn28=1\u00A0114,50 $;"
                "lblMntMens28=92,87 $;lblMntAnn32=1\u00A0113,00 $;lblMntAnn38=1\u00A0591,50 $;"
                "lblMntAnn421=636,00 $;lblMntAnn422=1\u00A0113,00 $;lblMntAnn424=636,00 $;"
                "lblMntAnn425=1\u00A0113,00 $;lblMntAnn23=;lblMntAnn14=;"
                "lblTelephone=(514) 555-0123;lblCourtier=Luc Roy"));
        row("borrower 60, co-borrower 40 moves up", QuoteEntry{60, 40, 1500, 150000},
            "(514)___-____", names("lblEmp2 lblEmp42 lblCo42 lblMntAnn424"),
            names("lblCo2 lblMntAnn23 lblSlash27"),
            QStringLiteral(
                "lblMntAnn21=738,15 $;lblMntAnn22=1\u00A0065,90 $;lblMntAnn28=1\u00A0804,05 $;"
                "lblMntAnn31=738,15 $;lblMntAnn32=1\u00A0865,33 $;lblMntAnn38=2\u00A0603,48 $;"
                "lblMntAnn421=1\u00A0065,90 $;lblMntAnn422=1\u00A0865,33 "
                "$;lblMntAnn424=1\u00A0065,90 $;"
                "lblMntAnn425=1\u00A0865,33 $;lblNormeInvl1=;lblTelephone=(514) ___-____"));
        row("borrower 59 alone keeps disability", QuoteEntry{59, 0, 1500, 150000}, "(___)___-____",
            names("lblAssInv lblEmp2 lblNormeInvl1"), QStringList(),
            QStringLiteral("lblMntAnn421=1\u00A0152,00 $;lblMntAnn28=2\u00A0502,00 $;"
                           "lblTelephone=(___) ___-____"));
        row("payment 0", QuoteEntry{45, 0, 0, 150000}, "",
            names("lblAssInv lblEmp42 lblSlash421 lblNormeVie1"),
            names("lblAssVieInv24Mois lblEmp2 lblSlash21 lblSlash28 lblAssVieInvPret lblSlash38 "
                  "lblNormeInvl1 lblNormeVieEtInvl1 lblEntNormesVieEtInvl lblCo42"),
            QStringLiteral("lblMntAnn11=478,50 $;lblMntAnn421="));
        row("couple 42 and 47, discounted", QuoteEntry{42, 47, 1800, 250000}, "",
            names("lblRabaisApplique lblCo2"), QStringList(),
            QStringLiteral(
                "lblMntAnn11=605,63 $;lblMntAnn14=1\u00A0992,63 $;lblMntMens17=216,51 $;"
                "lblMntAnn27=4\u00A0903,33 $;lblMntMens37=552,94 $;lblMntAnn37=6\u00A0635,56 $;"
                "txtCoEmp=Marc Gagnon;lblDate=31 août 2010;lblVersion=Version 1.0"));
        row("borrower 61 alone: life only", QuoteEntry{61, 0, 1500, 150000}, "", QStringList(),
            names("lblAssInv lblEmp2 lblOptionA"),
            QStringLiteral("lblMntMens11=130,49 $;lblMntAnn18=1\u00A0566,00 $"));
    }
    void arrangement()
    {
        auto [entry, telephone, shown, hidden, figures] =
            fetch<QuoteEntry, QString, QStringList, QStringList, QString>(
                "entry", "telephone", "shown", "hidden", "figures");
        DatabaseRates rates(database_);
        std::optional<QuotePage::Broker> broker;
        if (!telephone.isEmpty())
            broker = QuotePage::Broker{QStringLiteral("Luc Roy"), telephone};
        const Quote q = quote(snapshotOf(entry), &rates, broker);
        QVERIFY(q.ok());
        const Report &report = *q.report;
        for (const QString &name : shown)
            QVERIFY2(report[name].visible, qPrintable(name));
        for (const QString &name : hidden)
            QVERIFY2(!report[name].visible, qPrintable(name));
        for (const QString &figure : figures.split(QLatin1Char(';'))) {
            const QString name = figure.section(QLatin1Char('='), 0, 0);
            QCOMPARE(report[name].caption, figure.section(QLatin1Char('='), 1));
        }
    }

    // Where the tables' labels sit, in twips; no width or height: the design does not fix it.
    void tablePlaces_data()
    {
        columns<QString, QRect>("name", "place");
        row("life, monthly", "lblMntMens11", QRect(3600, 3930, 840, 270));
        row("disability, monthly", "lblMntMens32", QRect(5760, 8595, 840, 270));
        row("total, monthly", "lblMntMens37", QRect(7920, 9150, 840, 270));
        row("option A total, monthly", "lblTotalAM", QRect(3585, 6000, 840, 270));
        row("option B, monthly", "lblMntMens425", QRect(6465, 5745, 840, 270));
        row("total, slash", "lblSlash26", QRect(8820, 7320, 360, 270));
        row("total when alone, annual", "lblMntAnn18", QRect(9075, 3930, 1080, 270));
        row("option B, annual", "lblMntAnn422", QRect(7530, 5460, 945, 270));
        row("life table's box", "shpCase1", QRect(360, 3225, 0, 0));
    }
    void tablePlaces()
    {
        auto [name, place] = fetch<QString, QRect>("name", "place");
        const QRect twips = (*newQuoteReport(french_, builtProgramDir()))[name].twips;
        QCOMPARE(twips.topLeft(), place.topLeft());
        if (place.width() > 0)
            QCOMPARE(twips.size(), place.size());
    }

    void faultsAndMissingRatesMakeNoReport()
    {
        DatabaseRates rates(database_);
        const Quote young = quote(snapshotOf({17}), &rates);
        QVERIFY(!young.ok());
        QVERIFY(young.fault);
        QCOMPARE(young.fault->focus, QuoteField::txtAge);
        const Quote noDatabase = quote(snapshotOf({}), nullptr);
        QVERIFY(!noDatabase.ok());
        QVERIFY(noDatabase.noRateDatabase && noDatabase.rateError);
        // Rates are used from their effective date on, never on its eve.
        QuoteSources sources{&rates, factor_, french_, {}, RateVintage{"T", QDate(2010, 9, 1)}};
        const Quote eve = makeQuote(snapshotOf({}), {{}, QDate(2010, 8, 31), {}}, sources);
        QVERIFY(!eve.ok() && eve.ratesFrom == QDate(2010, 9, 1) && !eve.prices.PrimeVieEmp);
        sources.vintage->effective = QDate(2010, 8, 31);
        QVERIFY(makeQuote(snapshotOf({}), {{}, QDate(2010, 8, 31), {}}, sources).ok());

        // The live line tells what the quote waits for, by the field's caption.
        const auto line = [&](const Quote &q) { return livePremiumLine(q, french_); };
        const auto value = [&](const char *key) {
            return french_.text(QStringLiteral("frmCotalmira-Val"), QLatin1String(key));
        };
        QCOMPARE(line(young), value("PrimesAttente") + QStringLiteral("âge"));
        QCOMPARE(line(quote(snapshotOf({45, 17}), &rates)),
                 value("PrimesAttente") + QStringLiteral("coemprunteur \u2013 âge"));
        QCOMPARE(line(noDatabase), value("PrimesTarifManquant"));
        QCOMPARE(line(eve), value("PrimesTarifsFuturs") + QStringLiteral("1 septembre 2010"));
        // Over 59 the borrower has no disability options: the co-borrower's premium alone.
        QVERIFY(line(quote(snapshotOf({61, 45}), &rates))
                    .contains(value("PrimeVieInv24") + u' ' + value("PrimeCoemp") + QChar(0xA0)));
    }

    // -1: that coverage is not asked for. Each pair of rows straddles one band limit.
    void requirements_data()
    {
        // expected: the requirements' keys in the quote's order
        columns<int, int, int, QString>("age", "payment", "amount", "expected");
        // The payment grid.
        row("pay: age 17", 17, 1000, -1, "");
        row("pay: age 18", 18, 1000, -1, "declaSanteOuEntrevueTel");
        row("pay: age 36, 2001", 36, 2001, -1, "UrineHIV EntrevueTel");
        row("pay: age 46, 1001", 46, 1001, -1, "UrineHIV EntrevueTel");
        row("pay: age 50, 1", 50, 1, -1, "declaSanteOuEntrevueTel");
        row("pay: age 51, 1", 51, 1, -1, "UrineHIV EntrevueTel");
        row("pay: age 65", 65, 32767, -1,
            "EnqueteReg ProfilSang ExamParamedic UrineHIV ECGRepos RapportMedTraitant");
        row("pay: age 66", 66, 32767, -1, "");
        row("pay: 1000, age 46", 46, 1000, -1, "declaSanteOuEntrevueTel");
        row("pay: 2500, age 18", 18, 2500, -1, "declaSanteOuEntrevueTel");
        row("pay: 2501, age 18", 18, 2501, -1, "UrineHIV EntrevueTel");
        row("pay: 3000, age 51", 51, 3000, -1,
            "ProfilSang ExamParamedic UrineHIV RapportMedTraitant");
        row("pay: 3001, age 51", 51, 3001, -1,
            "EnqueteReg ProfilSang ExamParamedic UrineHIV ECGRepos RapportMedTraitant");
        row("pay: 4500, age 18", 18, 4500, -1,
            "EnqueteReg ProfilSang UrineHIV EntrevueTelSignesVitaux");
        row("pay: 4501, age 18", 18, 4501, -1, "EnqueteReg ProfilSang ExamParamedic UrineHIV");
        // The amount grid.
        row("amount: age 17", 17, -1, 50000, "");
        row("amount: age 36, 200001", 36, -1, 200001, "UrineHIV EntrevueTel");
        row("amount: age 41, 100000", 41, -1, 100000, "UrineHIV EntrevueTelSignesVitaux");
        row("amount: age 50, 99000", 50, -1, 99000, "declaSanteOuEntrevueTel");
        row("amount: age 51, 99000", 51, -1, 99000, "EntrevueTelSignesVitaux");
        row("amount: age 61, 200001", 61, -1, 200001, "ProfilSang ExamParamedic UrineHIV ECGRepos");
        row("amount: age 65, top", 65, -1, 2147483647,
            "EnqueteReg ProfilSang ExamParamedic UrineHIV ECGRepos RapportMedTraitant");
        row("amount: age 66", 66, -1, 2147483647, "");
        row("amount: 99999, age 36", 36, -1, 99999, "declaSanteOuEntrevueTel");
        row("amount: 300000, age 36", 36, -1, 300000, "UrineHIV EntrevueTel");
        row("amount: 300001, age 36", 36, -1, 300001,
            "ProfilSang UrineHIV EntrevueTelSignesVitaux");
        row("amount: 500001, age 51", 51, -1, 500001,
            "ProfilSang UrineHIV ECGRepos EntrevueTelSignesVitaux");
        row("amount: 1000001, age 36", 36, -1, 1000001, "ProfilSang ExamParamedic UrineHIV");
        // Both grids together, less what another requirement includes.
        row("TelSV removes DSouTel", 45, 1500, 150000, "UrineHIV EntrevueTelSignesVitaux");
        row("Para removes Tel and DSouTel", 30, 4501, 350000,
            "EnqueteReg ProfilSang ExamParamedic UrineHIV");
        row("TelSV removes Para", 30, 4501, 500001,
            "EnqueteReg ProfilSang UrineHIV EntrevueTelSignesVitaux");
    }
    void requirements()
    {
        auto [age, payment, amount, expected] =
            fetch<int, int, int, QString>("age", "payment", "amount", "expected");
        QCOMPARE(clesExigences(exigencesRequises(qint16(age), qint16(payment), amount)).join(' '),
                 expected);
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
                 QStringLiteral("Health statement or interview"));
        QCOMPARE(ExigencesVie(english_, 45, 150000),
                 QStringLiteral("Urinalysis and HIV test\r\nPhone interview, vital signs"));
        QCOMPARE(ExigencesVie(english_, 45, 0), QString());
    }
};

QTEST_GUILESS_MAIN(TestQuote)
#include "test_quote.moc"
