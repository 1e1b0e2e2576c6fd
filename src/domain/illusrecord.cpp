#include "domain/illusrecord.h"

#include "base/cp1252.h"
#include "base/vbnumber.h"

#include <QtEndian>
#include <array>

namespace norvel {

namespace {

struct IntegerField {
    int offset;
    qint16 IllusRecord::*member;
};

constexpr std::array<IntegerField, 7> kIntegers = {{
    {0, &IllusRecord::optEcheance},
    {2, &IllusRecord::fumeurCo},
    {4, &IllusRecord::fumeur},
    {6, &IllusRecord::parDateCo},
    {8, &IllusRecord::parDate},
    {10, &IllusRecord::homme},
    {12, &IllusRecord::hommeCo},
}};
constexpr int kCoBorrowerOffset = 14;

struct TextField {
    int offset;
    int size;
    QString IllusRecord::*member;
    bool trimmed;
};

const std::array<TextField, 14> kTexts = {{
    {15, 8, &IllusRecord::dateNais, true},
    {23, 8, &IllusRecord::dateNaisCo, true},
    {31, 8, &IllusRecord::echeance, true},
    {39, 8, &IllusRecord::effet, true},
    {47, 3, &IllusRecord::age, true},
    {50, 3, &IllusRecord::ageCo, true},
    {53, 8, &IllusRecord::duree, true},
    {61, 6, &IllusRecord::montant, false},
    {67, 30, &IllusRecord::nom, true},
    {97, 15, &IllusRecord::nomCo, true},
    {112, 15, &IllusRecord::prenom, true},
    {127, 15, &IllusRecord::prenomCo, true},
    {142, 2, &IllusRecord::terme, true},
    {144, 4, &IllusRecord::versement, false},
}};

constexpr int kNameOffset = 67, kNameSize = 30;
constexpr int kPhoneOffset = 112, kPhoneSize = 15;

// A text in its fixed width: cut, or padded with spaces.
void putText(QByteArray &record, int offset, int size, const QString &text)
{
    const QByteArray bytes = toCp1252(text).left(size).leftJustified(size, ' ');
    record.replace(offset, size, bytes);
}

QString getText(const QByteArray &record, int offset, int size)
{
    // Still the field's whole width, as every reader of the record expects.
    return withoutControls(fromCp1252(record.constData() + offset, size))
        .leftJustified(size, QLatin1Char(' '));
}

// The classic Trim: spaces only.
QString trimSpaces(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

bool isStoredAmount(const QString &text)
{
    const QString amount = trimSpaces(text);
    return amount.isEmpty() || isNumeric(amount);
}

} // namespace

QByteArray encodeQuoteRecord(const IllusRecord &record)
{
    QByteArray bytes(kIllusRecordSize, '\0');
    for (const IntegerField &field : kIntegers)
        qToLittleEndian<qint16>(record.*field.member, bytes.data() + field.offset);
    bytes[kCoBorrowerOffset] = char(record.coemprunteur);
    for (const TextField &field : kTexts)
        putText(bytes, field.offset, field.size, record.*field.member);
    return bytes;
}

QByteArray encodeBrokerRecord(const QString &name, const QString &telephone)
{
    QByteArray bytes(kIllusRecordSize, '\0');
    putText(bytes, kNameOffset, kNameSize, name);
    const QString phone = telephone.left(kPhoneSize);
    putText(bytes, kPhoneOffset, kPhoneSize,
            trimSpaces(phone).isEmpty() ? QStringLiteral("__________") : phone);
    return bytes;
}

QByteArray encodeIllustration(const QString &brokerName, const QString &brokerTelephone,
                              const IllusRecord &quote)
{
    return encodeBrokerRecord(brokerName, brokerTelephone) + encodeQuoteRecord(quote);
}

IllusRecord decodeQuoteRecord(const QByteArray &bytes)
{
    IllusRecord record;
    if (bytes.size() < kIllusRecordSize)
        return record;
    for (const IntegerField &field : kIntegers)
        record.*field.member = qFromLittleEndian<qint16>(bytes.constData() + field.offset);
    record.coemprunteur = quint8(bytes.at(kCoBorrowerOffset));
    for (const TextField &field : kTexts) {
        const QString text = getText(bytes, field.offset, field.size);
        record.*field.member = field.trimmed ? trimSpaces(text) : text;
    }
    return record;
}

BrokerRecord decodeBrokerRecord(const QByteArray &bytes)
{
    if (bytes.size() < kIllusRecordSize)
        return {};
    return {getText(bytes, kNameOffset, kNameSize), getText(bytes, kPhoneOffset, kPhoneSize)};
}

std::optional<IllustrationFile> decodeIllustration(const QByteArray &bytes)
{
    if (bytes.size() < kIllustrationFileSize)
        return std::nullopt;
    IllustrationFile file;
    file.broker = decodeBrokerRecord(bytes.left(kIllusRecordSize));
    file.quote = decodeQuoteRecord(bytes.mid(kIllusRecordSize, kIllusRecordSize));
    if (file.quote.coemprunteur > 2 || !isStoredAmount(file.quote.montant) ||
        !isStoredAmount(file.quote.versement))
        return std::nullopt;
    return file;
}

QString NomIllustration(const QString &fileTitle)
{
    const qsizetype period = fileTitle.indexOf(QLatin1Char('.'));
    return period < 0 ? fileTitle : fileTitle.left(period);
}

} // namespace norvel
