#pragma once

#include "base/profile.h"

namespace norvel {

// Saves keys of one section of the program's settings file, all in one write. When the file
// cannot be written (read-only, not a settings file, a full disk) the broker is told where and
// why and false comes back; the file stays as it was.
bool SaveSettings(const QString &section, const ProfileValues &values);

} // namespace norvel
