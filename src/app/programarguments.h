#pragma once

#include <QString>
#include <QStringList>

namespace norvel {

// The program's command line: "norvel [FILE]", FILE being an illustration to open at start.
// "--" ends the options, for a file whose name begins with "-".
struct ProgramArguments {
    enum class Problem { None, UnknownOption, TooManyFiles };
    QString file;                    // as given; empty when none
    Problem problem = Problem::None; // the program does not start with a faulty command line
    QString offending;               // the unknown option, or the file past the first
};

// The arguments after the program's name, once Qt has taken its own.
ProgramArguments parseProgramArguments(const QStringList &arguments);

} // namespace norvel
