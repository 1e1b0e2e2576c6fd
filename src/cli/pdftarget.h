#pragma once

#include <QString>

namespace norvel {

// Why a report may not be written at `path`, or nothing when it may: the path may be new, or
// a PDF (any file with `overwrite`) to replace. A symbolic link is never written through, and
// nothing but a regular file is ever replaced (a device, a FIFO, a folder).
QString pdfTargetRefusal(const QString &path, bool overwrite);

// Whether two paths name the same file, through links and relative names.
bool sameFile(const QString &a, const QString &b);

} // namespace norvel
