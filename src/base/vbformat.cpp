#include "base/vbformat.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <charconv>
#include <cmath>

namespace norvel {

namespace {

constexpr int kSinglePrecision = 7;
constexpr int kDoublePrecision = 15;

// A value as decimal text: 0.digits × 10^point. Leading and trailing zeros are never kept,
// so zero is the empty digit string. All rounding works on this text, never on binary
// floating point, so that what the user sees is what gets rounded.
struct Decimal {
    QByteArray digits;
    qsizetype point = 0;
    bool negative = false;

    bool isZero() const { return digits.isEmpty(); }
};

void dropTrailingZeros(Decimal &d)
{
    qsizetype size = d.digits.size();
    while (size > 0 && d.digits.at(size - 1) == '0')
        --size;
    d.digits.truncate(size);
    if (d.isZero())
        d.negative = false;
}

Decimal toDecimal(double value, int precision)
{
    // Scientific form gives exactly `precision` significant digits, correctly rounded and
    // independent of the machine's locale: "-d.dddddde+XX".
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, precision - 1)
            .ptr;
    Decimal d;
    const char *p = text;
    if (p < end && *p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits.append(*p);
    int exponent = 0;
    if (p < end)
        ++p; // 'e'
    if (p < end && *p == '+')
        ++p; // from_chars takes no plus sign
    std::from_chars(p, end, exponent);
    d.point = exponent + 1;
    if (d.digits.startsWith('0')) // only zero itself starts with 0
        d.digits.clear();
    dropTrailingZeros(d);
    return d;
}

// Half away from zero, on the digits themselves.
Decimal rounded(Decimal d, qsizetype decimals)
{
    const qsizetype keep = d.point + decimals;
    if (keep >= d.digits.size())
        return d;
    if (keep < 0) {
        d.digits.clear();
        dropTrailingZeros(d);
        return d;
    }
    const bool up = d.digits.at(keep) >= '5';
    d.digits.truncate(keep);
    if (up) {
        qsizetype i = keep - 1;
        while (i >= 0 && d.digits.at(i) == '9')
            d.digits[i--] = '0';
        if (i < 0) {
            d.digits.prepend('1');
            ++d.point;
        } else {
            ++d.digits[i];
        }
    }
    dropTrailingZeros(d);
    return d;
}

// The digits before the decimal point; empty for a value below one.
QByteArray wholeDigits(const Decimal &d)
{
    if (d.point <= 0)
        return {};
    QByteArray whole = d.digits.left(d.point);
    whole.append(d.point - whole.size(), '0');
    return whole;
}

char fractionDigit(const Decimal &d, qsizetype index)
{
    const qsizetype at = d.point + index;
    return at >= 0 && at < d.digits.size() ? d.digits.at(at) : '0';
}

// The empty pattern: shortest plain decimal, with an exponent only for magnitudes the
// significant digits cannot write out.
QString plainDecimal(const Decimal &d, int precision, QChar decimal)
{
    if (d.isZero())
        return QStringLiteral("0");
    const QString digits = QString::fromLatin1(d.digits);
    const qsizetype exponent = d.point - 1;
    QString text;
    if (exponent >= precision || exponent < -5) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += decimal + digits.mid(1);
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (d.point <= 0) {
        text = QLatin1Char('0') + decimal + QString(-d.point, QLatin1Char('0')) + digits;
    } else if (d.point >= digits.size()) {
        text = digits + QString(d.point - digits.size(), QLatin1Char('0'));
    } else {
        text = digits.left(d.point) + decimal + digits.mid(d.point);
    }
    return d.negative ? QLatin1Char('-') + text : text;
}

enum class TokenKind { Zero, Hash, Point, Comma, Literal };

struct Token {
    TokenKind kind;
    QString text;
};

struct Section {
    bool plain = false; // empty section: the value written as plain decimal
    QList<Token> tokens;
    qsizetype wholeSlots = 0;
    qsizetype decimals = 0;
    qsizetype lastFractionZero = -1; // fraction zeros are shown up to this placeholder
    bool grouping = false;
    bool percent = false;
};

bool isPlaceholder(const Token &t)
{
    return t.kind == TokenKind::Zero || t.kind == TokenKind::Hash;
}

// A quoted run ends at its closing quote or, unbalanced, at the end of the section.
qsizetype quotedEnd(const QString &text, qsizetype open)
{
    const qsizetype close = text.indexOf(u'"', open + 1);
    return close < 0 ? text.size() : close;
}

QStringList splitSections(const QString &pattern)
{
    QStringList sections{QString()};
    qsizetype start = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'\\') {
            ++i;
        } else if (c == u'"') {
            i = quotedEnd(pattern, i);
        } else if (c == u';') {
            sections.last() = pattern.mid(start, i - start);
            if (sections.size() == 3) // a fourth section has no meaning for numbers
                return sections;
            sections.append(QString());
            start = i + 1;
        }
    }
    sections.last() = pattern.mid(start);
    return sections;
}

QList<Token> tokenize(const QString &text, bool &percent)
{
    QList<Token> tokens;
    bool point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"') {
            const qsizetype close = quotedEnd(text, i);
            tokens.append({TokenKind::Literal, text.mid(i + 1, close - i - 1)});
            i = close;
        } else if (c == u'\\') {
            if (++i < text.size()) // a trailing backslash escapes nothing
                tokens.append({TokenKind::Literal, QString(text.at(i))});
        } else if (c == u'0') {
            tokens.append({TokenKind::Zero, {}});
        } else if (c == u'#') {
            tokens.append({TokenKind::Hash, {}});
        } else if (c == u'.' && !point) {
            point = true;
            tokens.append({TokenKind::Point, {}});
        } else if (c == u',') {
            tokens.append({TokenKind::Comma, {}});
        } else {
            percent = percent || c == u'%';
            tokens.append({TokenKind::Literal, QString(c)});
        }
    }
    return tokens;
}

Section parseSection(const QString &text)
{
    Section s;
    s.plain = text.isEmpty();
    const QList<Token> tokens = tokenize(text, s.percent);

    qsizetype pointAt = tokens.size();
    for (qsizetype i = 0; i < tokens.size(); ++i)
        if (tokens.at(i).kind == TokenKind::Point)
            pointAt = i;
    qsizetype firstSlot = -1, lastSlot = -1;
    for (qsizetype i = 0; i < pointAt; ++i) {
        if (isPlaceholder(tokens.at(i))) {
            if (firstSlot < 0)
                firstSlot = i;
            lastSlot = i;
            ++s.wholeSlots;
        }
    }
    // A comma anywhere among the whole-number placeholders asks for grouping; elsewhere it
    // means nothing here and is dropped.
    for (qsizetype i = firstSlot + 1; i < lastSlot; ++i)
        s.grouping = s.grouping || tokens.at(i).kind == TokenKind::Comma;

    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token &t = tokens.at(i);
        if (t.kind == TokenKind::Comma)
            continue;
        if (i > pointAt && isPlaceholder(t)) {
            if (t.kind == TokenKind::Zero)
                s.lastFractionZero = s.decimals;
            ++s.decimals;
        }
        s.tokens.append(t);
    }
    return s;
}

// The value as this section will show it: scaled for a percentage, rounded to its decimals.
Decimal prepared(Decimal d, const Section &s)
{
    if (s.plain)
        return d;
    if (s.percent)
        d.point += 2;
    return rounded(d, s.decimals);
}

class Renderer {
public:
    Renderer(const Section &section, const Decimal &value, const NumberSymbols &symbols)
        : s(section)
        , d(value)
        , sym(symbols)
        , whole(wholeDigits(value))
    {
        // Trailing fraction digits show up to the last non-zero digit or the last "0".
        const qsizetype fractionDigits = std::max<qsizetype>(0, d.digits.size() - d.point);
        lastFractionShown = std::max(s.lastFractionZero, fractionDigits - 1);
    }

    QString render()
    {
        for (const Token &t : s.tokens) {
            switch (t.kind) {
            case TokenKind::Literal:
                out += t.text;
                break;
            case TokenKind::Point:
                if (s.wholeSlots == 0) // no place for the whole digits: they go before the point
                    for (qsizetype i = 0; i < whole.size(); ++i)
                        putDigit(whole.at(i), whole.size() - 1 - i);
                out += sym.decimal;
                inFraction = true;
                break;
            case TokenKind::Zero:
            case TokenKind::Hash:
                if (inFraction)
                    putFraction();
                else
                    putWhole(t.kind == TokenKind::Zero);
                break;
            case TokenKind::Comma:
                break;
            }
        }
        return out;
    }

private:
    // placesRight: how many whole-number digits stand to the right of this one.
    void putDigit(char digit, qsizetype placesRight)
    {
        out += QLatin1Char(digit);
        if (s.grouping && placesRight > 0 && placesRight % 3 == 0)
            out += sym.group;
    }

    void putWhole(bool zero)
    {
        const qsizetype extra = whole.size() - s.wholeSlots;
        if (slot == 0) // digits beyond the placeholders all go to the first one
            for (qsizetype i = 0; i < extra; ++i)
                putDigit(whole.at(i), whole.size() - 1 - i);
        // Digits fill from the right, so only a run of leftmost slots is ever empty; from
        // the first "0" on, empty slots show a zero.
        leadingZeros = leadingZeros || zero;
        const qsizetype placesRight = s.wholeSlots - 1 - slot;
        const qsizetype index = whole.size() - 1 - placesRight;
        if (index >= 0)
            putDigit(whole.at(index), placesRight);
        else if (leadingZeros)
            putDigit('0', placesRight);
        ++slot;
    }

    void putFraction()
    {
        if (fraction <= lastFractionShown)
            out += QLatin1Char(fractionDigit(d, fraction));
        ++fraction;
    }

    const Section &s;
    const Decimal &d;
    const NumberSymbols &sym;
    const QByteArray whole;
    qsizetype lastFractionShown = -1;
    QString out;
    qsizetype slot = 0;
    qsizetype fraction = 0;
    bool inFraction = false;
    bool leadingZeros = false;
};

QString renderSection(const Section &s, const Decimal &value, int precision,
                      const NumberSymbols &symbols)
{
    if (s.plain)
        return plainDecimal(value, precision, symbols.decimal);
    return Renderer(s, value, symbols).render();
}

QString formatDecimal(Decimal value, int precision, const QString &pattern,
                      const NumberSymbols &symbols)
{
    const QStringList texts = splitSections(pattern);
    const Section positive = parseSection(texts.at(0));

    // Zero is judged by what the first section would show, so 0.001 with "0.00;(0.00);-"
    // is a zero, and a negative amount that rounds away never shows as "-0.00".
    if (prepared(value, positive).isZero()) {
        const bool zeroSection = texts.size() > 2 && !texts.at(2).isEmpty();
        return renderSection(zeroSection ? parseSection(texts.at(2)) : positive, Decimal{},
                             precision, symbols);
    }
    if (!value.negative)
        return renderSection(positive, prepared(value, positive), precision, symbols);

    value.negative = false;
    if (texts.size() > 1 && !texts.at(1).isEmpty()) {
        const Section negative = parseSection(texts.at(1));
        return renderSection(negative, prepared(value, negative), precision, symbols);
    }
    return QLatin1Char('-') +
           renderSection(positive, prepared(value, positive), precision, symbols);
}

} // namespace

QString formatNumber(double value, const QString &pattern, const NumberSymbols &symbols)
{
    if (!std::isfinite(value))
        return {};
    return formatDecimal(toDecimal(value, kDoublePrecision), kDoublePrecision, pattern, symbols);
}

QString formatNumber(float value, const QString &pattern, const NumberSymbols &symbols)
{
    if (!std::isfinite(value))
        return {};
    return formatDecimal(toDecimal(double(value), kSinglePrecision), kSinglePrecision, pattern,
                         symbols);
}

} // namespace norvel
