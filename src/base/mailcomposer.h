#pragma once

#include <QString>

namespace norvel {

// Opens the desktop's mail composer on a new message with this subject and this file
// attached, for the user to address and send. False when no mail program could be started, or
// the one that started failed at once. On Linux through xdg-email, its arguments given as they
// are, never through a shell; on Windows through the system's mail interface (Simple MAPI).
bool composeMail(const QString &subject, const QString &attachment);

} // namespace norvel
