#pragma once

#include <QString>
#include <QStringList>

namespace norvel {

// Starts another program without waiting for it.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // The program gets its arguments as they are, never through a shell. False when it could
    // not be started (missing, not executable, refused by the system).
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
};

// A process of its own, which outlives this one; on Windows its window opens maximized.
// Elsewhere a program that ends at once with an error (a wrapper such as env that found
// nothing to run) counts as one that could not start.
class DetachedLauncher : public ProgramLauncher {
public:
    bool start(const QString &program, const QStringList &arguments) override;
};

} // namespace norvel
