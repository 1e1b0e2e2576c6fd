#include "quote/amountformat.h"

#include "common/vbformat.h"
#include "lang/language.h"

#include <QLineEdit>
#include <cmath>

namespace norvel {

namespace {

const QString kValues = QStringLiteral("modCotalmira-Val");

// A box without a limit: Qt reads a maximum length of 0 as "nothing may be typed".
constexpr int kNoLimit = 32767;

QString cashPattern(qsizetype count, bool withCents)
{
    QString key = QStringLiteral("FormatCash") + QString::number(count);
    if (withCents)
        key += QLatin1Char('F');
    return GetLangString(kValues, key);
}

// A text that is a plain number is formatted; any other text is kept as it is.
QString formatText(const QString &text, const QString &pattern)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return text;
    return formatNumber(value, pattern, languageNumberSymbols());
}

// The pattern key counts the digits of the whole dollars, or of the amount in cents (rounded
// half to even, as the classic whole-number conversion does).
qsizetype digitCount(double value, bool withCents)
{
    if (withCents)
        return QString::number(std::nearbyint(value * 100.0), 'f', 0).size();
    return ChiffresSeulement(QString::number(value, 'f', 0)).size();
}

} // namespace

NumberSymbols languageNumberSymbols()
{
    const QString symbols = GetLangString(kValues, QStringLiteral("SeparateursNombre"));
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

void FormaterChamp(QLineEdit *box, const QString &pattern, int maxLength)
{
    const QString text = formatText(box->text(), pattern).trimmed();
    box->setMaxLength(kNoLimit); // Qt would cut the new text to the old limit
    box->setText(text);
    const int limit = maxLength < 0 ? int(text.size()) : maxLength;
    box->setMaxLength(limit == 0 ? kNoLimit : limit);
}

QString FormatCashChamp(QLineEdit *box)
{
    FormaterChamp(box, cashPattern(ChiffresSeulement(box->text()).size(), false));
    return box->text();
}

QString FormaterMontant(float value, bool withCents)
{
    return formatNumber(value, cashPattern(digitCount(value, withCents), withCents),
                        languageNumberSymbols())
        .trimmed();
}

QString FormaterMontant(const QString &text, bool withCents)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return text.trimmed();
    // A typed amount keeps all its digits; only premiums are single precision.
    return formatNumber(value, cashPattern(digitCount(value, withCents), withCents),
                        languageNumberSymbols())
        .trimmed();
}

} // namespace norvel
