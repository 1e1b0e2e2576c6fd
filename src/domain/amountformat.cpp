#include "domain/amountformat.h"

#include "base/vbformat.h"
#include "domain/language.h"

#include <cmath>

namespace norvel {

namespace {

const QString kValues = QStringLiteral("modCotalmira-Val");

// The pattern key counts the digits of the whole dollars, or of the amount in cents (rounded
// half to even, as the classic whole-number conversion does).
qsizetype digitCount(double value, bool withCents)
{
    if (withCents)
        return QString::number(std::nearbyint(value * 100.0), 'f', 0).size();
    return ChiffresSeulement(QString::number(value, 'f', 0)).size();
}

} // namespace

QString cashPattern(const Language &language, qsizetype count, bool withCents)
{
    QString key = QStringLiteral("FormatCash") + QString::number(count);
    if (withCents)
        key += QLatin1Char('F');
    return language.text(kValues, key);
}

QString formatNumberText(const Language &language, const QString &text, const QString &pattern)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return text;
    return formatNumber(value, pattern, languageNumberSymbols(language));
}

NumberSymbols languageNumberSymbols(const Language &language)
{
    const QString symbols = language.text(kValues, QStringLiteral("SeparateursNombre"));
    NumberSymbols result;
    if (symbols.size() >= 2) {
        result.decimal = symbols.at(0);
        result.group = symbols.at(1);
    }
    return result;
}

QString ChiffresSeulement(const QString &text)
{
    QString digits;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    return digits;
}

QString FormaterMontant(const Language &language, float value, bool withCents)
{
    return formatNumber(value, cashPattern(language, digitCount(value, withCents), withCents),
                        languageNumberSymbols(language))
        .trimmed();
}

QString FormaterMontant(const Language &language, const QString &text, bool withCents)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return text.trimmed();
    // A typed amount keeps all its digits; only premiums are single precision.
    return formatNumber(value, cashPattern(language, digitCount(value, withCents), withCents),
                        languageNumberSymbols(language))
        .trimmed();
}

} // namespace norvel
