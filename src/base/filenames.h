#pragma once

#include <QByteArray>
#include <QString>

namespace norvel {

// File names as the file system holds them: bytes, UTF-8 as a rule. A name that is not valid
// UTF-8 still names a file, so its stray bytes decode to the lone surrogates U+DC80..U+DCFF
// and encode back to themselves; any other name decodes as UTF-8.
QString decodeFileName(const QByteArray &bytes);
QByteArray encodeFileName(const QString &name);

// A name that every file system takes: the characters one of them refuses (\ / : * ? " < > |
// and control characters) become "-", blanks are collapsed, and the dots and blanks Windows
// drops at the end are dropped. Letters of any language are kept.
QString safeFileName(const QString &name);

} // namespace norvel
