#pragma once

#include <QString>
#include <QStringList>

namespace norvel {

class FileAssociations;
class ProgramLauncher;
class ShortPaths;

// How a document is handed to a PDF reader, and which programs count as one.
enum class ReaderConvention {
    // The reader is Acrobat or Adobe Reader, started with "/s" and the document's short path.
    Windows,
    // Any executable program, given the document's path alone (it would take "/s" for a file).
    Desktop,
};

// What opening a document needs from the system.
struct ReaderPlatform {
    FileAssociations *associations = nullptr;
    ProgramLauncher *launcher = nullptr;
    ShortPaths *shortPaths = nullptr;
    ReaderConvention convention = ReaderConvention::Desktop;
};

// The machine's own services; tests put fakes in their place.
ReaderPlatform &readerPlatform();

// The reader's arguments for a document.
QStringList readerArguments(ReaderConvention convention, const QString &document);

// The program and arguments of an open command of the associations (each argument in double
// quotes, or between blanks), "%1" standing for the document, which ends the list when no
// argument holds it. Empty for an empty command.
QStringList commandArguments(const QString &command, const QString &document);

// Whether a file chosen in the reader dialog (its full path and file name) may be the reader.
bool isReaderProgram(ReaderConvention convention, const QString &path, const QString &name);

// The reader dialog's filter ("description|pattern"), from the description's text; empty
// where programs have no extension of their own.
QString readerFilter(ReaderConvention convention, const QString &description);

// Where the reader dialog starts.
QString readerStartFolder(ReaderConvention convention, const QString &programDir);

} // namespace norvel
