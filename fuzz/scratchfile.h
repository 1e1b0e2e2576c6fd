#pragma once

#include <QByteArray>
#include <QString>

namespace norvel::fuzz {

// A file of the fuzzer's own temporary folder, named `name`, holding `content`; the folder
// goes away when the fuzzer ends.
QString scratchFile(const QString &name, const QByteArray &content);

// The whole content of a file; empty when it cannot be read.
QByteArray fileContent(const QString &path);

} // namespace norvel::fuzz
