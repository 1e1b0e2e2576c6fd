#include "support/filesizelimit.h"

#include <csignal>
#include <sys/resource.h>

namespace norvel::test {

bool withFileSizeLimit(long bytes, const std::function<bool()> &write)
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
