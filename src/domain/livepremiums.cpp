#include "domain/livepremiums.h"

#include "domain/amountformat.h"
#include "domain/language.h"
#include "domain/quote.h"

#include <QStringList>
#include <iterator>

namespace norvel {

namespace {

const QString kValues = QStringLiteral("frmCotalmira-Val");

// The form's own caption of the field, in lower case, without its colon and its access key:
// "date du prêt", "coemprunteur – âge".
QString fieldCaption(const Language &language, QuoteField field)
{
    const auto caption = [&](const char *key) {
        QString text = language.text(QStringLiteral("frmCotalmira"), QLatin1String(key));
        text.remove(QLatin1Char('&'));
        while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char(' ')) ||
               text.endsWith(QChar(0xA0)))
            text.chop(1);
        return text.left(1).toLower() + text.mid(1);
    };
    // The caption key of each field, in the order of QuoteField.
    static constexpr const char *keys[] = {"lblEffet-Caption",       "lblTerme-Caption",
                                           "optEcheance(0)-Caption", "optEcheance(1)-Caption",
                                           "optNaisEmp(0)-Caption",  "optNaisEmp(1)-Caption",
                                           "optNaisCo(0)-Caption",   "optNaisCo(1)-Caption"};
    static_assert(std::size(keys) == int(QuoteField::txtAgeCo) + 1);
    const bool co = field == QuoteField::mskDateCo || field == QuoteField::txtAgeCo;
    return (co ? caption("chkCoemprunteur-Caption") + QStringLiteral(" \u2013 ") : QString()) +
           caption(keys[int(field)]);
}

} // namespace

QString livePremiumLine(const Quote &quote, const Language &language)
{
    const auto value = [&](const char *key) { return language.text(kValues, QLatin1String(key)); };
    if (quote.fault)
        return value("PrimesAttente") + fieldCaption(language, quote.fault->focus);
    if (quote.ratesFrom)
        return value("PrimesTarifsFuturs") + effectiveDate(language, *quote.ratesFrom);
    if (quote.rateError)
        return value("PrimesTarifManquant");
    const QuotePrices &p = quote.prices;
    // An amount never wraps, nor leaves the word before it.
    const auto amount = [&](float annual) {
        return QChar(0xA0) +
               FormaterMontant(language, p.mensuel(annual), true).replace(u' ', QChar(0xA0));
    };
    // One option: the borrower's premium, or the co-borrower's when only they have it (the
    // report's first row then names the co-borrower), and the couple's when both have it.
    const auto option = [&](const char *key, bool emp, bool co, float empTotal, float coTotal,
                            float both) {
        if (!emp && !co)
            return QString();
        if (!emp)
            return value(key) + QLatin1Char(' ') + value("PrimeCoemp") + amount(coTotal);
        QString text = value(key) + amount(empTotal);
        if (co)
            text += QStringLiteral(", ") + value("PrimeCouple") + amount(both);
        return text;
    };
    QStringList options{
        option("PrimeVie", true, p.vieCoemp, p.PrimeVieEmp, p.PrimeVieCoemp, p.totalVie),
        option("PrimeVieInv24", p.invaliditeEmp, p.invaliditeCoemp, p.totalVieInv24Emp,
               p.totalVieInv24Coemp, p.totalVieInv24),
        option("PrimeVieInvDuree", p.invaliditeEmp, p.invaliditeCoemp, p.totalVieInvDureeEmp,
               p.totalVieInvDureeCoemp, p.totalVieInvDuree)};
    options.removeAll(QString());
    return value("PrimesMensuelles") + QLatin1Char(' ') + options.join(QStringLiteral(" \u00b7 "));
}

} // namespace norvel
