#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace norvel::test {

// Runs a write while no file may grow past the given size, as on a disk that fills up halfway;
// returns what the write returned.
inline bool withFileSizeLimit(long bytes, const std::function<bool()> &write)
{
    // The write must fail with an error, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    return written;
}

} // namespace norvel::test
