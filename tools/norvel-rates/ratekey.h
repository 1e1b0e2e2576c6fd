#pragma once

#include <QByteArray>

namespace norvel {

// The database password; the program only ever holds the key derived from it.
inline constexpr char kRatePassword[] = "qrlbmzatsoki";

// The 32-byte key of the rate database: the password stretched (PBKDF2, HMAC-SHA256, 256,000
// rounds) here, once per build, instead of by the engine at every open. Guessing the password
// from a copy of the file costs as much as ever; opening it with the key costs nothing.
QByteArray deriveRateKey(const QByteArray &password);

} // namespace norvel
