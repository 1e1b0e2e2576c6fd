#pragma once

#include <QByteArray>
#include <QString>

namespace norvel {

// Settings, language and illustration files are Windows-1252 on disk whatever the platform.
// The five bytes the code page leaves undefined map to the C1 controls of the same value, as
// Windows itself maps them, so every byte survives a round trip.
QString fromCp1252(const QByteArray &bytes);
QString fromCp1252(const char *data, qsizetype size);

// Characters the code page cannot hold become "?".
QByteArray toCp1252(const QString &text);

// False when some character of the text has no Windows-1252 byte.
bool fitsCp1252(const QString &text);

// The text without its control characters (C0, DEL, and the C1 the undefined bytes decode
// to): what a name read from a file may hold, since none of them means anything in a field.
QString withoutControls(const QString &text);

// Case folding of one Windows-1252 byte (ASCII and accented Latin letters), so that names
// compare without regard to case without decoding them.
unsigned char foldCp1252(unsigned char byte);

} // namespace norvel
