// The quote button from click to report: the real form filled as the broker fills it, the
// report's arrangement and figures against the pricing, the progress bar, the preview, and a
// rate that cannot be read.
#include "base/clock.h"
#include "domain/amountformat.h"
#include "domain/databaserates.h"
#include "domain/language.h"
#include "domain/quotepricing.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "domain/underwriting.h"
#include "support/quoteentry.h"
#include "support/running.h"
#include "ui/appstate.h"
#include "ui/formutils.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/province.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/reportpreview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

// The rate database with one age taken out of one table.
class MissingRate : public RateSource {
public:
    MissingRate(RateDatabase &database, QString table, double age)
        : inner_(database)
        , table_(std::move(table))
        , age_(age)
    {
    }
    RateResult LireTaux(const QString &table, double age, int column) override
    {
        if (table == table_ && age == age_)
            return {0, RateError{RateError::Kind::NoRow, table, age, column, {}}};
        return inner_.LireTaux(table, age, column);
    }

private:
    DatabaseRates inner_;
    QString table_;
    double age_;
};

struct Case {
    bool co = false;
    int ageEmp = 45;
    int ageCo = 45;
    int versement = 1500;
    int montant = 150000;
};

} // namespace

Q_DECLARE_METATYPE(Case)

class QuoteCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *form_ = nullptr;

    void fillForm(const Case &c)
    {
        enterQuote(form_, {c.ageEmp, c.co ? c.ageCo : 0, c.versement, c.montant});
    }

    // The quote's figures as the pricing rules give them.
    QuotePrices expected(const Case &c)
    {
        QuoteTerms terms;
        terms.montant = float(c.montant);
        terms.versement = qint16(c.versement);
        terms.emprunteur = {double(c.ageEmp), false, false};
        terms.CoempAssure = c.co;
        terms.coemprunteur = {double(c.ageCo), true, true};
        terms.amortissement = 300;
        terms.monthlyFactor = appState().monthlyFactor;
        DatabaseRates rates(*appState().rateDatabase);
        return priceQuote(terms, rates);
    }

    const Report *quote()
    {
        form_->cmdCotation->click();
        auto *command = form_->findChild<QuoteCommand *>();
        return command && command->preview() ? command->preview()->report() : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        setToday(QDate(2010, 8, 31));
        program_ = std::make_unique<RunningProgram>();
        form_ = appState().quoteForm;
        QVERIFY(form_);
    }
    void cleanup()
    {
        program_.reset();
        setToday(QDate());
    }

    // Each case names what must show, what must not, and which figure each amount label holds
    // ("m" before a figure: its monthly value).
    void arrangement_data()
    {
        QTest::addColumn<Case>("c");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<QStringList>("figures");

        QTest::newRow("borrower 45 alone")
            << Case{false, 45, 0, 1500, 150000}
            << QStringList{"lblMntAnn11",  "lblMntAnn18",   "lblEmp2",
                           "lblMntAnn28",  "lblMntAnn38",   "lblCo42",
                           "lblMntAnn424", "lblNormeInvl1", "lblNormeVieEtInvl1"}
            << QStringList{"lblMntAnn13",
                           "lblSlash13",
                           "lblCo1",
                           "lblSlash17",
                           "lblCo2",
                           "lblCo3",
                           "asterix1",
                           "asterix2",
                           "asterix3",
                           "asterix4a",
                           "lblRabaisApplique",
                           "lblTitreCo",
                           "lblSlash27",
                           "lblSlash37",
                           "lblTotalPrime4",
                           "Label12",
                           "lblSlashTotal4"}
            << QStringList{"lblMntAnn11=PrimeVieEmp",
                           "lblMntMens11=mPrimeVieEmp",
                           "lblMntAnn18=PrimeVieEmp",
                           "lblMntAnn21=PrimeVieEmp",
                           "lblMntAnn22=PrimeInv24Emp",
                           "lblMntAnn28=totalVieInv24Emp",
                           "lblMntMens28=mtotalVieInv24Emp",
                           "lblMntAnn32=PrimeInvDureeEmp",
                           "lblMntAnn38=totalVieInvDureeEmp",
                           "lblMntAnn421=PrimeInv24Emp",
                           "lblMntAnn422=PrimeInvDureeEmp",
                           "lblMntAnn424=totalInv24",
                           "lblMntAnn425=totalInvDuree",
                           "lblMntAnn23=",
                           "lblMntAnn14="};
        QTest::newRow("couple 45 and 45")
            << Case{true, 45, 45, 1500, 150000} << QStringList{"lblCo1",
                                                               "lblCo2",
                                                               "lblCo3",
                                                               "lblCo42",
                                                               "asterix1",
                                                               "asterix2",
                                                               "asterix3",
                                                               "asterix4a",
                                                               "asterix4b",
                                                               "lblTotalPrime4",
                                                               "lblRabaisApplique",
                                                               "lblTitreCo",
                                                               "lblSlash27",
                                                               "lblSlash37",
                                                               "lblMntAnn13",
                                                               "lblNormeInvl2"}
            << QStringList{"lblSlash18"}
            << QStringList{"lblMntAnn11=PrimeVieEmp",
                           "lblMntAnn13=PrimeVieEmp",
                           "lblMntAnn14=PrimeVieCoemp",
                           "lblMntAnn16=PrimeVieCoemp",
                           "lblMntAnn17=totalVie",
                           "lblMntAnn23=totalVieInv24Emp",
                           "lblMntAnn24=PrimeVieCoemp",
                           "lblMntAnn25=PrimeInv24Coemp",
                           "lblMntAnn26=totalVieInv24Coemp",
                           "lblMntAnn27=totalVieInv24",
                           "lblMntAnn33=totalVieInvDureeEmp",
                           "lblMntAnn36=totalVieInvDureeCoemp",
                           "lblMntAnn37=totalVieInvDuree",
                           "lblMntAnn424=PrimeInv24Coemp",
                           "lblMntAnn425=PrimeInvDureeCoemp",
                           "lblTotalAA=totalInv24",
                           "lblTotalBM=mtotalInvDuree",
                           "lblMntAnn28="};
        QTest::newRow("co-borrower 62, borrower 45")
            << Case{true, 45, 62, 1500, 150000}
            << QStringList{"lblCo1", "lblCo42", "lblMntAnn424", "lblNormeVie2", "lblAss2"}
            << QStringList{"lblCo2",     "lblCo3",   "lblMntAnn23",   "lblMntAnn33",
                           "lblSlash27", "asterix1", "lblTotalPrime4"}
            << QStringList{"lblMntAnn14=PrimeVieCoemp",    "lblMntAnn17=totalVie",
                           "lblMntAnn28=totalVieInv24Emp", "lblMntAnn38=totalVieInvDureeEmp",
                           "lblMntAnn424=PrimeInv24Emp",   "lblNormeInvl2=",
                           "lblNormeVieEtInvl2="};
        QTest::newRow("borrower 60, co-borrower 40 moves up")
            << Case{true, 60, 40, 1500, 150000}
            << QStringList{"lblEmp2", "lblEmp42", "lblCo42", "lblMntAnn424"}
            << QStringList{"lblCo2", "lblMntAnn23", "lblSlash27"}
            << QStringList{"lblMntAnn21=PrimeVieCoemp",
                           "lblMntAnn22=PrimeInv24Coemp",
                           "lblMntAnn28=totalVieInv24Coemp",
                           "lblMntAnn31=PrimeVieCoemp",
                           "lblMntAnn32=PrimeInvDureeCoemp",
                           "lblMntAnn38=totalVieInvDureeCoemp",
                           "lblMntAnn421=PrimeInv24Coemp",
                           "lblMntAnn422=PrimeInvDureeCoemp",
                           "lblMntAnn424=totalInv24",
                           "lblMntAnn425=totalInvDuree",
                           "lblNormeInvl1="};
        QTest::newRow("borrower 59 alone keeps disability")
            << Case{false, 59, 0, 1500, 150000}
            << QStringList{"lblAssInv", "lblEmp2", "lblNormeInvl1"} << QStringList{}
            << QStringList{"lblMntAnn421=PrimeInv24Emp", "lblMntAnn28=totalVieInv24Emp"};
        QTest::newRow("borrower 61 alone")
            << Case{false, 61, 0, 1500, 150000}
            << QStringList{"lblAssVie", "lblMntAnn18", "lblNormeVie1", "lblEntNormesVie"}
            << QStringList{"lblAssVieInv24Mois",
                           "lblAssVieInvPret",
                           "lblAssInv",
                           "Shape1",
                           "linTab4",
                           "lblEmp42",
                           "lblCo42",
                           "lblSlash421",
                           "lblSlash28",
                           "lblNormeInvl1",
                           "lblEntNormesInvl",
                           "lblNormeVieEtInvl1"}
            << QStringList{"lblMntAnn18=PrimeVieEmp"};
        QTest::newRow("payment 0")
            << Case{false, 45, 0, 0, 150000}
            << QStringList{"lblAssInv", "lblEmp42", "lblSlash421", "lblNormeVie1"}
            << QStringList{"lblAssVieInv24Mois",
                           "lblEmp2",
                           "lblSlash21",
                           "lblSlash28",
                           "lblAssVieInvPret",
                           "lblSlash38",
                           "lblNormeInvl1",
                           "lblNormeVieEtInvl1",
                           "lblEntNormesVieEtInvl",
                           "lblCo42"}
            << QStringList{"lblMntAnn11=PrimeVieEmp", "lblMntAnn421="};
        // A loan of 0 prices life at 0 and leaves no combined requirement.
        QTest::newRow("amount 0")
            << Case{false, 45, 0, 1500, 0}
            << QStringList{"lblNormeInvl1", "lblEntNormesInvl", "lblAssVieInv24Mois", "lblEmp42"}
            << QStringList{"lblNormeVieEtInvl1", "lblNormeVieEtInvl2", "lblEntNormesVieEtInvl"}
            << QStringList{"lblMntAnn421=PrimeInv24Emp", "lblMntAnn422=PrimeInvDureeEmp",
                           "lblMntAnn22=PrimeInv24Emp"};
    }

    void arrangement()
    {
        QFETCH(Case, c);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        QFETCH(QStringList, figures);
        fillForm(c);
        const QuotePrices prices = expected(c);
        QVERIFY(!prices.error);
        const Report *report = quote();
        QVERIFY2(report, qPrintable(program_->dialogs.messages.value(0).text));
        for (const QString &name : shown)
            QVERIFY2((*report)[name].visible, qPrintable(name));
        for (const QString &name : hidden)
            QVERIFY2(!(*report)[name].visible, qPrintable(name));
        const std::map<QString, float> figure = {
            {"PrimeVieEmp", prices.PrimeVieEmp},
            {"PrimeVieCoemp", prices.PrimeVieCoemp},
            {"PrimeInv24Emp", prices.PrimeInv24Emp},
            {"PrimeInv24Coemp", prices.PrimeInv24Coemp},
            {"PrimeInvDureeEmp", prices.PrimeInvDureeEmp},
            {"PrimeInvDureeCoemp", prices.PrimeInvDureeCoemp},
            {"totalVie", prices.totalVie},
            {"totalVieInv24Emp", prices.totalVieInv24Emp},
            {"totalVieInv24Coemp", prices.totalVieInv24Coemp},
            {"totalVieInv24", prices.totalVieInv24},
            {"totalVieInvDureeEmp", prices.totalVieInvDureeEmp},
            {"totalVieInvDureeCoemp", prices.totalVieInvDureeCoemp},
            {"totalVieInvDuree", prices.totalVieInvDuree},
            {"totalInv24", prices.totalInv24},
            {"totalInvDuree", prices.totalInvDuree},
        };
        for (const QString &entry : figures) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            QString key = entry.section(QLatin1Char('='), 1);
            const bool monthly = key.startsWith(QLatin1Char('m'));
            if (monthly)
                key.remove(0, 1);
            QString want;
            if (!key.isEmpty()) {
                QVERIFY2(figure.count(key), qPrintable(key));
                const float annual = figure.at(key);
                QVERIFY2(annual > 0, qPrintable(entry));
                want = FormaterMontant(appState().language,
                                       monthly ? prices.mensuel(annual) : annual, true);
            }
            QCOMPARE((*report)[name].caption, want);
        }
        // Every quote reaches the end of the bar, hides it and gives the button back.
        QCOMPARE(form_->prgBar->value(), 13);
        QVERIFY(!form_->fraProgress->isVisible());
        QVERIFY(form_->cmdCotation->isEnabled());
        QVERIFY(program_->dialogs.messages.isEmpty());
    }

    void bothPersonsAndTheLoanAreWritten()
    {
        fillForm({true, 45, 52, 2600, 600000});
        const Report *report = quote();
        QVERIFY(report);
        const Report &r = *report;
        QCOMPARE(r[QStringLiteral("txtEmprunteur")].caption, QStringLiteral("Hélène Tremblay"));
        QCOMPARE(r[QStringLiteral("txtCoEmp")].caption, QStringLiteral("Marc Gagnon"));
        QCOMPARE(r[QStringLiteral("lblAge")].caption, QStringLiteral("45 ans"));
        QCOMPARE(r[QStringLiteral("lblSexe")].caption, QStringLiteral("Femme"));
        QCOMPARE(r[QStringLiteral("lblRisque")].caption, QStringLiteral("Non-fumeur"));
        QCOMPARE(r[QStringLiteral("lblSexeCo")].caption, QStringLiteral("Homme"));
        QCOMPARE(r[QStringLiteral("lblRisqueCo")].caption, QStringLiteral("Fumeur"));
        QCOMPARE(r[QStringLiteral("lblHypotheque")].caption, QStringLiteral("600 000 $"));
        QCOMPARE(r[QStringLiteral("lblVersement")].caption, QStringLiteral("2 600 $"));
        QCOMPARE(r[QStringLiteral("lblTerme")].caption, QStringLiteral("60 mois"));
        QCOMPARE(r[QStringLiteral("lblDuree")].caption, QStringLiteral("300 mois"));
        QCOMPARE(r[QStringLiteral("lblEffet")].caption, QStringLiteral("01/09/2010"));
        QCOMPARE(r[QStringLiteral("lblDate")].caption, QStringLiteral("31 août 2010"));
        QCOMPARE(r[QStringLiteral("lblVersion")].caption, appState().versionText);
        QCOMPARE(r[QStringLiteral("lblAss2")].caption,
                 program_->text("French", "frmCotalmira-Val", "Coemp2points"));
        QCOMPARE(r[QStringLiteral("lblNormeVieEtInvl2")].caption,
                 ExigencesVieInvalidite(appState().language, 52, 2600, 600000));
        QCOMPARE(r[QStringLiteral("lblNormeVie1")].caption,
                 ExigencesVie(appState().language, 45, 600000));
        QVERIFY(!r[QStringLiteral("lblNormeVie1")].caption.isEmpty());
        ReportPreview *preview = form_->findChild<QuoteCommand *>()->preview();
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->windowTitle(),
                 program_->window()->windowTitle() +
                     program_->text("French", "frmCotalmira-Val", "RapportBracket"));
        // The quote form stays usable behind the modeless preview.
        QVERIFY(form_->isEnabled());
        QVERIFY(!preview->isModal());
    }

    void aSecondQuoteStartsFromTheDesign()
    {
        fillForm({false, 61, 0, 1500, 150000});
        QVERIFY(!(*quote())[QStringLiteral("lblAssInv")].visible);
        form_->txtAge->setText(QStringLiteral("40"));
        const Report *second = quote();
        QVERIFY((*second)[QStringLiteral("lblAssInv")].visible);
        QVERIFY((*second)[QStringLiteral("lblNormeInvl1")].visible);
    }

    void anEnglishQuoteReadsEnglish()
    {
        ChangeLanguage(program_->folder.file(QStringLiteral("Data/English.lng")));
        fillForm({true, 45, 45, 1500, 150000});
        const Report *report = quote();
        QVERIFY(report);
        QCOMPARE((*report)[QStringLiteral("lblDate")].caption, QStringLiteral("31 August 2010"));
        QCOMPARE((*report)[QStringLiteral("lblTitre")].caption,
                 program_->text("English", "actCotalmira#PageHeader", "lblTitre-Caption"));
        QCOMPARE((*report)[QStringLiteral("lblCo42")].caption,
                 program_->text("English", "actCotalmira#Detail", "lblCo42-Caption"));
        QCOMPARE((*report)[QStringLiteral("lblSexe")].caption,
                 program_->text("English", "frmCotalmira-Val", "Femme"));
    }

    void aMissingRateEndsTheQuote_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<Case>("c");
        QTest::newRow("life, co-borrower") << "TarAssVie" << Case{true, 45, 50, 1500, 150000};
        QTest::newRow("24 months") << "TarAssInv24" << Case{false, 45, 0, 1500, 150000};
        QTest::newRow("loan duration") << "TarAssInvFNF" << Case{false, 45, 0, 1500, 150000};
    }

    void aMissingRateEndsTheQuote()
    {
        QFETCH(QString, table);
        QFETCH(Case, c);
        const double age = c.co ? c.ageCo : c.ageEmp;
        appState().rates = std::make_unique<MissingRate>(*appState().rateDatabase, table, age);
        fillForm(c);
        form_->cmdCotation->click();
        QCOMPARE(program_->dialogs.messages.size(), 1);
        const QString text = program_->dialogs.messages.at(0).text;
        QVERIFY2(text.startsWith(program_->text("French", "frmCotalmira-Msg", "ErrTaux")),
                 qPrintable(text));
        QVERIFY2(text.contains(table) && text.contains(QString::number(age)), qPrintable(text));
        QVERIFY(!form_->findChild<QuoteCommand *>()->preview());
        QVERIFY(!form_->fraProgress->isVisible());
        QVERIFY(form_->cmdCotation->isEnabled());
    }
};

QTEST_MAIN(QuoteCommandTest)
#include "test_quotecommand.moc"
