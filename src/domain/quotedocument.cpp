#include "domain/quotedocument.h"

#include "base/filenames.h"
#include "base/version.h"
#include "domain/displayname.h"
#include "domain/language.h"

namespace norvel {

PdfDocumentInfo quoteDocumentInfo(const Language &language, const QuoteSnapshot &entries,
                                  const QuotePage &page, const std::optional<RateVintage> &rates)
{
    const QString values = QStringLiteral("frmApercu-Val");
    const QuoteSnapshot::Person &borrower = entries.borrower;
    const QStringList parts = {
        language.text(values, QStringLiteral("NomPDF")),
        NomAffiche(language, borrower.firstName, borrower.lastName, borrower.man, 1),
        page.today.toString(Qt::ISODate)};
    PdfDocumentInfo info;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            info.title +=
                (info.title.isEmpty() ? QString() : QStringLiteral(" - ")) + part.trimmed();
    info.author = page.broker ? page.broker->name.trimmed() : QString();
    info.subject = language.text(values, QStringLiteral("Regime"));
    if (rates)
        info.subject +=
            QStringLiteral(" - %1 (%2)").arg(rates->name, rates->effective.toString(Qt::ISODate));
    info.creator = QStringLiteral("Norvel ") + QLatin1String(NORVEL_VERSION);
    return info;
}

QString quotePdfFileName(const PdfDocumentInfo &info)
{
    return safeFileName(info.title) + QStringLiteral(".pdf");
}

} // namespace norvel
