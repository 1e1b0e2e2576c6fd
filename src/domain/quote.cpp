#include "domain/quote.h"

#include "base/vbnumber.h"
#include "domain/amountformat.h"
#include "domain/displayname.h"
#include "domain/language.h"
#include "domain/pricingrules.h"
#include "domain/quotearrangement.h"
#include "domain/quotedocument.h"
#include "domain/quotereport.h"
#include "domain/ratetables.h"
#include "domain/report.h"

#include <QLocale>
#include <cmath>

namespace norvel {

namespace {

const QString kValues = QStringLiteral("frmCotalmira-Val");

qint16 whole16(double number)
{
    return toInteger16(number).value_or(0);
}

// What pricing reads of the entries.
QuoteTerms termsOf(const QuoteSnapshot &e, float monthlyFactor)
{
    QuoteTerms terms;
    terms.montant = float(ChiffresSeulement(e.amount).toDouble());
    terms.versement = whole16(ChiffresSeulement(e.payment).toDouble());
    terms.emprunteur = {leadingNumber(e.borrower.age.text), e.borrower.man, e.borrower.smoker};
    terms.CoempAssure = e.coBorrower;
    terms.coemprunteur = {leadingNumber(e.coBorrowerPerson.age.text), e.coBorrowerPerson.man,
                          e.coBorrowerPerson.smoker};
    terms.amortissement = leadingNumber(e.amortization.text);
    terms.monthlyFactor = monthlyFactor;
    return terms;
}

// "dd mmmm yyyy" with the month names of the quote's language, whatever the machine's.
QString reportDate(const Language &language, const QDate &today)
{
    return language.locale().toString(today, QStringLiteral("dd MMMM yyyy"));
}

class Writer {
public:
    Writer(Report &report, const QuotePrices &prices, const Language &language)
        : report_(report)
        , prices_(prices)
        , language_(language)
    {
    }
    ReportControl &operator[](const QString &name) { return report_[name]; }
    bool shown(const char *name) const { return report_[QLatin1String(name)].visible; }
    void set(const char *name, const QString &text) { report_[QLatin1String(name)].caption = text; }
    QString value(const char *key) const { return language_.text(kValues, QLatin1String(key)); }

    // The monthly figure and the annual one into a cell.
    void pair(float annuel, const QString &code) { pair(annuel, amountCell(code)); }
    void pair(float annuel, const AmountCell &cell)
    {
        report_[cell.mensuel].caption = FormaterMontant(language_, prices_.mensuel(annuel), true);
        report_[cell.annuel].caption = FormaterMontant(language_, annuel, true);
    }
    void copy(const QString &from, const QString &to)
    {
        report_[amountCell(to).mensuel].caption = report_[amountCell(from).mensuel].caption;
        report_[amountCell(to).annuel].caption = report_[amountCell(from).annuel].caption;
    }

private:
    Report &report_;
    const QuotePrices &prices_;
    const Language &language_;
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

// The persons, the loan and the life table.
void fillEntries(Writer &w, const QuoteSnapshot &e, const QuotePrices &prices,
                 const Language &language, const QuoteStep &step)
{
    const auto person = [&](const char *name, const char *birth, const char *age, const char *sex,
                            const char *risk, const QuoteSnapshot::Person &p, int number) {
        w.set(name, NomAffiche(language, p.firstName, p.lastName, p.man, number));
        if (p.birthDate.digits.size() == 8)
            w.set(birth, p.birthDate.text);
        w.set(age, p.age.text + QLatin1Char(' ') + w.value("Ans"));
        w.set(sex, w.value(p.man ? "Homme" : "Femme"));
        w.set(risk, w.value(p.smoker ? "Fumeur" : "NonFumeur"));
    };
    step("InfoEmp");
    person("txtEmprunteur", "lblNaissance", "lblAge", "lblSexe", "lblRisque", e.borrower, 1);
    step("InfoCoemp");
    if (e.coBorrower)
        person("txtCoEmp", "lblNaisCo", "lblAgeCo", "lblSexeCo", "lblRisqueCo", e.coBorrowerPerson,
               2);
    else
        for (const char *name :
             {"lblTitreCo", "lblTitreNaisCo", "lblTitreAgeCo", "lblTitreSexeCo", "lblTitreRisqCo"})
            w[QLatin1String(name)].visible = false;

    step("InfoGeneral");
    const QString mois = QLatin1Char(' ') + w.value("Mois");
    w.set("lblHypotheque", e.amount);
    w.set("lblVersement", e.payment);
    w.set("lblTerme", e.term.text + mois);
    w.set("lblEffet", e.loanDate.text);
    if (e.endOfTerm.digits.size() == 8)
        w.set("lblEcheance", e.endOfTerm.text);
    w.set("lblDuree", e.amortization.text + mois);

    // Table 1: life, by person, then the total.
    step("VieHypoEmp");
    w[QStringLiteral("lblRabaisApplique")].visible = e.coBorrower;
    w.pair(prices.PrimeVieEmp, QStringLiteral("11"));
    w.copy(QStringLiteral("11"), QStringLiteral("13"));
    step("VieHypoCoemp");
    if (e.coBorrower) {
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
}

// Tables 2 to 4: disability alone, then life with disability.
void fillDisability(Report &report, Writer &w, const QuotePrices &prices, bool invEmp, bool invCo,
                    const QuoteStep &step)
{
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

} // namespace

QString shownTelephone(const QString &stored)
{
    const QString tel = stored.left(10);
    QString text = QStringLiteral("(###)###-####");
    int next = 0;
    for (QChar &c : text)
        if (c == QLatin1Char('#')) {
            const QChar digit = next < tel.size() ? tel.at(next) : QChar();
            ++next;
            c = digit.isDigit() ? digit : QLatin1Char('_');
        }
    return text;
}

QString rateErrorMessage(const Quote &quote, const Language &language)
{
    const QString messages = QStringLiteral("frmCotalmira-Msg");
    if (!quote.rateError)
        return QString();
    const RateError &error = *quote.rateError;
    return language.text(messages, QStringLiteral("ErrTaux")) + QStringLiteral("\r\n\r\n") +
           language.text(messages, QStringLiteral("ErrTauxDetail_1")) + error.table +
           language.text(messages, QStringLiteral("ErrTauxDetail_2")) + QString::number(error.age) +
           QStringLiteral("\r\n(") + (quote.noRateDatabase ? error.detail : error.describe()) +
           QLatin1Char(')');
}

QString ratesNotInEffectMessage(const QDate &effective, const Language &language)
{
    const QString messages = QStringLiteral("frmCotalmira-Msg");
    return language.text(messages, QStringLiteral("TarifsFuturs_1")) +
           effectiveDate(language, effective) +
           language.text(messages, QStringLiteral("TarifsFuturs_2"));
}

QString printedTelephone(const QString &maskedText)
{
    return maskedText.left(5) + QLatin1Char(' ') + maskedText.right(8);
}

Quote priceEntries(const QuoteSnapshot &entries, const QDate &today, const QuoteSources &sources)
{
    Quote quote;
    quote.fault = validateQuote(entries.validation(), today);
    if (quote.fault)
        return quote;
    if (sources.vintage && !sources.vintage->inEffectOn(today)) {
        quote.ratesFrom = sources.vintage->effective;
        return quote;
    }
    const QuoteTerms terms = termsOf(entries, sources.monthlyFactor);
    if (!sources.rates) {
        quote.noRateDatabase = true;
        quote.rateError = RateError{RateError::Kind::Database, QString(TableVie),
                                    terms.emprunteur.age, 0, QStringLiteral("no rate database")};
        return quote;
    }
    quote.prices = priceQuote(terms, *sources.rates);
    quote.rateError = quote.prices.error;
    return quote;
}

Quote makeQuote(const QuoteSnapshot &entries, const QuotePage &page, const QuoteSources &sources,
                const QuoteStep &announce)
{
    const QuoteStep step = announce ? announce : [](const char *) {};
    Quote quote = priceEntries(entries, page.today, sources);
    if (quote.fault || quote.rateError || quote.ratesFrom)
        return quote;
    const QuoteTerms terms = termsOf(entries, sources.monthlyFactor);
    const Language &language = sources.language;
    std::unique_ptr<Report> report = newQuoteReport(language, sources.programDir);
    Writer w(*report, quote.prices, language);
    const bool co = entries.coBorrower;
    const double ageEmp = terms.emprunteur.age;
    const double ageCo = co ? terms.coemprunteur.age : 0;
    if (page.broker) {
        w.set("lblCourtier", page.broker->name);
        w.set("lblTelephone", printedTelephone(page.broker->telephone));
    }
    fillEntries(w, entries, quote.prices, language, step);
    step("ArrangTableaux");
    arrangeByAges(*report, co, ageEmp, ageCo);
    step("VieInval24mHypoEmp");
    if (terms.versement <= 0)
        hideCombinedTables(*report, [&step] { step("BasPage"); });
    else
        fillDisability(*report, w, quote.prices, ageEmp < AgeLimiteInvalidite,
                       co && ageCo < AgeLimiteInvalidite, step);
    fillRequirements(*report,
                     {whole16(terms.emprunteur.age), whole16(terms.coemprunteur.age), co,
                      terms.versement,
                      qint32(std::nearbyint(ChiffresSeulement(entries.amount).toDouble()))},
                     language);
    w.set("lblDate", reportDate(language, page.today));
    w.set("lblVersion", page.versionText);
    step("OuvRapport");
    step("OuvRapport");
    quote.report = std::move(report);
    quote.document = quoteDocumentInfo(language, entries, page, sources.vintage);
    return quote;
}

} // namespace norvel
