#include "cli/jsonline.h"

#include "cli/filequote.h"

#include <QString>
#include <cmath>

namespace norvel {

namespace {

QByteArray jsonString(const QString &text)
{
    QByteArray out = "\"";
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                out += "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
            else
                out += QString(c).toUtf8();
        }
    }
    return out + '"';
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

QByteArray jsonLine(const FileQuote &quote, float monthlyFactor)
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
