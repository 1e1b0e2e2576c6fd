#include "domain/displayname.h"

#include "domain/language.h"

namespace norvel {

QString NomAffiche(const Language &language, const QString &firstName, const QString &lastName,
                   bool isMan, int number)
{
    const QString values = QStringLiteral("modCotalmira-Val");
    const QString full = (firstName.trimmed() + QLatin1Char(' ') + lastName.trimmed()).trimmed();
    if (full.isEmpty())
        return language.text(values, QStringLiteral("Assure")) + QLatin1Char(' ') +
               QString::number(number);
    if (firstName.trimmed().isEmpty())
        return language.text(values,
                             isMan ? QStringLiteral("Monsieur") : QStringLiteral("Madame")) +
               lastName.trimmed();
    return full;
}

} // namespace norvel
