#pragma once

#include <QStringList>

namespace norvel {

// Exit statuses of norvel-quote.
enum QuoteToolStatus {
    AllQuoted = 0,
    SomeFailed = 1, // a file failed validation or could not be read, priced or written
    UsageError = 2,
    StartFailed = 3, // rate database, language file
};

// One run of norvel-quote over its arguments (without the program's name), from the program
// beside `programDir`. A QApplication must exist.
int runQuoteTool(const QStringList &arguments, const QString &programDir);

} // namespace norvel
