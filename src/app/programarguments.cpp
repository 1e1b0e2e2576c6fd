#include "app/programarguments.h"

namespace norvel {

ProgramArguments parseProgramArguments(const QStringList &arguments)
{
    ProgramArguments parsed;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const bool option =
            !optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
        if (option || !parsed.file.isEmpty()) {
            parsed.problem = option ? ProgramArguments::Problem::UnknownOption
                                    : ProgramArguments::Problem::TooManyFiles;
            parsed.offending = argument;
            return parsed;
        }
        parsed.file = argument;
    }
    return parsed;
}

} // namespace norvel
