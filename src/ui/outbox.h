#pragma once

#include <QString>

namespace norvel {

// A new folder, private to the user, for the PDF of one e-mail: each message has its own, so
// one still being written keeps its attachment when the same quote is sent again. The folders
// are removed with the program's outbox when the program ends. Empty, with the reason in
// `error`, when none could be made.
QString newOutboxFolder(QString *error);

} // namespace norvel
