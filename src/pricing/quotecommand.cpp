#include "pricing/quotecommand.h"

#include "app/appstate.h"
#include "app/clock.h"
#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "broker/brokerwindow.h"
#include "common/vbnumber.h"
#include "lang/language.h"
#include "pricing/databaserates.h"
#include "pricing/pricingrules.h"
#include "pricing/quotearrangement.h"
#include "pricing/quotepricing.h"
#include "pricing/quotereport.h"
#include "pricing/ratetables.h"
#include "quote/amountformat.h"
#include "quote/formutils.h"
#include "quote/maskededit.h"
#include "quote/quoteform.h"
#include "report/report.h"
#include "report/reportpreview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QRadioButton>
#include <cmath>

namespace norvel {

namespace {

const QString kMessages = QStringLiteral("frmCotalmira-Msg");
const QString kValues = QStringLiteral("frmCotalmira-Val");

QString value(const char *key)
{
    return GetLangString(kValues, QLatin1String(key));
}

qint16 whole16(double number)
{
    return toInteger16(number).value_or(0);
}

// The figures of one quote as the form holds them.
struct Entries {
    QuoteTerms terms;
    qint32 montant = 0;
};

Entries readEntries(const QuoteForm &form)
{
    Entries e;
    const double montant = ChiffresSeulement(form.txtHypotheque->text()).toDouble();
    e.terms.montant = float(montant);
    e.montant = qint32(std::nearbyint(montant));
    e.terms.versement = whole16(ChiffresSeulement(form.txtVersement->text()).toDouble());
    e.terms.emprunteur = {leadingNumber(form.txtAge->text()), form.optSexe[0]->isChecked(),
                          form.optFumeur[1]->isChecked()};
    e.terms.CoempAssure = form.chkCoemprunteur->isChecked();
    e.terms.coemprunteur = {leadingNumber(form.txtAgeCo->text()), form.optSexeCo[0]->isChecked(),
                            form.optFumCo[1]->isChecked()};
    e.terms.amortissement = leadingNumber(form.txtEcheance->text());
    e.terms.monthlyFactor = appState().monthlyFactor;
    return e;
}

// The rate lookup kept for the run, made on the first quote.
RateSource *rates()
{
    AppState &state = appState();
    if (!state.rateDatabase) {
        state.rates.reset();
        return nullptr;
    }
    if (!state.rates)
        state.rates = std::make_unique<DatabaseRates>(*state.rateDatabase);
    return state.rates.get();
}

// "dd mmmm yyyy" with the month names of the quote's language, whatever the machine's.
QString reportDate()
{
    const QString name =
        GetLangString(QStringLiteral("modCotalmira-Val"), QStringLiteral("Locale"));
    const QLocale locale = name.isEmpty() ? QLocale() : QLocale(name);
    return locale.toString(today(), QStringLiteral("dd MMMM yyyy"));
}

// The first five characters of the masked telephone, a space, the last eight; nothing when
// no digit was typed.
QString brokerTelephone(const BrokerWindow &broker)
{
    if (broker.mskTelephone->digits().isEmpty())
        return {};
    const QString text = broker.mskTelephone->formattedText();
    return text.left(5) + QLatin1Char(' ') + text.right(8);
}

class Writer {
public:
    Writer(Report &report, const QuotePrices &prices)
        : report_(report)
        , prices_(prices)
    {
    }
    ReportControl &operator[](const QString &name) { return report_[name]; }
    bool shown(const char *name) const { return report_[QLatin1String(name)].visible; }
    void set(const char *name, const QString &text) { report_[QLatin1String(name)].caption = text; }

    // The monthly figure and the annual one into a cell.
    void pair(float annuel, const QString &code) { pair(annuel, amountCell(code)); }
    void pair(float annuel, const AmountCell &cell)
    {
        report_[cell.mensuel].caption = FormaterMontant(prices_.mensuel(annuel), true);
        report_[cell.annuel].caption = FormaterMontant(annuel, true);
    }
    void copy(const QString &from, const QString &to)
    {
        report_[amountCell(to).mensuel].caption = report_[amountCell(from).mensuel].caption;
        report_[amountCell(to).annuel].caption = report_[amountCell(from).annuel].caption;
    }

private:
    Report &report_;
    const QuotePrices &prices_;
};

// One of the combined tables: life with 24-month disability (2) or with disability for the
// loan's duration (3).
struct CombinedTable {
    QChar digit;
    float invEmp, invCo;     // disability premiums
    float totalEmp, totalCo; // each person's life and disability
    float grandTotal;
    const char *rowLabel; // the first row's label
    QString cell(int n) const { return QString(digit) + QString::number(n); }
};

// A person's row: the life premium, the disability premium and their total; the total goes to
// the row's own cell while there is a co-borrower row, else to the lone total cell 8.
void combinedRow(Writer &w, const CombinedTable &t, int first, const QString &lifeCell,
                 float disability, float total)
{
    w.copy(lifeCell, t.cell(first));
    w.pair(disability, t.cell(first + 1));
    w.pair(total, w.shown("lblCo2") ? t.cell(first + 2) : t.cell(8));
}

} // namespace

QuoteCommand::QuoteCommand(QuoteForm *form)
    : QObject(form)
    , form_(form)
{
}

void QuoteCommand::step(const char *key)
{
    form_->AfficherProgression(GetLangString(kMessages, QLatin1String(key)));
}

void QuoteCommand::tellRateError(const QString &table, double age, const QString &detail)
{
    if (Dialogs *dialogs = appState().dialogs)
        dialogs->tell(
            GetLangString(kMessages, QStringLiteral("ErrTaux")) + QStringLiteral("\r\n\r\n") +
                GetLangString(kMessages, QStringLiteral("ErrTauxDetail_1")) + table +
                GetLangString(kMessages, QStringLiteral("ErrTauxDetail_2")) + QString::number(age) +
                QStringLiteral("\r\n(") + detail + QLatin1Char(')'),
            appState().appTitle, Dialogs::Icon::Critical);
}

bool QuoteCommand::run()
{
    form_->prgBar->setValue(0);
    form_->fraProgress->show();
    form_->fraProgress->repaint();
    // Whatever happens below, the progress frame does not stay on screen.
    struct HideProgress {
        QGroupBox *frame;
        ~HideProgress() { frame->hide(); }
    } hideProgress{form_->fraProgress};

    const Entries entries = readEntries(*form_);
    RateSource *source = rates();
    if (!source) {
        tellRateError(QString(TableVie), entries.terms.emprunteur.age,
                      QStringLiteral("no rate database"));
        return false;
    }
    prices_ = priceQuote(entries.terms, *source);
    const QuotePrices &prices = prices_;
    if (prices.error) {
        tellRateError(prices.error->table, prices.error->age, prices.error->describe());
        return false;
    }
    std::unique_ptr<Report> report = newQuoteReport();
    fill(*report, prices, entries.terms.versement);
    fillRequirements(*report, {whole16(entries.terms.emprunteur.age),
                               whole16(entries.terms.coemprunteur.age), entries.terms.CoempAssure,
                               entries.terms.versement, entries.montant});
    Writer w(*report, prices);
    w.set("lblDate", reportDate());
    w.set("lblVersion", appState().versionText);
    step("OuvRapport");
    step("OuvRapport");
    showReport(std::move(report));
    return true;
}

void QuoteCommand::fill(Report &report, const QuotePrices &prices, qint16 versement)
{
    const QuoteForm &f = *form_;
    Writer w(report, prices);
    const bool co = f.chkCoemprunteur->isChecked();
    const double ageEmp = leadingNumber(f.txtAge->text());
    const double ageCo = co ? leadingNumber(f.txtAgeCo->text()) : 0;
    const bool invEmp = ageEmp < AgeLimiteInvalidite;
    const bool invCo = co && ageCo < AgeLimiteInvalidite;

    if (const BrokerWindow *broker = appState().brokerWindow) {
        w.set("lblCourtier", broker->txtNom->text());
        w.set("lblTelephone", brokerTelephone(*broker));
    }

    const auto person = [&](const char *name, const char *birth, const char *age, const char *sex,
                            const char *risk, QLineEdit *first, QLineEdit *last, MaskedEdit *date,
                            QLineEdit *years, QRadioButton *man, QRadioButton *smoker, int number) {
        w.set(name, NomAffiche(first->text(), last->text(), man->isChecked(), number));
        if (date->digits().size() == 8)
            w.set(birth, date->formattedText());
        w.set(age, years->text() + QLatin1Char(' ') + value("Ans"));
        w.set(sex, value(man->isChecked() ? "Homme" : "Femme"));
        w.set(risk, value(smoker->isChecked() ? "Fumeur" : "NonFumeur"));
    };
    step("InfoEmp");
    person("txtEmprunteur", "lblNaissance", "lblAge", "lblSexe", "lblRisque", f.txtPrenom, f.txtNom,
           f.mskDateEmp, f.txtAge, f.optSexe[0], f.optFumeur[1], 1);
    step("InfoCoemp");
    if (co)
        person("txtCoEmp", "lblNaisCo", "lblAgeCo", "lblSexeCo", "lblRisqueCo", f.txtPrenomCo,
               f.txtNomCo, f.mskDateCo, f.txtAgeCo, f.optSexeCo[0], f.optFumCo[1], 2);
    else
        for (const char *name :
             {"lblTitreCo", "lblTitreNaisCo", "lblTitreAgeCo", "lblTitreSexeCo", "lblTitreRisqCo"})
            w[QLatin1String(name)].visible = false;

    step("InfoGeneral");
    const QString mois = QLatin1Char(' ') + value("Mois");
    w.set("lblHypotheque", f.txtHypotheque->text());
    w.set("lblVersement", f.txtVersement->text());
    w.set("lblTerme", f.txtTerme->text() + mois);
    w.set("lblEffet", f.mskEffet->formattedText());
    if (f.mskEcheance->digits().size() == 8)
        w.set("lblEcheance", f.mskEcheance->formattedText());
    w.set("lblDuree", f.txtEcheance->text() + mois);

    // Table 1: life, by person, then the total.
    step("VieHypoEmp");
    w[QStringLiteral("lblRabaisApplique")].visible = co;
    w.pair(prices.PrimeVieEmp, QStringLiteral("11"));
    w.copy(QStringLiteral("11"), QStringLiteral("13"));
    step("VieHypoCoemp");
    if (co) {
        w[QStringLiteral("lblSlash18")].visible = false;
        w.pair(prices.PrimeVieCoemp, QStringLiteral("14"));
        w.copy(QStringLiteral("14"), QStringLiteral("16"));
        w.pair(prices.totalVie, QStringLiteral("17"));
    } else {
        w.copy(QStringLiteral("13"), QStringLiteral("18"));
        for (const char *name : {"lblMntMens13", "lblSlash13", "lblMntAnn13", "lblCo1",
                                 "lblSlash14", "lblSlash16", "lblSlash17"})
            w[QLatin1String(name)].visible = false;
    }

    step("ArrangTableaux");
    arrangeByAges(report, co, ageEmp, ageCo);

    step("VieInval24mHypoEmp");
    if (versement <= 0) {
        hideCombinedTables(report, [this] { step("BasPage"); });
        return;
    }
    // Table 4: disability alone; a co-borrower alone in it moves up to the first row.
    const bool coRow4 = w.shown("lblCo42");
    if (invEmp) {
        w.pair(prices.PrimeInv24Emp, QStringLiteral("421"));
        w.pair(prices.PrimeInvDureeEmp, QStringLiteral("422"));
    }
    step("VieInval24mHypoCoemp");
    if (invCo && coRow4) {
        w.pair(prices.PrimeInv24Coemp, QStringLiteral("424"));
        w.pair(prices.PrimeInvDureeCoemp, QStringLiteral("425"));
        w.pair(prices.totalInv24, AmountCell{"lblTotalAM", "", "lblTotalAA"});
        w.pair(prices.totalInvDuree, AmountCell{"lblTotalBM", "", "lblTotalBA"});
    } else if (invCo) {
        w[QStringLiteral("lblEmp42")].caption = w[QStringLiteral("lblCo42")].caption;
        w.pair(prices.PrimeInv24Coemp, QStringLiteral("421"));
        w.pair(prices.PrimeInvDureeCoemp, QStringLiteral("422"));
    }
    if (w.shown("lblAssInv") && !coRow4) {
        makeSingleTotalRow(report);
        w.pair(prices.totalInv24, QStringLiteral("424"));
        w.pair(prices.totalInvDuree, QStringLiteral("425"));
    }

    // Tables 2 and 3: life with disability, by person, then the grand total; a co-borrower
    // alone moves up to the first row.
    const CombinedTable t2{QLatin1Char('2'),
                           prices.PrimeInv24Emp,
                           prices.PrimeInv24Coemp,
                           prices.totalVieInv24Emp,
                           prices.totalVieInv24Coemp,
                           prices.totalVieInv24,
                           "lblEmp2"};
    const CombinedTable t3{QLatin1Char('3'),
                           prices.PrimeInvDureeEmp,
                           prices.PrimeInvDureeCoemp,
                           prices.totalVieInvDureeEmp,
                           prices.totalVieInvDureeCoemp,
                           prices.totalVieInvDuree,
                           "lblEmp3"};
    const bool coRows = w.shown("lblCo2");
    const auto borrowerRow = [&](const CombinedTable &t) {
        if (invEmp)
            combinedRow(w, t, 1, QStringLiteral("11"), t.invEmp, t.totalEmp);
    };
    const auto coBorrowerRow = [&](const CombinedTable &t) {
        if (!invCo)
            return;
        if (!coRows)
            w[QLatin1String(t.rowLabel)].caption = w[QStringLiteral("lblCo2")].caption;
        combinedRow(w, t, coRows ? 4 : 1, QStringLiteral("14"), t.invCo, t.totalCo);
    };
    const auto grandTotal = [&](const CombinedTable &t) {
        if (w[amountCell(t.cell(7)).slash].visible)
            w.pair(t.grandTotal, t.cell(7));
    };
    step("VieInvalDDPHypoEmp");
    borrowerRow(t2);
    step("VieInval24mHypoCoemp");
    coBorrowerRow(t2);
    step("VieInvalDDPHypoEmp");
    grandTotal(t2);
    borrowerRow(t3);
    step("VieInvalDDPHypoCoemp");
    coBorrowerRow(t3);
    step("BasPage");
    grandTotal(t3);
}

void QuoteCommand::showReport(std::unique_ptr<Report> report)
{
    if (!preview_)
        preview_ = new ReportPreview(appState().mainWindow);
    QString caption = value("RapportBracket");
    if (MainWindow *main = appState().mainWindow)
        caption.prepend(main->windowTitle());
    preview_->setWindowTitle(caption);
    preview_->setReport(std::move(report));
    preview_->show();
    preview_->raise();
}

} // namespace norvel
