#include "base/filenames.h"

namespace norvel {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0.
int sequenceAt(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    const int size = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (size == 0 || (size == 3 && lead > 0xEF) || at + size > bytes.size())
        return 0;
    for (int i = 1; i < size; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = byte(at + 1);
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return size;
}

} // namespace

QString decodeFileName(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const int size = sequenceAt(bytes, at);
        if (size == 0) {
            name += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes.at(at++))));
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + at, size);
        at += size;
    }
    return name;
}

QByteArray encodeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t c = name.at(at).unicode();
        if (QChar::isHighSurrogate(c) && at + 1 < name.size() && name.at(at + 1).isLowSurrogate()) {
            bytes += QStringView(name).mid(at, 2).toUtf8();
            ++at;
        } else if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
            bytes += char(c - kEscapeBase);
        } else {
            bytes += QStringView(name).mid(at, 1).toUtf8();
        }
    }
    return bytes;
}

QString safeFileName(const QString &name)
{
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name)
        safe += c.category() == QChar::Other_Control || refused.contains(c) ? QLatin1Char('-') : c;
    safe = safe.simplified();
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    return safe;
}

} // namespace norvel
