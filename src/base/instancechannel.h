#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace norvel {

// Lets a second copy of the program hand a file to the copy that is already running.
class InstanceChannel {
public:
    using FileHandler = std::function<void(const QString &path)>;

    virtual ~InstanceChannel() = default;
    // The running copy: each file handed over is acknowledged, then given to the handler from
    // the event loop. False when it cannot listen; the program runs on without hand-overs.
    virtual bool listen(const QString &programPath, FileHandler onFile) = 0;
    // A second copy: hands the path over; true once the running copy has acknowledged it.
    virtual bool handOver(const QString &programPath, const QString &path) = 0;
};

// A local socket reachable by its own user only, named as the instance lock is and beside it.
class LocalInstanceChannel : public InstanceChannel {
public:
    // folder: where the socket lives (empty: beside the instance lock); timeoutMs: how long a
    // second copy waits for the running one, which may itself still be starting.
    explicit LocalInstanceChannel(QString folder = QString(), int timeoutMs = 4000);
    ~LocalInstanceChannel() override;

    bool listen(const QString &programPath, FileHandler onFile) override;
    bool handOver(const QString &programPath, const QString &path) override;

    QString socketPath(const QString &programPath) const;

private:
    QString folder_;
    int timeoutMs_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace norvel
