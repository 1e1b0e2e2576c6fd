// The quote as a function of the form's snapshot: validated, priced and laid out without a
// widget, against the shipped rate database and French language file.
#include "domain/databaserates.h"
#include "domain/language.h"
#include "domain/quote.h"
#include "domain/quotereport.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "support/quoteentry.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

Q_DECLARE_METATYPE(QuoteEntry)

class TestQuote : public QObject {
    Q_OBJECT

    RateDatabase database_;
    Language french_{builtProgramDir() + QStringLiteral("/Data/French.lng")};
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
    // separated by ";"; an empty caption: the label holds nothing).
    void arrangement_data()
    {
        // entry: ages, payment, amount
        columns<QuoteEntry, QStringList, QStringList, QString>("entry", "shown", "hidden",
                                                               "figures");
        row("borrower 45 alone", QuoteEntry{45, 0, 1500, 150000},
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
                "lblMntAnn425=1\u00A0113,00 $;lblMntAnn23=;lblMntAnn14="));
        row("borrower 60, co-borrower 40 moves up", QuoteEntry{60, 40, 1500, 150000},
            names("lblEmp2 lblEmp42 lblCo42 lblMntAnn424"), names("lblCo2 lblMntAnn23 lblSlash27"),
            QStringLiteral(
                "lblMntAnn21=738,15 $;lblMntAnn22=1\u00A0065,90 $;lblMntAnn28=1\u00A0804,05 $;"
                "lblMntAnn31=738,15 $;lblMntAnn32=1\u00A0865,33 $;lblMntAnn38=2\u00A0603,48 $;"
                "lblMntAnn421=1\u00A0065,90 $;lblMntAnn422=1\u00A0865,33 "
                "$;lblMntAnn424=1\u00A0065,90 $;"
                "lblMntAnn425=1\u00A0865,33 $;lblNormeInvl1="));
        row("borrower 59 alone keeps disability", QuoteEntry{59, 0, 1500, 150000},
            names("lblAssInv lblEmp2 lblNormeInvl1"), QStringList(),
            QStringLiteral("lblMntAnn421=1\u00A0152,00 $;lblMntAnn28=2\u00A0502,00 $"));
        row("payment 0", QuoteEntry{45, 0, 0, 150000},
            names("lblAssInv lblEmp42 lblSlash421 lblNormeVie1"),
            names("lblAssVieInv24Mois lblEmp2 lblSlash21 lblSlash28 lblAssVieInvPret lblSlash38 "
                  "lblNormeInvl1 lblNormeVieEtInvl1 lblEntNormesVieEtInvl lblCo42"),
            QStringLiteral("lblMntAnn11=478,50 $;lblMntAnn421="));
        row("couple 42 and 47, discounted", QuoteEntry{42, 47, 1800, 250000},
            names("lblRabaisApplique lblCo2"), QStringList(),
            QStringLiteral(
                "lblMntAnn11=605,63 $;lblMntAnn14=1\u00A0992,63 $;lblMntMens17=216,51 $;"
                "lblMntAnn27=4\u00A0903,33 $;lblMntMens37=552,94 $;lblMntAnn37=6\u00A0635,56 $;"
                "txtCoEmp=Marc Gagnon;lblDate=31 août 2010;lblVersion=Version 1.0"));
        row("borrower 61 alone: life only", QuoteEntry{61, 0, 1500, 150000}, QStringList(),
            names("lblAssInv lblEmp2 lblOptionA"),
            QStringLiteral("lblMntMens11=130,49 $;lblMntAnn18=1\u00A0566,00 $"));
    }
    void arrangement()
    {
        auto [entry, shown, hidden, figures] = fetch<QuoteEntry, QStringList, QStringList, QString>(
            "entry", "shown", "hidden", "figures");
        DatabaseRates rates(database_);
        const Quote q = quote(snapshotOf(entry), &rates);
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
    }

    // The broker window's masked telephone as the page prints it; one never given is a blank
    // to fill in by hand.
    void brokerLine_data()
    {
        columns<QString, QString>("masked", "printed");
        row("complete", "(514)555-0123", "(514) 555-0123");
        row("area code only", "(514)___-____", "(514) ___-____");
        row("never given", "(___)___-____", "(___) ___-____");
    }
    void brokerLine()
    {
        auto [masked, printed] = fetch<QString, QString>("masked", "printed");
        DatabaseRates rates(database_);
        const Quote with =
            quote(snapshotOf({}), &rates, QuotePage::Broker{QStringLiteral("Luc Roy"), masked});
        QCOMPARE((*with.report)[QStringLiteral("lblTelephone")].caption, printed);
        QCOMPARE((*with.report)[QStringLiteral("lblCourtier")].caption, QStringLiteral("Luc Roy"));
    }
};

QTEST_GUILESS_MAIN(TestQuote)
#include "test_quote.moc"
