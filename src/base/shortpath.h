#pragma once

#include <QString>

namespace norvel {

// The short form of a path, for command lines of programs that cannot take blanks.
class ShortPaths {
public:
    virtual ~ShortPaths() = default;
    // Empty when the system has no short form for the path.
    virtual QString shortPath(const QString &path) = 0;
};

// On Windows the 8.3 form of an existing path; elsewhere paths have no short form and are
// returned as they are.
class SystemShortPaths : public ShortPaths {
public:
    QString shortPath(const QString &path) override;
};

} // namespace norvel
