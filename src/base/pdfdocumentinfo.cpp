#include "base/pdfdocumentinfo.h"

#include <QRegularExpression>

namespace norvel {

namespace {

// A text string of the document information: UTF-16 with its byte-order mark, in hexadecimal,
// so that no character needs an escape.
QByteArray textString(const QString &text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16 += char(c.unicode() >> 8);
        utf16 += char(c.unicode() & 0xFF);
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

// "D:YYYYMMDDHHmmSS" and the offset from UTC, as PDF dates are written.
QByteArray pdfDate(const QDateTime &when)
{
    const int offset = when.offsetFromUtc() / 60;
    QByteArray date = "(D:" + when.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    if (offset == 0)
        return date + "Z)";
    date += offset > 0 ? '+' : '-';
    return date + QByteArray::number(qAbs(offset) / 60).rightJustified(2, '0') + '\'' +
           QByteArray::number(qAbs(offset) % 60).rightJustified(2, '0') + "')";
}

// The value of a key of the last trailer, or nothing.
QByteArray trailerValue(const QByteArray &trailer, const char *pattern)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QLatin1String(pattern)).match(QLatin1String(trailer));
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

} // namespace

QByteArray withDocumentInfo(const QByteArray &pdf, const PdfDocumentInfo &info,
                            const QDateTime &created)
{
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    if (trailerAt < 0)
        return {};
    const QByteArray trailer = pdf.mid(trailerAt);
    const QByteArray size = trailerValue(trailer, R"(/Size\s+(\d+))");
    const QByteArray root = trailerValue(trailer, R"(/Root\s+(\d+\s+\d+\s+R))");
    const QByteArray previous = trailerValue(trailer, R"(startxref\s+(\d+)\s+%%EOF)");
    if (size.isEmpty() || root.isEmpty() || previous.isEmpty())
        return {};

    QByteArray update = pdf;
    if (!update.endsWith('\n'))
        update += '\n';
    const qsizetype objectAt = update.size();
    update += size + " 0 obj\n<<\n/Title " + textString(info.title) + "\n/Author " +
              textString(info.author) + "\n/Subject " + textString(info.subject) + "\n/Creator " +
              textString(info.creator) + "\n/CreationDate " + pdfDate(created) + "\n>>\nendobj\n";
    const qsizetype xrefAt = update.size();
    // Each entry of the table is exactly twenty bytes long, its own line end included.
    update += "xref\n" + size + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') +
              " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(size.toLongLong() + 1) + "\n/Root " +
              root + "\n/Info " + size + " 0 R\n/Prev " + previous + "\n>>\nstartxref\n" +
              QByteArray::number(xrefAt) + "\n%%EOF\n";
    return update;
}

} // namespace norvel
