#include "cli/jsonline.h"

#include "cli/filequote.h"

#include <QString>
#include <cmath>

namespace norvel {

namespace {

// The whole text at once, so that a pair of surrogates stays one character; a lone one (a
// file name's byte that is not UTF-8) is written as its escape, which JSON allows.
QByteArray jsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool paired = QChar::isHighSurrogate(c) ? i + 1 < text.size() &&
                                                            text.at(i + 1).isLowSurrogate()
                                                      : QChar::isLowSurrogate(c) && i > 0 &&
                                                            text.at(i - 1).isHighSurrogate();
        switch (c) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c < 0x20 || (QChar::isSurrogate(c) && !paired))
                out += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
            else
                out += QChar(c);
        }
    }
    return (out + QLatin1Char('"')).toUtf8();
}

// Single precision, as many digits as tell every float apart. JSON has no infinity nor NaN.
QByteArray number(float value)
{
    return std::isfinite(value) ? QByteArray::number(double(value), 'g', 9) : "null";
}

class ObjectWriter {
public:
    void add(const QString &key, const QByteArray &json)
    {
        out_ += (out_.isEmpty() ? "{" : ",") + jsonString(key) + ':' + json;
    }
    QByteArray close() const { return out_.isEmpty() ? "{}" : out_ + '}'; }

private:
    QByteArray out_;
};

} // namespace

QByteArray jsonLine(const FileQuote &quote, float monthlyFactor,
                    const std::optional<RateVintage> &rates)
{
    ObjectWriter line;
    line.add(QStringLiteral("file"), jsonString(quote.file));
    line.add(QStringLiteral("ok"), quote.ok ? "true" : "false");
    if (!quote.ok) {
        ObjectWriter error;
        error.add(QStringLiteral("key"), jsonString(quote.errorKey));
        error.add(QStringLiteral("message"), jsonString(quote.errorMessage));
        line.add(QStringLiteral("error"), error.close());
    }
    line.add(QStringLiteral("monthlyFactor"), number(monthlyFactor));
    if (rates) {
        ObjectWriter vintage;
        vintage.add(QStringLiteral("name"), jsonString(rates->name));
        vintage.add(QStringLiteral("effective"),
                    jsonString(rates->effective.toString(Qt::ISODate)));
        line.add(QStringLiteral("rates"), vintage.close());
    }
    if (quote.ok) {
        const QuotePrices &p = quote.prices;
        ObjectWriter premiums;
        for (const auto &[name, value] : {std::pair{"PrimeVieEmp", p.PrimeVieEmp},
                                          {"PrimeVieCoemp", p.PrimeVieCoemp},
                                          {"PrimeInv24Emp", p.PrimeInv24Emp},
                                          {"PrimeInv24Coemp", p.PrimeInv24Coemp},
                                          {"PrimeInvDureeEmp", p.PrimeInvDureeEmp},
                                          {"PrimeInvDureeCoemp", p.PrimeInvDureeCoemp}})
            premiums.add(QLatin1String(name), number(value));
        line.add(QStringLiteral("premiums"), premiums.close());
        ObjectWriter report;
        for (const auto &[name, text] : quote.reportTexts())
            report.add(name, jsonString(text));
        line.add(QStringLiteral("report"), report.close());
    }
    return line.close() + '\n';
}

} // namespace norvel
