#include "ui/maskededit.h"

namespace norvel {

namespace {

// Qt's own mask language: "9" an optional digit, "\" before a fixed character, ";_" the blank.
QString qtMask(const QString &mask)
{
    QString out;
    for (QChar c : mask) {
        if (c == QLatin1Char('#'))
            out += QLatin1Char('9');
        else
            out += QLatin1Char('\\') + c;
    }
    return out + QStringLiteral(";_");
}

} // namespace

MaskedEdit::MaskedEdit(const QString &mask, QWidget *parent)
    : QLineEdit(parent)
    , mask_(mask)
{
    setInputMask(qtMask(mask));
}

QString MaskedEdit::digits() const
{
    QString out;
    for (QChar c : text())
        if (c.isDigit())
            out += c;
    return out;
}

QString MaskedEdit::formattedText() const
{
    return displayText();
}

QString MaskedEdit::maskText() const
{
    return promptInclude_ ? formattedText() : digits();
}

void MaskedEdit::setDigits(const QString &digits)
{
    QString only;
    for (QChar c : digits)
        if (c.isDigit())
            only += c;
    setText(only.left(positions()));
}

} // namespace norvel
