#pragma once

#include <QString>

namespace norvel {

// Tells whether another copy of the same program is running.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Takes the lock for this run; false when another running copy holds it.
    virtual bool acquire(const QString &programPath) = 0;
};

// A lock file held with an advisory lock: the system drops it when the process ends, even
// by a crash, so a dead copy never keeps the program from starting.
class FileInstanceLock : public InstanceLock {
public:
    explicit FileInstanceLock(QString lockFolder = QString());
    ~FileInstanceLock() override;
    bool acquire(const QString &programPath) override;

    // The lock file used for a program (for tests).
    QString lockFilePath(const QString &programPath) const;

private:
    QString folder_;
    int fd_ = -1;
};

} // namespace norvel
