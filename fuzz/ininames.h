#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace norvel::fuzz {

struct IniName {
    QString section;
    QString key;
};

// The section and key names an INI text seems to hold, by a reading looser than the real
// one (a "[" line opens a section, the text before "=" names a key), so that lookups hit
// the entries the input has as well as near misses. At most `limit` of them, in file order.
std::vector<IniName> iniNames(const QByteArray &content, std::size_t limit);

// The name with its ASCII letters in the other case: a lookup must not see the difference.
QString swappedCase(const QString &name);

} // namespace norvel::fuzz
