#include "base/vbnumber.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace norvel {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double leadingNumber(const QString &text)
{
    QString number;
    bool point = false;
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        const bool sign = c == QLatin1Char('+') || c == QLatin1Char('-');
        const bool firstPoint = c == QLatin1Char('.') && !point;
        if (!isDigit(c) && !firstPoint && !(sign && number.isEmpty()))
            break;
        point = point || firstPoint;
        number.append(c);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

bool isNumeric(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[ \\t]*$"));
    return number.match(text).hasMatch();
}

std::optional<qint16> toInteger16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(whole);
}

} // namespace norvel
