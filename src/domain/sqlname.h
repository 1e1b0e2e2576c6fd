#pragma once

#include <QString>

namespace norvel {

// A table or field name quoted for the database engine, whatever it holds.
inline QString quotedName(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace norvel
